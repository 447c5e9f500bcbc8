#ifndef ASSETGEN_TERRAINOVERLAYS_H
#define ASSETGEN_TERRAINOVERLAYS_H

#include <cstdint>
#include <vector>

#include "AssetWriter.h"
#include "TerrainIslands.h"

// The three nature overlays of an island, side x side bytes, top row first.
struct NatureOverlays {
    std::vector<uint8_t> flowers;
    std::vector<uint8_t> trees;
    std::vector<uint8_t> grass;
};

// Plants for `island`; `borrower` is an island that reads the same files
// against its own, smaller height map (island 10 reads island 9's), so every
// pixel must suit it as well.
NatureOverlays plantNature(const TerrainDesign& island, const TerrainDesign* borrower);

// The money overlay: one non-zero pixel per coin, each over walkable ground.
std::vector<uint8_t> placeCoins(const TerrainDesign& island);

// The island seen from above, holes magenta, same orientation as its height map.
Image drawMiniMap(const TerrainDesign& island);

#endif
