#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <stdexcept>

#include "Geometry/Polygon3D.h"
#include "support/Shapes.h"
#include "support/VectorExpect.h"

namespace {

std::unique_ptr<Polygon3D> polygon(std::initializer_list<Vector3D> points) {
    return std::unique_ptr<Polygon3D>(makePolygon(points));
}

// Reports its own deletion.
class TrackedVertex : public Vertex {
public:
    explicit TrackedVertex(int* deleted) : Vertex(Vector3D(), Vector3D()), deleted(deleted) {}
    ~TrackedVertex() override { ++*deleted; }
    int* deleted;
};

}  // namespace

TEST(Polygon3D, PlaneFollowsTheVertexOrder) {
    auto down = polygon({{0, 0, 0}, {1, 0, 0}, {0, 0, 1}});
    Plane3D plane = down->getPlane();
    EXPECT_FLOAT_EQ(plane.a, 0);
    EXPECT_FLOAT_EQ(plane.b, -1);
    EXPECT_FLOAT_EQ(plane.c, 0);
    EXPECT_FLOAT_EQ(plane.d, 0);

    auto up = polygon({{0, 0, 0}, {0, 0, 1}, {1, 0, 0}});
    EXPECT_TRUE(vectorNear(up->getNormal(), Vector3D(0, 1, 0)));

    // Not normalised: twice the area, and d places it.
    auto raised = polygon({{0, 3, 0}, {0, 3, 4}, {2, 3, 0}, {99, -50, 7}});
    Plane3D high = raised->getPlane();
    EXPECT_FLOAT_EQ(high.b, 8);
    EXPECT_FLOAT_EQ(high.d, -24);
    Vector3D above(1, 5, 1);
    EXPECT_FLOAT_EQ(raised->getDistanceToPolygon(&above), 2) << "the fourth vertex is ignored";
}

TEST(Polygon3D, PointWithinTriangleIsStrict) {
    auto triangle = polygon({{0, 0, 0}, {1, 0, 0}, {0, 0, 1}});
    struct Case {
        const char* what;
        Vector3D p;
        bool inside;
    } cases[] = {
        {"inside", {0.25f, 0, 0.25f}, true},
        {"projection inside, far above", {0.25f, 5, 0.25f}, true},
        {"on the long edge: u + v = 1", {0.5f, 0, 0.5f}, false},
        {"on a short edge", {0.5f, 0, 0}, false},
        {"a corner", {0, 0, 0}, false},
        {"another corner", {1, 0, 0}, false},
        {"outside", {0.6f, 0, 0.6f}, false},
        {"behind a corner", {-0.1f, 0, 0.2f}, false},
    };
    for (Case& c : cases) {
        EXPECT_EQ(triangle->isPointWithinTriangle(&c.p), c.inside) << c.what;
    }

    Vector3D p(0.5f, 0, 0.5f);
    auto collinear = polygon({{0, 0, 0}, {1, 0, 1}, {2, 0, 2}});
    EXPECT_FALSE(collinear->isPointWithinTriangle(&p)) << "degenerate triangle";
    Polygon3D withHole;
    withHole.addVertex(new Vertex(Vector3D(0, 0, 0), Vector3D()));
    withHole.addVertex(nullptr);
    withHole.addVertex(new Vertex(Vector3D(0, 0, 1), Vector3D()));
    EXPECT_FALSE(withHole.isPointWithinTriangle(&p)) << "missing vertex";
}

// Points on the edge from vertex 0 to vertex 1 (here x = z / 2) are decided
// by the last bits of the arithmetic: e1 . e2 is kept at full precision, the
// other dot products are rounded to float. Rounding it too flips every one.
TEST(Polygon3D, PointWithinTriangleKeepsTheLastDotProductUnrounded) {
    auto triangle = polygon({{0, 0, 0}, {1, 0, 2}, {-4, 0, -4}});
    struct Case {
        Vector3D p;
        bool inside;
    } cases[] = {
        {{0.03f, 0, 0.06f}, true},
        {{0.92f, 0, 1.84f}, true},
        {{0.61f, 0, 1.22f}, false},
        {{0.97f, 0, 1.94f}, false},
    };
    for (Case& c : cases) {
        ASSERT_EQ(c.p.z, 2 * c.p.x) << "exactly on the edge";
        EXPECT_EQ(triangle->isPointWithinTriangle(&c.p), c.inside) << c.p.x;
    }
}

TEST(Polygon3D, ClassifyByPlaneCountsWholeUnitsOnly) {
    Plane3D ground(0, 1, 0, 0);
    struct Case {
        const char* what;
        float y0, y1, y2;
        int expected;
    } cases[] = {
        {"just under one unit above", 0.9f, 0.9f, 0.9f, PLANE_COINCIDENT},
        {"one unit above", 1, 1, 1, PLANE_FRONT},
        {"one unit below", -1, -1, -1, PLANE_BACK},
        {"both sides", -2, 3, 3, PLANE_SPANNING},
        {"within the band on both sides", -0.99f, 0.99f, 0, PLANE_COINCIDENT},
        {"one vertex in front, the rest on it", 0, 0, 7, PLANE_FRONT},
        {"huge values", 1e30f, 1e30f, -1e30f, PLANE_SPANNING},
        {"not a number", NAN, NAN, NAN, PLANE_COINCIDENT},
    };
    for (Case& c : cases) {
        auto p = polygon({{0, c.y0, 0}, {1, c.y1, 0}, {0, c.y2, 1}});
        EXPECT_EQ(p->classifyByPlane(&ground), c.expected) << c.what;
    }
    // The band scales with the plane's unnormalised normal.
    Plane3D steep(0, 4, 0, 0);
    auto low = polygon({{0, 0.3f, 0}, {1, 0.3f, 0}, {0, 0.3f, 1}});
    EXPECT_EQ(low->classifyByPlane(&steep), PLANE_FRONT);
    // Every vertex counts, not just the first three.
    auto quad = polygon({{0, 5, 0}, {1, 5, 0}, {1, 5, 1}, {0, -5, 1}});
    EXPECT_EQ(quad->classifyByPlane(&ground), PLANE_SPANNING);
}

TEST(Polygon3D, SlopesAndDiagonals) {
    Polygon3D none;
    EXPECT_FLOAT_EQ(none.getSlope(Vector3D(0, 0, 0), Vector3D(2, 0, 0)), 9.0f) << "no z change";
    EXPECT_FLOAT_EQ(none.getSlope(Vector3D(0, 0, 0), Vector3D(2, 0, 4)), 0.5f);

    struct Case {
        const char* what;
        Vector3D a, b, c;
        bool diagonal;
    } cases[] = {
        {"first edge", {0, 0, 0}, {3, 0, 3}, {0, 0, 3}, true},
        {"second edge", {0, 0, 0}, {0, 0, 2}, {2, 5, 4}, true},
        {"third edge", {1, 0, 1}, {1, 0, 0}, {2, 0, 2}, true},
        {"slope -1 is not diagonal", {0, 0, 0}, {-1, 0, 1}, {0, 0, 1}, false},
        {"axis-aligned cell", {0, 0, 0}, {1, 0, 0}, {1, 0, 2}, false},
    };
    for (Case& c : cases) {
        auto p = polygon({c.a, c.b, c.c});
        EXPECT_EQ(p->isDiagonal(), c.diagonal) << c.what;
    }
}

TEST(Polygon3D, SphereTouchesAVerticalTriangle) {
    auto wall = polygon({{-10, -10, 0}, {10, -10, 0}, {0, 20, 0}});
    struct Case {
        const char* what;
        Vector3D centre;
        float radius;
        bool hit;
    } cases[] = {
        {"0.5 in front of the middle", {0, 2, 0.5f}, 1, true},
        {"0.5 behind the middle", {0, 2, -0.5f}, 1, true},
        {"1.5 away", {0, 2, 1.5f}, 1, false},
        {"exactly one radius away", {0, 2, 1}, 1, false},
        {"near the plane beside the triangle", {30, 2, 0.5f}, 1, false},
        {"near the plane above the triangle", {0, 25, 0.5f}, 1, false},
    };
    for (Case& c : cases) {
        EXPECT_EQ(wall->doesSphereCollide(&c.centre, c.radius), c.hit) << c.what;
    }
}

TEST(Polygon3D, SphereTestProbesOnlyHorizontallyAndTheFirstCrossingDecides) {
    // Directly above a floor: no horizontal probe crosses its plane.
    auto floor = polygon({{-10, 0, -10}, {-10, 0, 10}, {10, 0, 0}});
    Vector3D above(0, 0.5f, 0);
    EXPECT_FALSE(floor->doesSphereCollide(&above, 1));

    // A wall that starts at x = 0. The first probe to cross the plane runs
    // towards -x and crosses beside the wall; a later one would cross on it.
    auto halfWall = polygon({{0, -10, 0}, {10, -10, 0}, {0, 10, 0}});
    Vector3D nearEdge(0.3f, 0, 0.4f), wellOn(2, 0, 0.4f);
    EXPECT_FALSE(halfWall->doesSphereCollide(&nearEdge, 1));
    EXPECT_TRUE(halfWall->doesSphereCollide(&wellOn, 1));

    // Degenerate input answers false.
    auto point = polygon({{1, 1, 1}, {1, 1, 1}, {1, 1, 1}});
    Vector3D at(1, 1, 1), nowhere(NAN, 0, 0);
    EXPECT_FALSE(point->doesSphereCollide(&at, 5));
    EXPECT_FALSE(halfWall->doesSphereCollide(&nowhere, 5));
}

TEST(Polygon3D, IntersectionWithItsPlane) {
    auto wall = polygon({{0, 0, 0}, {1, 0, 0}, {0, 1, 0}});
    Vector3D from(0.2f, 0.2f, 2), to(0.2f, 0.2f, -2), shortOf(0.2f, 0.2f, 1);
    bool hit = false;
    EXPECT_TRUE(vectorNear(wall->getIntersection(&from, &to, hit), Vector3D(0.2f, 0.2f, 0)));
    EXPECT_TRUE(hit);
    EXPECT_TRUE(vectorNear(wall->getIntersection(&from, &shortOf, hit), Vector3D(0.2f, 0.2f, 0)));
    EXPECT_FALSE(hit) << "the crossing lies past the segment's end";
    Vector3D along(5, 5, 2);
    hit = true;
    EXPECT_TRUE(std::isnan(wall->getIntersection(&from, &along, hit).x));
    EXPECT_FALSE(hit) << "parallel";
}

TEST(Polygon3D, OwnsItsVertices) {
    int deleted = 0;
    {
        Polygon3D polygon;
        for (int i = 0; i < 4; ++i) polygon.addVertex(new TrackedVertex(&deleted));
        polygon.addVertex(nullptr);
        EXPECT_EQ(polygon.getVertices()->size(), 5u);
    }
    EXPECT_EQ(deleted, 4);

    std::vector<Vertex*> given = {new TrackedVertex(&deleted), new TrackedVertex(&deleted)};
    delete new Polygon3D(given);
    EXPECT_EQ(deleted, 6);
}

TEST(Polygon3D, PointAccess) {
    auto p = polygon({{1, 2, 3}, {4, 5, 6}, {7, 8, 9}});
    EXPECT_TRUE(vectorNear(p->getAPoint(), Vector3D(1, 2, 3)));
    EXPECT_TRUE(vectorNear(p->getPoint(2), Vector3D(7, 8, 9)));
    EXPECT_EQ(p->getParent(), nullptr);
}

TEST(Polygon3DDeathTest, TooFewVerticesEndTheProgram) {
    auto segment = polygon({{0, 0, 0}, {1, 0, 0}});
    Plane3D ground(0, 1, 0, 0);
    EXPECT_DEATH(segment->getPlane(), "vertices.size\\(\\) >= 3");
    EXPECT_DEATH(segment->classifyByPlane(&ground), "vertices.size\\(\\) >= 3");
    // Bounds-tested access: uncaught, it ends the program.
    EXPECT_THROW(segment->isDiagonal(), std::out_of_range);
    EXPECT_THROW(segment->getPoint(2), std::out_of_range);
    Polygon3D empty;
    EXPECT_THROW(empty.getAPoint(), std::out_of_range);
}
