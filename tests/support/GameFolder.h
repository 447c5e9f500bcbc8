#ifndef TESTS_SUPPORT_GAMEFOLDER_H
#define TESTS_SUPPORT_GAMEFOLDER_H

// A working folder for a controller built inside a test, entered for the
// life of the object: the pack's meshes, and one terrain per island whose
// bytes a test may shape (height = byte / 5, 0 = no ground). Known terrain
// keeps the tests independent of how the pack's islands look.
//
//     GameFolder folder;          // flat ground at height 1 everywhere
//     Controller controller;      // built inside it

#include <SDL.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "support/Fixtures.h"

// The game keeps its world until the process ends, and so do the tests:
// what a controller builds stays reachable, not leaked.
template <class T>
T* keepForTheProcess(T* object) {
    // Never destroyed: the leak check at exit runs after static destructors.
    static std::vector<void*>* kept = new std::vector<void*>();
    kept->push_back(object);
    return object;
}

class GameFolder {
public:
    // byte(island, i, j): sample i (column, world x = i - side/2) and j
    // (row, world z = j - side/2) of the island's height map.
    typedef std::function<uint8_t(int island, int i, int j)> Terrain;

    static const int ISLANDS = 13;
    static int side(int island) {
        static const int sides[ISLANDS] = {200, 300, 200, 300, 250, 317, 252, 200, 281, 381, 212, 234, 277};
        return sides[island];
    }
    static uint8_t flat(int, int, int) { return 5; }

    explicit GameFolder(Terrain terrain = flat) : cwd(folder.path()) {
        const char* data = std::getenv("TAVIR_DATA_DIR");
        if (data && std::filesystem::is_directory(std::string(data) + "/ObjFiles")) {
            std::filesystem::create_directory_symlink(std::string(data) + "/ObjFiles", folder.path("ObjFiles"));
        }
        std::filesystem::create_directories(folder.path("HeightMap"));
        for (int island = 0; island < ISLANDS; island++) {
            writeTerrain(island, terrain);
        }
    }

    const TempFolder& files() const { return folder; }

    static std::string heightMapPath(int island) {
        if (island == 0) return "HeightMap/islandHomeHeightMap.bmp";
        return "HeightMap/island" + std::to_string(island) + "HeightMap.bmp";
    }

private:
    void writeTerrain(int island, const Terrain& terrain) {
        int n = side(island);
        SDL_Surface* image = SDL_CreateRGBSurface(SDL_SWSURFACE, n, n, 8, 0, 0, 0, 0);
        SDL_LockSurface(image);
        Uint8* pixels = (Uint8*)image->pixels;
        for (int j = 0; j < n; j++) {
            for (int i = 0; i < n; i++) {
                pixels[j * image->pitch + i] = terrain(island, i, j);
            }
        }
        SDL_UnlockSurface(image);
        SDL_SaveBMP(image, heightMapPath(island).c_str());
        SDL_FreeSurface(image);
    }

    TempFolder folder;
    WorkingDirectory cwd;
};

#endif
