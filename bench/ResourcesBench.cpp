// Measures OBJ parsing (MB/s), alone and with the conversion into meshes, on
// a generated grid and on the asset pack's meshes, and the time to build the
// whole asset registry from the pack (all 105 mesh slots parsed).
//
//     bench_ResourcesBench [ASSET_FOLDER]   (default: $TAVIR_DATA_DIR)
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "Mesh/Mesh.h"
#include "ObjLoader/objLoader.h"
#include "TexturesMeshes/TexturesMeshes.h"

namespace fs = std::filesystem;

namespace {

// Best of a few rounds, so one preempted round does not count.
template <typename F>
double bestSeconds(int rounds, F&& body) {
    double best = 1e300;
    for (int round = 0; round < rounds; ++round) {
        auto start = std::chrono::steady_clock::now();
        body();
        best = std::min(best, std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    return best;
}

// A terrain-like grid with positions, texture coordinates, normals and
// v/t/n triangles, as an exporter writes them.
std::string gridObj(int side) {
    std::string text = "# grid\n";
    char line[128];
    for (int j = 0; j <= side; ++j) {
        for (int i = 0; i <= side; ++i) {
            snprintf(line, sizeof line, "v %.6f %.6f %.6f\n", i * 0.5, 0.25 * ((i * 7 + j * 3) % 11), j * 0.5);
            text += line;
            snprintf(line, sizeof line, "vt %.6f %.6f 0\n", (double)i / side, (double)j / side);
            text += line;
            snprintf(line, sizeof line, "vn %.6f %.6f %.6f\n", 0.1, 0.98, -0.05);
            text += line;
        }
    }
    for (int j = 0; j < side; ++j) {
        for (int i = 0; i < side; ++i) {
            int a = j * (side + 1) + i + 1, b = a + 1, c = a + side + 1, d = c + 1;
            snprintf(line, sizeof line, "f %d/%d/%d %d/%d/%d %d/%d/%d\n", a, a, a, c, c, c, b, b, b);
            text += line;
            snprintf(line, sizeof line, "f %d/%d/%d %d/%d/%d %d/%d/%d\n", b, b, b, c, c, c, d, d, d);
            text += line;
        }
    }
    return text;
}

void benchFiles(const char* what, const std::vector<std::string>& files) {
    double bytes = 0;
    for (const std::string& file : files) bytes += (double)fs::file_size(file);
    double parse = bestSeconds(5, [&] {
        for (const std::string& file : files) {
            objLoader loader;
            loader.load(file.c_str());
        }
    });
    double convert = bestSeconds(5, [&] {
        for (const std::string& file : files) objLoader::deleteMesh(objLoader::loadObj(file.c_str()));
    });
    printf("%-34s %9.2f MB  parse %7.1f MB/s   parse + mesh %7.1f MB/s\n", what, bytes / 1e6, bytes / 1e6 / parse,
           bytes / 1e6 / convert);
}

}  // namespace

int main(int argc, char** argv) {
    const char* folder = argc > 1 ? argv[1] : std::getenv("TAVIR_DATA_DIR");

    std::string grid = (fs::temp_directory_path() / ("tavir-bench-grid-" + std::to_string(getpid()) + ".obj")).string();
    {
        std::ofstream out(grid);
        out << gridObj(300);
    }
    benchFiles("generated grid (180000 triangles)", {grid});
    fs::remove(grid);

    if (folder == nullptr || !fs::is_directory(fs::path(folder) / "ObjFiles")) {
        printf("no asset pack with meshes given (argument or TAVIR_DATA_DIR): pack figures skipped\n");
        return 0;
    }
    fs::current_path(folder);
    std::vector<std::string> files;
    for (const fs::directory_entry& entry : fs::directory_iterator("ObjFiles")) {
        if (entry.path().extension() == ".obj") files.push_back(entry.path().string());
    }
    std::sort(files.begin(), files.end());
    std::string label = "asset pack (" + std::to_string(files.size()) + " OBJ files)";
    benchFiles(label.c_str(), files);

    // Construction only; each registry is released outside the clock.
    double first = 0, best = 1e300;
    size_t triangles = 0;
    for (int round = 0; round < 6; ++round) {
        auto start = std::chrono::steady_clock::now();
        TexturesMeshes* registry = new TexturesMeshes();
        double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        if (round == 0) {
            first = seconds;
            for (Mesh* mesh : registry->getMeshSlots()) triangles += mesh->getPolygons().size();
        } else {
            best = std::min(best, seconds);
        }
        delete registry;
    }
    printf("registry from the pack (105 meshes, %zu triangles): first build %.1f ms, best of 5 more %.1f ms\n",
           triangles, first * 1e3, best * 1e3);
    return 0;
}
