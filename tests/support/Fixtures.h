#ifndef TESTS_SUPPORT_FIXTURES_H
#define TESTS_SUPPORT_FIXTURES_H

// Small files written by the tests themselves: a private temporary folder,
// a working-directory switch (the game reads its assets relative to it) and
// writers for WAV, BMP and text files.

#include <unistd.h>

#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

class TempFolder {
public:
    TempFolder() {
        std::string pattern = (std::filesystem::temp_directory_path() / "tavir-test.XXXXXX").string();
        std::vector<char> name(pattern.begin(), pattern.end());
        name.push_back('\0');
        if (mkdtemp(name.data()) == nullptr) {
            perror("mkdtemp");
            std::abort();
        }
        root = name.data();
    }
    ~TempFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(root, ignored);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& path() const { return root; }
    std::string path(const std::string& relative) const { return root + "/" + relative; }

    // Creates the parent folders of a relative path and returns the full path.
    std::string prepare(const std::string& relative) const {
        std::string full = path(relative);
        std::filesystem::create_directories(std::filesystem::path(full).parent_path());
        return full;
    }

    void writeBytes(const std::string& relative, const std::vector<uint8_t>& bytes) const {
        std::ofstream out(prepare(relative), std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()), (std::streamsize)bytes.size());
    }

    void writeText(const std::string& relative, const std::string& text) const {
        writeBytes(relative, std::vector<uint8_t>(text.begin(), text.end()));
    }

    // 16-bit PCM at 22050 Hz; samples interleaved when channels is 2.
    void writeWav(const std::string& relative, const std::vector<int16_t>& samples, int channels) const {
        std::vector<uint8_t> bytes;
        auto u32 = [&](uint32_t v) {
            for (int i = 0; i < 4; ++i) bytes.push_back((uint8_t)(v >> (8 * i)));
        };
        auto u16 = [&](uint16_t v) {
            bytes.push_back((uint8_t)v);
            bytes.push_back((uint8_t)(v >> 8));
        };
        uint32_t dataSize = (uint32_t)(samples.size() * 2);
        bytes.insert(bytes.end(), {'R', 'I', 'F', 'F'});
        u32(36 + dataSize);
        bytes.insert(bytes.end(), {'W', 'A', 'V', 'E', 'f', 'm', 't', ' '});
        u32(16);
        u16(1);
        u16((uint16_t)channels);
        u32(22050);
        u32(22050 * 2 * channels);
        u16((uint16_t)(2 * channels));
        u16(16);
        bytes.insert(bytes.end(), {'d', 'a', 't', 'a'});
        u32(dataSize);
        for (int16_t s : samples) u16((uint16_t)s);
        writeBytes(relative, bytes);
    }

    // Uncompressed 24-bit BMP; rgb holds top-down rows of width * 3 bytes.
    void writeBmp24(const std::string& relative, int width, int height, const std::vector<uint8_t>& rgb) const {
        int rowSize = (width * 3 + 3) & ~3;
        std::vector<uint8_t> bytes;
        auto u32 = [&](uint32_t v) {
            for (int i = 0; i < 4; ++i) bytes.push_back((uint8_t)(v >> (8 * i)));
        };
        auto u16 = [&](uint16_t v) {
            bytes.push_back((uint8_t)v);
            bytes.push_back((uint8_t)(v >> 8));
        };
        bytes.insert(bytes.end(), {'B', 'M'});
        u32((uint32_t)(54 + rowSize * height));
        u32(0);
        u32(54);
        u32(40);
        u32((uint32_t)width);
        u32((uint32_t)height);
        u16(1);
        u16(24);
        u32(0);
        u32((uint32_t)(rowSize * height));
        u32(2835);
        u32(2835);
        u32(0);
        u32(0);
        for (int y = height - 1; y >= 0; --y) {  // stored bottom-up
            for (int x = 0; x < width; ++x) {
                const uint8_t* p = &rgb[((size_t)y * width + x) * 3];
                bytes.push_back(p[2]);
                bytes.push_back(p[1]);
                bytes.push_back(p[0]);
            }
            for (int pad = width * 3; pad < rowSize; ++pad) bytes.push_back(0);
        }
        writeBytes(relative, bytes);
    }

    // A picture of one colour.
    void writeBmp24(const std::string& relative, int width, int height, uint8_t r, uint8_t g, uint8_t b) const {
        std::vector<uint8_t> rgb;
        for (int i = 0; i < width * height; ++i) rgb.insert(rgb.end(), {r, g, b});
        writeBmp24(relative, width, height, rgb);
    }

private:
    std::string root;
};

// Runs the enclosing scope with the given folder as working directory.
class WorkingDirectory {
public:
    explicit WorkingDirectory(const std::string& folder) : previous(std::filesystem::current_path()) {
        std::filesystem::current_path(folder);
    }
    ~WorkingDirectory() {
        std::error_code ignored;
        std::filesystem::current_path(previous, ignored);
    }
    WorkingDirectory(const WorkingDirectory&) = delete;
    WorkingDirectory& operator=(const WorkingDirectory&) = delete;

private:
    std::filesystem::path previous;
};

#endif
