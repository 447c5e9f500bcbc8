#include <gtest/gtest.h>

#include <cmath>

#include "OpenGL/OpenGL.h"
#include "ScreenBoxCull/ScreenBoxCull.h"
#include "support/GLWindow.h"

namespace {

// The game's projection, a turned view and a 100 x 80 scissor box.
class ScreenBoxCullTest : public ::testing::Test {
protected:
    GLWindow window;

    void SetUp() override {
        ASSERT_TRUE(window.isOpen()) << window.getError();
        glViewport(0, 0, 800, 600);
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        gluPerspective(45.0, 4.0 / 3.0, 0.1, 1000.0);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        gluLookAt(3, 2, 5, -4, 1, -20, 0.1, 1, 0);
        glScissor(420, 200, 100, 80);
        glEnable(GL_SCISSOR_TEST);
    }
    void TearDown() override { glDisable(GL_SCISSOR_TEST); }

    // Where a point lands in the window, and whether it lies before the eye.
    bool project(double x, double y, double z, double& wx, double& wy) {
        GLdouble model[16], projection[16], wz;
        GLint viewport[4];
        glGetDoublev(GL_MODELVIEW_MATRIX, model);
        glGetDoublev(GL_PROJECTION_MATRIX, projection);
        glGetIntegerv(GL_VIEWPORT, viewport);
        double w = model[2] * x + model[6] * y + model[10] * z + model[14];
        gluProject(x, y, z, model, projection, viewport, &wx, &wy, &wz);
        return w < 0;
    }
};

}  // namespace

// A point is kept when it lands in the box, and dropped when it lands well
// outside (the cull's small margin in world units widens the box by a few
// pixels at most, more only right by the eye) or lies behind the eye.
TEST_F(ScreenBoxCullTest, KeepsAPointExactlyWhenItLandsInTheBox) {
    ScreenBoxCull cull;
    cull.readFromGL();
    ASSERT_TRUE(cull.isActive());
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
// without the scissor test nothing is culled.
TEST_F(ScreenBoxCullTest, ASphereReachingInCountsAndNoScissorCullsNothing) {
    ScreenBoxCull cull;
    cull.readFromGL();
    Vector3D far(-30.0f, 1.0f, -20.0f);
    EXPECT_FALSE(cull.sphereMayShow(far, 1.0));
    EXPECT_TRUE(cull.sphereMayShow(far, 60.0));
    glDisable(GL_SCISSOR_TEST);
    cull.readFromGL();
    EXPECT_FALSE(cull.isActive());
    EXPECT_TRUE(cull.sphereMayShow(far, 1.0));
}
