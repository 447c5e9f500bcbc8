#include "AssetWriter.h"
#include "Generators.h"

void generatePictures(AssetWriter&) {}
