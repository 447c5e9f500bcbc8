#ifndef OBJ_PARSER_H
#define OBJ_PARSER_H

// A line-oriented reader of OBJ scene files and the MTL material files they
// name. Records are malloc'd; index fields are 0-based list indices, -1 when
// absent. Every record has room for at most four corners; further corners,
// and corner parts a record has no slot for, are read and dropped.

#include "ObjLoader/list.h"

#define OBJ_FILENAME_LENGTH 500
#define MATERIAL_NAME_SIZE 255
#define OBJ_LINE_SIZE 500
#define MAX_VERTEX_COUNT 4

typedef struct obj_vector {
    double e[3];
} obj_vector;

typedef struct obj_face {
    int vertex_indices[MAX_VERTEX_COUNT];
    int normal_indices[MAX_VERTEX_COUNT];
    int texcoord_indices[MAX_VERTEX_COUNT];
    int corner_count;
    int material_id;
} obj_face;

typedef struct obj_sphere {
    int pos_index;
    int up_normal_index;
    int equator_normal_index;
    int texture_index[MAX_VERTEX_COUNT];
    int material_index;
} obj_sphere;

typedef struct obj_plane {
    int pos_index;
    int normal_index;
    int rotation_normal_index;
    int texture_index[MAX_VERTEX_COUNT];
    int material_index;
} obj_plane;

typedef struct obj_light_point {
    int pos_index;
    int material_index;
} obj_light_point;

typedef struct obj_light_disc {
    int pos_index;
    int normal_index;
    int material_index;
} obj_light_disc;

typedef struct obj_light_quad {
    int vertex_index[MAX_VERTEX_COUNT];
    int material_index;
} obj_light_quad;

typedef struct obj_camera {
    int camera_pos_index;
    int camera_look_point_index;
    int camera_up_norm_index;
} obj_camera;

typedef struct obj_material {
    char name[MATERIAL_NAME_SIZE];
    char texture_filename[OBJ_FILENAME_LENGTH];
    double amb[3];
    double diff[3];
    double spec[3];
    double reflect;
    double refract;
    double trans;
    double shiny;
    double glossy;
    double refract_index;
} obj_material;

// The parser's working storage.
typedef struct obj_growable_scene_data {
    char scene_filename[OBJ_FILENAME_LENGTH];
    char material_filename[OBJ_FILENAME_LENGTH];

    list vertex_list;
    list vertex_normal_list;
    list vertex_texture_list;

    list face_list;
    list sphere_list;
    list plane_list;

    list light_point_list;
    list light_quad_list;
    list light_disc_list;

    list material_list;

    obj_camera* camera;
} obj_growable_scene_data;

// The parse result.
typedef struct obj_scene_data {
    obj_vector** vertex_list;
    obj_vector** vertex_normal_list;
    obj_vector** vertex_texture_list;

    obj_face** face_list;
    obj_sphere** sphere_list;
    obj_plane** plane_list;

    obj_light_point** light_point_list;
    obj_light_quad** light_quad_list;
    obj_light_disc** light_disc_list;

    obj_material** material_list;

    int vertex_count;
    int vertex_normal_count;
    int vertex_texture_count;

    int face_count;
    int sphere_count;
    int plane_count;

    int light_point_count;
    int light_quad_count;
    int light_disc_count;

    int material_count;

    obj_camera* camera;
} obj_scene_data;

// 1 and a filled result, or 0 (result untouched) when the file cannot be opened.
int parse_obj_scene(obj_scene_data* data_out, const char* filename);
int obj_parse_obj_file(obj_growable_scene_data* growable_data, const char* filename);
int obj_parse_mtl_file(const char* filename, list* material_list);

// Statement parsers: each reads the rest of the current line from strtok.
obj_vector* obj_parse_vector();
int obj_parse_vertex_index(int* vertex_index, int* texture_index, int* normal_index);
obj_face* obj_parse_face(obj_growable_scene_data* scene);
obj_sphere* obj_parse_sphere(obj_growable_scene_data* scene);
obj_plane* obj_parse_plane(obj_growable_scene_data* scene);
obj_light_point* obj_parse_light_point(obj_growable_scene_data* scene);
obj_light_disc* obj_parse_light_disc(obj_growable_scene_data* scene);
obj_light_quad* obj_parse_light_quad(obj_growable_scene_data* scene);
void obj_parse_camera(obj_growable_scene_data* scene, obj_camera* camera);

int obj_convert_to_list_index(int current_max, int index);
void obj_convert_to_list_index_v(int current_max, int* indices);

void obj_set_material_defaults(obj_material* mtl);
void obj_init_temp_storage(obj_growable_scene_data* growable_data);
void obj_copy_to_out_storage(obj_scene_data* data_out, obj_growable_scene_data* growable_data);
void obj_free_temp_storage(obj_growable_scene_data* growable_data);
void obj_free_half_list(list* listo);
void delete_obj_data(obj_scene_data* data_out);

#endif
