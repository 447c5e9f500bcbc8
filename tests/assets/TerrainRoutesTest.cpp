#include <gtest/gtest.h>

#include <cmath>
#include <deque>
#include <string>

#include "TerrainLayout.h"

namespace {

// Where a walking hero can go, sample by sample. The hero's ground is whole
// levels, so a rise of one needs a standing jump: it lands on a tread at
// least 3 samples deep along the move and 6 wide across it. Going down is
// free. Holes, ground next to holes (where the height is undefined), deadly
// lava and anything solid are off limits.
class StepGrid {
public:
    StepGrid(int side, std::vector<int> levels, int safe) : side(side), levels(std::move(levels)), safe(safe) {
        blocked.assign((size_t)side * side, 0);
    }

    StepGrid(const HeightField& field, int safe) : side(field.getSide()), safe(safe) {
        for (int j = 0; j < side; ++j)
            for (int i = 0; i < side; ++i) levels.push_back(field.level(i, j));
        blocked.assign((size_t)side * side, 0);
        half = field.getHalf();
    }

    int level(int i, int j) const {
        return i >= 0 && j >= 0 && i < side && j < side ? levels[(size_t)j * side + i] : -1;
    }

    // Solid things the hero's body (radius 1.65) cannot overlap.
    void blockCircle(double x, double z, double radius) {
        double reach = radius + 1.65;
        for (int j = (int)std::floor(z - reach) + half; j <= (int)std::ceil(z + reach) + half; ++j)
            for (int i = (int)std::floor(x - reach) + half; i <= (int)std::ceil(x + reach) + half; ++i)
                if (i >= 0 && j >= 0 && i < side && j < side && std::hypot(i - half - x, j - half - z) < reach)
                    blocked[(size_t)j * side + i] = 1;
    }

    void blockSegment(Ground a, Ground b) {
        double reach = 1.65;
        for (int j = (int)std::floor(std::min(a.z, b.z) - reach) + half;
             j <= (int)std::ceil(std::max(a.z, b.z) + reach) + half; ++j)
            for (int i = (int)std::floor(std::min(a.x, b.x) - reach) + half;
                 i <= (int)std::ceil(std::max(a.x, b.x) + reach) + half; ++i)
                if (i >= 0 && j >= 0 && i < side && j < side && segmentDistance(a, b, i - half, j - half) < reach)
                    blocked[(size_t)j * side + i] = 1;
    }

    bool walkable(int i, int j) const {
        int l = level(i, j);
        if (l < 0 || l < safe || blocked[(size_t)j * side + i]) return false;
        for (int dj = -1; dj <= 1; ++dj)
            for (int di = -1; di <= 1; ++di)
                if (level(i + di, j + dj) < 0) return false;
        return true;
    }

    bool canStep(int i, int j, int di, int dj) const {
        int ni = i + di, nj = j + dj;
        if (!walkable(ni, nj)) return false;
        int from = level(i, j), to = level(ni, nj);
        if (to <= from) return true;
        if (to > from + 1) return false;
        int pi = -dj, pj = di;  // across the move
        for (int offset = -5; offset <= 0; ++offset) {
            bool tread = true;
            for (int k = 0; k < 3 && tread; ++k)
                for (int w = offset; w < offset + 6 && tread; ++w)
                    if (level(ni + k * di + w * pi, nj + k * dj + w * pj) != to) tread = false;
            if (tread) return true;
        }
        return false;
    }

    std::vector<char> reachableFrom(const std::vector<int>& starts) const {
        std::vector<char> seen((size_t)side * side, 0);
        std::deque<int> queue;
        for (int cell : starts) {
            seen[cell] = 1;
            queue.push_back(cell);
        }
        const int moves[4][2] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}};
        while (!queue.empty()) {
            int cell = queue.front();
            queue.pop_front();
            int i = cell % side, j = cell / side;
            for (const auto& m : moves) {
                int next = (j + m[1]) * side + (i + m[0]);
                if (i + m[0] < 0 || j + m[1] < 0 || i + m[0] >= side || j + m[1] >= side || seen[next]) continue;
                if (!canStep(i, j, m[0], m[1])) continue;
                seen[next] = 1;
                queue.push_back(next);
            }
        }
        return seen;
    }

    // Walkable samples near a point, or from which a quest point fires.
    std::vector<int> cellsNear(double x, double z, double reach) const {
        std::vector<int> cells;
        for (int j = 0; j < side; ++j)
            for (int i = 0; i < side; ++i)
                if (walkable(i, j) && std::hypot(i - half - x, j - half - z) <= reach) cells.push_back(j * side + i);
        return cells;
    }

    std::vector<int> cellsFiring(const QuestSite& q) const {
        std::vector<int> cells;
        for (int j = 0; j < side; ++j)
            for (int i = 0; i < side; ++i) {
                if (!walkable(i, j)) continue;
                double dy = level(i, j) + 1.3 - q.y;
                if (std::sqrt(std::pow(i - half - q.x, 2) + dy * dy + std::pow(j - half - q.z, 2)) - 1 <= 8)
                    cells.push_back(j * side + i);
            }
        return cells;
    }

    int getSide() const { return side; }

private:
    int side;
    int half = 0;
    std::vector<int> levels;
    std::vector<char> blocked;
    int safe;
};

// Everything solid the island holds: buildings, props, volcanoes, gate
// slabs and pillars, wall chains and the trees of its overlay.
void blockSolids(StepGrid& grid, int island) {
    for (const Footing& f : footings()) {
        if (f.island != island) continue;
        switch (f.kind) {
            case Kind::BUILDING:
            case Kind::PROP: grid.blockCircle(f.x, f.z, f.radius); break;
            case Kind::HUT:
                grid.blockCircle(f.x, f.z, 5.6);
                grid.blockCircle(f.x, f.z - 3, 5.5);  // the hut on top blocks at every height
                break;
            case Kind::SHOP:
                grid.blockCircle(f.x, f.z, 4);
                grid.blockCircle(f.x + 7, f.z, 2);
                break;
            case Kind::VOLCANO: grid.blockCircle(f.x, f.z, 7); break;
            default: break;
        }
    }
    for (const GateSite& g : gateSites()) {
        if (g.island != island) continue;
        Ground n = g.front(), s = {n.z, -n.x};  // the slab runs along s
        for (double depth : {-0.7, 0.1}) {
            Ground a = {g.x + 5.8 * s.x + depth * n.x, g.z + 5.8 * s.z + depth * n.z};
            Ground b = {g.x - 5.8 * s.x + depth * n.x, g.z - 5.8 * s.z + depth * n.z};
            grid.blockSegment(a, b);
        }
        for (double side : {6.0, -6.0}) grid.blockCircle(g.x + side * s.x + 4.5 * n.x, g.z + side * s.z + 4.5 * n.z, 0.5);
    }
    for (const WallChain& chain : wallChains()) {
        if (chain.island != island) continue;
        for (size_t k = 0; k + 1 < chain.points.size(); ++k) grid.blockSegment(chain.points[k], chain.points[k + 1]);
    }
    const IslandFiles& files = islandFiles[island];
    std::vector<uint8_t> trees = loadMapBytes(std::string(files.nature) + "Trees.bmp", files.natureSide);
    for (int r = 0; r < files.side && !trees.empty(); ++r)
        for (int c = 0; c < files.side; ++c)
            if (trees[(size_t)r * files.natureSide + c]) grid.blockCircle(c - 0.5 * files.side, r - 0.5 * files.side, 2);
}

struct Goal {
    std::string name;
    std::vector<int> cells;
};

Goal arrivalOf(const StepGrid& grid, int gate) {
    Ground a = gateSites()[gate].arrival();
    return {"gate " + std::to_string(gate), grid.cellsNear(a.x, a.z, 2.5)};
}

Goal questOf(const StepGrid& grid, int island) {
    for (const QuestSite& q : questSites())
        if (q.island == island) return {"quest point", grid.cellsFiring(q)};
    return {"quest point", {}};
}

// The places of each island a player must be able to walk between, both
// ways (the optional ones we build reachable too: the vial, the east of
// island 3, the shops).
std::vector<Goal> goalsOf(const StepGrid& g, int island) {
    switch (island) {
        case 0: return {{"start", g.cellsNear(5.789, -0.786, 2)}, questOf(g, 0), arrivalOf(g, 0)};
        case 1: return {arrivalOf(g, 1), arrivalOf(g, 2), arrivalOf(g, 4), {"vial", g.cellsNear(10, 10, 4)}};
        case 2: return {arrivalOf(g, 3), arrivalOf(g, 8), arrivalOf(g, 6)};
        case 3: return {arrivalOf(g, 5), {"east lowland", g.cellsNear(110.865, -5.42128, 4)}};
        case 4: return {arrivalOf(g, 9), questOf(g, 4)};
        case 5:
            return {arrivalOf(g, 7), questOf(g, 5), arrivalOf(g, 14), arrivalOf(g, 10),
                    {"shop", g.cellsNear(69.7786, -60.5734, 12)}};
        case 6: return {arrivalOf(g, 11), arrivalOf(g, 16), arrivalOf(g, 12)};
        case 7: return {arrivalOf(g, 13), {"gauntlets", g.cellsNear(47.6171, 70.5469, 4)}};
        case 8: return {arrivalOf(g, 17), arrivalOf(g, 20)};
        case 9: return {arrivalOf(g, 19), {"ring", g.cellsNear(-40.6063, -58.3563, 4)}};
        case 10: return {arrivalOf(g, 15), arrivalOf(g, 18)};
        case 11: return {arrivalOf(g, 21), arrivalOf(g, 22), {"shop", g.cellsNear(58.6924, -4.44712, 12)}};
        case 12:
            return {arrivalOf(g, 23), questOf(g, 12), {"boss", g.cellsNear(14.4376, 47.9318, 4)},
                    {"princess", g.cellsNear(9.33125, 74.2513, 4)}};
    }
    return {};
}

}  // namespace

// The checker itself must refuse what a hero cannot climb: a field of level
// 0 in the west rises at column 10 onto a tread, walled in by high rock.
TEST(TerrainRoutes, StepRuleRefusesWhatTheHeroCannotClimb) {
    struct Case {
        const char* name;
        int rise;
        int depth;  // the tread's samples along the walk
        int width;  // and across it
        bool hole;  // a trench without ground on the way
        bool reachable;
    };
    const Case cases[] = {
        {"one-unit step onto a broad tread", 1, 4, 12, false, true},
        {"two-unit step", 2, 4, 12, false, false},
        {"tread too shallow to land on", 1, 2, 12, false, false},
        {"tread too narrow to land on", 1, 4, 5, false, false},
        {"trench without ground", 0, 4, 12, true, false},
    };
    const int side = 24;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<int> levels((size_t)side * side, -1);
        int first = 12 - c.width / 2;
        for (int j = 2; j < side - 2; ++j)
            for (int i = 2; i < side - 2; ++i) {
                bool tread = i >= 10 && i < 10 + c.depth && j >= first && j < first + c.width;
                int l = i < 10 ? 0 : tread ? c.rise : 50;
                if (c.hole && i == 7) l = -1;
                levels[(size_t)j * side + i] = l;
            }
        StepGrid grid(side, levels, 0);
        std::vector<char> seen = grid.reachableFrom({12 * side + 4});
        EXPECT_EQ((bool)seen[12 * side + 10 + c.depth - 1], c.reachable);
    }
    // Nothing below the safe level of a lava island is walkable.
    StepGrid lava(10, std::vector<int>(100, 13), 14);
    EXPECT_FALSE(lava.walkable(5, 5));
}

TEST(TerrainRoutes, HeroCanWalkBetweenEveryGoalOfEachIsland) {
    std::string problems;
    for (int island = 0; island < 13; ++island) {
        HeightField field(islandFiles[island].heightMap, islandFiles[island].side);
        ASSERT_TRUE(field.loaded());
        StepGrid grid(field, safeLevel(island));
        blockSolids(grid, island);
        std::vector<Goal> goals = goalsOf(grid, island);
        for (const Goal& from : goals) {
            if (from.cells.empty()) {
                problems += "island " + std::to_string(island) + ": no walkable ground at the " + from.name + "\n";
                continue;
            }
            std::vector<char> seen = grid.reachableFrom(from.cells);
            for (const Goal& to : goals) {
                if (&to == &from || to.cells.empty()) continue;
                bool reached = false;
                for (int cell : to.cells) reached = reached || seen[cell];
                if (!reached)
                    problems += "island " + std::to_string(island) + ": no way from the " + from.name + " to the " +
                                to.name + "\n";
            }
        }
    }
    EXPECT_TRUE(problems.empty()) << problems;
}
