// Measures what the islands' plants cost at start-up: growing and baking
// every tree that the thirteen islands' tree overlays mark, and then each
// island's whole nature (flowers, trees, grass) as the islands build it.
// Prints milliseconds, counts and the resident memory each step adds; the
// terrain is loaded first and not counted, and each step runs in a process
// of its own so that neither reuses memory the other freed.
//
//     bench_NatureBench [DATA_DIR]
//
// DATA_DIR is the asset pack (default: $TAVIR_DATA_DIR, else build/data or
// data), which the build generates.
#include <SDL.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "Nature/Nature.h"
#include "Object/HeightMap/HeightMap.h"
#include "Object/ProceduralTree/ProceduralTree.h"
#include "TexturesMeshes/TexturesMeshes.h"
#include "WorldType/WorldType.h"

namespace {

struct Island {
    const char* heightMap;
    int side;
    const char* nature;
    WorldType type;
};

// Island 10 grows island 9's plants.
const Island islands[13] = {
    {"HeightMap/islandHomeHeightMap.bmp", 200, "NatureOverlays/islandHome", GRASS_WORLD},
    {"HeightMap/island1HeightMap.bmp", 300, "NatureOverlays/island1", GRASS_WORLD},
    {"HeightMap/island2HeightMap.bmp", 200, "NatureOverlays/island2", GRASS_WORLD},
    {"HeightMap/island3HeightMap.bmp", 300, "NatureOverlays/island3", GRASS_WORLD},
    {"HeightMap/island4HeightMap.bmp", 250, "NatureOverlays/island4", GRASS_WORLD},
    {"HeightMap/island5HeightMap.bmp", 317, "NatureOverlays/island5", GRASS_WORLD},
    {"HeightMap/island6HeightMap.bmp", 252, "NatureOverlays/island6", SNOW_WORLD},
    {"HeightMap/island7HeightMap.bmp", 200, "NatureOverlays/island7", SNOW_WORLD},
    {"HeightMap/island8HeightMap.bmp", 281, "NatureOverlays/island8", SNOW_WORLD},
    {"HeightMap/island9HeightMap.bmp", 381, "NatureOverlays/island9", LAVA_WORLD},
    {"HeightMap/island10HeightMap.bmp", 212, "NatureOverlays/island9", LAVA_WORLD},
    {"HeightMap/island11HeightMap.bmp", 234, "NatureOverlays/island11", MYSTIC_WORLD},
    {"HeightMap/island12HeightMap.bmp", 277, "NatureOverlays/island12", MYSTIC_WORLD},
};

bool exists(const std::string& path) { return access(path.c_str(), R_OK) == 0; }

std::string dataDir(int argc, char** argv) {
    if (argc > 1) return argv[1];
    if (const char* env = std::getenv("TAVIR_DATA_DIR")) return env;
    return exists("build/data/HeightMap") ? "build/data" : "data";
}

double msSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

// Processor time of this process, user and system: steadier than the clock
// on a busy machine.
double cpuMs() {
    rusage usage;
    getrusage(RUSAGE_SELF, &usage);
    return (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3 +
           (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
}

double residentMb() {
    std::ifstream statm("/proc/self/statm");
    long pages = 0, resident = 0;
    statm >> pages >> resident;
    return resident * (double)sysconf(_SC_PAGESIZE) / (1024.0 * 1024.0);
}

// The ground points the tree overlay marks, as the nature plants them.
std::vector<Vector3D> treeSpots(const Island& island, HeightMap* map) {
    std::vector<Vector3D> spots;
    SDL_Surface* image = SDL_LoadBMP((std::string(island.nature) + "Trees.bmp").c_str());
    if (image == nullptr) return spots;
    SDL_LockSurface(image);
    const Uint8* pixels = (const Uint8*)image->pixels;
    for (int i = 0; i < island.side; ++i) {
        for (int j = 0; j < island.side && j < image->h; ++j) {
            if (pixels[i + image->pitch * j] == 0) continue;
            float x = i - 0.5f * island.side, z = j - 0.5f * island.side;
            float h = map->getHeight(x, z);
            if (h != UNDEFINED_HEIGHT) spots.push_back(Vector3D(x, h, z));
        }
    }
    SDL_UnlockSurface(image);
    SDL_FreeSurface(image);
    return spots;
}

ProceduralTree* newTree(TexturesMeshes* t, WorldType type) {
    if (type == SNOW_WORLD) {
        return new ProceduralTree(t->icyLeaf1Mesh, t->icyTrunkMesh, t->icyBranch1Mesh, t->icyBranch2Mesh,
                                  t->icyBranch3Mesh, t->icyBranch4Mesh, t->icyBranch5Mesh);
    }
    return new ProceduralTree(type == LAVA_WORLD ? t->charcoalLeaf1Mesh : t->leaf1Mesh, t->trunkMesh,
                              t->branch1Mesh, t->branch2Mesh, t->branch3Mesh, t->branch4Mesh, t->branch5Mesh);
}

// Every tree of every island, grown and baked, kept as the islands keep them.
void growTrees(TexturesMeshes* registry, std::vector<std::unique_ptr<HeightMap>>& maps) {
    std::vector<std::unique_ptr<ProceduralTree>> trees;
    size_t internodes = 0, leaves = 0, vertices = 0;
    double before = residentMb(), cpuBefore = cpuMs();
    double growing = 0;
    for (int k = 0; k < 13; ++k) {
        std::vector<Vector3D> spots = treeSpots(islands[k], maps[k].get());
        auto start = std::chrono::steady_clock::now();
        for (const Vector3D& spot : spots) {
            trees.emplace_back(newTree(registry, islands[k].type));
            trees.back()->seed(spot);
        }
        growing += msSince(start);
    }
    for (auto& tree : trees) {
        internodes += tree->getInternodes()->size();
        leaves += tree->getLeaves()->size();
        vertices += tree->getBranchVertexBuffer()->numberOfVertices + tree->getLeafVertexBuffer()->numberOfVertices;
    }
    std::printf("  trees: %zu grown and baked in %.1f ms (%.3f ms a tree), %.1f ms of processor time\n",
                trees.size(), growing, trees.empty() ? 0.0 : growing / trees.size(), cpuMs() - cpuBefore);
    std::printf("         %zu internodes, %zu leaves, %zu vertices baked; resident memory +%.1f MB\n", internodes,
                leaves, vertices, residentMb() - before);
}

// Whole natures, as the islands build them.
void buildNatures(TexturesMeshes* registry, std::vector<std::unique_ptr<HeightMap>>& maps) {
    std::vector<std::unique_ptr<Nature>> natures;
    double before = residentMb(), cpuBefore = cpuMs();
    double total = 0;
    size_t small = 0, grown = 0;
    for (int k = 0; k < 13; ++k) {
        auto start = std::chrono::steady_clock::now();
        natures.emplace_back(new Nature(maps[k].get(), registry, islands[k].nature, islands[k].type));
        double ms = msSince(start);
        total += ms;
        small += natures.back()->getFlowers()->size();
        grown += natures.back()->getProceduralTrees()->size();
        std::printf("  %-26s %5zu trees, %6zu grass and flowers: %7.1f ms\n", islands[k].nature,
                    natures.back()->getProceduralTrees()->size(), natures.back()->getFlowers()->size(), ms);
    }
    std::printf("  all thirteen natures: %zu trees, %zu grass and flowers in %.1f ms (%.1f ms of processor time); "
                "resident memory +%.1f MB\n",
                grown, small, total, cpuMs() - cpuBefore, residentMb() - before);
}

}  // namespace

int main(int argc, char** argv) {
    std::string data = dataDir(argc, argv);
    if (chdir(data.c_str()) != 0 || !exists("NatureOverlays/islandHomeTrees.bmp")) {
        std::fprintf(stderr, "no nature overlays in %s: give the asset pack's folder\n", data.c_str());
        return 1;
    }
    std::printf("nature build, asset pack %s\n", data.c_str());
    std::unique_ptr<TexturesMeshes> registry(new TexturesMeshes());
    std::vector<std::unique_ptr<HeightMap>> maps;
    for (const Island& island : islands) {
        maps.emplace_back(new HeightMap(island.heightMap, island.side, registry.get(), registry->islandHomeMiniMapTexture));
        maps.back()->setWorldType(island.type);
    }

    std::fflush(stdout);
    if (fork() == 0) {
        growTrees(registry.get(), maps);
        std::fflush(stdout);
        _exit(0);
    }
    wait(nullptr);
    if (fork() == 0) {
        buildNatures(registry.get(), maps);
        std::fflush(stdout);
        _exit(0);
    }
    wait(nullptr);
    return 0;
}

