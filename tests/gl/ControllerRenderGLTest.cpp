#include <gtest/gtest.h>

#include <cmath>

#include "Controller/Controller.h"
#include "OpenGL/OpenGL.h"
#include "support/GLWindow.h"
#include "support/GameFolder.h"
#include "support/VectorExpect.h"

namespace {

// The model-view matrix the frame was drawn with, against the one the
// camera alone loads.
bool drawnFromTheCamera(Camera& camera) {
    GLfloat drawn[16], own[16];
    glGetFloatv(GL_MODELVIEW_MATRIX, drawn);
    glLoadIdentity();
    camera.lookAt();
    glGetFloatv(GL_MODELVIEW_MATRIX, own);
    for (int k = 0; k < 16; ++k) {
        if (std::fabs(drawn[k] - own[k]) > 1e-4f) return false;
    }
    return true;
}

}  // namespace

// Culling and billboards read the camera, so under the menu it must hold
// the very view the menu draws the world from.
TEST(ControllerInWindow, TheMenuBeforeAGameShowsTheWorldFromTheCameraItSets) {
    GLWindow window;
    ASSERT_TRUE(window.isOpen()) << window.getError();
    GameFolder folder;
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();  // textures the folder lacks
    Controller& c = *keepForTheProcess(new Controller());
    testing::internal::GetCapturedStdout();

    c.renderWorld();
    EXPECT_TRUE(vectorNear(c.camera.getEye(), Vector3D(-83.3341f, 42.431f, 81.1295f)));
    EXPECT_TRUE(vectorNear(c.camera.getCenter(), Vector3D(5.789f, 6.3f, -0.786f)));
    EXPECT_TRUE(drawnFromTheCamera(c.camera));

    // Once a game has begun, the menu leaves the camera where it is.
    c.gameStarted = true;
    c.camera.setEye(Vector3D(1, 20, 3));
    c.camera.setCenter(Vector3D(0, 0, 0));
    c.camera.setUp(Vector3D(0, 1, 0));
    c.renderWorld();
    testing::internal::GetCapturedStderr();
    EXPECT_TRUE(vectorNear(c.camera.getEye(), Vector3D(1, 20, 3)));
    EXPECT_TRUE(drawnFromTheCamera(c.camera));
    EXPECT_EQ(glGetError(), (GLenum)GL_NO_ERROR);
}
