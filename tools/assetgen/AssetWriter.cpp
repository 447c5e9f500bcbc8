#include "AssetWriter.h"

#include <sndfile.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>

Image::Image(int width, int height, uint8_t r, uint8_t g, uint8_t b)
    : width(width), height(height), rgb((size_t)width * height * 3) {
    for (size_t i = 0; i < rgb.size(); i += 3) {
        rgb[i] = r;
        rgb[i + 1] = g;
        rgb[i + 2] = b;
    }
}

void Image::set(int x, int y, uint8_t r, uint8_t g, uint8_t b) {
    if (x < 0 || y < 0 || x >= width || y >= height) return;
    uint8_t* p = at(x, y);
    p[0] = r;
    p[1] = g;
    p[2] = b;
}

AssetWriter::AssetWriter(std::string root) : root(std::move(root)) {}

static void die(const std::string& message) {
    fprintf(stderr, "assetgen: %s\n", message.c_str());
    exit(1);
}

std::string AssetWriter::prepare(const std::string& path) {
    std::filesystem::path full = std::filesystem::path(root) / path;
    {
        std::lock_guard<std::mutex> lock(folderMutex);
        std::error_code error;
        std::filesystem::create_directories(full.parent_path(), error);
        if (error) die("cannot create " + full.parent_path().string() + ": " + error.message());
    }
    files++;
    return full.string();
}

void AssetWriter::writeBytes(const std::string& path, const std::vector<uint8_t>& bytes) {
    std::string full = prepare(path);
    FILE* file = fopen(full.c_str(), "wb");
    if (!file) die("cannot write " + full);
    if (!bytes.empty() && fwrite(bytes.data(), 1, bytes.size(), file) != bytes.size()) die("short write to " + full);
    if (fclose(file) != 0) die("cannot close " + full);
}

static void put16(std::vector<uint8_t>& out, uint32_t v) {
    out.push_back(v & 0xFF);
    out.push_back((v >> 8) & 0xFF);
}

static void put32(std::vector<uint8_t>& out, uint32_t v) {
    put16(out, v & 0xFFFF);
    put16(out, v >> 16);
}

static std::vector<uint8_t> bmpHeader(int width, int height, int bitsPerPixel, uint32_t paletteBytes,
                                      uint32_t pixelBytes) {
    std::vector<uint8_t> out;
    uint32_t offset = 14 + 40 + paletteBytes;
    out.push_back('B');
    out.push_back('M');
    put32(out, offset + pixelBytes);
    put32(out, 0);
    put32(out, offset);
    put32(out, 40);
    put32(out, (uint32_t)width);
    put32(out, (uint32_t)height);
    put16(out, 1);
    put16(out, (uint32_t)bitsPerPixel);
    put32(out, 0);  // BI_RGB
    put32(out, pixelBytes);
    put32(out, 2835);
    put32(out, 2835);
    put32(out, bitsPerPixel == 8 ? 256 : 0);
    put32(out, 0);
    return out;
}

void AssetWriter::writeBmp24(const std::string& path, const Image& image) {
    int rowBytes = (image.width * 3 + 3) & ~3;
    std::vector<uint8_t> out = bmpHeader(image.width, image.height, 24, 0, (uint32_t)rowBytes * image.height);
    for (int y = image.height - 1; y >= 0; --y) {
        for (int x = 0; x < image.width; ++x) {
            const uint8_t* p = image.at(x, y);
            out.push_back(p[2]);
            out.push_back(p[1]);
            out.push_back(p[0]);
        }
        for (int pad = image.width * 3; pad < rowBytes; ++pad) out.push_back(0);
    }
    writeBytes(path, out);
}

void AssetWriter::writeBmp8(const std::string& path, int width, int height, const std::vector<uint8_t>& bytes) {
    if (bytes.size() != (size_t)width * height) die("wrong byte count for " + path);
    int rowBytes = (width + 3) & ~3;
    std::vector<uint8_t> out = bmpHeader(width, height, 8, 256 * 4, (uint32_t)rowBytes * height);
    for (int i = 0; i < 256; ++i) {
        out.push_back(i);
        out.push_back(i);
        out.push_back(i);
        out.push_back(0);
    }
    for (int y = height - 1; y >= 0; --y) {
        out.insert(out.end(), bytes.begin() + (size_t)y * width, bytes.begin() + (size_t)(y + 1) * width);
        for (int pad = width; pad < rowBytes; ++pad) out.push_back(0);
    }
    writeBytes(path, out);
}

void AssetWriter::writeText(const std::string& path, const std::string& text) {
    writeBytes(path, std::vector<uint8_t>(text.begin(), text.end()));
}

void AssetWriter::writeWav(const std::string& path, const std::vector<int16_t>& samples, int channels) {
    std::string full = prepare(path);
    SF_INFO info = {};
    info.samplerate = 22050;
    info.channels = channels;
    info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    SNDFILE* file = sf_open(full.c_str(), SFM_WRITE, &info);
    if (!file) die("cannot write " + full + ": " + sf_strerror(nullptr));
    // No PEAK chunk or other extras: the bytes then depend on the samples only.
    sf_command(file, SFC_SET_ADD_PEAK_CHUNK, nullptr, SF_FALSE);
    sf_count_t frames = (sf_count_t)samples.size() / channels;
    if (sf_writef_short(file, samples.data(), frames) != frames) die("short write to " + full);
    sf_close(file);
}
