#include "ObjLoader/objLoader.h"

#include <cassert>
#include <cstring>

#include "Geometry/Polygon3D.h"
#include "Mesh/Mesh.h"

objLoader::objLoader()
    : sceneVertices(nullptr),
      sceneNormals(nullptr),
      sceneTexCoords(nullptr),
      sceneFaces(nullptr),
      sceneSpheres(nullptr),
      scenePlanes(nullptr),
      sceneLightPoints(nullptr),
      sceneLightQuads(nullptr),
      sceneLightDiscs(nullptr),
      sceneMaterials(nullptr),
      sceneVertexCount(0),
      sceneNormalCount(0),
      sceneTexCoordCount(0),
      sceneFaceCount(0),
      sceneSphereCount(0),
      scenePlaneCount(0),
      sceneLightPointCount(0),
      sceneLightQuadCount(0),
      sceneLightDiscCount(0),
      sceneMaterialCount(0),
      sceneCamera(nullptr) {
    memset(&sceneData, 0, sizeof(sceneData));
}

objLoader::~objLoader() { delete_obj_data(&sceneData); }

int objLoader::load(const char* filename) {
    obj_scene_data parsed;
    memset(&parsed, 0, sizeof(parsed));
    if (parse_obj_scene(&parsed, filename) == 0) {
        return 0;
    }
    delete_obj_data(&sceneData);
    sceneData = parsed;

    sceneVertices = sceneData.vertex_list;
    sceneNormals = sceneData.vertex_normal_list;
    sceneTexCoords = sceneData.vertex_texture_list;
    sceneFaces = sceneData.face_list;
    sceneSpheres = sceneData.sphere_list;
    scenePlanes = sceneData.plane_list;
    sceneLightPoints = sceneData.light_point_list;
    sceneLightQuads = sceneData.light_quad_list;
    sceneLightDiscs = sceneData.light_disc_list;
    sceneMaterials = sceneData.material_list;

    sceneVertexCount = sceneData.vertex_count;
    sceneNormalCount = sceneData.vertex_normal_count;
    sceneTexCoordCount = sceneData.vertex_texture_count;
    sceneFaceCount = sceneData.face_count;
    sceneSphereCount = sceneData.sphere_count;
    scenePlaneCount = sceneData.plane_count;
    sceneLightPointCount = sceneData.light_point_count;
    sceneLightQuadCount = sceneData.light_quad_count;
    sceneLightDiscCount = sceneData.light_disc_count;
    sceneMaterialCount = sceneData.material_count;

    sceneCamera = sceneData.camera;
    return 1;
}

bool objLoader::isDrawableFace(obj_face* face) {
    if (face->corner_count < 3) {
        return false;
    }
    for (int k = 0; k < 3; k++) {
        if (face->vertex_indices[k] < 0 || face->vertex_indices[k] >= sceneVertexCount) {
            return false;
        }
    }
    return true;
}

static Vector3D toVector(obj_vector* v) { return Vector3D((float)v->e[0], (float)v->e[1], (float)v->e[2]); }

Mesh* objLoader::getSceneObject() {
    Mesh* mesh = new Mesh();
    Vector3D up(0, 1, 0);
    for (int i = 0; i < sceneFaceCount; i++) {
        obj_face* face = sceneFaces[i];
        if (!isDrawableFace(face)) {
            continue;
        }
        Polygon3D* polygon = new Polygon3D();
        for (int k = 0; k < 3; k++) {
            // Both are looked up, though the mesh takes neither: a scene
            // meant for this conversion has them at every corner.
            int normal = face->normal_indices[k];
            int texCoord = face->texcoord_indices[k];
            obj_vector* currNorm = normal >= 0 && normal < sceneNormalCount ? sceneNormals[normal] : nullptr;
            obj_vector* currTex = texCoord >= 0 && texCoord < sceneTexCoordCount ? sceneTexCoords[texCoord] : nullptr;
            assert(currNorm);
            assert(currTex);
            polygon->addVertex(new Vertex(toVector(sceneVertices[face->vertex_indices[k]]), up));
        }
        mesh->addPolygon(polygon);
    }
    mesh->compile();
    return mesh;
}

Mesh* objLoader::loadObj(const char* path) {
    objLoader loader;
    loader.load(path);
    Mesh* mesh = new Mesh();
    // A corner without a normal takes the last one read, across faces.
    Vector3D currentNormal(0, 1, 0);
    for (int i = 0; i < loader.sceneFaceCount; i++) {
        obj_face* face = loader.sceneFaces[i];
        if (!loader.isDrawableFace(face)) {
            continue;
        }
        Polygon3D* polygon = new Polygon3D();
        // A fourth corner is dropped, not split into a second triangle.
        for (int k = 0; k < 3; k++) {
            Vector3D position = toVector(loader.sceneVertices[face->vertex_indices[k]]);
            int normal = face->normal_indices[k];
            if (normal >= 0 && normal < loader.sceneNormalCount) {
                currentNormal = toVector(loader.sceneNormals[normal]).getUnitVector();
            }
            int texCoord = face->texcoord_indices[k];
            if (texCoord >= 0 && texCoord < loader.sceneTexCoordCount) {
                polygon->addVertex(new Vertex(position, currentNormal, toVector(loader.sceneTexCoords[texCoord])));
            } else {
                polygon->addVertex(new Vertex(position, currentNormal));
            }
        }
        mesh->addPolygon(polygon);
    }
    mesh->compile();
    return mesh;
}

void objLoader::deleteMesh(Mesh* mesh) {
    for (Polygon3D* polygon : mesh->getPolygons()) {
        delete polygon;
    }
    delete mesh;
}
