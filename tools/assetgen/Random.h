#ifndef ASSETGEN_RANDOM_H
#define ASSETGEN_RANDOM_H

#include <cstdint>

// The small seeded generator (xorshift) every part of the pack places and
// shakes things with: the same seed gives the same choices on every
// machine and thread.
class Random {
public:
    explicit Random(uint32_t seed) : state(seed ? seed : 0x9E3779B9u) {}
    uint32_t next() {
        state ^= state << 13;
        state ^= state >> 17;
        state ^= state << 5;
        return state;
    }
    double unit() { return (next() >> 8) * (1.0 / 16777216.0); }  // [0, 1), in steps of 2^-24
    double range(double a, double b) { return a + (b - a) * unit(); }
    double white() { return unit() * 2 - 1; }
    // 0 <= value < limit.
    int below(int limit) { return (int)(next() % (uint32_t)limit); }

private:
    uint32_t state;
};

#endif
