#ifndef TESTS_SUPPORT_BMP8_H
#define TESTS_SUPPORT_BMP8_H

#include <cstdint>
#include <string>
#include <vector>

#include "support/Fixtures.h"

// An 8-bit palettised BMP with a grey palette, as height maps and overlays
// are; bytes holds top-down rows, one byte per pixel.
inline void writeBmp8(const TempFolder& folder, const std::string& relative, int width, int height,
                      const std::vector<uint8_t>& bytes) {
    int rowSize = (width + 3) & ~3;
    std::vector<uint8_t> out;
    auto u32 = [&](uint32_t v) {
        for (int i = 0; i < 4; ++i) out.push_back((uint8_t)(v >> (8 * i)));
    };
    auto u16 = [&](uint16_t v) {
        out.push_back((uint8_t)v);
        out.push_back((uint8_t)(v >> 8));
    };
    uint32_t offset = 14 + 40 + 256 * 4;
    out.insert(out.end(), {'B', 'M'});
    u32(offset + rowSize * height);
    u32(0);
    u32(offset);
    u32(40);
    u32((uint32_t)width);
    u32((uint32_t)height);
    u16(1);
    u16(8);
    u32(0);
    u32((uint32_t)(rowSize * height));
    u32(2835);
    u32(2835);
    u32(256);
    u32(0);
    for (int i = 0; i < 256; ++i) out.insert(out.end(), {(uint8_t)i, (uint8_t)i, (uint8_t)i, 0});
    for (int y = height - 1; y >= 0; --y) {  // stored bottom-up
        for (int x = 0; x < width; ++x) out.push_back(bytes[(size_t)y * width + x]);
        for (int pad = width; pad < rowSize; ++pad) out.push_back(0);
    }
    folder.writeBytes(relative, out);
}

#endif
