#include <gtest/gtest.h>

#include <SDL.h>

#include <cmath>
#include <set>
#include <string>

#include "AssetPack.h"
#include "Object/HeightMap/HeightMap.h"
#include "PictureList.h"
#include "TerrainLayout.h"
#include "Texture/Texture.h"

namespace {

struct MapFile {
    std::string path;
    int side;
};

std::vector<MapFile> eightBitMaps() {
    std::vector<MapFile> maps;
    std::set<std::string> seen;
    for (const IslandFiles& island : islandFiles) {
        maps.push_back({island.heightMap, island.side});
        for (const char* kind : {"Flowers.bmp", "Trees.bmp", "Grass.bmp"}) {
            std::string path = std::string(island.nature) + kind;
            if (seen.insert(path).second) maps.push_back({path, island.natureSide});
        }
        if (*island.money) maps.push_back({island.money, island.side});
    }
    return maps;
}

// Samples where the mini map, read in the given orientation, disagrees with
// the height map about where the ground is; the one-sample rim of the
// coast may go either way.
int coastMismatches(const HeightField& field, const Picture& miniMap, bool flipX, bool flipZ) {
    int side = field.getSide(), mismatches = 0;
    int width = miniMap.surface->w, height = miniMap.surface->h;
    for (int j = 0; j < side; ++j) {
        for (int i = 0; i < side; ++i) {
            bool hole = field.level(i, j) < 0;
            bool rim = false;
            for (int dj = -1; dj <= 1; ++dj)
                for (int di = -1; di <= 1; ++di)
                    if (field.onGrid(i + di, j + dj) && (field.level(i + di, j + dj) < 0) != hole) rim = true;
            if (rim) continue;
            int u = (int)((i + 0.5) * width / side), v = (int)((j + 0.5) * height / side);
            if (flipX) u = width - 1 - u;
            if (flipZ) v = height - 1 - v;
            if (miniMap.isKey(u, v) != hole) mismatches++;
        }
    }
    return mismatches;
}

}  // namespace

// The game trusts these files: 8 bits, a palette, and at least the island's
// side in both directions (exactly the side is what we ship).
TEST(TerrainMaps, EveryMapIsEightBitAtItsIslandsSide) {
    std::vector<MapFile> maps = eightBitMaps();
    EXPECT_EQ(maps.size(), 52u);
    for (const MapFile& map : maps) {
        SCOPED_TRACE(map.path);
        SDL_Surface* surface = SDL_LoadBMP(assetPath(map.path).c_str());
        ASSERT_NE(surface, nullptr) << SDL_GetError();
        EXPECT_EQ(surface->format->BitsPerPixel, 8);
        EXPECT_NE(surface->format->palette, nullptr);
        EXPECT_EQ(surface->w, map.side);
        EXPECT_EQ(surface->h, map.side);
        SDL_FreeSurface(surface);
    }
}

// The HUD lays the mini map over the island square with s along x and t
// along z, keying magenta away: it must show the island's own outline, the
// right way round.
TEST(TerrainMaps, MiniMapsAreMagentaExactlyWhereTheIslandHasNoGround) {
    for (int island = 0; island < 13; ++island) {
        const IslandFiles& files = islandFiles[island];
        SCOPED_TRACE(files.miniMap);
        HeightField field(files.heightMap, files.side);
        ASSERT_TRUE(field.loaded());
        Picture miniMap(files.miniMap);
        ASSERT_NE(miniMap.surface, nullptr) << SDL_GetError();
        ASSERT_EQ(miniMap.surface->format->BitsPerPixel, 24);
        EXPECT_EQ(coastMismatches(field, miniMap, false, false), 0);
        // The shapes are lopsided enough that a mirrored map would show.
        EXPECT_GT(coastMismatches(field, miniMap, true, false), 50);
        EXPECT_GT(coastMismatches(field, miniMap, false, true), 50);
    }
}

// The checks read heights their own way; the game's terrain must agree with
// them everywhere they look, or they would prove nothing about the game.
TEST(TerrainMaps, GameTerrainReadsTheHeightsTheChecksUse) {
    // Only drawing reads the registry; building the terrain needs it to exist.
    static char registry[16];
    Texture miniMap("HeightMap/islandHomeMiniMap.bmp");
    for (int island = 0; island < 13; ++island) {
        const IslandFiles& files = islandFiles[island];
        SCOPED_TRACE(files.heightMap);
        HeightField field(files.heightMap, files.side);
        ASSERT_TRUE(field.loaded());
        HeightMap terrain(assetPath(files.heightMap).c_str(), files.side, reinterpret_cast<TexturesMeshes*>(registry),
                          &miniMap);
        // The game asks at float points; ask both at the very same ones.
        int disagreements = 0;
        auto compare = [&](float x, float z) {
            if (std::fabs(terrain.getHeight(x, z) - field.height(x, z)) > 1e-3) disagreements++;
        };
        double half = files.side / 2.0;
        for (double z = -half - 1; z < half + 1; z += 2.37)
            for (double x = -half - 1; x < half + 1; x += 2.11) compare((float)x, (float)z);
        for (const Footing& f : footings())
            if (f.island == island) compare((float)f.x, (float)f.z);
        EXPECT_EQ(disagreements, 0);
    }
}
