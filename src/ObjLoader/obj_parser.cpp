#include "ObjLoader/obj_parser.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <system_error>

#include "ObjLoader/string_extra.h"

#define WHITESPACE " \t\n\r"
// Material operands split at blanks only: the last one keeps its line ending.
#define MTL_OPERAND_DELIMITERS " \t"

// Only regular files: a device or a pipe named by a material library could
// feed the reader forever.
static FILE* obj_open(const char* filename) {
    std::error_code error;
    if (filename == nullptr || !std::filesystem::is_regular_file(filename, error)) {
        return nullptr;
    }
    return fopen(filename, "r");
}

// A bounded, always terminated copy.
static void obj_copy_string(char* destination, const char* source, size_t size) {
    strncpy(destination, source, size - 1);
    destination[size - 1] = '\0';
}

// A missing operand reads as 0, like a malformed one.
static double obj_next_number(const char* delimiters) {
    char* token = strtok(nullptr, delimiters);
    return token ? atof(token) : 0.0;
}

int obj_convert_to_list_index(int current_max, int index) {
    if (index == 0) {
        return -1;  // absent
    }
    if (index < 0) {
        return current_max + index;  // -1 is the last item read so far
    }
    return index - 1;
}

void obj_convert_to_list_index_v(int current_max, int* indices) {
    for (int i = 0; i < MAX_VERTEX_COUNT; i++) {
        indices[i] = obj_convert_to_list_index(current_max, indices[i]);
    }
}

void obj_set_material_defaults(obj_material* mtl) {
    mtl->name[0] = '\0';
    mtl->texture_filename[0] = '\0';
    for (int i = 0; i < 3; i++) {
        mtl->amb[i] = 0.2;
        mtl->diff[i] = 0.8;
        mtl->spec[i] = 1.0;
    }
    mtl->reflect = 0.0;
    mtl->refract = 0.0;
    mtl->trans = 1.0;
    mtl->shiny = 0.0;
    mtl->glossy = 98.0;
    mtl->refract_index = 1.0;
}

int obj_parse_vertex_index(int* vertex_index, int* texture_index, int* normal_index) {
    char* token;
    int vertex_count = 0;
    while ((token = strtok(nullptr, WHITESPACE)) != nullptr) {
        if (vertex_count == MAX_VERTEX_COUNT) {
            continue;  // the record is full: the remaining corners are dropped
        }
        if (texture_index != nullptr) {
            texture_index[vertex_count] = 0;
        }
        if (normal_index != nullptr) {
            normal_index[vertex_count] = 0;
        }
        vertex_index[vertex_count] = atoi(token);

        // Parts the record has no slot for are read and dropped.
        if (contains(token, "//")) {
            if (normal_index != nullptr) {
                normal_index[vertex_count] = atoi(strstr(token, "//") + 2);
            }
        } else if (contains(token, "/")) {
            char* rest = strchr(token, '/') + 1;
            if (texture_index != nullptr) {
                texture_index[vertex_count] = atoi(rest);
            }
            if (contains(rest, "/") && normal_index != nullptr) {
                normal_index[vertex_count] = atoi(strchr(rest, '/') + 1);
            }
        }
        vertex_count++;
    }
    return vertex_count;
}

obj_vector* obj_parse_vector() {
    obj_vector* v = (obj_vector*)malloc(sizeof(obj_vector));
    for (int i = 0; i < 3; i++) {
        v->e[i] = obj_next_number(WHITESPACE);
    }
    return v;
}

obj_face* obj_parse_face(obj_growable_scene_data* scene) {
    obj_face* face = (obj_face*)malloc(sizeof(obj_face));
    for (int i = 0; i < MAX_VERTEX_COUNT; i++) {
        face->vertex_indices[i] = 0;
        face->normal_indices[i] = 0;
        face->texcoord_indices[i] = 0;
    }
    face->corner_count = obj_parse_vertex_index(face->vertex_indices, face->texcoord_indices, face->normal_indices);
    face->material_id = -1;
    obj_convert_to_list_index_v(scene->vertex_list.item_count, face->vertex_indices);
    obj_convert_to_list_index_v(scene->vertex_texture_list.item_count, face->texcoord_indices);
    obj_convert_to_list_index_v(scene->vertex_normal_list.item_count, face->normal_indices);
    return face;
}

obj_sphere* obj_parse_sphere(obj_growable_scene_data* scene) {
    int temp_indices[MAX_VERTEX_COUNT] = {0, 0, 0, 0};
    obj_sphere* obj = (obj_sphere*)malloc(sizeof(obj_sphere));
    for (int i = 0; i < MAX_VERTEX_COUNT; i++) {
        obj->texture_index[i] = 0;
    }
    obj_parse_vertex_index(temp_indices, obj->texture_index, nullptr);
    obj_convert_to_list_index_v(scene->vertex_texture_list.item_count, obj->texture_index);
    obj->pos_index = obj_convert_to_list_index(scene->vertex_list.item_count, temp_indices[0]);
    obj->up_normal_index = obj_convert_to_list_index(scene->vertex_normal_list.item_count, temp_indices[1]);
    obj->equator_normal_index = obj_convert_to_list_index(scene->vertex_normal_list.item_count, temp_indices[2]);
    obj->material_index = -1;
    return obj;
}

obj_plane* obj_parse_plane(obj_growable_scene_data* scene) {
    int temp_indices[MAX_VERTEX_COUNT] = {0, 0, 0, 0};
    obj_plane* obj = (obj_plane*)malloc(sizeof(obj_plane));
    for (int i = 0; i < MAX_VERTEX_COUNT; i++) {
        obj->texture_index[i] = 0;
    }
    obj_parse_vertex_index(temp_indices, obj->texture_index, nullptr);
    obj_convert_to_list_index_v(scene->vertex_texture_list.item_count, obj->texture_index);
    obj->pos_index = obj_convert_to_list_index(scene->vertex_list.item_count, temp_indices[0]);
    obj->normal_index = obj_convert_to_list_index(scene->vertex_normal_list.item_count, temp_indices[1]);
    obj->rotation_normal_index = obj_convert_to_list_index(scene->vertex_normal_list.item_count, temp_indices[2]);
    obj->material_index = -1;
    return obj;
}

obj_light_point* obj_parse_light_point(obj_growable_scene_data* scene) {
    int temp_indices[MAX_VERTEX_COUNT] = {0, 0, 0, 0};
    obj_light_point* o = (obj_light_point*)malloc(sizeof(obj_light_point));
    obj_parse_vertex_index(temp_indices, nullptr, nullptr);
    o->pos_index = obj_convert_to_list_index(scene->vertex_list.item_count, temp_indices[0]);
    o->material_index = -1;
    return o;
}

obj_light_disc* obj_parse_light_disc(obj_growable_scene_data* scene) {
    int temp_indices[MAX_VERTEX_COUNT] = {0, 0, 0, 0};
    obj_light_disc* obj = (obj_light_disc*)malloc(sizeof(obj_light_disc));
    obj_parse_vertex_index(temp_indices, nullptr, nullptr);
    obj->pos_index = obj_convert_to_list_index(scene->vertex_list.item_count, temp_indices[0]);
    obj->normal_index = obj_convert_to_list_index(scene->vertex_normal_list.item_count, temp_indices[1]);
    obj->material_index = -1;
    return obj;
}

obj_light_quad* obj_parse_light_quad(obj_growable_scene_data* scene) {
    obj_light_quad* o = (obj_light_quad*)malloc(sizeof(obj_light_quad));
    for (int i = 0; i < MAX_VERTEX_COUNT; i++) {
        o->vertex_index[i] = 0;
    }
    obj_parse_vertex_index(o->vertex_index, nullptr, nullptr);
    obj_convert_to_list_index_v(scene->vertex_list.item_count, o->vertex_index);
    o->material_index = -1;
    return o;
}

void obj_parse_camera(obj_growable_scene_data* scene, obj_camera* camera) {
    int indices[MAX_VERTEX_COUNT] = {0, 0, 0, 0};
    obj_parse_vertex_index(indices, nullptr, nullptr);
    camera->camera_pos_index = obj_convert_to_list_index(scene->vertex_list.item_count, indices[0]);
    camera->camera_look_point_index = obj_convert_to_list_index(scene->vertex_list.item_count, indices[1]);
    camera->camera_up_norm_index = obj_convert_to_list_index(scene->vertex_normal_list.item_count, indices[2]);
}

// Frees the records a list holds, then the list.
static void obj_free_records(list* listo) {
    if (listo->items == nullptr) {
        return;
    }
    for (int i = 0; i < listo->item_count; i++) {
        free(listo->items[i]);
    }
    list_free(listo);
}

int obj_parse_mtl_file(const char* filename, list* material_list) {
    FILE* mtl_file_stream = obj_open(filename);
    if (mtl_file_stream == nullptr) {
        fprintf(stderr, "Error reading file: %s\n", filename);
        return 0;
    }
    // The list is made afresh; the materials of an earlier library go.
    obj_free_records(material_list);
    list_make(material_list, 10, 1);

    obj_material* current_mtl = nullptr;
    char current_line[OBJ_LINE_SIZE];
    int line_number = 0;
    while (fgets(current_line, OBJ_LINE_SIZE, mtl_file_stream)) {
        char* current_token = strtok(current_line, WHITESPACE);
        line_number++;
        if (current_token == nullptr || strequal(current_token, "//") || strequal(current_token, "#")) {
            continue;
        }
        if (strequal(current_token, "newmtl")) {
            char* name = strtok(nullptr, MTL_OPERAND_DELIMITERS);
            if (name == nullptr) {
                continue;  // a material needs a name
            }
            current_mtl = (obj_material*)malloc(sizeof(obj_material));
            obj_set_material_defaults(current_mtl);
            obj_copy_string(current_mtl->name, name, MATERIAL_NAME_SIZE);
            list_add_item(material_list, current_mtl, current_mtl->name);
        } else if (current_mtl != nullptr && strequal(current_token, "Ka")) {
            for (int i = 0; i < 3; i++) current_mtl->amb[i] = obj_next_number(MTL_OPERAND_DELIMITERS);
        } else if (current_mtl != nullptr && strequal(current_token, "Kd")) {
            for (int i = 0; i < 3; i++) current_mtl->diff[i] = obj_next_number(MTL_OPERAND_DELIMITERS);
        } else if (current_mtl != nullptr && strequal(current_token, "Ks")) {
            for (int i = 0; i < 3; i++) current_mtl->spec[i] = obj_next_number(MTL_OPERAND_DELIMITERS);
        } else if (current_mtl != nullptr && strequal(current_token, "Ns")) {
            current_mtl->shiny = obj_next_number(MTL_OPERAND_DELIMITERS);
        } else if (current_mtl != nullptr && strequal(current_token, "d")) {
            current_mtl->trans = obj_next_number(MTL_OPERAND_DELIMITERS);
        } else if (current_mtl != nullptr && strequal(current_token, "r")) {
            current_mtl->reflect = obj_next_number(MTL_OPERAND_DELIMITERS);
        } else if (current_mtl != nullptr && strequal(current_token, "sharpness")) {
            current_mtl->glossy = obj_next_number(MTL_OPERAND_DELIMITERS);
        } else if (current_mtl != nullptr && strequal(current_token, "Ni")) {
            current_mtl->refract_index = obj_next_number(MTL_OPERAND_DELIMITERS);
        } else if (current_mtl != nullptr && strequal(current_token, "illum")) {
            // not used
        } else if (current_mtl != nullptr && strequal(current_token, "map_Ka")) {
            char* texture = strtok(nullptr, MTL_OPERAND_DELIMITERS);
            if (texture != nullptr) {
                obj_copy_string(current_mtl->texture_filename, texture, OBJ_FILENAME_LENGTH);
            }
        } else {
            fprintf(stderr, "Unknown command '%s' in material file %s at line %i:\n\t%s\n", current_token, filename,
                    line_number, current_line);
        }
    }
    fclose(mtl_file_stream);
    return 1;
}

int obj_parse_obj_file(obj_growable_scene_data* growable_data, const char* filename) {
    FILE* obj_file_stream = obj_open(filename);
    if (obj_file_stream == nullptr) {
        fprintf(stderr, "Error reading file: %s\n", filename);
        return 0;
    }

    int current_material = -1;
    char current_line[OBJ_LINE_SIZE];
    int line_number = 0;
    while (fgets(current_line, OBJ_LINE_SIZE, obj_file_stream)) {
        char* current_token = strtok(current_line, WHITESPACE);
        line_number++;
        if (current_token == nullptr || current_token[0] == '#') {
            continue;
        }
        if (strequal(current_token, "v")) {
            list_add_item(&growable_data->vertex_list, obj_parse_vector(), nullptr);
        } else if (strequal(current_token, "vn")) {
            list_add_item(&growable_data->vertex_normal_list, obj_parse_vector(), nullptr);
        } else if (strequal(current_token, "vt")) {
            list_add_item(&growable_data->vertex_texture_list, obj_parse_vector(), nullptr);
        } else if (strequal(current_token, "f")) {
            obj_face* face = obj_parse_face(growable_data);
            face->material_id = current_material;
            list_add_item(&growable_data->face_list, face, nullptr);
        } else if (strequal(current_token, "sp")) {
            obj_sphere* sphere = obj_parse_sphere(growable_data);
            sphere->material_index = current_material;
            list_add_item(&growable_data->sphere_list, sphere, nullptr);
        } else if (strequal(current_token, "pl")) {
            obj_plane* plane = obj_parse_plane(growable_data);
            plane->material_index = current_material;
            list_add_item(&growable_data->plane_list, plane, nullptr);
        } else if (strequal(current_token, "p")) {
            // points are not used
        } else if (strequal(current_token, "lp")) {
            obj_light_point* light = obj_parse_light_point(growable_data);
            light->material_index = current_material;
            list_add_item(&growable_data->light_point_list, light, nullptr);
        } else if (strequal(current_token, "ld")) {
            obj_light_disc* light = obj_parse_light_disc(growable_data);
            light->material_index = current_material;
            list_add_item(&growable_data->light_disc_list, light, nullptr);
        } else if (strequal(current_token, "lq")) {
            obj_light_quad* light = obj_parse_light_quad(growable_data);
            light->material_index = current_material;
            list_add_item(&growable_data->light_quad_list, light, nullptr);
        } else if (strequal(current_token, "c")) {
            free(growable_data->camera);  // the last camera wins
            growable_data->camera = (obj_camera*)malloc(sizeof(obj_camera));
            obj_parse_camera(growable_data, growable_data->camera);
        } else if (strequal(current_token, "usemtl")) {
            char* name = strtok(nullptr, WHITESPACE);
            if (name != nullptr) {
                current_material = list_find(&growable_data->material_list, name);
            }
        } else if (strequal(current_token, "mtllib")) {
            char* name = strtok(nullptr, WHITESPACE);
            if (name != nullptr) {
                obj_copy_string(growable_data->material_filename, name, OBJ_FILENAME_LENGTH);
                obj_parse_mtl_file(growable_data->material_filename, &growable_data->material_list);
            }
        } else if (strequal(current_token, "o") || strequal(current_token, "s") || strequal(current_token, "g")) {
            // objects, smoothing groups and groups are not used
        } else {
            printf("Unknown command '%s' in scene code at line %i: \"%s\".\n", current_token, line_number,
                   current_line);
        }
    }
    fclose(obj_file_stream);
    return 1;
}

void obj_init_temp_storage(obj_growable_scene_data* growable_data) {
    growable_data->scene_filename[0] = '\0';
    growable_data->material_filename[0] = '\0';
    list_make(&growable_data->vertex_list, 10, 1);
    list_make(&growable_data->vertex_normal_list, 10, 1);
    list_make(&growable_data->vertex_texture_list, 10, 1);
    list_make(&growable_data->face_list, 10, 1);
    list_make(&growable_data->sphere_list, 10, 1);
    list_make(&growable_data->plane_list, 10, 1);
    list_make(&growable_data->light_point_list, 10, 1);
    list_make(&growable_data->light_quad_list, 10, 1);
    list_make(&growable_data->light_disc_list, 10, 1);
    list_make(&growable_data->material_list, 10, 1);
    growable_data->camera = nullptr;
}

void obj_free_half_list(list* listo) {
    list_delete_all(listo);
    free(listo->names);
    listo->names = nullptr;
}

void obj_free_temp_storage(obj_growable_scene_data* growable_data) {
    obj_free_half_list(&growable_data->vertex_list);
    obj_free_half_list(&growable_data->vertex_normal_list);
    obj_free_half_list(&growable_data->vertex_texture_list);
    obj_free_half_list(&growable_data->face_list);
    obj_free_half_list(&growable_data->sphere_list);
    obj_free_half_list(&growable_data->plane_list);
    obj_free_half_list(&growable_data->light_point_list);
    obj_free_half_list(&growable_data->light_quad_list);
    obj_free_half_list(&growable_data->light_disc_list);
    obj_free_half_list(&growable_data->material_list);
}

void obj_copy_to_out_storage(obj_scene_data* data_out, obj_growable_scene_data* growable_data) {
    data_out->vertex_count = growable_data->vertex_list.item_count;
    data_out->vertex_normal_count = growable_data->vertex_normal_list.item_count;
    data_out->vertex_texture_count = growable_data->vertex_texture_list.item_count;
    data_out->face_count = growable_data->face_list.item_count;
    data_out->sphere_count = growable_data->sphere_list.item_count;
    data_out->plane_count = growable_data->plane_list.item_count;
    data_out->light_point_count = growable_data->light_point_list.item_count;
    data_out->light_quad_count = growable_data->light_quad_list.item_count;
    data_out->light_disc_count = growable_data->light_disc_list.item_count;
    data_out->material_count = growable_data->material_list.item_count;

    data_out->vertex_list = (obj_vector**)growable_data->vertex_list.items;
    data_out->vertex_normal_list = (obj_vector**)growable_data->vertex_normal_list.items;
    data_out->vertex_texture_list = (obj_vector**)growable_data->vertex_texture_list.items;
    data_out->face_list = (obj_face**)growable_data->face_list.items;
    data_out->sphere_list = (obj_sphere**)growable_data->sphere_list.items;
    data_out->plane_list = (obj_plane**)growable_data->plane_list.items;
    data_out->light_point_list = (obj_light_point**)growable_data->light_point_list.items;
    data_out->light_quad_list = (obj_light_quad**)growable_data->light_quad_list.items;
    data_out->light_disc_list = (obj_light_disc**)growable_data->light_disc_list.items;
    data_out->material_list = (obj_material**)growable_data->material_list.items;

    data_out->camera = growable_data->camera;
}

// Frees a record array of the result and the records in it.
template <typename Record>
static void obj_free_array(Record**& records, int& count) {
    if (records != nullptr) {
        for (int i = 0; i < count; i++) {
            free(records[i]);
        }
        free(records);
    }
    records = nullptr;
    count = 0;
}

void delete_obj_data(obj_scene_data* data_out) {
    obj_free_array(data_out->vertex_list, data_out->vertex_count);
    obj_free_array(data_out->vertex_normal_list, data_out->vertex_normal_count);
    obj_free_array(data_out->vertex_texture_list, data_out->vertex_texture_count);
    obj_free_array(data_out->face_list, data_out->face_count);
    obj_free_array(data_out->sphere_list, data_out->sphere_count);
    obj_free_array(data_out->plane_list, data_out->plane_count);
    obj_free_array(data_out->light_point_list, data_out->light_point_count);
    obj_free_array(data_out->light_quad_list, data_out->light_quad_count);
    obj_free_array(data_out->light_disc_list, data_out->light_disc_count);
    obj_free_array(data_out->material_list, data_out->material_count);
    free(data_out->camera);
    data_out->camera = nullptr;
}

int parse_obj_scene(obj_scene_data* data_out, const char* filename) {
    obj_growable_scene_data growable_data;
    obj_init_temp_storage(&growable_data);
    if (obj_parse_obj_file(&growable_data, filename) == 0) {
        // Nothing was read: only the empty lists to release.
        obj_free_records(&growable_data.vertex_list);
        obj_free_records(&growable_data.vertex_normal_list);
        obj_free_records(&growable_data.vertex_texture_list);
        obj_free_records(&growable_data.face_list);
        obj_free_records(&growable_data.sphere_list);
        obj_free_records(&growable_data.plane_list);
        obj_free_records(&growable_data.light_point_list);
        obj_free_records(&growable_data.light_quad_list);
        obj_free_records(&growable_data.light_disc_list);
        obj_free_records(&growable_data.material_list);
        return 0;
    }
    obj_copy_to_out_storage(data_out, &growable_data);
    obj_free_temp_storage(&growable_data);
    return 1;
}
