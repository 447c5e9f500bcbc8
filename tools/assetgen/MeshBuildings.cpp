// Buildings, props, gates, the cave and the castle. Each stands on its
// origin (the ground point the game places it at) and keeps inside the
// collision circle the game tests for it.
#include <algorithm>
#include <cmath>

#include "MeshParts.h"

namespace {

using Polygon2 = std::vector<std::pair<double, double>>;

// A prism over a polygon drawn in the (y, z) plane, running along x.
void extrudeX(MeshBuilder& m, const Polygon2& yz, double x0, double x1, double tile) {
    Xform swap;  // local (a, h, b) -> world (h, a, b)
    swap.m[0][0] = 0, swap.m[0][1] = 1;
    swap.m[1][0] = 1, swap.m[1][1] = 0;
    m.prism(yz, x0, x1, tile, swap);
}

void swapTexCoords(MeshBuilder& m) {
    m.mapTexCoords([](Corner& c) { std::swap(c.u, c.v); });
}

// ---- house: walls 7 x 6, door on +z, gable roof along x

MeshBuilder houseMain() {
    MeshBuilder m;
    m.box({-3.5, 0, -3}, {3.5, 4, 3}, kTileWall);
    extrudeX(m, {{4, -3}, {4, 3}, {6.7, 0}}, -3.5, 3.5, kTileWall);
    return m;
}

MeshBuilder houseDoor() {
    MeshBuilder m;
    m.box({-0.65, 0, 2.98}, {0.65, 2.3, 3.12}, kTileWood);
    // Shuttered windows either side of the door and on the gable walls.
    for (int side = -1; side <= 1; side += 2) {
        m.box({side * 2.2 - 0.6, 1.5, 2.99}, {side * 2.2 + 0.6, 2.6, 3.1}, kTileWood);
        m.box({side * 3.48 - 0.06, 1.5, -0.6}, {side * 3.48 + 0.06, 2.6, 0.6}, kTileWood);
    }
    return m;
}

MeshBuilder houseKnob() {
    MeshBuilder m;
    m.ellipsoid({0.42, 1.15, 3.19}, {0.09, 0.09, 0.09}, 10, 6, 1, 1);
    return m;
}

MeshBuilder houseChimney() {
    MeshBuilder m;
    m.box({1.6, 4.5, -1.7}, {2.4, 8.0, -0.9}, kTileWall);
    m.box({1.5, 8.0, -1.8}, {2.5, 8.3, -0.8}, kTileWall);
    return m;
}

MeshBuilder houseRoof() {
    MeshBuilder m;
    // Two thatched slabs; the straw runs down the slope (picture's vertical).
    for (int side = -1; side <= 1; side += 2) {
        MeshBuilder slab;
        Polygon2 yz = {{3.55, side * 3.75}, {6.72, 0}, {7.05, 0}, {3.88, side * 3.75}};
        if (side < 0) yz = {{3.88, side * 3.75}, {7.05, 0}, {6.72, 0}, {3.55, side * 3.75}};
        extrudeX(slab, yz, -4.1, 4.1, kTileThatch);
        swapTexCoords(slab);
        m.append(slab);
    }
    return m;
}

// ---- tree house: a giant trunk, a round platform at y 18, and a ring of
// foliage round the hut, which stands at (0, 18, -3) whatever the turn.

struct Bough {
    Vec3 start, end;
};

std::vector<Bough> treeHouseBoughs() {
    std::vector<Bough> boughs;
    for (int i = 0; i < 5; ++i) {
        double a = 2 * kPi * i / 5 + 0.4;
        Vec3 out(std::sin(a), 0, std::cos(a));
        boughs.push_back({out * 3.6 + Vec3(0, 7, 0), out * 12.8 + Vec3(0, 19, 0)});
    }
    return boughs;
}

MeshBuilder treeHouseBase() {
    MeshBuilder m;
    double around = std::round(2 * kPi * 5 / kTileBark);
    m.lathe({{0, 0}, {5.6, 0}, {5.6, 0}, {5.1, 1.2}, {4.8, 4}, {4.6, 10}, {4.4, 17.6}, {4.4, 17.6}, {0, 17.6}}, 16,
            around, 1 / kTileBark);
    for (int i = 0; i < 6; ++i) {
        double a = 2 * kPi * i / 6 + 0.2;
        Vec3 out(std::sin(a), 0, std::cos(a));
        m.tube({out * 4.4 + Vec3(0, 3.2, 0), out * 5.4 + Vec3(0, 1.0, 0), out * 6.4 + Vec3(0, -0.4, 0)},
               {0.9, 0.7, 0.45}, 7, kTileBark);
    }
    for (const Bough& b : treeHouseBoughs()) {
        Vec3 mid = (b.start + b.end) * 0.5 + Vec3(0, -1.0, 0);
        m.tube({b.start, mid, b.end}, {1.0, 0.75, 0.45}, 7, kTileBark);
    }
    return m;
}

MeshBuilder treeHousePorch() {
    MeshBuilder m;
    m.lathe(MeshBuilder::sharpLoop({{0, 17.4}, {10, 17.4}, {10, 18}, {0, 18}}), 24, 16, 1 / kTileThatch);
    m.lathe(MeshBuilder::sharpLoop({{9.5, 18}, {10, 18}, {10, 18.6}, {9.5, 18.6}}), 24, 16, 1 / kTileThatch);
    return m;
}

MeshBuilder treeHouseLeaves() {
    MeshBuilder m;
    int i = 0;
    for (const Bough& b : treeHouseBoughs()) {
        Vec3 out = Vec3(b.end.x, 0, b.end.z).unit();
        m.blob(b.end + out * 0.6 + Vec3(0, 2.0, 0), {3.4, 2.9, 3.4}, 14, 9, 0.18, 100 + i, 2.0);
        Vec3 side(out.z, 0, -out.x);
        m.blob(b.end + side * 3.0 + out * 0.8 + Vec3(0, 0.6, 0), {2.4, 2.0, 2.4}, 12, 8, 0.2, 200 + i, 2.0);
        ++i;
    }
    return m;
}

// ---- shop: a square hut within radius 4, door and sign on -z, market
// table at +7 x

MeshBuilder shopMain() {
    MeshBuilder m;
    m.box({-2.6, 0, -2.6}, {2.6, 3.8, 2.6}, kTileWall);
    return m;
}

MeshBuilder shopRoof() {
    MeshBuilder m;
    double corner = 3.2 * std::sqrt(2.0);
    m.flatLathe(MeshBuilder::sharpLoop({{0, 6.3}, {corner, 3.5}, {corner, 3.8}, {0, 6.6}}), 4, 4, 1 / kTileThatch,
                Xform(), kPi / 4);
    return m;
}

MeshBuilder shopDoor() {
    MeshBuilder m;
    m.box({-0.7, 0, -2.72}, {0.7, 2.4, -2.58}, kTileWood);
    m.box({1.5, 1.4, -2.7}, {2.2, 2.4, -2.59}, kTileWood);
    m.box({-2.2, 1.4, -2.7}, {-1.5, 2.4, -2.59}, kTileWood);
    return m;
}

MeshBuilder shopChimney() {
    MeshBuilder m;
    m.box({1.2, 4.5, 0.8}, {1.8, 7.2, 1.4}, kTileWall);
    return m;
}

MeshBuilder shopSign() {
    MeshBuilder m;
    const double x0 = -1.5, x1 = 1.5, y0 = 2.65, y1 = 3.45, z0 = -2.86, z1 = -2.72;
    m.box({x0, y0, z0}, {x1, y1, z1}, 1);
    // The board's face towards -z shows the whole picture upright; seen from
    // -z the viewer's right is -x. The rest takes the picture's edge.
    m.mapTexCoords([&](Corner& c) {
        if (c.n.z < -0.5) {
            c.u = (x1 - c.p.x) / (x1 - x0);
            c.v = (y1 - c.p.y) / (y1 - y0);
        } else {
            c.u = 0.01;
            c.v = 0.01;
        }
    });
    return m;
}

MeshBuilder shopTable() {
    MeshBuilder m;
    m.box({5.8, 0.88, -0.8}, {8.2, 1.0, 0.8}, kTileWood);
    for (int i = 0; i < 4; ++i) {
        double x = (i & 1) ? 8.0 : 6.0, z = (i & 2) ? 0.6 : -0.6;
        m.box({x - 0.08, 0, z - 0.08}, {x + 0.08, 0.88, z + 0.08}, kTileWood);
    }
    return m;
}

MeshBuilder shopTeapot() {
    MeshBuilder m;
    Xform at = Xform::translate({7, 0, 0});
    m.lathe({{0, 1.0},
             {0.2, 1.0},
             {0.2, 1.0},
             {0.29, 1.1},
             {0.28, 1.23},
             {0.2, 1.31},
             {0.12, 1.33},
             {0.12, 1.33},
             {0.06, 1.36},
             {0.05, 1.41},
             {0, 1.43}},
            14, 2, 1 / kTileSmall, at);
    m.tube({{7.24, 1.1, 0}, {7.4, 1.2, 0}, {7.48, 1.32, 0}}, {0.06, 0.045, 0.03}, 6, kTileSmall);
    std::vector<Vec3> handle;
    for (int i = 0; i <= 6; ++i) {
        double a = -kPi / 2 + kPi * i / 6;
        handle.push_back({7 - 0.27 - 0.11 * std::cos(a), 1.17 + 0.1 * std::sin(a), 0});
    }
    m.tube(handle, std::vector<double>(handle.size(), 0.025), 5, kTileSmall);
    return m;
}

// ---- props

MeshBuilder pillar(double height) {
    MeshBuilder m;
    double plinth = height > 5 ? 0.6 : 0.4, capital = height > 5 ? 0.8 : 0.5;
    m.box({-1.7, 0, -1.7}, {1.7, plinth, 1.7}, kTileStone);
    m.flatLathe({{0, plinth}, {1.15, plinth}, {1.15, plinth}, {1.0, height - capital}, {1.0, height - capital},
                 {0, height - capital}},
                8, 4, 1 / kTileStone);
    m.box({-1.5, height - capital, -1.5}, {1.5, height, 1.5}, kTileStone);
    return m;
}

MeshBuilder statue() {
    MeshBuilder m;
    m.box({-1.5, 0, -1.5}, {1.5, 0.3, 1.5}, kTileStone);
    m.box({-1.2, 0.3, -1.2}, {1.2, 1.4, 1.2}, kTileStone);
    // A forest spirit carved in stone, standing on the pedestal.
    const double s = 0.95;
    std::vector<ProfilePoint> body = bodyProfile(1.0, 1.0, 14);
    for (ProfilePoint& p : body) p = {p.r * s, 1.4 + (p.y + 1.0) * s};
    m.lathe(body, 16, 3, 1 / kTileStone);
    for (int side = -1; side <= 1; side += 2)
        m.ellipsoid({side * 1.08 * s, 1.4 + 1.0 * s, 0.1}, {0.2, 0.2, 0.2}, 10, 6, 1, 1);
    return m;
}

MeshBuilder statueFront() {
    MeshBuilder m;
    const double x0 = -0.9, x1 = 0.9, y0 = 0.4, y1 = 1.3;
    m.box({x0, y0, 1.19}, {x1, y1, 1.26}, 1);
    // The plaque on the pedestal's front shows the picture upright from +z.
    m.mapTexCoords([&](Corner& c) {
        if (c.n.z > 0.5) {
            c.u = (c.p.x - x0) / (x1 - x0);
            c.v = (y1 - c.p.y) / (y1 - y0);
        } else {
            c.u = 0.02;
            c.v = 0.02;
        }
    });
    return m;
}

MeshBuilder volcano() {
    MeshBuilder m;
    m.lathe({{0, 0},
             {7.0, 0},
             {7.0, 0},
             {6.3, 0.7},
             {4.6, 2.0},
             {2.8, 3.4},
             {1.9, 4.0},
             {1.9, 4.0},
             {1.4, 3.75},
             {0.9, 3.4},
             {0, 3.3}},
            18, 6, 1 / 4.0);
    // Rough up the slopes, keeping the foot and the crater rim where they are.
    m.mapTexCoords([](Corner& c) {
        double r = std::sqrt(c.p.x * c.p.x + c.p.z * c.p.z);
        if (r < 2.0 || c.p.y < 0.01) return;
        double a = std::atan2(c.p.x, c.p.z);
        double f = 1 + 0.08 * std::sin(5 * a + 1.3) * std::sin(c.p.y * 1.7) + 0.05 * std::sin(11 * a + c.p.y);
        c.p.x *= f;
        c.p.z *= f;
    });
    m.flatten();
    return m;
}

// Cave walls along the island's invisible wall chain (cave frame), mouth
// at +z under a roof whose front edge is the waterfall's lip.
const Polygon2 kCaveChain = {{9.16, 9.2}, {8.94, -0.67}, {3.89, -5.47}, {-2.01, -6.53}, {-8.05, -3.0}, {-9.13, 7.31}};

MeshBuilder cave() {
    MeshBuilder m;
    const double thickness = 2.2, bottom = -1.5, roof = 15.0;
    std::pair<double, double> inside = {0, 2};
    auto outward = [&](double x, double z) {
        double dx = x - inside.first, dz = z - inside.second, l = std::sqrt(dx * dx + dz * dz);
        return std::make_pair(dx / l, dz / l);
    };
    for (size_t i = 0; i + 1 < kCaveChain.size(); ++i) {
        auto a = kCaveChain[i], b = kCaveChain[i + 1];
        double dx = b.first - a.first, dz = b.second - a.second, l = std::sqrt(dx * dx + dz * dz);
        double nx = dz / l, nz = -dx / l;
        auto mid = outward((a.first + b.first) / 2, (a.second + b.second) / 2);
        if (nx * mid.first + nz * mid.second < 0) nx = -nx, nz = -nz;
        Polygon2 slab = {{a.first, a.second},
                         {b.first, b.second},
                         {b.first + nx * thickness, b.second + nz * thickness},
                         {a.first + nx * thickness, a.second + nz * thickness}};
        m.prism(slab, bottom, roof + 0.5, kTileStone);
    }
    // Rock columns hide the joints between wall slabs.
    for (size_t i = 1; i + 1 < kCaveChain.size(); ++i) {
        const auto& p = kCaveChain[i];
        auto out = outward(p.first, p.second);
        Polygon2 column;
        for (int k = 0; k < 8; ++k) {
            double a = 2 * kPi * k / 8;
            column.push_back({p.first + out.first * 1.1 + 1.1 * std::cos(a), p.second + out.second * 1.1 + 1.1 * std::sin(a)});
        }
        m.prism(column, bottom, roof + 0.8, kTileStone);
    }
    // The roof overhangs the walls; its front edge, the waterfall's lip, runs along z = 10.
    Polygon2 top;
    for (const auto& p : kCaveChain) {
        auto out = outward(p.first, p.second);
        top.push_back({p.first + out.first * 2.5, std::min(10.0, p.second + out.second * 2.5)});
    }
    top.push_back({top.back().first, 10.0});
    m.prism(top, roof, roof + 2.4, kTileStone);
    const double rocks[][4] = {{-4, 18, -1, 3.5}, {3.5, 18.2, 0.5, 3.2}, {0, 17.8, -4.5, 3.0}, {6, 17.6, 6, 2.4},
                               {-6.5, 17.6, 5, 2.6}};
    int seed = 300;
    for (const auto& r : rocks) {
        MeshBuilder rock;
        rock.blob({r[0], r[1], r[2]}, {r[3], r[3] * 0.6, r[3]}, 12, 8, 0.25, seed++, kTileStone);
        rock.flatten();
        m.append(rock);
    }
    return m;
}

// ---- castle (castle frame; the island's wall chains in it)

const Polygon2 kCastleOuter = {
    {-13.59, 16.73}, {-13.72, 41.55}, {-11.12, 40.73}, {-10.06, 41.95}, {-23.06, 47.68}, {-19.53, 34.28},
    {-31.33, 32.29}, {-48.24, 5.35},  {-47.13, -7.53}, {-38.69, -22.19}, {-30.47, -29.46}, {-9.89, -26.21},
    {-2.77, -34.54}, {5.86, -36.9},   {14.46, -39.29}, {24.26, -34.21}, {28.68, -0.66},   {26.12, 17.96},
    {31.03, 28.9},   {28.58, 34.22},  {15.69, 34.78},  {13.24, 42.74},  {18.57, 47.05},   {17.75, 48.88},
    {5.48, 42.75},   {7.97, 22.27}};
const Polygon2 kCastleInner = {{-12.63, 39.7}, {-12.35, 18.81}, {-14.28, 15.38}, {-17.27, 9.25}, {-19.39, -3.54},
                               {-16.45, -10.96}, {-9.86, -17.08}, {-1.28, -19.77}, {10.47, -17.56}, {17.14, -11.53},
                               {19.84, -2.96},  {19.45, 7.03},   {14.14, 15.49},  {7.39, 20.68},  {6.51, 39.68}};

constexpr double kCastleWall = 12.0;

struct Tower {
    double x, z, radius, height;
};
const Tower kTowers[] = {{-18.6, 43.4, 4.0, 19}, {14.8, 44.6, 4.0, 19}, {-48.0, 5.0, 3.2, 16}, {-38.7, -22.2, 3.2, 16},
                         {14.5, -39.0, 3.2, 16}, {28.5, -0.8, 3.2, 16}, {31.0, 28.9, 3.2, 16}, {-32.0, -6.0, 5.0, 27}};

void castleWalls(MeshBuilder& m, const Polygon2& chain) {
    const double half = 0.8;
    for (size_t i = 0; i + 1 < chain.size(); ++i) {
        auto a = chain[i], b = chain[i + 1];
        double dx = b.first - a.first, dz = b.second - a.second, l = std::sqrt(dx * dx + dz * dz);
        double nx = dz / l * half, nz = -dx / l * half;
        m.prism({{a.first + nx, a.second + nz}, {b.first + nx, b.second + nz}, {b.first - nx, b.second - nz},
                 {a.first - nx, a.second - nz}},
                0, kCastleWall, 4.0);
        // Battlements: one merlon every 2.5 units.
        int count = (int)(l / 2.5);
        for (int k = 0; k < count; ++k) {
            double t0 = (k + 0.25) / count, t1 = (k + 0.65) / count;
            double x0 = a.first + dx * t0, z0 = a.second + dz * t0, x1 = a.first + dx * t1, z1 = a.second + dz * t1;
            m.prism({{x0 + nx, z0 + nz}, {x1 + nx, z1 + nz}, {x1 - nx, z1 - nz}, {x0 - nx, z0 - nz}}, kCastleWall,
                    kCastleWall + 1.1, 4.0);
        }
    }
    for (const auto& p : chain)
        m.flatLathe(MeshBuilder::sharpLoop({{0, 0}, {1.1, 0}, {1.1, kCastleWall + 0.6}, {0, kCastleWall + 0.6}}), 8, 2,
                    0.25, Xform::translate({p.first, 0, p.second}));
}

MeshBuilder castle() {
    MeshBuilder m;
    castleWalls(m, kCastleOuter);
    castleWalls(m, kCastleInner);
    for (const Tower& t : kTowers) {
        double around = std::round(2 * kPi * t.radius / 4.0);
        m.lathe(MeshBuilder::sharpLoop({{0, 0}, {t.radius, 0}, {t.radius, t.height}, {0, t.height}}), 14, around, 0.25,
                Xform::translate({t.x, 0, t.z}));
        m.lathe(MeshBuilder::sharpLoop({{t.radius - 0.6, t.height}, {t.radius + 0.5, t.height},
                                        {t.radius + 0.5, t.height + 1.2}, {t.radius - 0.6, t.height + 1.2}}),
                14, around, 0.25, Xform::translate({t.x, 0, t.z}));
    }
    // Gatehouse over the entrance passage.
    m.box({-14.5, 9.0, 40.8}, {8.5, 13.0, 43.6}, 4.0);
    return m;
}

MeshBuilder castleRoofs() {
    MeshBuilder m;
    for (const Tower& t : kTowers) {
        double r = t.radius + 0.8;
        m.lathe(MeshBuilder::sharpLoop({{0, t.height + 0.8}, {r, t.height + 0.8}, {0, t.height + 0.8 + r * 1.7}}), 14,
                std::round(2 * kPi * r / kTileThatch), 1 / kTileThatch, Xform::translate({t.x, 0, t.z}));
    }
    return m;
}

MeshBuilder castleTurret() {
    MeshBuilder m;
    m.lathe(MeshBuilder::sharpLoop({{0, 0}, {1.5, 0}, {1.5, 5}, {0, 5}}), 10, 2, 0.25);
    m.lathe(MeshBuilder::sharpLoop({{0, 5}, {2, 5}, {0, 8}}), 10, 2, 0.25);
    return m;
}

// ---- the island gate (gate frame: front +z, the partner island shows in
// a disc of radius 4 round (0, 3.5, 1); the back wall is x +-5.8,
// z -0.7 .. 0.1, y 0 .. 10; pillars r 0.5 at (+-6, 0, 4.5)).

constexpr double kGateHole = 4.25;
constexpr double kGateCentreY = 3.5;

MeshBuilder gateSlab() {
    MeshBuilder m;
    const double w = 5.8, top = 10, zf = 0.1, zb = -0.7, R = kGateHole, cy = kGateCentreY;
    double start = -std::asin(cy / R), end = kPi + std::asin(cy / R);
    std::vector<double> angles;
    const int steps = 40;
    for (int i = 0; i <= steps; ++i) angles.push_back(start + (end - start) * i / steps);
    for (auto corner : {std::make_pair(w, -cy), std::make_pair(w, top - cy), std::make_pair(-w, top - cy),
                        std::make_pair(-w, -cy)}) {
        double a = std::atan2(corner.second, corner.first);
        if (a < start) a += 2 * kPi;
        angles.push_back(a);
    }
    std::sort(angles.begin(), angles.end());
    auto rim = [&](double a) { return std::make_pair(R * std::cos(a), cy + R * std::sin(a)); };
    auto edge = [&](double a) {
        // Where the ray from the hole's centre leaves the slab's rectangle.
        double dx = std::cos(a), dy = std::sin(a), t = 1e9;
        if (dx > 1e-12) t = std::min(t, w / dx);
        if (dx < -1e-12) t = std::min(t, -w / dx);
        if (dy > 1e-12) t = std::min(t, (top - cy) / dy);
        if (dy < -1e-12) t = std::min(t, cy / -dy);
        return std::make_pair(dx * t, cy + dy * t);
    };
    const double tile = kTileStone;
    for (size_t i = 0; i + 1 < angles.size(); ++i) {
        auto i0 = rim(angles[i]), i1 = rim(angles[i + 1]), o0 = edge(angles[i]), o1 = edge(angles[i + 1]);
        for (int face = 0; face < 2; ++face) {
            double z = face ? zf : zb;
            Vec3 n(0, 0, face ? 1 : -1);
            auto c = [&](std::pair<double, double> p) {
                return Corner{{p.first, p.second, z}, p.first / tile, -p.second / tile, n};
            };
            m.triangle(c(i0), c(i1), c(o1));
            m.triangle(c(i0), c(o1), c(o0));
        }
        // Lining of the hole, facing its axis.
        double am = (angles[i] + angles[i + 1]) / 2;
        Vec3 n(-std::cos(am), -std::sin(am), 0);
        double arc0 = angles[i] * R / tile, arc1 = angles[i + 1] * R / tile;
        m.quad({i0.first, i0.second, zb}, {i1.first, i1.second, zb}, {i1.first, i1.second, zf},
               {i0.first, i0.second, zf}, n, arc0, zb / tile, arc1, zf / tile);
    }
    // Outer faces of the slab, following the same points as its front and
    // back so the stone is closed.
    for (size_t i = 0; i + 1 < angles.size(); ++i) {
        auto o0 = edge(angles[i]), o1 = edge(angles[i + 1]);
        Vec3 n(0, -1, 0);
        if (std::fabs(o0.first - w) < 1e-9 && std::fabs(o1.first - w) < 1e-9) n = Vec3(1, 0, 0);
        if (std::fabs(o0.first + w) < 1e-9 && std::fabs(o1.first + w) < 1e-9) n = Vec3(-1, 0, 0);
        if (std::fabs(o0.second - top) < 1e-9 && std::fabs(o1.second - top) < 1e-9) n = Vec3(0, 1, 0);
        double s0 = (o0.first + o0.second) / tile, s1 = (o1.first + o1.second) / tile;
        m.quad({o0.first, o0.second, zb}, {o1.first, o1.second, zb}, {o1.first, o1.second, zf},
               {o0.first, o0.second, zf}, n, s0, zb / tile, s1, zf / tile);
    }
    return m;
}

MeshBuilder gateMain() {
    MeshBuilder m = gateSlab();
    for (int side = -1; side <= 1; side += 2) {
        Xform at = Xform::translate({side * 6.0, 0, 4.5});
        m.flatLathe(MeshBuilder::sharpLoop({{0, 0}, {0.7, 0}, {0.7, 0.4}, {0, 0.4}}), 8, 1, 1 / kTileStone, at);
        m.flatLathe({{0, 0.4}, {0.5, 0.4}, {0.5, 0.4}, {0.46, 8.6}, {0.46, 8.6}, {0, 8.6}}, 8, 1, 1 / kTileStone, at);
        m.flatLathe(MeshBuilder::sharpLoop({{0, 8.6}, {0.7, 8.6}, {0.7, 9.0}, {0, 9.0}}), 8, 1, 1 / kTileStone, at);
        // A lintel from the pillar's head back to the slab.
        m.box({side * 6.0 - 0.25, 8.6, 0.12}, {side * 6.0 + 0.25, 9.0, 4.3}, kTileStone);
    }
    return m;
}

MeshBuilder gateInner() {
    MeshBuilder m;
    m.lathe(MeshBuilder::sharpLoop({{4.05, 0.92}, {4.5, 0.92}, {4.5, 1.1}, {4.05, 1.1}}), 40, 8, 1.0,
            Xform::translate({0, kGateCentreY, 0}) * Xform::rotateX(kPi / 2));
    return m;
}

MeshBuilder gateTops() {
    MeshBuilder m;
    for (int side = -1; side <= 1; side += 2) m.ellipsoid({side * 6.0, 9.45, 4.5}, {0.55, 0.55, 0.55}, 14, 9, 2, 1);
    return m;
}

// Vines: up the pillars and along the top and sides of the slab, well
// clear of the opening.
std::vector<std::vector<Vec3>> gateVinePaths() {
    std::vector<std::vector<Vec3>> paths;
    for (int side = -1; side <= 1; side += 2) {
        std::vector<Vec3> helix;
        for (int i = 0; i <= 40; ++i) {
            double t = i / 40.0, a = t * 2 * kPi * 3.2 + side;
            helix.push_back({side * 6.0 + 0.53 * std::cos(a), 0.2 + 8.3 * t, 4.5 + 0.53 * std::sin(a)});
        }
        paths.push_back(helix);
        std::vector<Vec3> climb;
        for (int i = 0; i <= 20; ++i) {
            double t = i / 20.0;
            climb.push_back({side * (5.25 + 0.2 * std::sin(t * 9)), 10.0 * t, 0.16});
        }
        paths.push_back(climb);
    }
    std::vector<Vec3> top;
    for (int i = 0; i <= 24; ++i) {
        double t = i / 24.0;
        top.push_back({-5.6 + 11.2 * t, 9.7 - 0.35 * std::sin(t * kPi * 3) * std::sin(t * kPi * 3), 0.18});
    }
    paths.push_back(top);
    return paths;
}

MeshBuilder gateVines() {
    MeshBuilder m;
    for (const auto& path : gateVinePaths()) m.tube(path, std::vector<double>(path.size(), 0.07), 5, kTileBark);
    return m;
}

MeshBuilder gateLeaves() {
    MeshBuilder m;
    int k = 0;
    for (const auto& path : gateVinePaths()) {
        for (size_t i = 2; i + 1 < path.size(); i += 3, ++k) {
            Vec3 d = (path[i + 1] - path[i - 1]).unit();
            Xform place = Xform::translate(path[i]) * Xform::alignY(d) * Xform::rotateY(k * 2.1) *
                          Xform::rotateZ((k % 2 ? 1 : -1) * 0.9);
            addLeafSheet(m, place, 0.5, 0.26);
        }
    }
    return m;
}

// ---- the rim of a shot portal: a wreath of radius 2.4 lying in the x-z plane

MeshBuilder portalVines() {
    MeshBuilder m;
    for (int strand = 0; strand < 2; ++strand) {
        std::vector<Vec3> path;
        const int steps = 72;
        for (int i = 0; i <= steps; ++i) {
            double a = 2 * kPi * i / steps, w = 7 * a + strand * kPi;
            double r = 2.4 + 0.09 * std::cos(w);
            path.push_back({r * std::sin(a), 0.13 + 0.07 * std::sin(w), r * std::cos(a)});
        }
        m.tube(path, std::vector<double>(path.size(), 0.06), 5, kTileBark);
    }
    return m;
}

MeshBuilder portalLeaves() {
    MeshBuilder m;
    for (int i = 0; i < 18; ++i) {
        double a = 2 * kPi * (i + 0.5) / 18;
        Xform place = Xform::rotateY(a) * Xform::translate({(i % 2 ? 0.1 : -0.1), 0.14, 2.35}) *
                      Xform::rotateX(kPi / 2 - 0.12) * Xform::rotateZ((i % 2 ? 1 : -1) * 0.5);
        addLeafSheet(m, place, 0.45, 0.22);
    }
    return m;
}

MeshBuilder questMarker() {
    MeshBuilder m;
    // An exclamation mark centred on the origin.
    m.flatLathe({{0, -0.18}, {0.08, -0.18}, {0.08, -0.18}, {0.17, 0.75}, {0.17, 0.75}, {0, 0.75}}, 4, 1, 1, Xform(),
                kPi / 4);
    m.flatLathe(MeshBuilder::sharpLoop({{0, -0.75}, {0.14, -0.55}, {0, -0.35}}), 4, 1, 1, Xform(), kPi / 4);
    m.setTexCoords(0, 0);
    return m;
}

}  // namespace

void addBuildingMeshes(MeshList& out) {
    out.push_back({"ObjFiles/houseMain.obj", "house walls", houseMain()});
    out.push_back({"ObjFiles/door.obj", "house door and shutters", houseDoor()});
    out.push_back({"ObjFiles/doorKnob.obj", "door knob", houseKnob()});
    out.push_back({"ObjFiles/chimney.obj", "house chimney", houseChimney()});
    out.push_back({"ObjFiles/houseRoof.obj", "thatched roof", houseRoof()});
    out.push_back({"ObjFiles/treeHouseBase.obj", "giant tree", treeHouseBase()});
    out.push_back({"ObjFiles/treeHousePorch.obj", "tree house platform", treeHousePorch()});
    out.push_back({"ObjFiles/treeHouseLeaves.obj", "tree house canopy", treeHouseLeaves()});
    out.push_back({"ObjFiles/shopMain.obj", "shop walls", shopMain()});
    out.push_back({"ObjFiles/shopRoof.obj", "shop roof", shopRoof()});
    out.push_back({"ObjFiles/shopDoor.obj", "shop door and shutters", shopDoor()});
    out.push_back({"ObjFiles/shopChimney.obj", "shop chimney", shopChimney()});
    out.push_back({"ObjFiles/shopSign.obj", "shop sign board", shopSign()});
    out.push_back({"ObjFiles/shopTable.obj", "market table", shopTable()});
    out.push_back({"ObjFiles/shopTeapot.obj", "teapot", shopTeapot()});
    out.push_back({"ObjFiles/pillar.obj", "stone pillar", pillar(8)});
    out.push_back({"ObjFiles/pillarSmall.obj", "small stone pillar", pillar(3.5)});
    out.push_back({"ObjFiles/statue.obj", "statue of a spirit", statue()});
    out.push_back({"ObjFiles/statueFront.obj", "statue plaque", statueFront()});
    out.push_back({"ObjFiles/volcano.obj", "volcano", volcano()});
    out.push_back({"ObjFiles/cave.obj", "cave", cave()});
    out.push_back({"ObjFiles/castle.obj", "castle", castle()});
    out.push_back({"ObjFiles/castleRoofs.obj", "castle tower roofs", castleRoofs()});
    out.push_back({"ObjFiles/castleTurret.obj", "turret", castleTurret()});
    out.push_back({"ObjFiles/islandPortalMain.obj", "gate stone", gateMain()});
    out.push_back({"ObjFiles/islandPortalInner.obj", "gate rim glow", gateInner()});
    out.push_back({"ObjFiles/islandPortalTops.obj", "gate pillar lights", gateTops()});
    out.push_back({"ObjFiles/islandPortalLeaves.obj", "gate leaves", gateLeaves()});
    out.push_back({"ObjFiles/islandPortalVines.obj", "gate vines", gateVines()});
    out.push_back({"ObjFiles/portalVines.obj", "portal rim vines", portalVines()});
    out.push_back({"ObjFiles/portalLeaves.obj", "portal rim leaves", portalLeaves()});
    out.push_back({"ObjFiles/ePoint.obj", "quest marker", questMarker()});
}
