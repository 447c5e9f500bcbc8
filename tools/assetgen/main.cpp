// Writes the game's asset pack into the folder named on the command line.
#include <chrono>
#include <cstdio>
#include <filesystem>

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
    double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    printf("assetgen: wrote 0 files to %s in %.2f s\n", argv[1], seconds);
    return 0;
}
