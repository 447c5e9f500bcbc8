#ifndef TESTS_TERRAINFIELD_H
#define TESTS_TERRAINFIELD_H

// Reads the pack's 8-bit maps the way the game does (SDL, byte at
// pixels[i + pitch * j], height = byte / 5, byte 0 = no ground) and answers
// the game's height query.
#include <SDL.h>

#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "AssetPack.h"

struct Ground {
    double x;
    double z;
};

// The top-left side x side bytes of an 8-bit map; empty when it cannot be read.
inline std::vector<uint8_t> loadMapBytes(const std::string& relative, int side) {
    std::vector<uint8_t> bytes;
    SDL_Surface* surface = SDL_LoadBMP(assetPath(relative).c_str());
    if (!surface) return bytes;
    if (surface->format->BitsPerPixel == 8 && surface->w >= side && surface->h >= side) {
        SDL_LockSurface(surface);
        const uint8_t* pixels = (const uint8_t*)surface->pixels;
        bytes.resize((size_t)side * side);
        for (int j = 0; j < side; ++j)
            for (int i = 0; i < side; ++i) bytes[(size_t)j * side + i] = pixels[i + surface->pitch * j];
        SDL_UnlockSurface(surface);
    }
    SDL_FreeSurface(surface);
    return bytes;
}

class HeightField {
public:
    static constexpr double UNDEFINED = -50.0;

    HeightField(const std::string& relative, int side) : side(side), half(side / 2) {
        std::vector<uint8_t> bytes = loadMapBytes(relative, side);
        if (bytes.empty()) return;
        levels.resize(bytes.size());
        for (size_t k = 0; k < bytes.size(); ++k) levels[k] = bytes[k] == 0 ? -1 : bytes[k] / 5;
    }

    bool loaded() const { return !levels.empty(); }
    int getSide() const { return side; }
    int getHalf() const { return half; }
    bool onGrid(int i, int j) const { return i >= 0 && j >= 0 && i < side && j < side; }
    // The whole level of sample (i, j), -1 for no ground or off the map.
    int level(int i, int j) const { return onGrid(i, j) ? levels[(size_t)j * side + i] : -1; }
    double worldX(int i) const { return i - half; }
    double worldZ(int j) const { return j - half; }

    // The game's bilinear height; UNDEFINED off the map or next to a hole.
    double height(double x, double z) const {
        int i0 = (int)std::floor(x) + half, j0 = (int)std::floor(z) + half;
        int i1 = (int)std::ceil(x) + half, j1 = (int)std::ceil(z) + half;
        if (i0 < 0 || j0 < 0 || i1 >= side || j1 >= side) return UNDEFINED;
        double a0 = sample(i0, j0), a1 = sample(i0, j1), b0 = sample(i1, j0), b1 = sample(i1, j1);
        if (a0 == UNDEFINED || a1 == UNDEFINED || b0 == UNDEFINED || b1 == UNDEFINED) return UNDEFINED;
        double fz = (z + half) - j0, fx = (x + half) - i0;
        double a = a0 + fz * (a1 - a0), b = b0 + fz * (b1 - b0);
        return a + fx * (b - a);
    }

    // The highest of the samples around a point: what a camera must clear.
    double highestAround(double x, double z) const {
        double top = UNDEFINED;
        for (int j = (int)std::floor(z) + half; j <= (int)std::ceil(z) + half; ++j)
            for (int i = (int)std::floor(x) + half; i <= (int)std::ceil(x) + half; ++i)
                top = std::max(top, sample(i, j));
        return top;
    }

private:
    double sample(int i, int j) const { return level(i, j) < 0 ? UNDEFINED : level(i, j); }

    int side;
    int half;
    std::vector<int> levels;
};

inline bool insideOutline(const std::vector<Ground>& corners, double x, double z) {
    bool inside = false;
    for (size_t a = 0, b = corners.size() - 1; a < corners.size(); b = a++) {
        const Ground& p = corners[a];
        const Ground& q = corners[b];
        if ((p.z > z) != (q.z > z) && x < (q.x - p.x) * (z - p.z) / (q.z - p.z) + p.x) inside = !inside;
    }
    return inside;
}

inline double segmentDistance(Ground a, Ground b, double x, double z) {
    double dx = b.x - a.x, dz = b.z - a.z, length2 = dx * dx + dz * dz;
    double t = length2 > 0 ? ((x - a.x) * dx + (z - a.z) * dz) / length2 : 0;
    t = std::fmax(0.0, std::fmin(1.0, t));
    return std::hypot(x - (a.x + t * dx), z - (a.z + t * dz));
}

inline double outlineDistance(const std::vector<Ground>& corners, double x, double z) {
    double nearest = 1e30;
    for (size_t a = 0, b = corners.size() - 1; a < corners.size(); b = a++)
        nearest = std::fmin(nearest, segmentDistance(corners[b], corners[a], x, z));
    return nearest;
}

#endif
