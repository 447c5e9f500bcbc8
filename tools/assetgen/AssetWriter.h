#ifndef ASSETGEN_ASSETWRITER_H
#define ASSETGEN_ASSETWRITER_H

#include <atomic>
#include <cstdint>
#include <mutex>
#include <string>
#include <vector>

// An RGB picture with rows stored top-down, three bytes per pixel.
struct Image {
    int width = 0;
    int height = 0;
    std::vector<uint8_t> rgb;

    Image() = default;
    Image(int width, int height, uint8_t r = 0, uint8_t g = 0, uint8_t b = 0);
    void set(int x, int y, uint8_t r, uint8_t g, uint8_t b);
    uint8_t* at(int x, int y) { return &rgb[((size_t)y * width + x) * 3]; }
    const uint8_t* at(int x, int y) const { return &rgb[((size_t)y * width + x) * 3]; }
};

// Writes the pack's files below one root folder, creating folders as
// needed. Safe to call from several threads; a write failure ends the run.
class AssetWriter {
public:
    explicit AssetWriter(std::string root);

    // Uncompressed 24-bit BMP, stored bottom-up as usual.
    void writeBmp24(const std::string& path, const Image& image);
    // 8-bit palettised BMP with a grey-ramp palette; bytes are top-down rows.
    void writeBmp8(const std::string& path, int width, int height, const std::vector<uint8_t>& bytes);
    void writeText(const std::string& path, const std::string& text);
    // 16-bit PCM WAV at 22050 Hz; samples interleaved when channels is 2.
    void writeWav(const std::string& path, const std::vector<int16_t>& samples, int channels);

    int fileCount() const { return files.load(); }

private:
    std::string prepare(const std::string& path);
    void writeBytes(const std::string& path, const std::vector<uint8_t>& bytes);

    std::string root;
    std::atomic<int> files{0};
    std::mutex folderMutex;
};

#endif
