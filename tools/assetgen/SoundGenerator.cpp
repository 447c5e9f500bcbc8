#include "AssetWriter.h"
#include "Generators.h"

void generateSounds(AssetWriter&) {}
