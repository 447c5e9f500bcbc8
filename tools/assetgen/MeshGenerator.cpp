#include "AssetWriter.h"
#include "Generators.h"

void generateMeshes(AssetWriter&) {}
