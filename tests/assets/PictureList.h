#ifndef TESTS_PICTURELIST_H
#define TESTS_PICTURELIST_H

#include <SDL.h>

#include <string>
#include <vector>

#include "AssetPack.h"

// Every picture the game reads (apart from the terrain's mini maps), with
// the size it is made at and where it must let the world show through.
// Opaque pictures are textures of meshes, terrain, sky and missiles, the
// world map and the full pages: the colour key must never appear in them.
// Keyed pictures are overlays and sprites: transparent where listed as
// clear, drawn where listed as solid.

struct PixelPoint {
    int x, y;
};

struct ExpectedPicture {
    std::string path;
    int width, height;
    bool keyed;
    std::vector<PixelPoint> clear;
    std::vector<PixelPoint> solid;
};

inline std::vector<ExpectedPicture> allPictures() {
    std::vector<ExpectedPicture> list;
    auto opaque = [&](const std::string& path, int w, int h) { list.push_back({path, w, h, false, {}, {}}); };
    auto keyed = [&](const std::string& path, int w, int h, std::vector<PixelPoint> clear, std::vector<PixelPoint> solid) {
        list.push_back({path, w, h, true, std::move(clear), std::move(solid)});
    };
    for (const char* name :
         {"ground1", "cliffTexture", "lavaRock", "hotLava", "snowTexture", "iceTextureSide", "mysticTop", "mysticSide",
          "dirt", "clover2", "trunk", "trunk2", "icyTree", "porchTexture", "leves1", "leafTexture2", "leafIceTexture",
          "charcoal", "basketTexture", "thatch", "flowerPetals", "feathers", "allyTexture", "enemyTexture",
          "ladyTexture", "granite", "lavaRockTexture", "gold", "armourTexture", "mud", "diamondTexture",
          "appleTexture", "wizardHat", "fireTexture", "plasma"})
        opaque(std::string("Textures/") + name + ".bmp", 128, 128);
    for (const char* name : {"fsTexture", "castleTexture", "cobblestones", "compassFace"})
        opaque(std::string("Textures/") + name + ".bmp", 256, 256);
    opaque("Textures/statueFrontTexture.bmp", 256, 128);
    opaque("Textures/heroEye.bmp", 64, 64);
    opaque("Textures/vialTexture.bmp", 64, 64);
    opaque("Textures/shopSignTexture.bmp", 512, 128);
    for (const char* name : {"waterTexture1", "fireBallParticleTexture", "lavaParticleTexture", "enemyExplode",
                             "allyExplodeTexture"})
        keyed(std::string("Textures/") + name + ".bmp", 64, 64, {{0, 0}, {63, 63}}, {{32, 32}});
    keyed("Textures/waterTexture3.bmp", 32, 32, {{0, 0}, {31, 31}}, {{16, 18}});
    keyed("Textures/dirtPatch.bmp", 256, 256, {{0, 0}, {255, 255}}, {{128, 128}, {128, 20}});

    for (const char* face : {"north", "south", "east", "west", "up", "down"})
        opaque(std::string("skybox/sunset_") + face + ".bmp", 512, 512);

    opaque("Textures/HUD/mainMap.bmp", 800, 600);
    keyed("Textures/HUD/hudFrame.bmp", 800, 600, {{400, 300}, {790, 10}, {400, 590}}, {{5, 590}, {212, 500}});
    keyed("Textures/HUD/minimapBack.bmp", 800, 600, {{400, 300}, {400, 590}}, {{85, 496}});
    keyed("Textures/HUD/minimapFront.bmp", 800, 600, {{85, 496}, {400, 300}}, {{22, 433}, {148, 559}});
    for (const char* bar : {"greenHealthBar", "redHealthBar", "bottomBar"})
        opaque(std::string("Textures/HUD/") + bar + ".bmp", 256, 64);
    keyed("Textures/HUD/itemProximityFrame.bmp", 800, 600, {{400, 300}, {85, 496}}, {{711, 517}, {640, 520}});
    keyed("Textures/HUD/itemProximityFrameFront.bmp", 800, 600, {{400, 300}, {711, 517}, {85, 496}}, {{780, 420}});
    keyed("Textures/HUD/shopDisplay.bmp", 800, 600, {{400, 200}, {10, 10}, {85, 496}}, {{400, 506}});
    keyed("Textures/pausedImage.bmp", 800, 600, {{10, 10}, {100, 300}, {790, 590}}, {{400, 300}});
    for (const char* icon : {"fsIcon", "allyIcon", "enemyIcon", "houseIcon", "ePointIcon"})
        keyed(std::string("Textures/HUD/") + icon + ".bmp", 32, 32, {{0, 0}, {31, 31}}, {{16, 16}});
    keyed("Textures/HUD/portalIcon.bmp", 32, 32, {{0, 0}, {16, 20}}, {{8, 16}});
    keyed("Textures/HUD/locationIcon.bmp", 32, 32, {{0, 0}, {31, 31}}, {{16, 17}});
    for (const char* land : {"msitu", "narok", "njeve", "uzulu", "endelea"})
        keyed(std::string("Textures/HUD/") + land + "Texture.bmp", 800, 600, {{400, 450}, {10, 10}, {85, 496}},
              {{400, 130}});
    keyed("Textures/icon.bmp", 32, 32, {{0, 0}, {31, 31}}, {{16, 18}});

    keyed("Textures/MainMenu/mainMenu.bmp", 800, 600, {{100, 300}, {700, 300}, {400, 550}}, {{400, 320}});
    for (const char* page : {"controls", "credits"})
        keyed(std::string("Textures/MainMenu/") + page + ".bmp", 800, 600, {{3, 3}, {797, 597}}, {{400, 300}, {560, 530}});
    for (const char* button : {"startButton", "resumeButton", "controlButton", "creditsButton", "quitButton", "backButton"})
        for (const char* state : {"Up", "Down", "Over"})
            keyed(std::string("Textures/MainMenu/") + button + state + ".bmp", 220, 60, {{0, 0}, {219, 59}}, {{110, 30}});

    for (const char* story : {"IntroStory", "GameOverStory", "VillageElderStory", "KingIntroStory", "KingReturnStory",
                              "PrincessStory", "LadyOfTheLakeStory", "EvilWizardIntroStory"})
        opaque(std::string("Story/") + story + ".bmp", 800, 600);

    opaque("Textures/inventoryBackground.bmp", 800, 600);
    opaque("Textures/shopBackground.bmp", 800, 600);
    // The carousel's item spins at (584, 211), the hero or shop model stands
    // at (255, 203) and the gold lies in rows over x 120 to 400, y 410 to 522.
    const std::vector<PixelPoint> carouselClear = {{584, 211}, {255, 203}, {200, 470}, {390, 515}};
    keyed("Textures/inventoryBack.bmp", 800, 600, carouselClear, {{5, 300}, {795, 300}});
    keyed("Textures/leftArrow.bmp", 800, 600, carouselClear, {{462, 211}});
    keyed("Textures/rightArrow.bmp", 800, 600, carouselClear, {{706, 211}});
    for (const char* coin : {"coinIcon", "goldIcon1", "goldIcon10", "goldIcon20"})
        keyed(std::string("Textures/") + coin + ".bmp", 32, 64, {{0, 0}, {31, 0}}, {{16, 24}, {16, 58}});
    for (const char* item : {"inventoryVial", "inventoryRingRegen", "inventoryGauntlets", "inventoryBoots",
                             "inventoryHelmet", "inventoryOneRing", "inventoryCompassNew", "inventoryMap",
                             "inventorySword", "inventoryRichTexture", "princessDisplay", "shopVial", "shopRingRegen",
                             "shopBoots", "shopHelmet", "shopRichTexture"})
        keyed(std::string("Textures/") + item + ".bmp", 800, 600, carouselClear, {{600, 470}});
    return list;
}

// A loaded picture; pixels read as (r, g, b) through the surface format.
struct Picture {
    SDL_Surface* surface = nullptr;
    explicit Picture(const std::string& relativePath) : surface(SDL_LoadBMP(assetPath(relativePath).c_str())) {}
    ~Picture() {
        if (surface) SDL_FreeSurface(surface);
    }
    Picture(const Picture&) = delete;
    Picture& operator=(const Picture&) = delete;

    void rgb(int x, int y, Uint8& r, Uint8& g, Uint8& b) const {
        const Uint8* p = (const Uint8*)surface->pixels + y * surface->pitch + x * surface->format->BytesPerPixel;
        Uint32 value = p[0] | p[1] << 8 | p[2] << 16;
        SDL_GetRGB(value, surface->format, &r, &g, &b);
    }
    bool isKey(int x, int y) const {
        Uint8 r, g, b;
        rgb(x, y, r, g, b);
        return r == 255 && g == 0 && b == 255;
    }
};

#endif
