#ifndef ASSETGEN_GENERATORS_H
#define ASSETGEN_GENERATORS_H

class AssetWriter;

// Each group writes its own share of the pack; they run side by side.
void generatePictures(AssetWriter& writer);  // textures, sky, screens, HUD, world map, menu
void generateTerrain(AssetWriter& writer);   // height maps, overlays, mini maps
void generateMeshes(AssetWriter& writer);    // OBJ files
void generateSounds(AssetWriter& writer);    // effects and music

#endif
