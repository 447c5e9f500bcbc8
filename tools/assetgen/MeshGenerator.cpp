#include "AssetWriter.h"
#include "Generators.h"
#include "MeshParts.h"

MeshList buildAllMeshes() {
    MeshList meshes;
    addFigureMeshes(meshes);
    addBuildingMeshes(meshes);
    addNatureMeshes(meshes);
    addItemMeshes(meshes);
    return meshes;
}

void generateMeshes(AssetWriter& writer) {
    for (const MeshFile& file : buildAllMeshes()) writer.writeText(file.path, file.mesh.toObj(file.comment));
}
