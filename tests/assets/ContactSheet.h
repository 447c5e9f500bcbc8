#ifndef TESTS_CONTACTSHEET_H
#define TESTS_CONTACTSHEET_H

// Pictures the checks draw so a person can look the pack over at a glance.
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

// Contact sheets go into the build folder.
inline std::string contactSheetPath(const std::string& name) {
    const char* dir = std::getenv("TAVIR_BINARY_DIR");
    return std::string(dir ? dir : ".") + "/" + name;
}

// An RGB picture, rows top-down, saved as binary PPM for ImageMagick to
// turn into PNG.
struct SheetPicture {
    int width, height;
    std::vector<uint8_t> rgb;

    SheetPicture(int width, int height, uint8_t grey)
        : width(width), height(height), rgb((size_t)width * height * 3, grey) {}
    uint8_t* at(int x, int y) { return &rgb[((size_t)y * width + x) * 3]; }

    bool writePpm(const std::string& path) const {
        FILE* file = fopen(path.c_str(), "wb");
        if (!file) return false;
        fprintf(file, "P6\n%d %d\n255\n", width, height);
        bool written = fwrite(rgb.data(), 1, rgb.size(), file) == rgb.size();
        return fclose(file) == 0 && written;
    }
};

#endif
