#include <gtest/gtest.h>

#include "PictureList.h"

namespace {

// The top-left corners where the world map puts the 16x16 marker of the
// island the hero is on.
const PixelPoint markers[13] = {{71, 434},  {186, 409}, {273, 348}, {131, 295}, {272, 543}, {433, 283}, {526, 402},
                                {483, 492}, {638, 487}, {638, 155}, {471, 187}, {652, 373}, {733, 246}};

// Sea is clearly blue; every kind of land (grass, snow, lava, mystic) is not.
bool isSea(const Picture& map, int x, int y) {
    Uint8 r, g, b;
    map.rgb(x, y, r, g, b);
    return b > r + 40 && b > g + 20;
}

}  // namespace

TEST(PictureWorldMap, EveryIslandLiesUnderItsMarker) {
    Picture map("Textures/HUD/mainMap.bmp");
    ASSERT_NE(map.surface, nullptr);
    for (int island = 0; island < 13; ++island) {
        SCOPED_TRACE("island " + std::to_string(island));
        int cx = markers[island].x + 8, cy = markers[island].y + 8;
        int sea = 0;
        for (int dy = -3; dy <= 3; ++dy)
            for (int dx = -3; dx <= 3; ++dx) sea += isSea(map, cx + dx, cy + dy);
        EXPECT_EQ(sea, 0);
    }
}

TEST(PictureWorldMap, IslandsStandInOpenSea) {
    Picture map("Textures/HUD/mainMap.bmp");
    ASSERT_NE(map.surface, nullptr);
    int sea = 0;
    for (int y = 0; y < map.surface->h; ++y)
        for (int x = 0; x < map.surface->w; ++x) sea += isSea(map, x, y);
    EXPECT_GT(sea, map.surface->w * map.surface->h / 2);
}
