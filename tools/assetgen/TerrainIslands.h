#ifndef ASSETGEN_TERRAINISLANDS_H
#define ASSETGEN_TERRAINISLANDS_H

#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "TerrainCanvas.h"

enum class TerrainWorld { GRASS, LAVA, SNOW, MYSTIC };

// A water or lava plane of the island: shown where the ground inside the
// outline lies below its level.
struct TerrainSurface {
    std::vector<Spot> outline;
    double level;
    bool lava;
};

// Everything the overlays and the mini map need to know about one island.
struct TerrainDesign {
    int side = 0;
    TerrainWorld world = TerrainWorld::GRASS;
    TerrainCanvas canvas{1};
    std::vector<TerrainSurface> surfaces;
    // Samples where no tree (and no decorative hill) may go: gates,
    // buildings, routes, lakes, walls.
    std::vector<uint8_t> keepClear;
    bool hasMoney = false;
    std::vector<Spot> coins;
    int trees = 0;
    int flowers = 0;
    int tufts = 0;
    uint32_t seed = 0;
};

// The thirteen islands' file names, by island index.
std::string heightMapPath(int index);
std::string miniMapPath(int index);
// Prefix of the island's nature overlays; island 10 borrows island 9's.
std::string naturePrefix(int index);
std::string moneyPath(int index);  // empty when the island has no coins

TerrainDesign designIsland(int index);

// Helpers the island scripts shape their terrain with.
class IslandBuilder {
public:
    IslandBuilder(TerrainDesign& design, int side, TerrainWorld world, uint32_t seed);

    TerrainCanvas& canvas() { return design.canvas; }
    // The level of the sample nearest a point, as shaped so far.
    int levelAt(Spot at) const {
        const TerrainCanvas& c = design.canvas;
        return c.level((int)std::lround(at.x) + c.getHalf(), (int)std::lround(at.z) + c.getHalf());
    }
    uint32_t seed(uint32_t salt) const { return baseSeed * 31u + salt; }

    // The island's ground and what its untouched terrain looks like; `coast`
    // is the distance to the nearest sample without ground.
    void shape(const Region& outline, const std::function<int(double x, double z, double coast)>& natural);
    // Level ground that routes cross: trees stay off it and `clearance` around.
    void route(const Region& region, int level, double clearance = 2);
    // Level ground where trees may still grow. Both only reshape the island,
    // they never add ground past its coast.
    void ground(const Region& region, int level);
    // Level ground forced into being (past the coast too), trees kept off.
    void landing(const Region& region, int level);
    // A camera flies through these eyes: the ground along the way stays more
    // than a unit below it.
    void skyPath(const std::vector<std::pair<Spot, double>>& eyes, double width);
    // A level way across open ground, kept free of trees and hills.
    void walk(Spot from, Spot to, double width, int level) {
        route(unite({band(from, to, width), disc(from, width / 2), disc(to, width / 2)}), level, 1);
    }
    // Raises the ground round a region into slopes falling `rate` levels per
    // unit from `top`, so a high route reads as a mountain, not a wall.
    void embank(const Region& region, int top, double rate, uint32_t salt);
    // Terraced hills rising out of the ground inside the region, wherever
    // nothing is kept clear.
    void mounds(const Region& region, double height, double scale, int step, uint32_t salt);
    // A straight flight of one-unit steps; coins line it on money islands.
    void flight(Spot from, int fromLevel, Spot to, int toLevel, double width);
    // Level ground under something placed, with trees `clearance` away.
    void pad(Spot at, double radius, int level, double clearance);
    void gate(Spot at, int level) { pad(at, 11.5, level, 14); }
    void house(Spot at, int level) { pad(at, 8, level, 10); }
    void treeHouse(Spot at, int level) { pad(at, 9.5, level, 12); }
    void shop(Spot at, int level);
    void spirit(Spot at, int level) { pad(at, 5, level, 6); }
    // Where an island's key sets the hero down, facing north (-z). The
    // third-person camera orbits ten units behind him and a little above,
    // so the level ground runs on south past where it stands.
    void start(Spot at, int level) {
        spirit(at, level);
        route(band(at, {at.x, at.z + 12}, 10), level, 1);
    }
    void volcano(Spot at, int level) { pad(at, 9.5, level, 11); }
    void keepClear(const Region& region);
    // A water or lava plane. The ground inside its outline is left alone
    // within `shore` of the edge (give or take some noise) and further in
    // sinks to `depth(distance beyond that)`.
    void lake(const std::vector<Spot>& outline, double level, bool lava, double shore,
              const std::function<int(double inside)>& depth);
    void coinLine(Spot from, Spot to, double spacing);
    void plants(int trees, int flowers, int tufts);

private:
    TerrainDesign& design;
    uint32_t baseSeed;
};

#endif
