#include <gtest/gtest.h>

#include <cmath>

#include "Geometry/Plane3D.h"

TEST(Plane3D, FromNormalAndPoint) {
    Vector3D up(0, 1, 0), point(0, 5, 0);
    Plane3D plane(&up, &point);
    EXPECT_FLOAT_EQ(plane.d, -5);
    for (float x : {-100.0f, 0.0f, 37.5f}) {
        EXPECT_FLOAT_EQ(plane.getHeight(x, -x * 2), 5);
    }
    Plane3D other;
    other.setNormalAndPoint(&up, &point);
    EXPECT_FLOAT_EQ(other.d, -5);
    Vector3D n = plane.getNormal();
    EXPECT_TRUE(n.equals(&up));
}

TEST(Plane3D, VerticalPlaneHasNoHeight) {
    Plane3D wall(1, 0, 0, -3);
    EXPECT_TRUE(std::isnan(wall.getHeight(1, 1)));
}

TEST(Plane3D, DistanceIsUnsignedAndNormalised) {
    Plane3D plane(0, 2, 0, -10);
    Vector3D origin(0, 0, 0), above(3, 9, 1);
    EXPECT_FLOAT_EQ(plane.getDistanceFromPoint(&origin), 5);
    EXPECT_FLOAT_EQ(plane.getDistanceFromPoint(&above), 4);
}

TEST(Plane3D, SegmentIntersectionBounds) {
    Plane3D ground(0, 1, 0, 0);
    struct Case {
        Vector3D from, to;
        bool hit;
        float crossingX;
    } cases[] = {
        {{0, 1, 0}, {2, 0, 0}, true, 2},          // ends on the plane: t = 1
        {{0, 0, 0}, {2, 5, 0}, true, 0},          // starts on the plane: t = 0
        {{0, 1.01f, 0}, {1, 0.01f, 0}, false, 1.01f},  // stops short; the line still crosses
        {{0, 3, 0}, {1, 1, 0}, false, 1.5f},         // points towards it from above
    };
    for (Case& c : cases) {
        bool hit = !c.hit;
        Vector3D p = ground.getIntersectionBetweenPoints(&c.from, &c.to, hit);
        EXPECT_EQ(hit, c.hit);
        EXPECT_NEAR(p.x, c.crossingX, 1e-4);
        EXPECT_NEAR(p.y, 0, 1e-4);
    }
}

TEST(Plane3D, ParallelSegmentGivesNaNAndNoHit) {
    Plane3D ground(0, 1, 0, 0);
    Vector3D a(0, 1, 0), b(5, 1, 5);
    bool hit = true;
    Vector3D p = ground.getIntersectionBetweenPoints(&a, &b, hit);
    EXPECT_FALSE(hit);
    EXPECT_TRUE(std::isnan(p.x) && std::isnan(p.y) && std::isnan(p.z));
}

TEST(Plane3DDeathTest, EqualsEndsTheProgram) {
    Plane3D a, b;
    EXPECT_DEATH(a.equals(&b), "false");
}

TEST(Plane3D, Output) {
    testing::internal::CaptureStdout();
    Plane3D(0, 1, 0.5f, -2).output();
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "[Plane] a: 0, b: 1, c: 0.5, d: -2\n");
}
