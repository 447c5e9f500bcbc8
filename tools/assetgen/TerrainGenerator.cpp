#include "AssetWriter.h"
#include "Generators.h"

void generateTerrain(AssetWriter&) {}
