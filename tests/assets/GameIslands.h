#ifndef TESTS_GAMEISLANDS_H
#define TESTS_GAMEISLANDS_H

// The game's own thirteen islands, built from the pack by the game's own
// controller, so the terrain checks hold the maps against exactly what the
// levels place. The plants are left out (their overlays are checked on
// their own, and growing every tree would only cost time): the world is
// built in a folder that mirrors the pack without its nature overlays.
#include <fcntl.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include "AssetPack.h"
#include "Controller/Controller.h"
#include "Island/Island.h"

inline Controller& gameWorld() {
    static Controller* world = nullptr;
    if (world) return *world;
    namespace fs = std::filesystem;
    std::string pattern = (fs::temp_directory_path() / "tavir-islands.XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) {
        perror("mkdtemp");
        std::abort();
    }
    fs::path folder = pattern;
    for (const fs::directory_entry& entry : fs::directory_iterator(fs::absolute(assetCheckDir()))) {
        if (entry.path().filename() != "NatureOverlays") {
            fs::create_directory_symlink(entry.path(), folder / entry.path().filename());
        }
    }
    fs::path back = fs::current_path();
    fs::current_path(folder);
    // The game reports every overlay it cannot find; that is expected here.
    std::fflush(stderr);
    int saved = dup(2), quiet = open("/dev/null", O_WRONLY);
    dup2(quiet, 2);
    world = new Controller();
    std::fflush(stderr);
    dup2(saved, 2);
    close(saved);
    close(quiet);
    fs::current_path(back);
    std::error_code ignored;
    fs::remove_all(folder, ignored);
    for (int island = 0; island < ISLAND_COUNT; island++) {
        world->islands[island]->killAllEnemies();
        world->islands[island]->spawnEnemies();
    }
    return *world;
}

#endif
