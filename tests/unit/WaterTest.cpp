#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "Water/Water.h"

namespace {

struct Level {
    int level, index;
};
const Level allSurfaces[] = {{1, 1}, {4, 1}, {4, 2}, {7, 1}, {8, 1}, {9, 1}, {10, 1}, {12, 1}};

TEST(Water, SinksWhenTheLowestPointReachesTheSurfaceWherever) {
    Water lake(1, 1);  // height 2.5
    Water lava(9, 1);  // height 13.6478
    struct Case {
        Water* surface;
        Vector3D centre;
        float radius;
        bool in;
    } cases[] = {
        {&lake, {0, 3.0f, 0}, 0.5f, true},    // exactly at the surface
        {&lake, {0, 3.01f, 0}, 0.5f, false},  // 0.01 above
        {&lake, {0, -40, 0}, 0.0f, true},
        // Far outside the outline: only the heights count.
        {&lake, {900, 2.0f, -900}, 0.1f, true},
        {&lava, {0, 14.6478f, 0}, 1.0f, true},
        {&lava, {0, 14.66f, 0}, 1.0f, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "centre y " << c.centre.y << ", radius " << c.radius);
        Vector3D centre = c.centre;
        EXPECT_EQ(c.surface->isInWater(&centre, c.radius), c.in);
    }
}

TEST(Water, LavaOnlyOnTheVolcanicIslands) {
    for (const Level& l : allSurfaces) {
        Water surface(l.level, l.index);
        EXPECT_EQ(surface.isWater, l.level != 9 && l.level != 10) << "level " << l.level;
    }
}

double twiceSignedArea(const std::vector<Vector3D>& p, int a, int b, int c) {
    return ((double)p[b].x - p[a].x) * ((double)p[c].z - p[a].z) -
           ((double)p[b].z - p[a].z) * ((double)p[c].x - p[a].x);
}

// The fill covers exactly the outline: n - 2 triangles, each turning the way
// the outline does, adding up to the outline's own area; a fan over a
// concave outline would overlap and overshoot it.
TEST(Water, FillTrianglesCoverExactlyTheOutline) {
    for (const Level& l : allSurfaces) {
        SCOPED_TRACE(testing::Message() << "level " << l.level << " index " << l.index);
        Water surface(l.level, l.index);
        const std::vector<Vector3D>& corners = surface.outline;
        int n = (int)corners.size();
        double outlineArea = 0;
        for (int i = 0; i < n; i++) {
            const Vector3D& a = corners[i];
            const Vector3D& b = corners[(i + 1) % n];
            outlineArea += (double)a.x * b.z - (double)b.x * a.z;
        }
        ASSERT_EQ(surface.fillTriangles.size(), (size_t)(3 * (n - 2)));
        double sum = 0;
        for (size_t t = 0; t < surface.fillTriangles.size(); t += 3) {
            double area = twiceSignedArea(corners, surface.fillTriangles[t], surface.fillTriangles[t + 1],
                                          surface.fillTriangles[t + 2]);
            EXPECT_GT(area * outlineArea, 0.0) << "triangle " << t / 3 << " turns against the outline";
            sum += area;
        }
        EXPECT_NEAR(sum, outlineArea, std::fabs(outlineArea) * 1e-9);
    }
}

TEST(Water, TriangulatesAConcaveOutlineInEitherTurn) {
    // A U shape: its notch must stay open.
    std::vector<Vector3D> u = {{0, 0, 0}, {6, 0, 0}, {6, 0, 6}, {4, 0, 6}, {4, 0, 2}, {2, 0, 2}, {2, 0, 6}, {0, 0, 6}};
    for (int turn = 0; turn < 2; turn++) {
        SCOPED_TRACE(turn ? "clockwise" : "counter-clockwise");
        std::vector<Vector3D> corners = u;
        if (turn) corners.assign(u.rbegin(), u.rend());
        std::vector<int> triangles = Water::triangulate(corners);
        ASSERT_EQ(triangles.size(), 18u);
        double sum = 0;
        for (size_t t = 0; t < triangles.size(); t += 3) {
            sum += twiceSignedArea(corners, triangles[t], triangles[t + 1], triangles[t + 2]);
        }
        // 6 x 6 less the 2 x 4 notch, doubled, with the outline's sign.
        EXPECT_DOUBLE_EQ(std::fabs(sum), 56.0);
        EXPECT_EQ(sum > 0, turn == 0);
    }
}

TEST(WaterDeathTest, UnknownSurfacesEndTheProgram) {
    EXPECT_DEATH(Water(4, 3), "false");
    EXPECT_DEATH(Water(4, 0), "false");
    EXPECT_DEATH(Water(2, 1), "false");
    EXPECT_DEATH(Water(13, 1), "false");
}

}  // namespace
