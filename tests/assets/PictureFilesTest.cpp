#include <gtest/gtest.h>

#include <cstdio>

#include "PictureList.h"

namespace {

// The game loads pictures with SDL_LoadBMP and uploads them as they are;
// only uncompressed files stay readable everywhere.
bool headerIsUncompressed24Bit(const std::string& path) {
    FILE* file = fopen(path.c_str(), "rb");
    if (!file) return false;
    unsigned char header[54];
    size_t got = fread(header, 1, sizeof header, file);
    fclose(file);
    if (got != sizeof header || header[0] != 'B' || header[1] != 'M') return false;
    int bitsPerPixel = header[28] | header[29] << 8;
    unsigned compression = header[30] | header[31] << 8 | header[32] << 16 | (unsigned)header[33] << 24;
    return bitsPerPixel == 24 && compression == 0;
}

}  // namespace

TEST(PictureFiles, EveryPictureLoadsAsAnUncompressed24BitBmpOfItsSize) {
    std::vector<ExpectedPicture> pictures = allPictures();
    EXPECT_EQ(pictures.size(), 134u);
    for (const ExpectedPicture& expected : pictures) {
        SCOPED_TRACE(expected.path);
        EXPECT_TRUE(headerIsUncompressed24Bit(assetPath(expected.path)));
        Picture picture(expected.path);
        ASSERT_NE(picture.surface, nullptr) << SDL_GetError();
        EXPECT_EQ(picture.surface->format->BitsPerPixel, 24);
        EXPECT_EQ(picture.surface->w, expected.width);
        EXPECT_EQ(picture.surface->h, expected.height);
    }
}

// A key-coloured texel turns transparent but still writes depth, so it
// would punch holes through meshes, terrain, sky and missiles.
TEST(PictureFiles, OpaquePicturesNeverUseTheColourKey) {
    for (const ExpectedPicture& expected : allPictures()) {
        if (expected.keyed) continue;
        SCOPED_TRACE(expected.path);
        Picture picture(expected.path);
        ASSERT_NE(picture.surface, nullptr);
        int keyed = 0;
        for (int y = 0; y < picture.surface->h; ++y)
            for (int x = 0; x < picture.surface->w; ++x) keyed += picture.isKey(x, y);
        EXPECT_EQ(keyed, 0);
    }
}

TEST(PictureFiles, OverlaysAndSpritesAreClearWhereTheWorldShowsAndDrawnWhereMeant) {
    for (const ExpectedPicture& expected : allPictures()) {
        if (!expected.keyed) continue;
        SCOPED_TRACE(expected.path);
        Picture picture(expected.path);
        ASSERT_NE(picture.surface, nullptr);
        for (PixelPoint p : expected.clear) EXPECT_TRUE(picture.isKey(p.x, p.y)) << "should be clear at " << p.x << "," << p.y;
        for (PixelPoint p : expected.solid) EXPECT_FALSE(picture.isKey(p.x, p.y)) << "should be drawn at " << p.x << "," << p.y;
    }
}
