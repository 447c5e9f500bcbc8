#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <memory>
#include <sstream>
#include <string>

#include "Object/HeightMap/HeightMap.h"
#include "TerrainLayout.h"

namespace {

const HeightField& field(int island) {
    static std::unique_ptr<HeightField> fields[13];
    if (!fields[island]) fields[island].reset(new HeightField(islandFiles[island].heightMap, islandFiles[island].side));
    return *fields[island];
}

// Collects what is wrong so one run names every bad spot, not just the first.
class Problems {
public:
    void add(int island, const std::string& what) {
        std::ostringstream line;
        line << "island " << island << ": " << what;
        lines.push_back(line.str());
    }
    std::string report() const {
        std::string out;
        for (size_t k = 0; k < lines.size() && k < 40; ++k) out += lines[k] + "\n";
        if (lines.size() > 40) out += "... and " + std::to_string(lines.size() - 40) + " more\n";
        return out;
    }
    bool empty() const { return lines.empty(); }

private:
    std::vector<std::string> lines;
};

std::string at(double x, double z) {
    char text[64];
    snprintf(text, sizeof text, "(%.1f, %.1f)", x, z);
    return text;
}

// "" when every sample within `radius` of (x, z), and the four round the
// point itself, is ground at one level between low and high.
std::string levelGround(const HeightField& f, double x, double z, double radius, int low, int high) {
    int found = -2, lowest = 99, highest = -1;
    int i0 = (int)std::floor(x - radius) + f.getHalf() - 1, i1 = (int)std::ceil(x + radius) + f.getHalf() + 1;
    int j0 = (int)std::floor(z - radius) + f.getHalf() - 1, j1 = (int)std::ceil(z + radius) + f.getHalf() + 1;
    for (int j = j0; j <= j1; ++j)
        for (int i = i0; i <= i1; ++i) {
            double wx = f.worldX(i), wz = f.worldZ(j);
            bool around = std::fabs(wx - x) < 1 && std::fabs(wz - z) < 1;
            if (!around && std::hypot(wx - x, wz - z) > radius) continue;
            int l = f.level(i, j);
            if (l < 0) return "no ground at " + at(wx, wz);
            found = l;
            lowest = std::min(lowest, l);
            highest = std::max(highest, l);
        }
    if (lowest != highest) return "uneven ground, levels " + std::to_string(lowest) + " to " + std::to_string(highest);
    if (found < low || found > high)
        return "level " + std::to_string(found) + ", wanted " + std::to_string(low) + " to " + std::to_string(high);
    return "";
}

}  // namespace

TEST(TerrainPlacement, EverythingPlacedStandsOnLevelGroundAtItsLevel) {
    Problems problems;
    for (const Footing& f : footings()) {
        const HeightField& map = field(f.island);
        ASSERT_TRUE(map.loaded());
        int low = std::max(f.low, safeLevel(f.island));
        std::string wrong = levelGround(map, f.x, f.z, f.radius, low, f.high);
        if (!wrong.empty()) problems.add(f.island, std::string(f.what) + " at " + at(f.x, f.z) + ": " + wrong);
        if (f.kind == Kind::SHOP) {
            // The market table's own collision circle, 7 along world x.
            wrong = levelGround(map, f.x + 7, f.z, 2, low, f.high);
            if (!wrong.empty()) problems.add(f.island, "shop table at " + at(f.x + 7, f.z) + ": " + wrong);
        }
    }
    for (const QuestSite& q : questSites()) {
        if (field(q.island).height(q.x, q.z) == HeightField::UNDEFINED)
            problems.add(q.island, "quest point over no ground at " + at(q.x, q.z));
    }
    EXPECT_TRUE(problems.empty()) << problems.report();
}

// Arriving heroes fall from 2.75 in front of the gate; the slab, the pillars
// and the way round both ends need level ground at the gate's own height.
TEST(TerrainPlacement, GatesStandOnLevelGroundWithRoomAllRound) {
    Problems problems;
    for (int g = 0; g < 24; ++g) {
        const GateSite& gate = gateSites()[g];
        const HeightField& map = field(gate.island);
        int low = std::max(gate.level(), safeLevel(gate.island));
        std::string wrong = levelGround(map, gate.x, gate.z, 9, low, gate.level());
        if (!wrong.empty()) problems.add(gate.island, "gate " + std::to_string(g) + ": " + wrong);
        Ground arrival = gate.arrival();
        if (map.height(arrival.x, arrival.z) == HeightField::UNDEFINED)
            problems.add(gate.island, "gate " + std::to_string(g) + " arrival over no ground");
    }
    EXPECT_TRUE(problems.empty()) << problems.report();
}

TEST(TerrainPlacement, GroundPlanesLieOnExactlyLevelSquares) {
    Problems problems;
    for (const GroundPlane& plane : groundPlanes()) {
        const HeightField& map = field(plane.island);
        double h = plane.side / 2;
        for (int j = (int)std::floor(plane.z - h) + map.getHalf(); j <= (int)std::ceil(plane.z + h) + map.getHalf(); ++j)
            for (int i = (int)std::floor(plane.x - h) + map.getHalf(); i <= (int)std::ceil(plane.x + h) + map.getHalf();
                 ++i)
                if (map.level(i, j) != plane.level)
                    problems.add(plane.island, "plane at " + at(plane.x, plane.z) + " has level " +
                                                   std::to_string(map.level(i, j)) + " at " +
                                                   at(map.worldX(i), map.worldZ(j)));
    }
    EXPECT_TRUE(problems.empty()) << problems.report();
}

// Water and lava planes are drawn over their whole outline but show only
// where the ground is lower; the wading and lava tests ignore the outline.
TEST(TerrainPlacement, WaterAndLavaLieLowOnlyInsideTheirOutlines) {
    Problems problems;
    for (const Surface& s : surfaces()) {
        const HeightField& map = field(s.island);
        int inside = 0, under = 0, lowOutside = 0;
        for (int j = 0; j < map.getSide(); ++j)
            for (int i = 0; i < map.getSide(); ++i) {
                int l = map.level(i, j);
                if (l < 0) continue;
                if (insideOutline(s.outline, map.worldX(i), map.worldZ(j))) {
                    inside++;
                    if (l < s.level) under++;
                } else if (l < s.dryAtLeast) {
                    if (lowOutside++ < 5)
                        problems.add(s.island, "level " + std::to_string(l) + " outside the outline at " +
                                                   at(map.worldX(i), map.worldZ(j)));
                }
            }
        if (lowOutside > 5) problems.add(s.island, std::to_string(lowOutside) + " low samples outside the outline");
        if (under * 4 < inside)
            problems.add(s.island, "only " + std::to_string(under) + " of " + std::to_string(inside) +
                                       " samples inside the outline lie under the surface");
    }
    // Island 4's pond sits in a rim on its plateau.
    const HeightField& map = field(4);
    const Crest* lip = nullptr;
    for (const Crest& c : crests())
        if (c.island == 4) lip = &c;
    ASSERT_NE(lip, nullptr);
    const Surface& pond = pond4();
    int inside = 0, under = 0;
    for (int j = 0; j < map.getSide(); ++j)
        for (int i = 0; i < map.getSide(); ++i) {
            double x = map.worldX(i), z = map.worldZ(j);
            int l = map.level(i, j);
            if (l < 0) continue;
            if (insideOutline(pond.outline, x, z)) {
                inside++;
                if (l < pond.level) under++;
            } else if (outlineDistance(pond.outline, x, z) < 2 && segmentDistance(lip->start, lip->end, x, z) > 4 &&
                       l < pond.dryAtLeast) {
                problems.add(4, "pond rim at level " + std::to_string(l) + " at " + at(x, z));
            }
        }
    if (under * 2 < inside) problems.add(4, "the pond is mostly dry");
    EXPECT_TRUE(problems.empty()) << problems.report();
}

// Each waterfall's spray must fall where it looks right: off the island's
// edge (islands 1 and 8), down a cliff into the lake (4), or from the cave
// roof into the lake in front of the mouth (7).
TEST(TerrainPlacement, WaterfallsPourFromTheirCrests) {
    struct Expectation {
        int island;
        double behind;  // distance back from the crest, away from the spray
        int behindLow, behindHigh;
        double beyond;  // distance out along the spray
        int beyondHigh;  // -1: no ground at all
    };
    const Expectation expectations[] = {
        {1, 2.0, 0, 2, 2.5, -1},
        {4, 1.0, 44, 51, 6.0, 22},
        {7, 3.0, 13, 13, 6.0, 7},
        {8, 2.0, 0, 2, 2.5, -1},
    };
    Problems problems;
    for (const Expectation& e : expectations) {
        const Crest* crest = nullptr;
        for (const Crest& c : crests())
            if (c.island == e.island) crest = &c;
        ASSERT_NE(crest, nullptr);
        const HeightField& map = field(e.island);
        Ground spray = crest->spray();
        for (double t : {0.1, 0.3, 0.5, 0.7, 0.9}) {
            double x = crest->start.x + t * (crest->end.x - crest->start.x);
            double z = crest->start.z + t * (crest->end.z - crest->start.z);
            double back = map.height(x - e.behind * spray.x, z - e.behind * spray.z);
            if (back == HeightField::UNDEFINED || back < e.behindLow || back > e.behindHigh)
                problems.add(e.island, "behind the crest at " + at(x, z) + " the ground is " + std::to_string(back));
            double bx = x + e.beyond * spray.x, bz = z + e.beyond * spray.z;
            double out = e.beyondHigh < 0 ? map.highestAround(bx, bz) : map.height(bx, bz);
            if (e.beyondHigh < 0 ? out != HeightField::UNDEFINED
                                 : (out == HeightField::UNDEFINED || out > e.beyondHigh))
                problems.add(e.island, "beyond the crest at " + at(bx, bz) + " the ground is " + std::to_string(out));
        }
    }
    EXPECT_TRUE(problems.empty()) << problems.report();
}

// Walls start a little above the ground; where the ground falls away a hero
// would walk under them.
TEST(TerrainPlacement, WallChainsStandOnHighEnoughGround) {
    Problems problems;
    for (const WallChain& chain : wallChains()) {
        const HeightField& map = field(chain.island);
        for (size_t k = 0; k + 1 < chain.points.size(); ++k) {
            Ground a = chain.points[k], b = chain.points[k + 1];
            double length = std::hypot(b.x - a.x, b.z - a.z);
            for (double s = 0; s <= length; s += 0.5) {
                double x = a.x + (b.x - a.x) * s / length, z = a.z + (b.z - a.z) * s / length;
                double h = map.height(x, z);
                if (h == HeightField::UNDEFINED || h < chain.lowestGround)
                    problems.add(chain.island, "wall over ground " + std::to_string(h) + " at " + at(x, z));
            }
        }
    }
    EXPECT_TRUE(problems.empty()) << problems.report();
}

// The ground must stay more than a unit below every camera eye, along the
// straight flights between key frames too.
TEST(TerrainPlacement, CameraPathsStayClearOfTheGround) {
    Problems problems;
    for (const CameraPath& path : cameraPaths()) {
        const HeightField& map = field(path.island);
        for (size_t k = 0; k < path.eyes.size(); ++k) {
            Eye a = path.eyes[k], b = path.eyes[std::min(k + 1, path.eyes.size() - 1)];
            double length = std::hypot(b.x - a.x, b.z - a.z);
            int steps = std::max(1, (int)(length / 0.25));
            for (int s = 0; s <= steps; ++s) {
                double t = (double)s / steps;
                double x = a.x + t * (b.x - a.x), y = a.y + t * (b.y - a.y), z = a.z + t * (b.z - a.z);
                double top = map.highestAround(x, z);
                if (top != HeightField::UNDEFINED && top >= y - 1) {
                    problems.add(path.island, "ground " + std::to_string((int)top) + " under the eye at " + at(x, z) +
                                                  " height " + std::to_string(y));
                    break;
                }
            }
        }
    }
    EXPECT_TRUE(problems.empty()) << problems.report();
}

// Each island's key sets the hero down at its start facing north, with the
// camera orbiting ten units behind him and a little above. Ground rising
// behind the start pulls the camera in until his back fills the screen, or
// hides him below the waist; the ground is also sampled under the sight
// line, apart from the camera's own test.
TEST(TerrainPlacement, TheCameraSeesTheWholeHeroFromItsFullOrbitAtEveryStart) {
    Controller& c = gameWorld();
    Problems problems;
    for (bool& key : c.keys) key = false;
    for (int island = 0; island < ISLAND_COUNT; ++island) {
        c.setCurrentIsland(island);
        c.cutScenePlaying = false;
        for (int k = 0; k < 200 && c.hero.getHeightMap() == nullptr; ++k) c.hero.updateHero(true, c.keys, 0, 0, &c);
        if (c.hero.getHeightMap() == nullptr) {
            problems.add(island, "the hero never lands at the start");
            continue;
        }
        c.camera.setCameraMode(CAMERA_THIRD_PERSON);
        c.camera.heroMoved(&c.hero, &c);
        Vector3D hero = c.hero.getPosition(), eye = c.camera.getEye();
        float distance = eye.subtract(&hero).getLength();
        if (distance < 9.99f) {
            problems.add(island, "the camera stands " + std::to_string(distance) + " from the hero at " +
                                     at(hero.x, hero.z));
            continue;
        }
        // From the eye to a point of the hero a little above his feet.
        HeightMap* map = c.getCurrentHeightMap();
        double kneeY = hero.y - 1.0;
        for (int s = 0; s <= 100; ++s) {
            double t = s / 100.0;
            double x = eye.x + t * (hero.x - eye.x), y = eye.y + t * (kneeY - eye.y), z = eye.z + t * (hero.z - eye.z);
            float ground = map->getHeight((float)x, (float)z);
            if (ground != UNDEFINED_HEIGHT && ground > y) {
                problems.add(island, "ground " + std::to_string(ground) + " at " + at(x, z) +
                                         " hides the hero at the start from the camera");
                break;
            }
        }
    }
    EXPECT_TRUE(problems.empty()) << problems.report();
}

// The game stops loading an island's coins at the first one over no ground.
TEST(TerrainPlacement, EveryCoinLiesOverWalkableGround) {
    Problems problems;
    for (int island = 0; island < 13; ++island) {
        const IslandFiles& files = islandFiles[island];
        if (!*files.money) continue;
        std::vector<uint8_t> coins = loadMapBytes(files.money, files.side);
        ASSERT_FALSE(coins.empty()) << files.money;
        const HeightField& map = field(island);
        int count = 0;
        for (int c = 0; c < files.side; ++c)
            for (int r = 0; r < files.side; ++r) {
                if (!coins[(size_t)r * files.side + c]) continue;
                count++;
                double x = c - 0.5 * files.side, z = r - 0.5 * files.side;
                double h = map.height(x, z);
                if (h == HeightField::UNDEFINED || h < safeLevel(island))
                    problems.add(island, "coin over ground " + std::to_string(h) + " at " + at(x, z));
            }
        if (count < 20 || count > 120) problems.add(island, std::to_string(count) + " coins");
        // The game stops at the first coin over no ground: it must have
        // placed every one.
        int placed = 0;
        for (HoldableItem* item : gameWorld().islands[island]->islandHoldableItems) placed += item->getIsMoney();
        if (placed != count)
            problems.add(island, "the game placed " + std::to_string(placed) + " of " + std::to_string(count) + " coins");
    }
    EXPECT_TRUE(problems.empty()) << problems.report();
}

// Trees are solid: none on gates, buildings, volcanoes, spirits or inside the
// cave and castle walls. Island 10 grows island 9's trees, so those pixels
// must suit both islands. Plants stay within what a frame can draw.
TEST(TerrainPlacement, TreesKeepClearOfWhatTheGamePlaces) {
    Problems problems;
    for (int island = 0; island < 13; ++island) {
        const IslandFiles& files = islandFiles[island];
        std::vector<uint8_t> trees = loadMapBytes(std::string(files.nature) + "Trees.bmp", files.natureSide);
        ASSERT_FALSE(trees.empty()) << files.nature;
        const HeightField& map = field(island);
        int planted = 0;
        for (int r = 0; r < files.side; ++r)
            for (int c = 0; c < files.side; ++c) {
                if (!trees[(size_t)r * files.natureSide + c]) continue;
                double x = c - 0.5 * files.side, z = r - 0.5 * files.side;
                if (map.height(x, z) == HeightField::UNDEFINED) continue;  // nothing grows over no ground
                planted++;
                auto tooClose = [&](double px, double pz, double clearance, const std::string& what) {
                    if (std::hypot(px - x, pz - z) < clearance)
                        problems.add(island, "tree at " + at(x, z) + " within " + std::to_string((int)clearance) +
                                                 " of the " + what + " at " + at(px, pz));
                };
                for (const GateSite& g : gateSites())
                    if (g.island == island) tooClose(g.x, g.z, 12, "gate");
                for (const Footing& f : footings()) {
                    if (f.island != island) continue;
                    double clearance = f.kind == Kind::SHOP       ? 10
                                       : f.kind == Kind::BUILDING || f.kind == Kind::HUT ? 8
                                       : f.kind == Kind::VOLCANO  ? 9
                                                                  : 4;
                    tooClose(f.x, f.z, clearance, f.what);
                }
                for (const QuestSite& q : questSites())
                    if (q.island == island) tooClose(q.x, q.z, 6, "quest point");
                if (island == 7) tooClose(46.6842, 75.092, 14, "cave");
                if (island == 12 && x > -21 && x < 60 && z > 16 && z < 105)
                    problems.add(island, "tree inside the castle at " + at(x, z));
            }
        if (planted < 15 || planted > 60)
            problems.add(island, std::to_string(planted) + " trees");
        // Every flower is three mesh draws and every tuft one, each frame.
        int small = 0;
        for (const char* kind : {"Flowers.bmp", "Grass.bmp"}) {
            std::vector<uint8_t> layer = loadMapBytes(std::string(files.nature) + kind, files.natureSide);
            for (int r = 0; r < files.side && !layer.empty(); ++r)
                for (int c = 0; c < files.side; ++c)
                    if (layer[(size_t)r * files.natureSide + c] &&
                        map.height(c - 0.5 * files.side, r - 0.5 * files.side) != HeightField::UNDEFINED)
                        small++;
        }
        if (small > 500) problems.add(island, std::to_string(small) + " flowers and tufts of grass");
    }
    EXPECT_TRUE(problems.empty()) << problems.report();
}
