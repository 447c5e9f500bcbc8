#include "PictureNoise.h"

#include <cmath>

uint32_t hashInts(int x, int y, int z, uint32_t seed) {
    uint32_t h = seed * 0x9E3779B1u;
    h ^= (uint32_t)x * 0x85EBCA77u;
    h = (h ^ (h >> 15)) * 0x2C1B3C6Du;
    h ^= (uint32_t)y * 0xC2B2AE3Du;
    h = (h ^ (h >> 12)) * 0x297A2D39u;
    h ^= (uint32_t)z * 0x27D4EB2Fu;
    h ^= h >> 16;
    h *= 0x7FEB352Du;
    h ^= h >> 15;
    h *= 0x846CA68Bu;
    h ^= h >> 16;
    return h;
}

static int wrap(int v, int period) {
    if (period <= 0) return v;
    v %= period;
    return v < 0 ? v + period : v;
}

static float fade(float t) { return t * t * t * (t * (t * 6 - 15) + 10); }

float valueNoise(float x, float y, int periodX, int periodY, uint32_t seed) {
    float fx = std::floor(x), fy = std::floor(y);
    int ix = (int)fx, iy = (int)fy;
    float tx = fade(x - fx), ty = fade(y - fy);
    int x0 = wrap(ix, periodX), x1 = wrap(ix + 1, periodX);
    int y0 = wrap(iy, periodY), y1 = wrap(iy + 1, periodY);
    float a = hashUnit(x0, y0, 0, seed), b = hashUnit(x1, y0, 0, seed);
    float c = hashUnit(x0, y1, 0, seed), d = hashUnit(x1, y1, 0, seed);
    float top = a + (b - a) * tx, bottom = c + (d - c) * tx;
    return top + (bottom - top) * ty;
}

float fbm(float x, float y, int periodX, int periodY, int octaves, uint32_t seed) {
    float sum = 0, amplitude = 0.5f, total = 0;
    for (int o = 0; o < octaves; ++o) {
        sum += amplitude * valueNoise(x, y, periodX, periodY, seed + (uint32_t)o * 1013u);
        total += amplitude;
        x *= 2;
        y *= 2;
        periodX *= 2;
        periodY *= 2;
        amplitude *= 0.5f;
    }
    return sum / total;
}

float ridged(float x, float y, int periodX, int periodY, int octaves, uint32_t seed) {
    float sum = 0, amplitude = 0.5f, total = 0;
    for (int o = 0; o < octaves; ++o) {
        float n = 1 - std::fabs(valueNoise(x, y, periodX, periodY, seed + (uint32_t)o * 7919u) * 2 - 1);
        sum += amplitude * n * n;
        total += amplitude;
        x *= 2;
        y *= 2;
        periodX *= 2;
        periodY *= 2;
        amplitude *= 0.5f;
    }
    return sum / total;
}

Cells cells(float x, float y, int periodX, int periodY, uint32_t seed, float jitter) {
    int ix = (int)std::floor(x), iy = (int)std::floor(y);
    Cells result{1e9f, 1e9f, 0, 0, 0};
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx) {
            int cx = ix + dx, cy = iy + dy;
            int wx = wrap(cx, periodX), wy = wrap(cy, periodY);
            float px = cx + 0.5f + (hashUnit(wx, wy, 1, seed) - 0.5f) * jitter;
            float py = cy + 0.5f + (hashUnit(wx, wy, 2, seed) - 0.5f) * jitter;
            float ddx = px - x, ddy = py - y;
            float d = std::sqrt(ddx * ddx + ddy * ddy);
            if (d < result.f1) {
                result.f2 = result.f1;
                result.f1 = d;
                result.id = hashInts(wx, wy, 3, seed);
                result.nearestX = px;
                result.nearestY = py;
            } else if (d < result.f2) {
                result.f2 = d;
            }
        }
    return result;
}
