#include <gtest/gtest.h>

#include "Frustum/ViewCull.h"

namespace {

const double IDENTITY[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1};

// An eye at the origin looking down -z with a 90 degree opening both ways,
// near 1 and far 100, as a perspective projection sets it up.
const double PERSPECTIVE[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, -101.0 / 99, -1, 0, 0, -200.0 / 99, 0};

TEST(ViewCullTest, SpheresAndBoxesAgainstTheViewVolume) {
    // Model-view moving the world 10 along x: the volume's things sit at x = -10.
    const double shifted[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 10, 0, 0, 1};
    struct Case {
        const char* name;
        const double* modelView;
        const double* projection;
        Vector3D centre;
        double radius;
        bool shows;
    } cases[] = {
        {"inside the unit cube", IDENTITY, IDENTITY, {0, 0, 0}, 0.1, true},
        {"beyond x = 1, apart", IDENTITY, IDENTITY, {2, 0, 0}, 0.5, false},
        {"beyond x = 1, reaching in", IDENTITY, IDENTITY, {2, 0, 0}, 1.2, true},
        {"below y = -1", IDENTITY, IDENTITY, {0, -3, 0}, 1, false},
        {"past the far side", IDENTITY, IDENTITY, {0, 0, 5}, 1, false},
        {"moved into the volume", shifted, IDENTITY, {-10, 0, 0}, 0.1, true},
        {"moved out of it", shifted, IDENTITY, {0, 0, 0}, 0.1, false},
        {"ahead of the eye", IDENTITY, PERSPECTIVE, {0, 0, -50}, 1, true},
        {"behind the eye", IDENTITY, PERSPECTIVE, {0, 0, 10}, 1, false},
        {"inside the near plane", IDENTITY, PERSPECTIVE, {0, 0, -0.5}, 0.2, false},
        {"beyond the far plane", IDENTITY, PERSPECTIVE, {0, 0, -120}, 5, false},
        {"far out to the side", IDENTITY, PERSPECTIVE, {-80, 0, -50}, 10, false},
        {"at the side, touching the edge", IDENTITY, PERSPECTIVE, {-60, 0, -50}, 10, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ViewCull cull;
        cull.setMatrices(c.modelView, c.projection);
        EXPECT_EQ(cull.sphereMayShow(c.centre, c.radius), c.shows);
        float low[3] = {(float)(c.centre.x - c.radius), (float)(c.centre.y - c.radius), (float)(c.centre.z - c.radius)};
        float high[3] = {(float)(c.centre.x + c.radius), (float)(c.centre.y + c.radius), (float)(c.centre.z + c.radius)};
        // The box around the sphere shows wherever the sphere does.
        if (c.shows) {
            EXPECT_TRUE(cull.boxMayShow(low, high));
        }
    }
}

TEST(ViewCullTest, BoxesOutsideAndInvertedBoxesDoNotShow) {
    ViewCull cull;
    cull.setMatrices(IDENTITY, PERSPECTIVE);
    const float aheadLow[3] = {-5, -5, -60}, aheadHigh[3] = {5, 5, -40};
    const float behindLow[3] = {-5, -5, 1}, behindHigh[3] = {5, 5, 20};
    // A long box whose corners all lie outside, yet it crosses the view.
    const float acrossLow[3] = {-500, -1, -30}, acrossHigh[3] = {500, 1, -29};
    const float emptyLow[3] = {1, 1, 1}, emptyHigh[3] = {-1, -1, -1};
    EXPECT_TRUE(cull.boxMayShow(aheadLow, aheadHigh));
    EXPECT_FALSE(cull.boxMayShow(behindLow, behindHigh));
    EXPECT_TRUE(cull.boxMayShow(acrossLow, acrossHigh));
    EXPECT_FALSE(cull.boxMayShow(emptyLow, emptyHigh));
    // Not read yet: everything may show.
    EXPECT_TRUE(ViewCull().sphereMayShow(Vector3D(1e6, 0, 0), 1));
}

// A scissor box narrows the sides: only its part of the view can change.
TEST(ViewCullTest, ANarrowedBoxLeavesOutWhatFallsBesideIt) {
    const double low[2] = {0.0, -0.5}, high[2] = {0.5, 1.0};
    ViewCull cull;
    cull.setMatrices(IDENTITY, IDENTITY, low, high);
    EXPECT_TRUE(cull.sphereMayShow(Vector3D(0.25, 0, 0), 0.1));
    EXPECT_FALSE(cull.sphereMayShow(Vector3D(-0.5, 0, 0), 0.1)) << "left of the box";
    EXPECT_FALSE(cull.sphereMayShow(Vector3D(0.8, 0, 0), 0.1)) << "right of it";
    EXPECT_FALSE(cull.sphereMayShow(Vector3D(0.25, -0.8, 0), 0.1)) << "below it";
    EXPECT_TRUE(cull.sphereMayShow(Vector3D(0.25, -0.8, 0), 0.5)) << "reaching into it";
    EXPECT_FALSE(cull.sphereMayShow(Vector3D(0.25, 0, 3), 0.5)) << "depth keeps its limits";
}

}  // namespace
