// Writes the game's asset pack into the folder named on the command line.
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <thread>
#include <vector>

#include "AssetWriter.h"
#include "Generators.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        fprintf(stderr, "usage: assetgen OUTPUT_FOLDER\n");
        return 2;
    }
    auto start = std::chrono::steady_clock::now();
    std::error_code error;
    std::filesystem::create_directories(argv[1], error);
    if (error) {
        fprintf(stderr, "assetgen: cannot create %s: %s\n", argv[1], error.message().c_str());
        return 1;
    }
    AssetWriter writer(argv[1]);
    std::vector<std::thread> groups;
    for (void (*group)(AssetWriter&) : {generatePictures, generateTerrain, generateMeshes, generateSounds}) {
        groups.emplace_back(group, std::ref(writer));
    }
    for (std::thread& group : groups) group.join();
    double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    printf("assetgen: wrote %d files to %s in %.2f s\n", writer.fileCount(), argv[1], seconds);
    return 0;
}
