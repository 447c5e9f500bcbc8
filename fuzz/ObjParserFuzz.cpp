// Fuzz target for the OBJ/MTL reader and the conversion of OBJ files into
// meshes. The input is a scene file, optionally followed by a form feed and
// the material library that "mtllib material.mtl" names.
#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <string>

#include "Geometry/Polygon3D.h"
#include "Mesh/Mesh.h"
#include "ObjLoader/objLoader.h"

namespace {

void writeFile(const char* path, const uint8_t* data, size_t size) {
    FILE* file = fopen(path, "wb");
    if (file == nullptr) {
        perror(path);
        abort();
    }
    if (size > 0 && fwrite(data, 1, size, file) != size) {
        perror(path);
        abort();
    }
    fclose(file);
}

void check(bool condition, const char* what) {
    if (!condition) {
        dprintf(2, "%s\n", what);
        abort();
    }
}

void checkAndDelete(Mesh* mesh) {
    check(mesh->vertexBuffer.arraysLoaded, "the mesh was not compiled");
    check(mesh->vertexBuffer.numberOfVertices == 3 * (int)mesh->getPolygons().size(), "buffer and triangles differ");
    for (Polygon3D* polygon : mesh->getPolygons()) {
        check(polygon->getVertices()->size() == 3, "a polygon that is no triangle");
    }
    objLoader::deleteMesh(mesh);
}

// The scene conversion stops on a corner without either; only the corners
// of faces it converts count.
bool everyCornerHasNormalAndTexCoord(const objLoader& loader) {
    for (int i = 0; i < loader.sceneFaceCount; i++) {
        obj_face* face = loader.sceneFaces[i];
        if (face->corner_count < 3) continue;
        bool named = true;
        for (int k = 0; k < 3; k++) {
            int v = face->vertex_indices[k];
            named = named && v >= 0 && v < loader.sceneVertexCount;
        }
        if (!named) continue;
        for (int k = 0; k < 3; k++) {
            int n = face->normal_indices[k];
            int t = face->texcoord_indices[k];
            if (n < 0 || n >= loader.sceneNormalCount || t < 0 || t >= loader.sceneTexCoordCount) return false;
        }
    }
    return true;
}

}  // namespace

static std::string workingFolder;

static void removeWorkingFolder() {
    std::error_code ignored;
    std::filesystem::remove_all(workingFolder, ignored);
}

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    // A private working folder, in memory where there is one: the reader
    // takes library names relative to it.
    std::string base =
        std::filesystem::is_directory("/dev/shm") ? "/dev/shm" : std::filesystem::temp_directory_path().string();
    std::string pattern = base + "/tavir-fuzz.XXXXXX";
    if (mkdtemp(&pattern[0]) == nullptr || chdir(pattern.c_str()) != 0) {
        perror("fuzz working folder");
        abort();
    }
    workingFolder = pattern;
    atexit(removeWorkingFolder);
    // The reader's complaints would flood the log; the sanitizers and the
    // fuzzer itself still report on the real standard error.
    stderr = fopen("/dev/null", "w");
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const uint8_t* split = (const uint8_t*)memchr(data, '\f', size);
    size_t sceneSize = split ? (size_t)(split - data) : size;
    writeFile("scene.obj", data, sceneSize);
    if (split) {
        writeFile("material.mtl", split + 1, size - sceneSize - 1);
    } else {
        std::error_code ignored;
        std::filesystem::remove("material.mtl", ignored);
    }

    checkAndDelete(objLoader::loadObj("scene.obj"));

    objLoader loader;
    if (loader.load("scene.obj") == 1) {
        for (int i = 0; i < loader.sceneFaceCount; i++) {
            check(loader.sceneFaces[i]->corner_count <= MAX_VERTEX_COUNT, "more corners than the record holds");
        }
        for (int i = 0; i < loader.sceneMaterialCount; i++) {
            check(strlen(loader.sceneMaterials[i]->name) < MATERIAL_NAME_SIZE, "an unterminated material name");
        }
        if (everyCornerHasNormalAndTexCoord(loader)) {
            checkAndDelete(loader.getSceneObject());
        }
    }
    return 0;
}
