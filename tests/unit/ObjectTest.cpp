#include <gtest/gtest.h>

#include <cmath>

#include "Object/Object.h"
#include "support/Shapes.h"

namespace {

class Thing : public Object {
public:
    Thing(Vector3D at = Vector3D(), float collision = 0.0f) {
        setPosition(at);
        setCollisionRadius(collision);
    }
    void draw() override {}
    std::vector<Polygon3D*>& list() { return polygons; }
};

// Reports its own deletion.
class TrackedPolygon : public Polygon3D {
public:
    explicit TrackedPolygon(bool* deleted) : deleted(deleted) {}
    ~TrackedPolygon() override { *deleted = true; }
    bool* deleted;
};

}  // namespace

TEST(Object, NewObjectIsAtTheOriginWithCollisionOff) {
    Thing thing;
    EXPECT_FLOAT_EQ(thing.getBoundingRadius(), 4.0f);
    EXPECT_FLOAT_EQ(thing.getCollisionRadius(), 0.0f);
    EXPECT_TRUE(thing.getPosition().isEmpty());
    EXPECT_TRUE(thing.list().empty());

    // Radius 0 switches both tests off, even for a probe on the position.
    Vector3D at(0, 0, 0), far(10, 0, 0);
    EXPECT_FALSE(thing.doesSphereCollide(&at, 100.0f));
    EXPECT_FALSE(thing.doesLineCollide(&at, &far));
}

TEST(Object, SphereTestIsACircleInTheHorizontalPlane) {
    Thing pillar(Vector3D(1, 7, 1), 3.0f);
    struct Case {
        Vector3D centre;
        float radius;
        bool hit;
    } cases[] = {
        {{4, 7, 5}, 2.0f, true},       // horizontal distance 5 = 2 + 3: touching counts
        {{4, 500, 5}, 2.0f, true},     // far above, same x and z
        {{4, -900, 5}, 2.0f, true},    // far below
        {{4, 7, 5}, 1.99f, false},     // just out of reach
        {{1, 7, 1}, 0.0f, true},       // a point on the axis
    };
    for (Case& c : cases) {
        EXPECT_EQ(pillar.doesSphereCollide(&c.centre, c.radius), c.hit)
            << c.centre.x << ", " << c.centre.y << ", " << c.centre.z << " r " << c.radius;
    }
}

TEST(Object, LineTestMeetsTheCircleWithinTheSegment) {
    Thing pillar(Vector3D(0, 3, 0), 1.0f);
    struct Case {
        const char* what;
        Vector3D from, to;
        bool hit;
    } cases[] = {
        {"crosses the circle", {-5, 0, 0.5f}, {5, 9, 0.5f}, true},
        {"ends exactly on the circle", {-5, 0, 0}, {-1, 0, 0}, true},
        {"starts exactly on the circle", {0, 0, 1}, {0, 0, 8}, true},
        {"wholly inside", {-0.5f, -40, 0}, {0.5f, 40, 0}, true},
        {"starts inside", {0, 0, 0}, {9, 0, 9}, true},
        {"its line passes through, beyond the end", {2, 0, 0}, {5, 0, 0}, false},
        {"its line passes through, before the start", {-5, 0, 0}, {-1.01f, 0, 0}, false},
        {"misses to the side", {-5, 0, 1.01f}, {5, 0, 1.01f}, false},
        {"grazes the circle", {-5, 0, 1}, {5, 0, 1}, true},
        {"vertical, inside", {0.5f, -10, 0.5f}, {0.5f, 10, 0.5f}, true},
        {"vertical, outside", {1, -10, 1}, {1, 10, 1}, false},
    };
    for (Case& c : cases) {
        EXPECT_EQ(pillar.doesLineCollide(&c.from, &c.to), c.hit) << c.what;
        EXPECT_EQ(pillar.doesLineCollide(&c.to, &c.from), c.hit) << c.what << ", reversed";
    }
}

TEST(Object, DegenerateInputAnswersFalse) {
    Thing pillar(Vector3D(0, 0, 0), 1.0f);
    Vector3D nan(NAN, 0, 0), zero(0, 0, 0);
    EXPECT_FALSE(pillar.doesSphereCollide(&nan, 1.0f));
    EXPECT_FALSE(pillar.doesLineCollide(&nan, &zero));
}

TEST(Object, ClassifyBoundingSphereByPlane) {
    struct Case {
        const char* what;
        Plane3D plane;
        Vector3D position;
        float radius;
        int expected;
    } cases[] = {
        {"centre on the plane, radius 0", {0, 1, 0, 0}, {0, 0, 0}, 0.0f, PLANE_BACK},
        {"distance equals the radius, in front", {0, 1, 0, 0}, {5, 4, 5}, 4.0f, PLANE_FRONT},
        {"distance equals the radius, behind", {0, 1, 0, 0}, {5, -4, 5}, 4.0f, PLANE_BACK},
        {"reaches across", {0, 1, 0, 0}, {5, 3.9f, 5}, 4.0f, PLANE_SPANNING},
        {"plane used as stored, not normalised", {0, 2, 0, 0}, {0, 3, 0}, 4.0f, PLANE_FRONT},
        {"offset plane", {1, 0, 0, -10}, {3, 0, 0}, 4.0f, PLANE_BACK},
    };
    for (Case& c : cases) {
        Thing thing(c.position);
        thing.setBoundingRadius(c.radius);
        EXPECT_EQ(thing.classifyByPlane(&c.plane), c.expected) << c.what;
    }
}

TEST(Object, BoundingSpheresOverlapByCentreDistance) {
    struct Case {
        Vector3D a, b;
        float ra, rb;
        bool overlap;
    } cases[] = {
        {{100, 0, 0}, {105, 0, 0}, 4, 4, true},   // far from the origin, close to each other
        {{0, 0, 0}, {9, 0, 0}, 4, 4, false},
        {{0, 0, 0}, {8, 0, 0}, 4, 4, false},      // touching is not overlapping
        {{-3, 2, 1}, {-3, 2, 1}, 0.5f, 0.5f, true},
        {{-50, 0, 0}, {-47, 0, 0}, 2, 2, true},   // negative dot product of positions
    };
    for (Case& c : cases) {
        Thing a(c.a), b(c.b);
        a.setBoundingRadius(c.ra);
        b.setBoundingRadius(c.rb);
        EXPECT_EQ(a.boundingRadiusOverlaps(&b), c.overlap) << c.a.x << " / " << c.b.x;
        EXPECT_EQ(b.boundingRadiusOverlaps(&a), c.overlap) << c.b.x << " / " << c.a.x;
    }
}

TEST(Object, OwnsItsPolygons) {
    bool firstGone = false, secondGone = false, strangerGone = false;
    TrackedPolygon* stranger = new TrackedPolygon(&strangerGone);
    {
        Thing thing;
        TrackedPolygon* first = new TrackedPolygon(&firstGone);
        TrackedPolygon* second = new TrackedPolygon(&secondGone);
        thing.addPolygon(first);
        thing.addPolygon(second);
        thing.removePolygon(first);
        EXPECT_TRUE(firstGone);
        EXPECT_FALSE(secondGone);
        ASSERT_EQ(thing.list().size(), 1u);
        EXPECT_EQ(thing.list()[0], second);

        // A polygon it never held is not its to delete.
        thing.removePolygon(stranger);
        EXPECT_FALSE(strangerGone);
        EXPECT_EQ(thing.list().size(), 1u);
    }
    EXPECT_TRUE(secondGone);
    delete stranger;
}

TEST(Object, SphereAgainstOwnPolygons) {
    Thing wall(Vector3D(0, 0, 0), 0.0f);
    Vector3D nearWall(0, 2, 0.5f);
    EXPECT_FALSE(wall.doesSphereCollideWithPolygons(&nearWall, 1.0f)) << "no polygons";

    // Two large vertical triangles, in the planes z = 0 and z = 100.
    wall.addPolygon(makePolygon({{-10, -10, 0}, {10, -10, 0}, {0, 20, 0}}));
    wall.addPolygon(makePolygon({{90, -10, 100}, {110, -10, 100}, {100, 20, 100}}));
    EXPECT_FALSE(wall.doesSphereCollideWithPolygons(&nearWall, 1.0f)) << "collision radius 0 switches it off";

    wall.setCollisionRadius(1.0f);
    EXPECT_TRUE(wall.doesSphereCollideWithPolygons(&nearWall, 1.0f));
    Vector3D nearSecond(100, 2, 100.5f);
    EXPECT_TRUE(wall.doesSphereCollideWithPolygons(&nearSecond, 1.0f)) << "later polygons are asked too";
    Vector3D away(0, 2, 1.5f);
    EXPECT_FALSE(wall.doesSphereCollideWithPolygons(&away, 1.0f));
}

TEST(ObjectDeathTest, NullPolygonEndsThePolygonOperations) {
    Thing thing(Vector3D(), 1.0f);
    thing.addPolygon(nullptr);
    Vector3D centre(0, 0, 0);
    EXPECT_DEATH(thing.doesSphereCollideWithPolygons(&centre, 1.0f), "polygons.at\\(i\\)");
    EXPECT_DEATH(thing.drawPolygons(), "polygons.at\\(i\\)");
}
