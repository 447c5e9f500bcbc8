#ifndef OBJLOADER_H
#define OBJLOADER_H

#include "ObjLoader/obj_parser.h"

class Mesh;

// One parsed OBJ scene, and the conversion of OBJ files into meshes.
class objLoader {
public:
    obj_vector** sceneVertices;
    obj_vector** sceneNormals;
    obj_vector** sceneTexCoords;
    obj_face** sceneFaces;
    obj_sphere** sceneSpheres;
    obj_plane** scenePlanes;
    obj_light_point** sceneLightPoints;
    obj_light_quad** sceneLightQuads;
    obj_light_disc** sceneLightDiscs;
    obj_material** sceneMaterials;

    int sceneVertexCount;
    int sceneNormalCount;
    int sceneTexCoordCount;
    int sceneFaceCount;
    int sceneSphereCount;
    int scenePlaneCount;
    int sceneLightPointCount;
    int sceneLightQuadCount;
    int sceneLightDiscCount;
    int sceneMaterialCount;

    obj_camera* sceneCamera;
    obj_scene_data sceneData;

    // Empty: no counts, no arrays.
    objLoader();
    ~objLoader();

    // 1 on success; 0 when the file cannot be opened, leaving the scene as it was.
    int load(const char* filename);
    // The faces as a compiled mesh without texture coordinates, every normal
    // (0, 1, 0). Stops on an assertion at a corner of a face without a
    // normal or a texture coordinate; faces that name no vertex are left out.
    Mesh* getSceneObject();

    // Parses an OBJ file into a new, compiled mesh that the caller owns. A
    // face becomes the triangle of its first three corners; faces with
    // fewer corners or a corner that names no vertex are left out, and a
    // texture-coordinate or normal index that names nothing counts as
    // absent. A missing file gives an empty mesh. The game reaches it through
    // Controller::loadObj; it lives here so the reader can be driven alone.
    static Mesh* loadObj(const char* path);
    // Frees a mesh made here together with its polygons, which the mesh
    // itself does not own.
    static void deleteMesh(Mesh* mesh);

private:
    // A face whose first three corners name existing vertices.
    bool isDrawableFace(obj_face* face);
    objLoader(const objLoader&) = delete;
    objLoader& operator=(const objLoader&) = delete;
};

#endif
