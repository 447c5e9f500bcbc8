#ifndef ASSETGEN_PICTURENOISE_H
#define ASSETGEN_PICTURENOISE_H

#include <cstdint>

#include "Random.h"

// Hash-based noise: the same inputs give the same values on every run and
// every thread. A period (in lattice cells, 0 for none) makes the noise
// repeat, so tiles made from it join without a seam.

uint32_t hashInts(int x, int y, int z, uint32_t seed);
inline float hashUnit(int x, int y, int z, uint32_t seed) { return (hashInts(x, y, z, seed) >> 8) * (1.0f / 16777216.0f); }

// Two periods: the noise repeats every periodX cells across and periodY down.
float valueNoise(float x, float y, int periodX, int periodY, uint32_t seed);           // 0..1
float fbm(float x, float y, int periodX, int periodY, int octaves, uint32_t seed);     // about 0..1
float ridged(float x, float y, int periodX, int periodY, int octaves, uint32_t seed);  // 0..1, crests at 1
inline float valueNoise(float x, float y, int period, uint32_t seed) { return valueNoise(x, y, period, period, seed); }
inline float fbm(float x, float y, int period, int octaves, uint32_t seed) {
    return fbm(x, y, period, period, octaves, seed);
}
inline float ridged(float x, float y, int period, int octaves, uint32_t seed) {
    return ridged(x, y, period, period, octaves, seed);
}

// Distances to the nearest and second-nearest of one jittered point per
// lattice cell; id identifies the nearest cell.
struct Cells {
    float f1, f2;
    uint32_t id;
    float nearestX, nearestY;
};
Cells cells(float x, float y, int periodX, int periodY, uint32_t seed, float jitter = 0.9f);
inline Cells cells(float x, float y, int period, uint32_t seed, float jitter = 0.9f) {
    return cells(x, y, period, period, seed, jitter);
}

// Places strokes, stars and stones. The seeds of a picture are small
// neighbouring numbers, so they are spread first; the picks come in float,
// the way the pictures are painted.
class Rng {
public:
    explicit Rng(uint32_t seed) : random(seed * 2654435761u + 0x9E3779B9u) {}
    float unit() { return (float)random.unit(); }  // exact: 24 bits
    float range(float a, float b) { return a + (b - a) * unit(); }

private:
    Random random;
};

#endif
