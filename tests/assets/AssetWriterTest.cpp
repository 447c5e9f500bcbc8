#include <gtest/gtest.h>

#include <SDL.h>

#include <filesystem>

#include "AssetWriter.h"

// The writer's BMPs must load through SDL exactly as the game loads them.
TEST(AssetWriter, BmpsLoadThroughSdlTopRowFirst) {
    std::string dir = testing::TempDir() + "/writer";
    std::filesystem::remove_all(dir);
    AssetWriter writer(dir);

    Image picture(5, 3, 10, 20, 30);
    picture.set(0, 0, 255, 0, 255);
    writer.writeBmp24("a/picture.bmp", picture);
    std::vector<uint8_t> bytes(7 * 2, 1);
    bytes[0] = 200;
    writer.writeBmp8("b/map.bmp", 7, 2, bytes);
    EXPECT_EQ(writer.fileCount(), 2);

    SDL_Surface* rgb = SDL_LoadBMP((dir + "/a/picture.bmp").c_str());
    ASSERT_NE(rgb, nullptr);
    EXPECT_EQ(rgb->format->BitsPerPixel, 24);
    uint8_t* top = (uint8_t*)rgb->pixels;
    Uint8 r, g, b;
    SDL_GetRGB(top[0] | top[1] << 8 | top[2] << 16, rgb->format, &r, &g, &b);
    EXPECT_EQ(r, 255);
    EXPECT_EQ(g, 0);
    EXPECT_EQ(b, 255);
    SDL_FreeSurface(rgb);

    SDL_Surface* map = SDL_LoadBMP((dir + "/b/map.bmp").c_str());
    ASSERT_NE(map, nullptr);
    EXPECT_EQ(map->format->BitsPerPixel, 8);
    EXPECT_EQ(((uint8_t*)map->pixels)[0], 200);
    EXPECT_EQ(((uint8_t*)map->pixels)[map->pitch], 1);
    SDL_FreeSurface(map);
}
