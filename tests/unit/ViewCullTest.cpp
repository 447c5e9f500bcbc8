#include <gtest/gtest.h>

#include <cmath>

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

// The game's projection and a turned view in an 800 x 600 window, with a
// 100 x 80 scissor box, as the matrices the window would hold.
class ScissoredView : public ::testing::Test {
protected:
    const int viewport[4] = {0, 0, 800, 600};
    const int box[4] = {420, 200, 100, 80};
    double modelView[16] = {}, projection[16] = {};

    void SetUp() override {
        double f = 1.0 / std::tan(45.0 / 2 * M_PI / 180), nearZ = 0.1, farZ = 1000.0;
        projection[0] = f / (4.0 / 3.0);
        projection[5] = f;
        projection[10] = (farZ + nearZ) / (nearZ - farZ);
        projection[11] = -1;
        projection[14] = 2 * farZ * nearZ / (nearZ - farZ);
        const double eye[3] = {3, 2, 5}, centre[3] = {-4, 1, -20}, up[3] = {0.1, 1, 0};
        lookAt(eye, centre, up);
    }

    static void crossUnit(const double a[3], const double b[3], double out[3]) {
        out[0] = a[1] * b[2] - a[2] * b[1];
        out[1] = a[2] * b[0] - a[0] * b[2];
        out[2] = a[0] * b[1] - a[1] * b[0];
        double length = std::sqrt(out[0] * out[0] + out[1] * out[1] + out[2] * out[2]);
        for (int k = 0; k < 3; k++) {
            out[k] /= length;
        }
    }

    void lookAt(const double eye[3], const double centre[3], const double up[3]) {
        double forward[3] = {centre[0] - eye[0], centre[1] - eye[1], centre[2] - eye[2]};
        double rows[3][3];
        crossUnit(forward, up, rows[0]);
        crossUnit(rows[0], forward, rows[1]);
        crossUnit(rows[0], rows[1], rows[2]);
        for (int r = 0; r < 3; r++) {
            for (int k = 0; k < 3; k++) {
                modelView[4 * k + r] = rows[r][k];
                modelView[12 + r] -= rows[r][k] * eye[k];
            }
        }
        modelView[15] = 1;
    }

    // Where a point lands in the window, and whether it lies before the eye.
    bool project(double x, double y, double z, double& wx, double& wy) const {
        double eyeSpace[4], clip[4];
        for (int r = 0; r < 4; r++) {
            eyeSpace[r] = modelView[r] * x + modelView[4 + r] * y + modelView[8 + r] * z + modelView[12 + r];
        }
        for (int r = 0; r < 4; r++) {
            clip[r] = 0;
            for (int k = 0; k < 4; k++) {
                clip[r] += projection[4 * k + r] * eyeSpace[k];
            }
        }
        wx = viewport[0] + viewport[2] * (clip[0] / clip[3] + 1) / 2;
        wy = viewport[1] + viewport[3] * (clip[1] / clip[3] + 1) / 2;
        return eyeSpace[2] < 0;
    }
};

// A point is kept when it lands in the box, and dropped when it lands well
// outside (the cull's small margin in world units widens the box by a few
// pixels at most, more only right by the eye) or lies behind the eye.
TEST_F(ScissoredView, KeepsAPointExactlyWhenItLandsInTheBox) {
    ViewCull cull;
    cull.setView(modelView, projection, viewport, box);
    int kept = 0;
    for (int i = -12; i <= 12; i++) {
        for (int j = -12; j <= 12; j++) {
            for (double depth : {-30.0, -3.0, 2.0, 12.0}) {
                double x = i * 1.3, y = j * 0.9, z = depth + 0.1 * i;
                double wx, wy;
                bool before = project(x, y, z, wx, wy);
                bool inside = before && wx >= 420 && wx <= 520 && wy >= 200 && wy <= 280;
                bool near = before && wx >= 410 && wx <= 530 && wy >= 190 && wy <= 290;
                bool byEye = std::sqrt((x - 3) * (x - 3) + (y - 2) * (y - 2) + (z - 5) * (z - 5)) < 6.0;
                bool shows = cull.sphereMayShow(Vector3D((float)x, (float)y, (float)z), 0.0);
                if (inside) {
                    EXPECT_TRUE(shows) << x << " " << y << " " << z;
                }
                if (!near && !byEye) {
                    EXPECT_FALSE(shows) << x << " " << y << " " << z << " at " << wx << " " << wy;
                }
                kept += shows;
            }
        }
    }
    EXPECT_GT(kept, 0);
}

// A sphere whose middle lands outside still counts when its edge reaches in;
// without a scissor box the sides are the window's.
TEST_F(ScissoredView, ASphereReachingInCountsAndNoScissorLeavesTheWholeView) {
    ViewCull cull;
    cull.setView(modelView, projection, viewport, box);
    Vector3D far(-30.0f, 1.0f, -20.0f);
    EXPECT_FALSE(cull.sphereMayShow(far, 1.0));
    EXPECT_TRUE(cull.sphereMayShow(far, 60.0));
    // Ahead of the eye, landing in the window left of the box.
    Vector3D beside(-10.0f, 0.0f, -30.0f);
    double wx, wy;
    ASSERT_TRUE(project(beside.x, beside.y, beside.z, wx, wy));
    ASSERT_TRUE(wx > 0 && wx < 400 && wy > 0 && wy < 600) << wx << " " << wy;
    EXPECT_FALSE(cull.sphereMayShow(beside, 1.0));
    cull.setView(modelView, projection, viewport, nullptr);
    EXPECT_TRUE(cull.sphereMayShow(beside, 1.0));
}

}  // namespace
