// Measures how long start-up spends building terrain: the largest island's
// height map alone, then all thirteen held at once as the game holds them;
// and what the largest island's first draw adds (its vertex arrays). Prints
// milliseconds, triangle counts and the peak resident memory.
//
//     bench_HeightMapBench [DATA_DIR]
//
// DATA_DIR is the asset pack (default: $TAVIR_DATA_DIR, else build/data or
// data), which the build generates.
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "Object/HeightMap/HeightMap.h"

namespace {

struct Island {
    const char* path;
    int side;
};

const Island islands[13] = {
    {"HeightMap/islandHomeHeightMap.bmp", 200}, {"HeightMap/island1HeightMap.bmp", 300},
    {"HeightMap/island2HeightMap.bmp", 200},    {"HeightMap/island3HeightMap.bmp", 300},
    {"HeightMap/island4HeightMap.bmp", 250},    {"HeightMap/island5HeightMap.bmp", 317},
    {"HeightMap/island6HeightMap.bmp", 252},    {"HeightMap/island7HeightMap.bmp", 200},
    {"HeightMap/island8HeightMap.bmp", 281},    {"HeightMap/island9HeightMap.bmp", 381},
    {"HeightMap/island10HeightMap.bmp", 212},   {"HeightMap/island11HeightMap.bmp", 234},
    {"HeightMap/island12HeightMap.bmp", 277},
};

// Never drawn here, so the registry and mini map are only placeholders.
TexturesMeshes* placeholderRegistry() {
    static char storage[16];
    return reinterpret_cast<TexturesMeshes*>(storage);
}
Texture* placeholderMiniMap() {
    static char storage[16];
    return reinterpret_cast<Texture*>(storage);
}

bool exists(const std::string& path) { return access(path.c_str(), R_OK) == 0; }

std::string dataDir(int argc, char** argv) {
    if (argc > 1) return argv[1];
    if (const char* env = std::getenv("TAVIR_DATA_DIR")) return env;
    return exists("build/data/HeightMap") ? "build/data" : "data";
}

class Counted : public HeightMap {
public:
    using HeightMap::HeightMap;
    using HeightMap::buildBuffers;
    // Cell triangles and skirts alike, as drawn; builds the arrays.
    size_t triangles() {
        buildBuffers();
        return (size_t)(gentleBuffer.numberOfVertices + steepBuffer.numberOfVertices) / 3;
    }
    size_t skirts() {
        buildBuffers();
        return edgePolygons.size();
    }
};

double msSince(std::chrono::steady_clock::time_point start) {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count();
}

long peakResidentKb() {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.compare(0, 6, "VmHWM:") == 0) return std::atol(line.c_str() + 6);
    }
    return -1;
}

}  // namespace

int main(int argc, char** argv) {
    std::string data = dataDir(argc, argv);
    std::vector<std::string> paths;
    for (const Island& island : islands) {
        paths.push_back(data + "/" + island.path);
        if (!exists(paths.back())) {
            std::fprintf(stderr, "no %s: give the asset pack's folder\n", paths.back().c_str());
            return 1;
        }
    }
    std::printf("terrain build times, asset pack %s\n", data.c_str());

    // The largest island: best of five builds.
    const int largest = 9;
    double best = 1e300, bestArrays = 1e300;
    size_t triangles = 0, skirts = 0;
    for (int round = 0; round < 5; ++round) {
        auto start = std::chrono::steady_clock::now();
        Counted map(paths[largest].c_str(), islands[largest].side, placeholderRegistry(), placeholderMiniMap());
        best = std::min(best, msSince(start));
        start = std::chrono::steady_clock::now();
        map.buildBuffers();
        bestArrays = std::min(bestArrays, msSince(start));
        triangles = map.triangles();
        skirts = map.skirts();
    }
    std::printf("  %-34s side %3d: %8.1f ms (best of 5), %zu triangles with %zu skirt polygons\n",
                islands[largest].path, islands[largest].side, best, triangles, skirts);
    std::printf("  its vertex arrays at the first draw: %.1f ms (best of 5)\n", bestArrays);

    // All thirteen, kept alive together as during start-up.
    std::vector<std::unique_ptr<Counted>> all;
    double total = 0;
    for (int i = 0; i < 13; ++i) {
        auto start = std::chrono::steady_clock::now();
        all.emplace_back(new Counted(paths[i].c_str(), islands[i].side, placeholderRegistry(), placeholderMiniMap()));
        double ms = msSince(start);
        total += ms;
        std::printf("  %-34s side %3d: %8.1f ms\n", islands[i].path, islands[i].side, ms);
    }
    std::printf("  all thirteen: %.1f ms, peak resident memory %.0f MB\n", total, peakResidentKb() / 1024.0);

    auto start = std::chrono::steady_clock::now();
    all.clear();
    std::printf("  freeing all thirteen: %.1f ms\n", msSince(start));
    return 0;
}
