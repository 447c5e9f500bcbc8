#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "Controller/Controller.h"
#include "Island/Island.h"
#include "OpenGL/OpenGL.h"
#include "support/GLWindow.h"
#include "support/GameFolder.h"
#include "support/VectorExpect.h"

namespace {

// The frame's depths against those of the island alone drawn from the
// camera: the whole pass ends in a 2D overlay with its own matrix, but its
// depths keep the view the world was drawn from. Wherever the island shows
// alone, the frame is no farther; and mostly it is the island itself.
bool drawnFromTheCamera(Controller& c) {
    const int w = 800, h = 600;
    std::vector<GLfloat> drawn(w * h), own(w * h);
    glReadPixels(0, 0, w, h, GL_DEPTH_COMPONENT, GL_FLOAT, drawn.data());
    glClear(GL_DEPTH_BUFFER_BIT);
    glLoadIdentity();
    c.camera.lookAt();
    c.islands[c.currentIsland]->drawHeightMap(&c);
    c.islands[c.currentIsland]->draw(&c);
    glReadPixels(0, 0, w, h, GL_DEPTH_COMPONENT, GL_FLOAT, own.data());
    int terrain = 0, same = 0;
    for (int k = 0; k < w * h; ++k) {
        if (own[k] >= 1.0f) continue;
        terrain++;
        if (drawn[k] > own[k] + 1e-5f) return false;
        if (std::fabs(drawn[k] - own[k]) <= 1e-6f) same++;
    }
    return terrain > w * h / 10 && same > terrain * 3 / 4;
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
    glMatrixMode(GL_PROJECTION);
    gluPerspective(45.0, 4.0 / 3.0, 0.1, 1000.0);
    glMatrixMode(GL_MODELVIEW);
    glEnable(GL_DEPTH_TEST);

    c.renderWorld();
    EXPECT_TRUE(vectorNear(c.camera.getEye(), Vector3D(-83.3341f, 42.431f, 81.1295f)));
    EXPECT_TRUE(vectorNear(c.camera.getCenter(), Vector3D(5.789f, 6.3f, -0.786f)));
    EXPECT_TRUE(drawnFromTheCamera(c));

    // Once a game has begun, the menu leaves the camera where it is.
    c.gameStarted = true;
    c.camera.setEye(Vector3D(1, 20, 3));
    c.camera.setCenter(Vector3D(0, 0, 0));
    c.camera.setUp(Vector3D(0, 1, 0));
    c.renderWorld();
    testing::internal::GetCapturedStderr();
    EXPECT_TRUE(vectorNear(c.camera.getEye(), Vector3D(1, 20, 3)));
    EXPECT_TRUE(drawnFromTheCamera(c));
    EXPECT_EQ(glGetError(), (GLenum)GL_NO_ERROR);
}
