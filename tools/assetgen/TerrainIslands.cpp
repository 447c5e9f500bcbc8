#include "TerrainIslands.h"

#include <algorithm>
#include <cmath>

std::string heightMapPath(int index) {
    if (index == 0) return "HeightMap/islandHomeHeightMap.bmp";
    return "HeightMap/island" + std::to_string(index) + "HeightMap.bmp";
}

std::string miniMapPath(int index) {
    if (index == 0) return "HeightMap/islandHomeMiniMap.bmp";
    if (index == 1) return "HeightMap/island1MiniMapL.bmp";
    return "HeightMap/island" + std::to_string(index) + "MiniMap.bmp";
}

std::string naturePrefix(int index) {
    if (index == 0) return "NatureOverlays/islandHome";
    if (index == 10) return "NatureOverlays/island9";
    return "NatureOverlays/island" + std::to_string(index);
}

std::string moneyPath(int index) {
    if (index == 1 || index == 3 || index == 10) return "MoneyOverlays/island" + std::to_string(index) + "Money.bmp";
    return "";
}

IslandBuilder::IslandBuilder(TerrainDesign& design, int side, TerrainWorld world, uint32_t seed)
    : design(design), baseSeed(seed) {
    design.side = side;
    design.world = world;
    design.canvas = TerrainCanvas(side);
    design.keepClear.assign((size_t)side * side, 0);
    design.seed = seed;
}

void IslandBuilder::shape(const Region& outline, const std::function<int(double, double, double)>& natural) {
    TerrainCanvas& c = design.canvas;
    c.fill(outline, 0);
    std::vector<float> coast = c.coastDistance();
    int side = c.getSide();
    for (int j = 0; j < side; ++j)
        for (int i = 0; i < side; ++i)
            if (c.level(i, j) != TerrainCanvas::HOLE)
                c.setLevel(i, j, natural(c.worldX(i), c.worldZ(j), coast[(size_t)j * side + i]));
}

void IslandBuilder::keepClear(const Region& region) {
    TerrainCanvas& c = design.canvas;
    int side = c.getSide();
    for (int j = 0; j < side; ++j)
        for (int i = 0; i < side; ++i)
            if (region(c.worldX(i), c.worldZ(j)) <= 0) design.keepClear[(size_t)j * side + i] = 1;
}

void IslandBuilder::route(const Region& region, int level, double clearance) {
    design.canvas.fillGround(region, level);
    if (clearance >= 0) keepClear(grow(region, clearance));
}

void IslandBuilder::ground(const Region& region, int level) { design.canvas.fillGround(region, level); }

void IslandBuilder::landing(const Region& region, int level) {
    design.canvas.fill(region, level);
    keepClear(grow(region, 2));
}

void IslandBuilder::skyPath(const std::vector<std::pair<Spot, double>>& eyes, double width) {
    for (size_t k = 0; k + 1 < eyes.size(); ++k) {
        int ceiling = (int)std::floor(std::min(eyes[k].second, eyes[k + 1].second) - 1.25);
        design.canvas.cap(grow(band(eyes[k].first, eyes[k + 1].first, width), 0.5 * width), ceiling);
    }
}

void IslandBuilder::embank(const Region& region, int top, double rate, uint32_t salt) {
    TerrainCanvas& c = design.canvas;
    int side = c.getSide();
    uint32_t noiseSeed = seed(salt);
    for (int j = 0; j < side; ++j)
        for (int i = 0; i < side; ++i) {
            int current = c.level(i, j);
            if (current == TerrainCanvas::HOLE || design.keepClear[(size_t)j * side + i]) continue;
            double x = c.worldX(i), z = c.worldZ(j);
            double distance = region(x, z);
            if (distance <= 0) continue;
            double fall = distance * rate * (1 + 0.5 * fractalNoise(x / 18, z / 18, noiseSeed, 3));
            int slope = top - 2 * (int)std::ceil(fall / 2);
            if (slope > current) c.setLevel(i, j, slope);
        }
}

void IslandBuilder::mounds(const Region& region, double height, double scale, int step, uint32_t salt) {
    TerrainCanvas& c = design.canvas;
    int side = c.getSide();
    uint32_t noiseSeed = seed(salt);
    for (int j = 0; j < side; ++j)
        for (int i = 0; i < side; ++i) {
            int current = c.level(i, j);
            double x = c.worldX(i), z = c.worldZ(j);
            if (current == TerrainCanvas::HOLE || design.keepClear[(size_t)j * side + i] || region(x, z) > 0) continue;
            double n = fractalNoise(x / scale, z / scale, noiseSeed, 3) - 0.12;
            if (n > 0) c.setLevel(i, j, current + step * (int)std::floor(n * 2.2 * height / step));
        }
}

void IslandBuilder::flight(Spot from, int fromLevel, Spot to, int toLevel, double width) {
    design.canvas.stairs(from, fromLevel, to, toLevel, width);
    keepClear(grow(band(from, to, width), 3));
    if (design.hasMoney) coinLine(from, to, 7);
}

void IslandBuilder::pad(Spot at, double radius, int level, double clearance) {
    design.canvas.fill(disc(at, radius), level);
    keepClear(disc(at, clearance));
}

void IslandBuilder::shop(Spot at, int level) {
    // The shop's market table stands 7 along world +x whatever its turn.
    pad(at, 10, level, 12);
    pad({at.x + 7, at.z}, 4.5, level, 8);
}

void IslandBuilder::lake(const std::vector<Spot>& outline, double level, bool lava, double shore,
                         const std::function<int(double)>& depth) {
    design.surfaces.push_back({outline, level, lava});
    Region inside = polygon(outline);
    uint32_t noiseSeed = seed(900 + (uint32_t)design.surfaces.size());
    Region water = roughen(grow(inside, -shore), 0.6 * shore, 24, noiseSeed);
    design.canvas.paint(intersect(inside, water), [&](double x, double z, int current) {
        if (current == TerrainCanvas::HOLE) return current;
        double beyond = -water(x, z) + 3.0 * fractalNoise(x / 14, z / 14, noiseSeed + 5, 2);
        return std::min(current, depth(std::max(0.0, beyond)));
    });
    keepClear(grow(intersect(inside, water), 2));
}

void IslandBuilder::coinLine(Spot from, Spot to, double spacing) {
    double length = std::hypot(to.x - from.x, to.z - from.z);
    int count = std::max(1, (int)(length / spacing));
    for (int k = 0; k <= count; ++k) {
        double t = (k + 0.5) / (count + 1);
        design.coins.push_back({from.x + t * (to.x - from.x), from.z + t * (to.z - from.z)});
    }
}

void IslandBuilder::plants(int trees, int flowers, int tufts) {
    design.trees = trees;
    design.flowers = flowers;
    design.tufts = tufts;
}
