#include <gtest/gtest.h>

#include <cstdlib>

#include "PictureList.h"

namespace {

// Mean colour difference between two columns (or rows) of a picture.
double lineDifference(const Picture& picture, bool columns, int a, int b) {
    int n = columns ? picture.surface->h : picture.surface->w;
    long total = 0;
    for (int k = 0; k < n; ++k) {
        Uint8 p[3], q[3];
        if (columns) {
            picture.rgb(a, k, p[0], p[1], p[2]);
            picture.rgb(b, k, q[0], q[1], q[2]);
        } else {
            picture.rgb(k, a, p[0], p[1], p[2]);
            picture.rgb(k, b, q[0], q[1], q[2]);
        }
        for (int c = 0; c < 3; ++c) total += std::abs(p[c] - q[c]);
    }
    return total / (3.0 * n);
}

// How much the wrap-around step from the last line to the first stands out
// against the largest step between neighbouring lines inside the picture
// (patterns such as weaves and brick rows may have sharp steps of their
// own, and one may fall on the edge).
double seamRatio(const Picture& picture, bool columns) {
    int count = columns ? picture.surface->w : picture.surface->h;
    double largest = 0;
    for (int i = 0; i + 1 < count; ++i) largest = std::max(largest, lineDifference(picture, columns, i, i + 1));
    return lineDifference(picture, columns, count - 1, 0) / (largest + 0.5);
}

}  // namespace

// Terrain textures repeat once per cell, skins and bark wrap round bodies,
// branches and missiles: a visible seam would show on every repeat.
TEST(PictureTiles, RepeatingTexturesJoinWithoutASeam) {
    const char* tiles[] = {"ground1", "cliffTexture", "lavaRock", "hotLava", "snowTexture", "iceTextureSide",
                           "mysticTop", "mysticSide", "dirt", "clover2", "trunk", "trunk2", "icyTree", "leves1",
                           "leafTexture2", "leafIceTexture", "charcoal", "basketTexture", "thatch", "feathers",
                           "fsTexture", "allyTexture", "enemyTexture", "ladyTexture", "granite", "lavaRockTexture",
                           "gold", "armourTexture", "mud", "diamondTexture", "appleTexture", "wizardHat", "fireTexture",
                           "plasma", "castleTexture", "cobblestones", "porchTexture"};
    for (const char* name : tiles) {
        SCOPED_TRACE(name);
        Picture picture(std::string("Textures/") + name + ".bmp");
        ASSERT_NE(picture.surface, nullptr);
        EXPECT_LT(seamRatio(picture, true), 1.2);
        EXPECT_LT(seamRatio(picture, false), 1.2);
    }
}
