#ifndef ASSETGEN_PICTUREPARTS_H
#define ASSETGEN_PICTUREPARTS_H

#include <functional>
#include <string>
#include <vector>

#include "AssetWriter.h"

// One picture of the pack: its path and how to paint it. Each is painted
// on its own from its own seeds, so the order they run in does not matter.
struct PictureTask {
    std::string path;
    std::function<Image()> paint;
};

void addMaterialPictures(std::vector<PictureTask>& tasks);  // mesh, terrain and particle textures
void addSkyPictures(std::vector<PictureTask>& tasks);       // the six sky faces
void addHudPictures(std::vector<PictureTask>& tasks);       // heads-up display, world map, banners, icons
void addScreenPictures(std::vector<PictureTask>& tasks);    // menu, buttons, carousel, descriptions
void addStoryPictures(std::vector<PictureTask>& tasks);     // intro, game over, quest stories

#endif
