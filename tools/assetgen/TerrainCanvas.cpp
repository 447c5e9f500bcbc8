#include "TerrainCanvas.h"

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>

Region disc(Spot centre, double radius) {
    return [=](double x, double z) { return std::hypot(x - centre.x, z - centre.z) - radius; };
}

Region ellipse(Spot centre, double radiusX, double radiusZ) {
    double mean = 0.5 * (radiusX + radiusZ);
    return [=](double x, double z) {
        double u = (x - centre.x) / radiusX, v = (z - centre.z) / radiusZ;
        return (std::sqrt(u * u + v * v) - 1.0) * mean;
    };
}

Region superellipse(Spot centre, double radiusX, double radiusZ, double power) {
    double mean = 0.5 * (radiusX + radiusZ);
    return [=](double x, double z) {
        double u = std::fabs(x - centre.x) / radiusX, v = std::fabs(z - centre.z) / radiusZ;
        return (std::pow(std::pow(u, power) + std::pow(v, power), 1.0 / power) - 1.0) * mean;
    };
}

Region box(double x0, double z0, double x1, double z1) {
    if (x0 > x1) std::swap(x0, x1);
    if (z0 > z1) std::swap(z0, z1);
    return [=](double x, double z) {
        double dx = std::max(x0 - x, x - x1), dz = std::max(z0 - z, z - z1);
        if (dx <= 0 && dz <= 0) return std::max(dx, dz);
        return std::hypot(std::max(dx, 0.0), std::max(dz, 0.0));
    };
}

bool insidePolygon(const std::vector<Spot>& corners, double x, double z) {
    bool inside = false;
    for (size_t a = 0, b = corners.size() - 1; a < corners.size(); b = a++) {
        const Spot& p = corners[a];
        const Spot& q = corners[b];
        if ((p.z > z) != (q.z > z) && x < (q.x - p.x) * (z - p.z) / (q.z - p.z) + p.x) inside = !inside;
    }
    return inside;
}

static double segmentDistance(Spot a, Spot b, double x, double z) {
    double dx = b.x - a.x, dz = b.z - a.z;
    double length2 = dx * dx + dz * dz;
    double t = length2 > 0 ? ((x - a.x) * dx + (z - a.z) * dz) / length2 : 0;
    t = std::clamp(t, 0.0, 1.0);
    return std::hypot(x - (a.x + t * dx), z - (a.z + t * dz));
}

Region polygon(std::vector<Spot> corners) {
    return [corners](double x, double z) {
        double nearest = 1e30;
        for (size_t a = 0, b = corners.size() - 1; a < corners.size(); b = a++) {
            nearest = std::min(nearest, segmentDistance(corners[b], corners[a], x, z));
        }
        return insidePolygon(corners, x, z) ? -nearest : nearest;
    };
}

Region band(Spot a, Spot b, double width) {
    double length = std::hypot(b.x - a.x, b.z - a.z);
    double ux = (b.x - a.x) / length, uz = (b.z - a.z) / length;
    double halfWidth = 0.5 * width;
    return [=](double x, double z) {
        double along = (x - a.x) * ux + (z - a.z) * uz;
        double across = -(x - a.x) * uz + (z - a.z) * ux;
        double da = std::max(-along, along - length), dc = std::fabs(across) - halfWidth;
        if (da <= 0 && dc <= 0) return std::max(da, dc);
        return std::hypot(std::max(da, 0.0), std::max(dc, 0.0));
    };
}

Region beyond(Spot point, Spot outward) {
    double length = std::hypot(outward.x, outward.z);
    double ux = outward.x / length, uz = outward.z / length;
    return [=](double x, double z) { return -((x - point.x) * ux + (z - point.z) * uz); };
}

Region unite(std::vector<Region> parts) {
    return [parts](double x, double z) {
        double value = 1e30;
        for (const Region& part : parts) value = std::min(value, part(x, z));
        return value;
    };
}

Region intersect(Region a, Region b) {
    return [a, b](double x, double z) { return std::max(a(x, z), b(x, z)); };
}

Region subtract(Region a, Region b) {
    return [a, b](double x, double z) { return std::max(a(x, z), -b(x, z)); };
}

Region grow(Region region, double amount) {
    return [region, amount](double x, double z) { return region(x, z) - amount; };
}

Region roughen(Region region, double amplitude, double scale, uint32_t seed) {
    // Summed octaves rarely stray far from 0: stretch them to the amplitude.
    return [=](double x, double z) {
        return region(x, z) + 2.2 * amplitude * fractalNoise(x / scale, z / scale, seed, 3);
    };
}

static uint32_t hashCorner(int32_t i, int32_t j, uint32_t seed) {
    uint32_t h = seed * 0x9E3779B1u;
    h ^= (uint32_t)i * 0x85EBCA77u;
    h = (h << 13) | (h >> 19);
    h ^= (uint32_t)j * 0xC2B2AE3Du;
    h *= 0x27D4EB2Fu;
    h ^= h >> 15;
    h *= 0x165667B1u;
    h ^= h >> 13;
    return h;
}

static double cornerValue(int32_t i, int32_t j, uint32_t seed) {
    return (hashCorner(i, j, seed) >> 8) * (2.0 / 16777216.0) - 1.0;
}

double valueNoise(double x, double z, uint32_t seed) {
    double fx = std::floor(x), fz = std::floor(z);
    int32_t i = (int32_t)fx, j = (int32_t)fz;
    double u = x - fx, v = z - fz;
    u = u * u * (3 - 2 * u);
    v = v * v * (3 - 2 * v);
    double a = cornerValue(i, j, seed), b = cornerValue(i + 1, j, seed);
    double c = cornerValue(i, j + 1, seed), d = cornerValue(i + 1, j + 1, seed);
    return (a + (b - a) * u) * (1 - v) + (c + (d - c) * u) * v;
}

double fractalNoise(double x, double z, uint32_t seed, int octaves) {
    double sum = 0, amplitude = 1, total = 0;
    for (int o = 0; o < octaves; ++o) {
        sum += amplitude * valueNoise(x, z, seed + 101u * o);
        total += amplitude;
        amplitude *= 0.5;
        x = x * 2.03 + 17.1;
        z = z * 2.03 - 9.4;
    }
    return sum / total;
}

TerrainCanvas::TerrainCanvas(int side) : side(side), half(side / 2), levels((size_t)side * side, HOLE) {}

void TerrainCanvas::setLevel(int i, int j, int value) {
    if (!onGrid(i, j)) return;
    levels[(size_t)j * side + i] = value == HOLE ? HOLE : std::clamp(value, 0, TOP);
}

void TerrainCanvas::paint(const Region& region, const std::function<int(double, double, int)>& rule) {
    for (int j = 0; j < side; ++j) {
        for (int i = 0; i < side; ++i) {
            double x = worldX(i), z = worldZ(j);
            if (region(x, z) <= 0) setLevel(i, j, rule(x, z, level(i, j)));
        }
    }
}

void TerrainCanvas::fill(const Region& region, int value) {
    paint(region, [value](double, double, int) { return value; });
}

void TerrainCanvas::fillGround(const Region& region, int value) {
    paint(region, [value](double, double, int current) { return current == HOLE ? HOLE : value; });
}

void TerrainCanvas::carve(const Region& region) { fill(region, HOLE); }

void TerrainCanvas::cap(const Region& region, int ceiling) {
    paint(region, [ceiling](double, double, int current) { return current == HOLE ? HOLE : std::min(current, ceiling); });
}

void TerrainCanvas::stairs(Spot from, int fromLevel, Spot to, int toLevel, double width) {
    double length = std::hypot(to.x - from.x, to.z - from.z);
    int rises = std::abs(toLevel - fromLevel);
    double depth = length / (rises + 1);
    bool diagonal = std::fabs(to.x - from.x) > 1e-6 && std::fabs(to.z - from.z) > 1e-6;
    // A tread must hold a standing hero: deeper on the diagonal, where the
    // grid cuts it into a jagged band.
    if (depth < (diagonal ? 6.0 : 3.5)) {
        fprintf(stderr, "assetgen: flight from (%g, %g) to (%g, %g) is too short for %d steps\n", from.x, from.z,
                to.x, to.z, rises);
        exit(1);
    }
    double ux = (to.x - from.x) / length, uz = (to.z - from.z) / length;
    int direction = toLevel > fromLevel ? 1 : -1;
    paint(band(from, to, width), [=](double x, double z, int) {
        double along = (x - from.x) * ux + (z - from.z) * uz;
        int tread = std::min(rises, std::max(0, (int)std::floor(along / depth)));
        return fromLevel + direction * tread;
    });
}

std::vector<float> TerrainCanvas::coastDistance() const {
    const float far = 1e9f;
    std::vector<float> distance((size_t)side * side, far);
    for (int j = 0; j < side; ++j)
        for (int i = 0; i < side; ++i)
            if (level(i, j) == HOLE) distance[(size_t)j * side + i] = 0;
    auto relax = [&](int i, int j, int di, int dj, float step) {
        float& here = distance[(size_t)j * side + i];
        if (!onGrid(i + di, j + dj)) {
            here = std::min(here, step);  // off the map counts as no ground
            return;
        }
        here = std::min(here, distance[(size_t)(j + dj) * side + (i + di)] + step);
    };
    const float diagonal = 1.41421356f;
    for (int j = 0; j < side; ++j)
        for (int i = 0; i < side; ++i) {
            relax(i, j, -1, 0, 1);
            relax(i, j, 0, -1, 1);
            relax(i, j, -1, -1, diagonal);
            relax(i, j, 1, -1, diagonal);
        }
    for (int j = side - 1; j >= 0; --j)
        for (int i = side - 1; i >= 0; --i) {
            relax(i, j, 1, 0, 1);
            relax(i, j, 0, 1, 1);
            relax(i, j, 1, 1, diagonal);
            relax(i, j, -1, 1, diagonal);
        }
    return distance;
}

void TerrainCanvas::finish() {
    // The terrain gets cliff skirts only where a cell touches a hole, not at
    // the edge of the map: keep the map's outermost samples empty.
    for (int k = 0; k < side; ++k) {
        setLevel(k, 0, HOLE);
        setLevel(k, side - 1, HOLE);
        setLevel(0, k, HOLE);
        setLevel(side - 1, k, HOLE);
    }
    // Spits one sample wide look broken from below; wear them away.
    for (bool changed = true; changed;) {
        changed = false;
        for (int j = 1; j < side - 1; ++j)
            for (int i = 1; i < side - 1; ++i) {
                if (level(i, j) == HOLE) continue;
                bool west = level(i - 1, j) != HOLE, east = level(i + 1, j) != HOLE;
                bool north = level(i, j - 1) != HOLE, south = level(i, j + 1) != HOLE;
                if ((!west && !east) || (!north && !south)) {
                    setLevel(i, j, HOLE);
                    changed = true;
                }
            }
    }
    // Label connected pieces of ground and of empty space.
    std::vector<int> label((size_t)side * side, -1);
    std::vector<int> sizes;
    std::vector<bool> touchesEdge;
    std::vector<int> queue;
    for (int start = 0; start < side * side; ++start) {
        if (label[start] >= 0) continue;
        bool ground = levels[start] != HOLE;
        int id = (int)sizes.size();
        sizes.push_back(0);
        touchesEdge.push_back(false);
        queue.assign(1, start);
        label[start] = id;
        while (!queue.empty()) {
            int cell = queue.back();
            queue.pop_back();
            sizes[id]++;
            int i = cell % side, j = cell / side;
            if (i == 0 || j == 0 || i == side - 1 || j == side - 1) touchesEdge[id] = true;
            const int steps[4][2] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
            for (const auto& s : steps) {
                int ni = i + s[0], nj = j + s[1];
                if (!onGrid(ni, nj)) continue;
                int next = nj * side + ni;
                if (label[next] >= 0 || (levels[next] != HOLE) != ground) continue;
                label[next] = id;
                queue.push_back(next);
            }
        }
    }
    int mainland = -1;
    for (int cell = 0; cell < side * side; ++cell) {
        if (levels[cell] == HOLE) continue;
        if (mainland < 0 || sizes[label[cell]] > sizes[mainland]) mainland = label[cell];
    }
    for (int cell = 0; cell < side * side; ++cell) {
        if (levels[cell] != HOLE && label[cell] != mainland) levels[cell] = HOLE;
    }
    // Enclosed pits fill from their rims inwards with the lowest ground around.
    std::vector<int> pits;
    for (int cell = 0; cell < side * side; ++cell) {
        if (levels[cell] == HOLE && !touchesEdge[label[cell]]) pits.push_back(cell);
    }
    while (!pits.empty()) {
        std::vector<std::pair<int, int>> filled;
        std::vector<int> left;
        for (int cell : pits) {
            int i = cell % side, j = cell / side, lowest = TOP + 1;
            for (int dj = -1; dj <= 1; ++dj)
                for (int di = -1; di <= 1; ++di)
                    if (level(i + di, j + dj) != HOLE) lowest = std::min(lowest, level(i + di, j + dj));
            if (lowest <= TOP) {
                filled.push_back({cell, lowest});
            } else {
                left.push_back(cell);
            }
        }
        for (const auto& f : filled) levels[f.first] = f.second;
        pits.swap(left);
    }
}

uint8_t levelByte(int level) {
    if (level == TerrainCanvas::HOLE) return 0;
    if (level >= TerrainCanvas::TOP) return 255;
    return (uint8_t)(level * 5 + 2);
}

std::vector<uint8_t> TerrainCanvas::bytes() const {
    std::vector<uint8_t> out(levels.size());
    for (size_t k = 0; k < levels.size(); ++k) out[k] = levelByte(levels[k]);
    return out;
}
