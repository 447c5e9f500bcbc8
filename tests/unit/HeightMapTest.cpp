#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "Object/HeightMap/HeightMap.h"
#include "Texture/Texture.h"
#include "support/Bmp8.h"
#include "support/Fixtures.h"
#include "support/VectorExpect.h"

namespace {

// Only drawing reads the registry, and these tests never draw: it need not
// be built (which would parse every mesh file), only be there.
TexturesMeshes* someRegistry() {
    static char storage[16];
    return reinterpret_cast<TexturesMeshes*>(storage);
}
Texture* someMiniMap() {
    static Texture miniMap("HeightMap/islandHomeMiniMap.bmp");
    return &miniMap;
}

std::vector<Vector3D> corners(Polygon3D* polygon);

bool samePoints(std::vector<Vector3D> got, std::vector<Vector3D> want) {
    if (got.size() != want.size()) return false;
    for (size_t k = 0; k < got.size(); ++k) {
        if (!got[k].equals(&want[k])) return false;
    }
    return true;
}

class InspectedHeightMap : public HeightMap {
public:
    using HeightMap::HeightMap;
    // Two entries per cell, in the order of the cell list.
    std::vector<Polygon3D*> cells() {
        std::vector<Polygon3D*> all;
        for (int i = 0; i + 1 < size; ++i) {
            for (int j = 0; j + 1 < size; ++j) {
                all.push_back(getPolygonFromIndex(i, j, true));
                all.push_back(getPolygonFromIndex(i, j, false));
            }
        }
        return all;
    }
    std::vector<Polygon3D*>& skirts() {
        buildBuffers();
        return edgePolygons;
    }
    VertexBuffer* ground() { return &gentleBuffer; }
    VertexBuffer* cliffs() { return &steepBuffer; }
    using HeightMap::buildBuffers;
    // The triangles of the cliff buffer, as drawn: corner positions.
    std::vector<std::vector<Vector3D>> steep() {
        buildBuffers();
        std::vector<std::vector<Vector3D>> triangles;
        const float* v = steepBuffer.vertexArray;
        for (int t = 0; t < steepBuffer.numberOfVertices / 3; ++t) {
            std::vector<Vector3D> triangle;
            for (int k = 0; k < 3; ++k) {
                const float* p = v + 9 * t + 3 * k;
                triangle.push_back(Vector3D(p[0], p[1], p[2]));
            }
            triangles.push_back(triangle);
        }
        return triangles;
    }
    bool isSteep(Polygon3D* p) {
        std::vector<std::vector<Vector3D>> all = steep();
        return std::count_if(all.begin(), all.end(), [&](const std::vector<Vector3D>& t) {
                   return samePoints(t, corners(p));
               }) == 1;
    }
};

// A square map of the given bytes (top-down rows: bytes[j * side + i] is
// sample (i, j)), built at full size.
std::unique_ptr<InspectedHeightMap> buildMap(const TempFolder& folder, int side, const std::vector<uint8_t>& bytes) {
    writeBmp8(folder, "map.bmp", side, side, bytes);
    return std::make_unique<InspectedHeightMap>(folder.path("map.bmp").c_str(), side, someRegistry(), someMiniMap());
}

// A byte for a height up to 50: heights are byte / 5, and byte 0 is a hole.
uint8_t b(int height) { return (uint8_t)(height * 5 + 2); }
const uint8_t HOLE = 0;

std::vector<Vector3D> corners(Polygon3D* polygon) {
    std::vector<Vector3D> out;
    for (Vertex* v : *polygon->getVertices()) out.push_back(v->getPosition());
    return out;
}

bool sameCorners(Polygon3D* polygon, std::vector<Vector3D> want) { return samePoints(corners(polygon), want); }

}  // namespace

TEST(HeightMap, BytesBecomeHeightsAndByteZeroIsAHole) {
    TempFolder folder;
    // Side 3, so sample (i, j) stands at x = i - 1, z = j - 1.
    auto map = buildMap(folder, 3, {1, 4, 5, 9, 10, 254, 255, 0, 7});
    const float expected[9] = {0, 0, 1, 1, 2, 50, 51, UNDEFINED_HEIGHT, 1};
    for (int k = 0; k < 9; ++k) {
        int i = k % 3, j = k / 3;
        EXPECT_EQ(map->getHeight((float)(i - 1), (float)(j - 1)), expected[k]) << "byte " << k;
    }
    EXPECT_EQ(map->getSize(), 3.0f);
    EXPECT_EQ(map->getMiniMapTexture(), someMiniMap());
    EXPECT_EQ(map->getWorldType(), GRASS_WORLD);
    map->setWorldType(SNOW_WORLD);
    EXPECT_EQ(map->getWorldType(), SNOW_WORLD);
    EXPECT_EQ(map->cells().size(), 8u) << "two entries per cell";
    for (Polygon3D* p : map->cells()) {
        if (p) {
            EXPECT_EQ(p->getParent(), map.get());
        }
    }
}

TEST(HeightMap, SamplesStandOnTheIntegerHalfOfTheSide) {
    TempFolder folder;
    // Odd side 5: half is 2, so the grid runs from -2 to 2.
    std::vector<uint8_t> bytes(25, b(1));
    auto map = buildMap(folder, 5, bytes);
    EXPECT_TRUE(sameCorners(map->getPolygonFromIndex(0, 0, true), {{-2, 1, -2}, {-2, 1, -1}, {-1, 1, -2}}));
    EXPECT_TRUE(sameCorners(map->getPolygonFromIndex(3, 3, false), {{2, 1, 1}, {1, 1, 2}, {2, 1, 2}}));
    EXPECT_EQ(map->getIndexFromCoordinate(-2.0f), 0.0f);
    EXPECT_EQ(map->getIndexFromCoordinate(0.5f), 2.5f);
    EXPECT_EQ(map->getCoordinateFromIndex(4.0f), 2.0f);
    EXPECT_EQ(map->getCoordinateFromIndex(map->getIndexFromCoordinate(-1.25f)), -1.25f);
    EXPECT_EQ(map->getPolygonFromIndex(4, 0, true), nullptr) << "no cell past the last sample";
    EXPECT_EQ(map->getPolygonFromIndex(0, -1, false), nullptr);
    EXPECT_TRUE(map->isHeightMap());
    EXPECT_FALSE(map->allHeightsAreUndefined(0, 0));
}

// One cell P (0, 0), Q (0, 1), R (1, 1), S (1, 0) in sample coordinates.
TEST(HeightMap, CellsSplitAlongTheDiagonalThatKeepsThreeEqualCornersTogether) {
    struct Case {
        const char* what;
        int p, q, r, s;  // heights, -1 for a hole
        bool alongPR;
    } cases[] = {
        {"all four equal", 2, 2, 2, 2, false},
        {"two pairs", 1, 1, 2, 2, false},
        {"P = Q = S", 1, 1, 3, 1, false},
        {"Q = R = S", 3, 1, 1, 1, false},
        {"R = S = P", 1, 3, 1, 1, true},
        {"P = Q = R", 1, 1, 1, 3, true},
        {"a hole counts as its own height", 2, -1, 2, 2, true},
    };
    for (const Case& c : cases) {
        TempFolder folder;
        auto height = [](int h) { return h < 0 ? HOLE : b(h); };
        // Rows top-down: row 0 holds P and S, row 1 holds Q and R.
        auto map = buildMap(folder, 2, {height(c.p), height(c.s), height(c.q), height(c.r)});
        auto at = [](float x, int h, float z) { return Vector3D(x - 1, h < 0 ? UNDEFINED_HEIGHT : (float)h, z - 1); };
        Vector3D P = at(0, c.p, 0), Q = at(0, c.q, 1), R = at(1, c.r, 1), S = at(1, c.s, 0);
        Polygon3D* first = map->cells().at(0);
        Polygon3D* second = map->cells().at(1);
        if (c.alongPR) {
            ASSERT_NE(first, nullptr) << c.what;
            EXPECT_TRUE(sameCorners(first, {S, P, R})) << c.what;
            if (c.q >= 0) {
                EXPECT_TRUE(sameCorners(second, {P, Q, R})) << c.what;
            }
        } else {
            EXPECT_TRUE(sameCorners(first, {P, Q, S})) << c.what;
            EXPECT_TRUE(sameCorners(second, {S, Q, R})) << c.what;
        }
        for (Polygon3D* t : {first, second}) {
            if (t) {
                EXPECT_GT(t->getNormal().y, 0.0f) << c.what << ": triangles face up";
            }
        }
    }
}

TEST(HeightMap, HoleCornersLeaveNullTrianglesAndHangSkirtsFromCompleteEdges) {
    // Heights P 1, Q 2, R 3, S 4 (no three equal: the Q-S split), one corner
    // made a hole. Skirt edges are tried in the order PQ, QR, RS, SP.
    struct Case {
        char hole;
        bool firstNull, secondNull;
        const char* skirtEdges;
        float x, z;  // a point in the defined triangle, if any
    } cases[] = {
        {'P', true, false, "QRRS", -0.2f, -0.2f},
        {'Q', true, true, "RSSP", 0, 0},
        {'R', false, true, "PQSP", -0.8f, -0.8f},
        {'S', true, true, "PQQR", 0, 0},
    };
    const std::string names = "PQRS";
    const float cornerX[4] = {-1, -1, 0, 0}, cornerZ[4] = {-1, 0, 0, -1};
    const int cornerHeight[4] = {1, 2, 3, 4};
    auto corner = [&](char name) {
        size_t k = names.find(name);
        return Vector3D(cornerX[k], (float)cornerHeight[k], cornerZ[k]);
    };
    auto below = [](Vector3D v) { return Vector3D(v.x, -10, v.z); };

    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("hole at ") + c.hole);
        TempFolder folder;
        uint8_t byte[4];
        for (int k = 0; k < 4; ++k) byte[k] = names[k] == c.hole ? HOLE : b(cornerHeight[k]);
        // Rows top-down: row 0 holds P and S, row 1 holds Q and R.
        auto map = buildMap(folder, 2, {byte[0], byte[3], byte[1], byte[2]});
        EXPECT_EQ(map->cells().at(0) == nullptr, c.firstNull);
        EXPECT_EQ(map->cells().at(1) == nullptr, c.secondNull);

        ASSERT_EQ(map->skirts().size(), 4u) << "two edges keep both ends, two polygons each";
        for (int e = 0; e < 2; ++e) {
            Vector3D from = corner(c.skirtEdges[2 * e]), to = corner(c.skirtEdges[2 * e + 1]);
            EXPECT_TRUE(sameCorners(map->skirts()[2 * e], {from, to, below(from)})) << "edge " << e;
            EXPECT_TRUE(sameCorners(map->skirts()[2 * e + 1], {below(from), to, below(to)})) << "edge " << e;
        }
        std::vector<std::vector<Vector3D>> steep = map->steep();
        ASSERT_GE(steep.size(), 4u);
        EXPECT_TRUE(std::equal(map->skirts().begin(), map->skirts().end(), steep.end() - 4,
                               [](Polygon3D* skirt, const std::vector<Vector3D>& drawn) {
                                   return samePoints(corners(skirt), drawn);
                               }))
            << "skirts are drawn with the cliffs, after them";

        EXPECT_EQ(map->getHeight(-0.5f, -0.5f), UNDEFINED_HEIGHT);
        if (!c.firstNull || !c.secondNull) {
            // Next to a hole there is no height, even over a triangle.
            EXPECT_NE(map->getPolygon(c.x, c.z), nullptr);
            EXPECT_EQ(map->getHeight(c.x, c.z), UNDEFINED_HEIGHT);
        }
    }
}

TEST(HeightMap, SpreadAboveThreeMakesACliffLitByItsFace) {
    TempFolder folder;
    // P 0, Q 0, R 4, S 3: (P, Q, S) spreads exactly 3, (S, Q, R) spreads 4.
    auto map = buildMap(folder, 2, {b(0), b(3), b(0), b(4)});
    Polygon3D* gentle = map->cells().at(0);
    Polygon3D* cliff = map->cells().at(1);
    ASSERT_TRUE(gentle && cliff);
    EXPECT_FALSE(map->isSteep(gentle)) << "a spread of exactly 3 is ground";
    EXPECT_TRUE(map->isSteep(cliff));

    Vector3D face = cliff->getNormal().getUnitVector();
    for (Vertex* v : *cliff->getVertices()) {
        EXPECT_TRUE(vectorNear(v->getNormal(), face));
    }
    // The ground triangle's corners shared with the cliff (Q and S) take
    // the cliff's normal; P keeps the upward one.
    std::vector<Vertex*>& g = *gentle->getVertices();
    EXPECT_TRUE(vectorNear(g[0]->getNormal(), Vector3D(0, 1, 0)));
    EXPECT_TRUE(vectorNear(g[1]->getNormal(), face));
    EXPECT_TRUE(vectorNear(g[2]->getNormal(), face));
    EXPECT_TRUE(vectorNear(g[0]->getTextureCoord(), Vector3D(0, 0, 0)));
    EXPECT_TRUE(vectorNear(g[1]->getTextureCoord(), Vector3D(0, 1, 0)));
    EXPECT_TRUE(vectorNear(g[2]->getTextureCoord(), Vector3D(1, 0, 0)));
}

TEST(HeightMap, HeightIsBilinearInTheCellAndUndefinedOffTheGrid) {
    TempFolder folder;
    // Side 4 (half 2): sample (i, j) at x = i - 2, z = j - 2. A slope
    // h = i + 2j, except sample (3, 3) raised to 15 and sample (0, 3) a hole.
    std::vector<uint8_t> bytes(16);
    for (int j = 0; j < 4; ++j) {
        for (int i = 0; i < 4; ++i) bytes[j * 4 + i] = b(i + 2 * j);
    }
    bytes[3 * 4 + 3] = b(15);
    bytes[3 * 4 + 0] = HOLE;
    auto map = buildMap(folder, 4, bytes);
    struct Case {
        float x, z, height;
    } cases[] = {
        {-2, -2, 0},          // samples
        {1, -2, 3},
        {-1, 0, 5},
        {-1.5f, -2, 0.5f},    // along x
        {-2, -1.25f, 1.5f},   // along z
        {-0.75f, -1.5f, 2.25f},
        {0.5f, 0.5f, 9},      // cell of the raised corner: 6, 8, 7, 15
        {0.75f, 0.25f, 8.375f},
        {-1.5f, 0.5f, UNDEFINED_HEIGHT},  // a corner of the cell is a hole
        {-2, 1, UNDEFINED_HEIGHT},        // on the hole
        {-2.5f, 0, UNDEFINED_HEIGHT},     // -size/2 - 0.5
        {1.01f, 0, UNDEFINED_HEIGHT},     // past the last sample
        {0, -2.01f, UNDEFINED_HEIGHT},
        {0, 1.5f, UNDEFINED_HEIGHT},
        {NAN, 0, UNDEFINED_HEIGHT},
        {0, NAN, UNDEFINED_HEIGHT},
        {1e30f, 0, UNDEFINED_HEIGHT},
        {0, -1e30f, UNDEFINED_HEIGHT},
        {INFINITY, 0, UNDEFINED_HEIGHT},
    };
    for (const Case& c : cases) {
        EXPECT_FLOAT_EQ(map->getHeight(c.x, c.z), c.height) << c.x << ", " << c.z;
    }
}

TEST(HeightMap, SphereCollidesOnlyWhenItsBottomIsBelowDefinedGround) {
    TempFolder folder;
    // Side 2: one cell at height 4 with a hole at sample (1, 1).
    auto map = buildMap(folder, 2, {b(4), b(4), b(4), HOLE});
    std::vector<uint8_t> flat(9, b(4));
    TempFolder other;
    auto ground = buildMap(other, 3, flat);
    struct Case {
        HeightMap* map;
        Vector3D centre;
        float radius;
        bool hit;
    } cases[] = {
        {ground.get(), {0, 5, 0}, 1.0f, false},   // bottom exactly on the ground
        {ground.get(), {0, 4.99f, 0}, 1.0f, true},
        {ground.get(), {0.5f, -30, 0.5f}, 1.0f, true},   // far below still counts
        {ground.get(), {0, 6, 0}, 1.0f, false},
        {ground.get(), {1.5f, 0, 0}, 1.0f, false},       // off the grid
        {map.get(), {-0.5f, 0, -0.5f}, 1.0f, false},     // over a hole
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.map->doesSphereCollide(const_cast<Vector3D*>(&c.centre), c.radius), c.hit)
            << c.centre.x << ", " << c.centre.y << ", " << c.centre.z;
    }
    Vector3D a(-1, 5, -1), e(1, 5, 1);
    EXPECT_FALSE(ground->doesLineCollide(&a, &e)) << "the line test is the base one, off for the terrain";
}

// A map sloping along x and z, so that no two cells lie in one plane.
std::vector<uint8_t> slopedBytes(int side) {
    std::vector<uint8_t> bytes((size_t)side * side);
    for (int j = 0; j < side; ++j) {
        for (int i = 0; i < side; ++i) bytes[(size_t)j * side + i] = b(i * i + j);
    }
    return bytes;
}

// The buffers are filled straight from the samples, and a cell's triangles
// are made only when asked for: both must hold what the triangles of every
// cell, sorted into ground and cliffs with the skirts last, load into a
// buffer. The map mixes slopes, cliffs, both splits and holes.
TEST(HeightMap, BuffersHoldExactlyTheCellTrianglesAndSkirts) {
    TempFolder folder;
    const int side = 7;
    std::vector<uint8_t> bytes = slopedBytes(side);
    const int holes[][2] = {{0, 0}, {3, 2}, {6, 6}, {5, 0}};
    for (const auto& h : holes) bytes[(size_t)h[1] * side + h[0]] = HOLE;
    const int flat[][2] = {{2, 4}, {2, 5}, {3, 5}};  // three equal corners: the other split
    for (const auto& f : flat) bytes[(size_t)f[1] * side + f[0]] = b(7);
    auto map = buildMap(folder, side, bytes);

    std::vector<Polygon3D*> gentle, steep;
    int cliffs = 0, nulls = 0;
    std::vector<Polygon3D*> cells = map->cells();
    for (size_t k = 0; k < cells.size(); ++k) {
        Polygon3D* t = cells[k];
        if (t == nullptr) {
            ++nulls;
            continue;
        }
        float y0 = t->getPoint(0).y, y1 = t->getPoint(1).y, y2 = t->getPoint(2).y;
        bool cliff = std::max({y0, y1, y2}) - std::min({y0, y1, y2}) > 3;
        cliffs += cliff;
        (cliff ? steep : gentle).push_back(t);
        if (k % 2 == 1 && cells[k - 1] != nullptr) {
            int shared = 0;
            for (Vertex* a : *t->getVertices()) {
                for (Vertex* c : *cells[k - 1]->getVertices()) shared += a == c;
            }
            EXPECT_EQ(shared, 2) << "a cell's triangles share their common corners, cell " << k / 2;
        }
    }
    ASSERT_GT(cliffs, 0);
    ASSERT_GT(nulls, 0);
    ASSERT_FALSE(map->skirts().empty());
    steep.insert(steep.end(), map->skirts().begin(), map->skirts().end());

    VertexBuffer wantGentle, wantSteep;
    wantGentle.loadArrays(&gentle);
    wantSteep.loadArrays(&steep);
    map->buildBuffers();
    struct Pair {
        const char* what;
        VertexBuffer* want;
        VertexBuffer* got;
    } pairs[] = {{"ground", &wantGentle, map->ground()}, {"cliffs", &wantSteep, map->cliffs()}};
    for (const Pair& p : pairs) {
        int n = p.want->numberOfVertices;
        ASSERT_EQ(p.got->numberOfVertices, n) << p.what;
        EXPECT_EQ(std::memcmp(p.got->vertexArray, p.want->vertexArray, 12 * n), 0) << p.what;
        EXPECT_EQ(std::memcmp(p.got->texCoordArray, p.want->texCoordArray, 8 * n), 0) << p.what;
        EXPECT_EQ(std::memcmp(p.got->normalArray, p.want->normalArray, 12 * n), 0) << p.what;
    }
    EXPECT_EQ(map->cells(), cells) << "asked again, a cell answers the triangles it made";
}

TEST(HeightMap, PolygonUnderAPointIsTheCellHalfItFallsIn) {
    TempFolder folder;
    const int side = 5;  // half 2; cells span x and z from -2 to 2
    auto map = buildMap(folder, side, slopedBytes(side));
    struct Case {
        float x, z;
        int i, j;
        bool first;
    } cases[] = {
        {-1.9f, -1.9f, 0, 0, true},
        {-1.1f, -1.1f, 0, 0, false},
        {-1.5f, -1.5f, 0, 0, false},  // on the diagonal: the second half
        {0.2f, 1.7f, 2, 3, true},
        {1.99f, 1.99f, 3, 3, false},
        {-2, 1.5f, 0, 3, true},       // on the first sample line
    };
    for (const Case& c : cases) {
        EXPECT_EQ(map->getPolygon(c.x, c.z), map->getPolygonFromIndex(c.i, c.j, c.first)) << c.x << ", " << c.z;
        EXPECT_NE(map->getPolygon(c.x, c.z), nullptr);
    }
    // Just past each edge there is nothing, not a triangle of another row or
    // column; nor for coordinates that are not numbers or far away.
    const float outside[][2] = {{-2.01f, 0}, {2.0f, 0}, {0, -2.01f}, {0, 2.0f}, {0, 2.5f},
                                {NAN, 0},     {0, NAN}, {1e30f, 0},  {0, -1e30f}};
    for (const auto& p : outside) {
        EXPECT_EQ(map->getPolygon(p[0], p[1]), nullptr) << p[0] << ", " << p[1];
    }
}

TEST(HeightMap, CollisionPolygonIsTheTriangleTheSegmentCrosses) {
    TempFolder folder;
    const int side = 6;  // half 3
    auto map = buildMap(folder, side, slopedBytes(side));
    // Straight down through points of the map: the triangle under each.
    const float points[][2] = {{-2.6f, -2.7f}, {0.3f, 1.6f}, {1.8f, -0.4f}, {-0.5f, 0.9f}};
    for (const auto& p : points) {
        Vector3D down(0, -100, 0), end(p[0], -10, p[1]);
        Polygon3D* hit = map->getCollisionPolygon(&down, &end);
        ASSERT_NE(hit, nullptr) << p[0] << ", " << p[1];
        EXPECT_EQ(hit, map->getPolygon(p[0], p[1])) << p[0] << ", " << p[1];
    }
    // A slanted shot that crosses the terrain in a cell away from both ends'
    // cells: the triangle crossed, whose plane holds the crossing.
    Vector3D shot(4, -40, 0), target(1.5f, -20, 0.5f);
    Vector3D from = target.subtract(&shot);
    Polygon3D* hit = map->getCollisionPolygon(&shot, &target);
    ASSERT_NE(hit, nullptr);
    bool found = false;
    Vector3D crossing = hit->getIntersection(&from, &target, found);
    EXPECT_TRUE(found);
    EXPECT_TRUE(hit->isPointWithinTriangle(&crossing));
    EXPECT_EQ(hit, map->getPolygon(crossing.x, crossing.z));

    struct Miss {
        const char* what;
        Vector3D offset, end;
    } misses[] = {
        {"wholly above the ground", {0, -1, 0}, {0.5f, 60, 0.5f}},
        {"stops short of the ground", {0, -20, 0}, {0.5f, 60, 0.5f}},
        {"wholly below the ground", {0, -20, 0}, {0.5f, -5, 0.5f}},
        {"beside the map", {0, -100, 0}, {9, -10, 0}},
        {"not a number", {0, -100, 0}, {NAN, -10, 0}},
        {"far away", {0, -100, 0}, {1e30f, -10, -1e30f}},
        {"an infinite offset", {INFINITY, 0, 0}, {0, -10, 0}},
    };
    for (Miss& m : misses) {
        EXPECT_EQ(map->getCollisionPolygon(&m.offset, &m.end), nullptr) << m.what;
    }
}

// A segment on a grid line, on a cell's diagonal or through a grid corner
// crosses the ground on an edge, where the strict triangle test leaves it
// out of every triangle that shares the edge; the query must still find
// one. The map is flat at 3 but for a bump of 9 at the origin, whose cells
// split along both diagonals; every segment crosses the ground once, at a
// known point on an edge.
TEST(HeightMap, CollisionPolygonFindsTheGroundAlongEdgesDiagonalsAndCorners) {
    TempFolder folder;
    const int side = 8;  // half 4: sample (i, j) at x = i - 4, z = j - 4
    std::vector<uint8_t> bytes((size_t)side * side, b(3));
    bytes[4 * side + 4] = b(9);
    auto map = buildMap(folder, side, bytes);
    struct Case {
        const char* what;
        Vector3D crossing;  // where it meets the ground
        Vector3D along;     // the segment's way there, down; it runs from half of it before to half after
    } cases[] = {
        {"straight down onto a grid line of x", {-2, 3, -1.5f}, {0, -40, 0}},
        {"straight down onto a grid line of z", {1.25f, 3, 2}, {0, -40, 0}},
        {"straight down onto a cell's diagonal", {-2.5f, 3, -2.5f}, {0, -40, 0}},
        {"straight down onto a grid corner", {-1, 3, 2}, {0, -40, 0}},
        {"straight down onto the top of the bump", {0, 9, 0}, {0, -40, 0}},
        {"straight down onto the bump's slope, on its edge", {0, 6, 0.5f}, {0, -40, 0}},
        {"slanting along a grid line of x", {-2, 3, -1.5f}, {0, -10, 1}},
        {"slanting along a grid line of z", {1.25f, 3, 2}, {1, -10, 0}},
        {"slanting along a grid line over six cells", {-0.5f, 3, -2}, {6, -4, 0}},
        {"slanting along a diagonal from top right to bottom left", {-2.5f, 3, -2.5f}, {0.7f, -10, -0.7f}},
        {"slanting along a diagonal from top left to bottom right", {-0.5f, 3, 0.5f}, {0.7f, -10, 0.7f}},
        {"slanting through a grid corner", {-1, 3, 2}, {0.7f, -10, 0.7f}},
        {"slanting along the bump's slope", {0, 6, 0.5f}, {0, -10, 1}},
    };
    for (Case& c : cases) {
        Vector3D half = c.along.multiply(0.5);
        Vector3D start = c.crossing.subtract(&half), end = c.crossing.add(&half);
        Vector3D offset = end.subtract(&start);
        Polygon3D* hit = map->getCollisionPolygon(&offset, &end);
        if (hit == nullptr) {
            ADD_FAILURE() << c.what << ": no triangle";
            continue;
        }
        bool found = false;
        Vector3D crossing = hit->getIntersection(&start, &end, found);
        EXPECT_TRUE(found) << c.what;
        EXPECT_TRUE(vectorNear(crossing, c.crossing, 1e-4f)) << c.what;
        EXPECT_TRUE(hit->isPointOnTriangle(&crossing, 1e-3)) << c.what;
    }

    // Still nothing where the segment stays off the ground.
    struct Miss {
        const char* what;
        Vector3D start, end;
    } misses[] = {
        {"along a grid line, above the ground", {-2, 10, -3}, {-2, 4, 2}},
        {"along a diagonal, stopping short", {-3, 8, -2}, {-2, 3.5f, -3}},
        {"along a grid line, below the ground", {-3, 2, 1}, {2, 1, 1}},
    };
    for (Miss& m : misses) {
        Vector3D offset = m.end.subtract(&m.start);
        EXPECT_EQ(map->getCollisionPolygon(&offset, &m.end), nullptr) << m.what;
    }
}

TEST(HeightMapDeathTest, BrokenFilesEndTheProgramWithOneLineNamingTheFile) {
    TempFolder folder;
    writeBmp8(folder, "narrow.bmp", 3, 4, std::vector<uint8_t>(12, b(1)));
    writeBmp8(folder, "short.bmp", 4, 3, std::vector<uint8_t>(12, b(1)));
    folder.writeBmp24("colour.bmp", 4, 4, 10, 200, 10);
    folder.writeText("text.bmp", "not a picture at all");
    struct Case {
        const char* file;
        const char* message;
    } cases[] = {
        {"missing.bmp", "cannot be opened \\(No such file or directory\\)"},
        {"text.bmp", "is not a readable BMP image"},
        {"colour.bmp", "is not an 8-bit image \\(it has 24 bits per pixel\\)"},
        {"narrow.bmp", "is 3 x 4 pixels, smaller than the 4 x 4 samples needed"},
        {"short.bmp", "is 4 x 3 pixels, smaller than the 4 x 4 samples needed"},
    };
    for (const Case& c : cases) {
        std::string path = folder.path(c.file);
        std::string expected = "Height map \"" + path + "\": " + c.message;
        EXPECT_EXIT(HeightMap(path.c_str(), 4, someRegistry(), someMiniMap()), ::testing::ExitedWithCode(1), expected)
            << c.file;
    }
    std::string good = folder.path("short.bmp");
    EXPECT_DEATH(HeightMap(good.c_str(), 3, nullptr, someMiniMap()), "texMesh");
    EXPECT_DEATH(HeightMap(good.c_str(), 3, someRegistry(), nullptr), "miniMapTexture");
}
