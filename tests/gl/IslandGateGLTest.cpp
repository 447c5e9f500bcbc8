#include <gtest/gtest.h>

#include <SDL.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "Controller/Controller.h"
#include "Island/Island.h"
#include "Object/Portal/IslandPortal/IslandPortal.h"
#include "OpenGL/OpenGL.h"
#include "QuestPoint/QuestPoint.h"
#include "support/GLWindow.h"
#include "support/GameFolder.h"

namespace {

std::string dataDir() {
    const char* data = std::getenv("TAVIR_DATA_DIR");
    return data ? data : "data";
}

// Mean difference per channel between the frame and a full-screen picture,
// over a grid of sample points.
double differenceFrom(const GLWindow& window, SDL_Surface* picture) {
    double total = 0;
    int samples = 0;
    for (int y = 20; y < 600; y += 40) {
        for (int x = 20; x < 800; x += 40) {
            GLWindow::Rgb drawn = window.pixel(x, 599 - y);
            Uint8 r, g, b;
            Uint8* p = (Uint8*)picture->pixels + y * picture->pitch + x * picture->format->BytesPerPixel;
            Uint32 value = 0;
            memcpy(&value, p, picture->format->BytesPerPixel);
            SDL_GetRGB(value, picture->format, &r, &g, &b);
            total += std::abs(drawn.r - r) + std::abs(drawn.g - g) + std::abs(drawn.b - b);
            samples += 3;
        }
    }
    return total / samples;
}

class IslandGateInWindow : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(window.isOpen()) << window.getError();
        std::filesystem::create_directory_symlink(dataDir() + "/Story", folder.files().path("Story"));
        testing::internal::CaptureStdout();
        testing::internal::CaptureStderr();
        c = keepForTheProcess(new Controller());
        testing::internal::GetCapturedStdout();
        testing::internal::GetCapturedStderr();
        glMatrixMode(GL_PROJECTION);
        gluPerspective(45.0, 4.0 / 3.0, 0.1, 1000.0);
        glMatrixMode(GL_MODELVIEW);
        glEnable(GL_DEPTH_TEST);
        c->inMainMenu = false;
        c->gameStarted = true;
        c->camera.setCameraMode(CAMERA_THIRD_PERSON);
    }
    void press(int sym) {
        SDL_Event down = {};
        down.type = SDL_KEYDOWN;
        down.key.keysym.sym = (SDLKey)sym;
        c->eventMessage(down);
        SDL_Event up = down;
        up.type = SDL_KEYUP;
        c->eventMessage(up);
    }

    GLWindow window;
    GameFolder folder;
    Controller* c = nullptr;
};

int elderPoints(Island* island) {
    int n = 0;
    for (QuestPoint* point : *island->getQuestPoints()) n += point->getId() == VILLAGE_ELDER_QUEST;
    return n;
}

}  // namespace

// The point is gone from its island the frame it fires, yet its picture
// stays on screen frame after frame until Return.
TEST_F(IslandGateInWindow, TheStoryPictureOutlivesItsQuestPointUntilDismissed) {
    SDL_Surface* picture = SDL_LoadBMP((dataDir() + "/Story/VillageElderStory.bmp").c_str());
    ASSERT_NE(picture, nullptr);
    Island* home = c->islands[0];
    ASSERT_EQ(elderPoints(home), 1);
    Vector3D at = home->getQuestPoints()->front()->getPosition();
    c->hero.setPosition(at);

    c->renderWorld();
    ASSERT_TRUE(c->questMessage);
    EXPECT_EQ(elderPoints(home), 0);
    EXPECT_EQ(c->hero.getFame(), 1);
    double shown = 0;
    for (int frame = 0; frame < 3; ++frame) {
        c->processGame();
        shown = differenceFrom(window, picture);
        EXPECT_LT(shown, 12.0) << "frame " << frame;
    }

    press(SDLK_RETURN);
    EXPECT_FALSE(c->questMessage);
    for (int frame = 0; frame < 3; ++frame) c->processGame();
    EXPECT_FALSE(c->questMessage) << "the point fired again";
    EXPECT_EQ(c->hero.getFame(), 1);
    EXPECT_GT(differenceFrom(window, picture), shown + 20.0) << "the picture is still up";
    SDL_FreeSurface(picture);
    EXPECT_EQ(glGetError(), (GLenum)GL_NO_ERROR);
}

// Whether it shows the far island or nothing, a gate's opening hands the
// stencil back cleared and switched off, and the scissor test off.
TEST_F(IslandGateInWindow, AnOpeningLeavesTheStencilClearedAndOff) {
    IslandPortal* gate = c->islandPortals[2];
    Vector3D offset = gate->getPortalCenterOffset();
    Vector3D centre = gate->getPosition().add(&offset);
    Vector3D out = gate->getNormal().multiply(12.0);
    Vector3D eye = centre.add(&out);
    c->camera.setCameraMode(CAMERA_FREE_VIEW);
    c->camera.setEye(eye);
    c->camera.setCenter(centre);
    c->camera.setUp(Vector3D(0, 1, 0));
    for (bool enabled : {true, false}) {
        gate->setEnabled(enabled);
        glClearStencil(0);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT);
        glLoadIdentity();
        c->camera.lookAt();
        gate->drawOpening(c);
        EXPECT_FALSE(glIsEnabled(GL_STENCIL_TEST)) << (enabled ? "enabled" : "disabled");
        EXPECT_FALSE(glIsEnabled(GL_SCISSOR_TEST)) << (enabled ? "enabled" : "disabled");
        std::vector<GLubyte> stencil(800 * 600, 7);
        glReadPixels(0, 0, 800, 600, GL_STENCIL_INDEX, GL_UNSIGNED_BYTE, stencil.data());
        int marked = 0;
        for (GLubyte s : stencil) marked += s != 0;
        EXPECT_EQ(marked, 0) << (enabled ? "enabled" : "disabled");
    }
    EXPECT_EQ(glGetError(), (GLenum)GL_NO_ERROR);
}
