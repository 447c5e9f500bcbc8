#include <gtest/gtest.h>

#include <SDL.h>

#include <algorithm>
#include <cmath>
#include <queue>
#include <sstream>
#include <string>
#include <vector>

#include "AssetPack.h"
#include "Controller/Controller.h"
#include "Island/Island.h"
#include "Object/HeightMap/HeightMap.h"
#include "TerrainLayout.h"
#include "support/Fixtures.h"
#include "support/GameFolder.h"

// Every required place of each island, reached on foot by the game's own
// hero code: a planner picks the terraces to cross, and a pilot holds the
// keys a player would (turn, walk, tap the jump), frame by frame, through
// the hero's real frame update against the real terrain. Where the pilot
// cannot get through, the terrain is what has to change, not the rules.
namespace {

// The layout's solids (buildings, props, volcanoes, gate slabs and pillars,
// wall chains and the trees of the overlay), as cells the hero's body
// (radius 1.65) cannot stand on. The islands' own objects answer the
// controller's probes once they are placed; until then this keeps the ways
// clear of where they will stand.
class SolidMask {
public:
    explicit SolidMask(int side) : side(side), half(side / 2), blocked((size_t)side * side, 0) {}

    bool at(int i, int j) const { return i >= 0 && j >= 0 && i < side && j < side && blocked[(size_t)j * side + i]; }

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

private:
    int side;
    int half;
    std::vector<char> blocked;
};

// Everything solid the island holds: buildings, props, volcanoes, gate
// slabs and pillars, wall chains and the trees of its overlay.
void blockSolids(SolidMask& grid, int island) {
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

struct Cell {
    int i, j;
};

// The highest rise a standing jump gets the hero onto: the jump lifts the
// foot 4.62, and the body must clear the edge by 0.3 before it moves on.
const int MAX_CLIMB = 4;

class Terrain {
public:
    // `solids`, when given, marks further cells the hero must keep off.
    Terrain(Controller& c, int island, const SolidMask* solids = nullptr) : c(c), island(island), solids(solids) {
        Vector3D far(100000, 0, 100000);
        c.hero.setLocation(&far);  // the hero is no obstacle to itself
        HeightMap* map = c.getCurrentHeightMap();
        side = (int)map->getSize();
        half = side / 2;
        level.assign((size_t)side * side, -1);
        for (int j = 0; j < side; ++j)
            for (int i = 0; i < side; ++i) {
                float h = map->getHeight((float)(i - half), (float)(j - half));
                level[idx(i, j)] = h == UNDEFINED_HEIGHT ? -1 : (int)std::lround(h);
            }
        walkable.assign((size_t)side * side, 0);
        for (int j = 1; j + 1 < side; ++j)
            for (int i = 1; i + 1 < side; ++i) walkable[idx(i, j)] = isWalkable(i, j);
    }

    int idx(int i, int j) const { return j * side + i; }
    int levelAt(int i, int j) const { return i < 0 || j < 0 || i >= side || j >= side ? -1 : level[idx(i, j)]; }
    bool canStand(int i, int j) const {
        return i >= 0 && j >= 0 && i < side && j < side && walkable[idx(i, j)];
    }
    float x(int i) const { return (float)(i - half); }
    float z(int j) const { return (float)(j - half); }
    Cell cellAt(float px, float pz) const { return {(int)std::lround(px) + half, (int)std::lround(pz) + half}; }

    // Cheapest way over the terraces: any drop, a standing jump up to four
    // onto a tread at least two deep; cells beside other levels cost more,
    // so the way keeps to the middle of each tread.
    std::vector<Cell> plan(Cell from, const std::vector<Cell>& goals) const {
        std::vector<float> cost((size_t)side * side, 1e30f);
        std::vector<int> previous((size_t)side * side, -1);
        std::vector<char> goal((size_t)side * side, 0);
        for (Cell g : goals) goal[idx(g.i, g.j)] = 1;
        typedef std::pair<float, int> Entry;
        std::priority_queue<Entry, std::vector<Entry>, std::greater<Entry>> open;
        cost[idx(from.i, from.j)] = 0;
        open.push({0, idx(from.i, from.j)});
        while (!open.empty()) {
            Entry e = open.top();
            open.pop();
            if (e.first > cost[e.second]) continue;
            int i = e.second % side, j = e.second / side;
            if (goal[e.second]) {
                std::vector<Cell> path;
                for (int k = e.second; k >= 0; k = previous[k]) path.push_back({k % side, k / side});
                std::reverse(path.begin(), path.end());
                return path;
            }
            auto relax = [&](int ni, int nj, float step) {
                float total = e.first + step;
                int n = idx(ni, nj);
                if (total < cost[n]) {
                    cost[n] = total;
                    previous[n] = e.second;
                    open.push({total, n});
                }
            };
            int from = levelAt(i, j);
            for (int dj = -1; dj <= 1; ++dj)
                for (int di = -1; di <= 1; ++di) {
                    if (!di && !dj) continue;
                    // Level or down, with no higher ground where the eye
                    // arrives, a unit ahead.
                    int ni = i + di, nj = j + dj;
                    if (canStand(ni, nj) && levelAt(ni, nj) <= from && eyeClear(ni, nj, di, dj))
                        relax(ni, nj, ((di && dj) ? 1.4142f : 1.0f) + 4.0f * edginess(ni, nj));
                    // A climb of up to four, straight at the step: from two
                    // samples before its edge onto a tread at least two deep.
                    if (di && dj) continue;
                    if (levelAt(i + di, j + dj) != from || levelAt(i + 2 * di, j + 2 * dj) != from) continue;
                    if (!canStand(i + di, j + dj) || !canStand(i + 2 * di, j + 2 * dj)) continue;
                    int ui = i + 3 * di, uj = j + 3 * dj, upper = levelAt(ui, uj);
                    if (upper > from && upper <= from + MAX_CLIMB && levelAt(ui + di, uj + dj) == upper &&
                        canStand(ui, uj) && eyeClear(ui, uj, di, dj))
                        relax(ui, uj, 3.0f + 4.0f + 4.0f * edginess(ui, uj));
                }
        }
        return {};
    }

    // Nothing higher than the cell where the eye is when the hero arrives
    // there walking along (di, dj).
    bool eyeClear(int i, int j, int di, int dj) const {
        int l = levelAt(i, j);
        if (di && dj) return levelAt(i + di, j) <= l && levelAt(i, j + dj) <= l && levelAt(i + di, j + dj) <= l;
        int pi = dj, pj = di;
        for (int w = -1; w <= 1; ++w)
            if (levelAt(i + di + w * pi, j + dj + w * pj) > l) return false;
        return true;
    }

    // Standable, and no ground within a sample higher than its own.
    bool isOpen(int i, int j) const {
        if (!canStand(i, j)) return false;
        int l = levelAt(i, j);
        for (int dj = -1; dj <= 1; ++dj)
            for (int di = -1; di <= 1; ++di)
                if (levelAt(i + di, j + dj) > l) return false;
        return true;
    }

    // Cells within two samples on another level.
    int edginess(int i, int j) const {
        int l = levelAt(i, j), n = 0;
        for (int dj = -2; dj <= 2; ++dj)
            for (int di = -2; di <= 2; ++di)
                if (levelAt(i + di, j + dj) != l) n++;
        return n;
    }

    // Straight stretches over one level with a sample of clearance either
    // side; the way breaks at every change of level.
    std::vector<Vector3D> waypoints(const std::vector<Cell>& path) const {
        std::vector<Vector3D> out;
        size_t anchor = 0;
        while (anchor + 1 < path.size()) {
            size_t best = anchor + 1;
            int l = levelAt(path[anchor].i, path[anchor].j);
            for (size_t k = anchor + 2; k < path.size(); ++k) {
                if (levelAt(path[k].i, path[k].j) != l || levelAt(path[k - 1].i, path[k - 1].j) != l) break;
                if (clearLine(path[anchor], path[k], l)) best = k;
            }
            // Both sides of a change of level are waypoints.
            if (levelAt(path[best].i, path[best].j) != l && (out.empty() || !same(out.back(), point(path[anchor])))) {
                out.push_back(point(path[anchor]));
            }
            out.push_back(point(path[best]));
            anchor = best;
        }
        if (out.empty() && !path.empty()) out.push_back(point(path[0]));
        return out;
    }

    static bool same(Vector3D a, Vector3D b) { return a.equals(&b); }
    Vector3D point(Cell c) const { return Vector3D(x(c.i), (float)levelAt(c.i, c.j), z(c.j)); }

    template <class Test>
    std::vector<Cell> cellsWhere(Test test) const {
        std::vector<Cell> cells;
        for (int j = 0; j < side; ++j)
            for (int i = 0; i < side; ++i)
                if (canStand(i, j) && test(point({i, j}))) cells.push_back({i, j});
        return cells;
    }

    Cell nearestStandable(Vector3D p) const {
        Cell best = cellAt(p.x, p.z);
        float bestDistance = 1e30f;
        Cell around = best;
        for (int dj = -3; dj <= 3; ++dj)
            for (int di = -3; di <= 3; ++di) {
                Cell c = {around.i + di, around.j + dj};
                float d = std::hypot(x(c.i) - p.x, z(c.j) - p.z);
                if (canStand(c.i, c.j) && d < bestDistance) {
                    bestDistance = d;
                    best = c;
                }
            }
        return best;
    }

private:
    bool isWalkable(int i, int j) {
        int l = levelAt(i, j);
        if (l < 0 || l < safeLevel(island) || (solids && solids->at(i, j))) return false;
        for (int dj = -1; dj <= 1; ++dj)
            for (int di = -1; di <= 1; ++di)
                if (levelAt(i + di, j + dj) < 0) return false;
        // Everything solid the island holds answers through the controller:
        // its buildings, props, gates, spirits and trees once they are placed.
        Vector3D body(x(i), l + 1.3f, z(j));
        return c.doesSphereCollideWithObject(&body, 1.65f + 0.5f) == nullptr;
    }

    bool clearLine(Cell a, Cell b, int l) const {
        float ax = x(a.i), az = z(a.j), bx = x(b.i), bz = z(b.j);
        float length = std::hypot(bx - ax, bz - az);
        for (float t = 0; t <= length; t += 0.25f) {
            float px = ax + (bx - ax) * t / length, pz = az + (bz - az) * t / length;
            for (int dj = -1; dj <= 1; ++dj)
                for (int di = -1; di <= 1; ++di) {
                    Cell c = cellAt(px + di, pz + dj);
                    if (levelAt(c.i, c.j) != l || !canStand(c.i, c.j)) return false;
                }
        }
        return true;
    }

    Controller& c;
    int island;
    const SolidMask* solids;
    int side = 0, half = 0;
    std::vector<int> level;
    std::vector<char> walkable;
};

// Holds the keys a player would hold to follow the waypoints.
class Pilot {
public:
    explicit Pilot(Controller& c) : c(c) {}

    // True when the hero got within `reach` of the last waypoint.
    bool follow(const std::vector<Vector3D>& points, float reach, std::string& trouble) {
        for (size_t k = 0; k < points.size(); ++k) {
            bool last = k + 1 == points.size();
            bool climb = !last && points[k + 1].y > points[k].y + 0.5f;
            bool climbing = k > 0 && points[k].y > points[k - 1].y + 0.5f;
            if (climbing) {
                if (!jumpTo(points[k], trouble)) return false;
                continue;
            }
            if (!climb) {
                if (!walkTo(points[k], last ? reach : 0.7f, trouble)) return false;
                continue;
            }
            // A climb starts two samples before the step's edge: face the
            // step and walk up to it; the eye's bump on the rise stops the
            // hero about half a unit short of the edge.
            Vector3D here = points[k], next = points[k + 1];
            if (!walkTo(here, 0.5f, trouble)) return false;
            if (!settle() || !turnTo(next)) {
                trouble = "could not face a step";
                return false;
            }
            approach(next, here);
        }
        return true;
    }

    // Falls to the ground with no keys held.
    bool land() { return settle(); }

private:
    Hero& hero() { return c.hero; }
    void frame() {
        c.hero.updateHero(true, c.keys, 0, 0, &c);
        frames++;
    }
    void release() {
        for (int k : {SDLK_w, SDLK_SPACE, SDLK_LEFT, SDLK_RIGHT}) c.keys[k] = false;
    }
    float flatDistance(Vector3D a, Vector3D b) { return std::hypot(a.x - b.x, a.z - b.z); }
    // Heading error to the target: positive turns with Left.
    float headingError(Vector3D target) {
        Vector3D v = hero().getViewDirection(), p = hero().getPosition();
        float want = std::atan2(target.x - p.x, target.z - p.z), have = std::atan2(v.x, v.z);
        float e = want - have;
        while (e > M_PI) e -= 2 * M_PI;
        while (e < -M_PI) e += 2 * M_PI;
        return e;
    }
    // Steps until standing, with no keys.
    bool settle() {
        release();
        for (int k = 0; k < 400 && (hero().getHeightMap() == nullptr || hero().isBumped()); ++k) frame();
        return hero().getHeightMap() != nullptr;
    }
    bool turnTo(Vector3D target) {
        for (int k = 0; k < 800; ++k) {
            float e = headingError(target);
            if (std::fabs(e) < 0.012f) {
                release();
                return true;
            }
            c.keys[SDLK_LEFT] = e > 0;
            c.keys[SDLK_RIGHT] = e < 0;
            frame();
        }
        release();
        return false;
    }

    bool walkTo(Vector3D target, float reach, std::string& trouble) {
        int stuck = 0;
        float best = 1e30f;
        for (int k = 0; k < 4000; ++k) {
            Vector3D p = hero().getPosition();
            float d = flatDistance(p, target);
            if (d <= reach) {
                release();
                return settle();
            }
            if (d < best - 0.05f) {
                best = d;
                stuck = 0;
            } else if (++stuck > 120) {
                break;
            }
            if (hero().getHeightMap() == nullptr && hero().isBumped()) {
                release();
                frame();
                continue;
            }
            float e = headingError(target);
            if (std::fabs(e) > 0.06f) {
                release();
                if (!settle() || !turnTo(target)) break;
                continue;
            }
            c.keys[SDLK_LEFT] = e > 0.012f;
            c.keys[SDLK_RIGHT] = e < -0.012f;
            c.keys[SDLK_w] = true;
            frame();
        }
        release();
        std::ostringstream out;
        Vector3D p = hero().getPosition();
        out << "stuck at (" << p.x << ", " << p.y << ", " << p.z << ") on the way to (" << target.x << ", "
            << target.z << ")";
        trouble = out.str();
        return false;
    }

    // Walks straight on at the step until the eye meets the rise.
    void approach(Vector3D upper, Vector3D lower) {
        Vector3D dir = upper.subtract(&lower);
        dir.y = 0;
        dir.setLength(1.0);
        Vector3D edge = lower.add(&dir);
        for (int k = 0; k < 20 && !hero().isBumped(); ++k) {
            Vector3D p = hero().getPosition();
            Vector3D rel = p.subtract(&edge);
            if (rel.x * dir.x + rel.z * dir.z >= -0.5f) break;
            c.keys[SDLK_w] = true;
            frame();
        }
        release();
        settle();
    }

    // From half a unit before a step: turn, tap the jump, walk on through the
    // air until over the upper tread, then drop onto it.
    bool jumpTo(Vector3D upper, std::string& trouble) {
        for (int attempt = 0; attempt < 3; ++attempt) {
            if (!settle() || !turnTo(upper)) break;
            c.keys[SDLK_SPACE] = true;
            frame();
            c.keys[SDLK_SPACE] = false;
            for (int k = 0; k < 5 && hero().getHeightMap() != nullptr; ++k) frame();
            // Forward only once the eye and the body clear the rise ahead,
            // and no further than over the upper tread.
            HeightMap* map = c.getCurrentHeightMap();
            for (int k = 0; k < 80 && hero().getHeightMap() == nullptr; ++k) {
                Vector3D p = hero().getPosition(), v = hero().getViewDirection();
                v.y = 0;
                v.setLength(1.0);
                float eyeGround = map->getHeight(p.x + 1.5f * v.x, p.z + 1.5f * v.z);
                float bodyGround = map->getHeight(p.x + 0.5f * v.x, p.z + 0.5f * v.z);
                bool clear = p.y - 0.7f > eyeGround + 0.05f && p.y - 1.0f > bodyGround + 0.05f;
                bool over = map->getHeight(p.x, p.z) >= upper.y - 0.05f;
                c.keys[SDLK_w] = clear && !over && hero().getVelocity().y < 0.85f;
                frame();
            }
            release();
            settle();
            Vector3D p = hero().getPosition();
            if (p.y >= upper.y + 1.3f - 0.3f) return true;
        }
        std::ostringstream out;
        Vector3D p = hero().getPosition();
        out << "could not climb onto (" << upper.x << ", " << upper.y << ", " << upper.z << ") from (" << p.x << ", "
            << p.y << ", " << p.z << ")";
        trouble = out.str();
        return false;
    }

    Controller& c;
    long frames = 0;
};

struct Goal {
    std::string name;
    Vector3D at;
    float reach;       // of the cells the way may end on; the hero stops within 0.7 of one
    bool firesQuest;   // reach is the quest point's 3D firing distance
};

// The places of each island the pack must let a player walk between: the
// gates' arrival points, the quest points, and the other places a player
// has to reach (the items, shops and the boss's hall).
std::vector<Goal> goalsOf(int island) {
    std::vector<Goal> goals;
    for (int g = 0; g < 24; ++g) {
        if (gateSites()[g].island != island) continue;
        Ground a = gateSites()[g].arrival();
        goals.push_back({"gate " + std::to_string(g), Vector3D((float)a.x, 0, (float)a.z), 1.5f, false});
    }
    for (const QuestSite& q : questSites())
        if (q.island == island) goals.push_back({"quest point", Vector3D((float)q.x, (float)q.y, (float)q.z), 8.0f, true});
    struct Place {
        int island;
        const char* name;
        float x, z, reach;
    };
    const Place places[] = {
        {1, "vial", 10, 10, 3.5f},           {3, "east lowland", 110.865f, -5.42128f, 3.5f},
        {5, "shop", 69.7786f, -60.5734f, 10}, {7, "gauntlets", 47.6171f, 70.5469f, 3.5f},
        {9, "ring", -40.6063f, -58.3563f, 3.5f}, {11, "shop", 58.6924f, -4.44712f, 10},
        {12, "boss", 14.4376f, 47.9318f, 3.5f},  {12, "princess", 9.33125f, 74.2513f, 3.5f},
    };
    for (const Place& p : places)
        if (p.island == island) goals.push_back({p.name, Vector3D(p.x, 0, p.z), p.reach, false});
    return goals;
}

// Lands the hero at `from` and walks it to the goal; what went wrong, or
// an empty text.
std::string walkRoute(Controller& c, const Terrain& terrain, Vector3D from, const Goal& goal) {
    c.hero.resetPosition();
    c.hero.setLocation(&from);
    Pilot pilot(c);
    if (!pilot.land()) return "the hero never lands at the start";
    std::vector<Cell> goalCells = terrain.cellsWhere([&](Vector3D p) {
        if (!goal.firesQuest) return std::hypot(p.x - goal.at.x, p.z - goal.at.z) <= goal.reach;
        Vector3D eye(p.x, p.y + 1.3f, p.z), q = goal.at;
        return eye.subtract(&q).getLength() <= goal.reach;
    });
    if (goalCells.empty()) return "no ground to stand on there";
    std::vector<Cell> path = terrain.plan(terrain.nearestStandable(c.hero.getPosition()), goalCells);
    if (path.empty()) return "no way over the terraces";
    std::string trouble;
    bool arrived = pilot.follow(terrain.waypoints(path), 0.7f, trouble);
    Vector3D p = c.hero.getPosition(), q = goal.at;
    bool there = goal.firesQuest ? p.subtract(&q).getLength() <= 9.0f
                                 : std::hypot(p.x - q.x, p.z - q.z) <= goal.reach + 1.0f;
    if (arrived && there) return "";
    return trouble.empty() ? "ended short of it" : trouble;
}

Controller* buildController() {
    testing::internal::CaptureStdout();
    Controller* controller = keepForTheProcess(new Controller());
    testing::internal::GetCapturedStdout();
    return controller;
}

// A field walled in by rock 45 high: level 2 from x = -30, and from x = 0
// on what the case puts there, up to x = 30, for z from -10 to 10.
struct Field {
    const char* name;
    int rise;     // of the east half
    bool trench;  // no ground from x = -6 to -3
    bool walkable;
};
const Field fields[] = {
    {"a step of one", 1, false, true},
    {"a step of four, a standing jump's worth", 4, false, true},
    {"a step of five", 5, false, false},
    {"a trench without ground", 0, true, false},
};

uint8_t fieldByte(int island, int i, int j) {
    int n = island - 1;
    if (n < 0 || n >= (int)(sizeof fields / sizeof fields[0])) return 5;
    int half = GameFolder::side(island) / 2, x = i - half, z = j - half;
    if (x < -30 || x > 30 || z < -10 || z > 10) return 225;
    if (fields[n].trench && x >= -6 && x <= -3) return 0;
    return (uint8_t)(5 * (2 + (x >= 0 ? fields[n].rise : 0)));
}

}  // namespace

// The checker's own check: it passes what the hero's code can climb and
// reports what it cannot.
TEST(TerrainRoutes, TheCheckerPassesOnlyWhatTheHeroCanClimb) {
    GameFolder folder(fieldByte);
    Controller& c = *buildController();
    for (int n = 0; n < (int)(sizeof fields / sizeof fields[0]); ++n) {
        SCOPED_TRACE(fields[n].name);
        c.currentIsland = n + 1;
        Terrain terrain(c, n + 1);
        Goal east{"the east end", Vector3D(20, 0, 0), 1.5f, false};
        std::string trouble = walkRoute(c, terrain, Vector3D(-20, 10, 0), east);
        EXPECT_EQ(trouble.empty(), fields[n].walkable) << trouble;
        if (fields[n].walkable) {
            EXPECT_NEAR(c.hero.getPosition().y, 2 + fields[n].rise + 1.3f, 1e-4f);
        }
    }
}

TEST(TerrainRoutes, HeroWalksBetweenEveryPlaceOfEachIsland) {
    WorkingDirectory pack(assetCheckDir());
    Controller& c = *buildController();
    std::string problems;
    int routes = 0;
    for (int island = 0; island < 13; ++island) {
        c.currentIsland = island;
        SolidMask solids((int)c.getCurrentHeightMap()->getSize());
        blockSolids(solids, island);
        Terrain terrain(c, island, &solids);
        // From the start and from each gate's arrival point to every other
        // place. The game starts on the home island; elsewhere a hero
        // arrives through a gate.
        std::vector<Goal> goals = goalsOf(island);
        std::vector<std::pair<std::string, Vector3D>> starts;
        if (island == 0) starts.push_back({"start", c.islands[island]->getHeroInitialPosition()});
        for (const Goal& g : goals)
            if (g.name.rfind("gate", 0) == 0) starts.push_back({g.name, Vector3D(g.at.x, 200.0f, g.at.z)});
        for (const auto& start : starts)
            for (const Goal& goal : goals) {
                if (goal.name == start.first) continue;
                std::string trouble = walkRoute(c, terrain, start.second, goal);
                if (!trouble.empty())
                    problems += "island " + std::to_string(island) + ", " + start.first + " to " + goal.name + ": " +
                                trouble + "\n";
                routes++;
            }
    }
    EXPECT_GT(routes, 50);
    EXPECT_TRUE(problems.empty()) << problems;
}
