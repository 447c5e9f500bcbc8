#include <gtest/gtest.h>

#include <SDL.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "Controller/Controller.h"
#include "Island/Island.h"
#include "Object/HeightMap/HeightMap.h"
#include "Object/Portal/Portal.h"
#include "OpenGL/OpenGL.h"
#include "support/Fixtures.h"
#include "support/GLWindow.h"
#include "support/GameFolder.h"

// Whole frames of the real home island from the generated pack, drawn by
// the game's own pass in a real window.
//
// The golden pictures (tests/golden/*.bmp, 200 x 150, box-filtered from the
// 800 x 600 frame) change only on purpose. After a change to what these
// frames should show, look at the new pictures and rewrite them with:
//     TAVIR_UPDATE_GOLDEN=1 ctest --test-dir build -R Golden

namespace {

typedef std::vector<unsigned char> Pixels;  // RGB, bottom row first
const int W = 800, H = 600;

class FramePassTest : public ::testing::Test {
protected:
    GLWindow window;
    Controller* c = nullptr;
    Vector3D start;
    bool warm = false;

    void SetUp() override {
        ASSERT_TRUE(window.isOpen()) << window.getError();
        const char* data = std::getenv("TAVIR_DATA_DIR");
        ASSERT_NE(data, nullptr);
        std::filesystem::current_path(data);
        testing::internal::CaptureStdout();
        c = keepForTheProcess(new Controller());
        testing::internal::GetCapturedStdout();
        // The controller's own start-up, without the sound.
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        gluPerspective(45.0, 4.0 / 3.0, 0.1, 1000.0);
        glMatrixMode(GL_MODELVIEW);
        glEnable(GL_DEPTH_TEST);
        glEnable(GL_CULL_FACE);
        glEnable(GL_TEXTURE_2D);
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
        glAlphaFunc(GL_GREATER, 0.1f);
        c->initLighting();

        start = c->islands[0]->getHeroInitialPosition();
        c->hero.setLocation(&start);
    }

    void play() {
        c->inMainMenu = false;
        c->gameStarted = true;
    }

    void look(Vector3D eye, Vector3D centre, Vector3D up = Vector3D(0, 1, 0)) {
        c->camera.setEye(eye);
        c->camera.setCenter(centre);
        c->camera.setUp(up);
    }

    // A frame starts from the state the one before it left, as in the game:
    // the first is drawn twice.
    Pixels frame() {
        if (!warm) {
            c->renderWorld();
            warm = true;
        }
        c->renderWorld();
        EXPECT_EQ(glGetError(), (GLenum)GL_NO_ERROR);
        return window.readPixels(0, 0, W, H);
    }

    // A frame after one drawn the same way: a setting such as the shadow
    // changes the state the next frame starts from.
    Pixels steadyFrame() {
        c->renderWorld();
        return frame();
    }

    Vector3D ground(float x, float z) {
        return Vector3D(x, c->getCurrentHeightMap()->getHeight(x, z), z);
    }

    // A full-grown portal on the ground, as a missile falling there opens it.
    void openPortal(Portal*& slot, Vector3D at) {
        HeightMap* heightMap = c->getCurrentHeightMap();
        ASSERT_NE(heightMap->getPolygon(at.x, at.z), nullptr) << "no ground at " << at.x << ", " << at.z;
        Vector3D shot(0.3f, -1.0f, -0.2f);
        c->openPortal(slot, heightMap->getPolygon(at.x, at.z), Vector3D(at.x, at.y + 0.06f, at.z), shot);
        for (int i = 0; i < 8; i++) slot->update();
    }

    // Where a world point lands in the window for the current camera.
    void project(Vector3D p, double& x, double& y) {
        GLdouble model[16], proj[16], z;
        GLint view[4] = {0, 0, W, H};
        glMatrixMode(GL_MODELVIEW);
        glPushMatrix();
        glLoadIdentity();
        c->camera.lookAt();
        glGetDoublev(GL_MODELVIEW_MATRIX, model);
        glPopMatrix();
        glGetDoublev(GL_PROJECTION_MATRIX, proj);
        gluProject(p.x, p.y, p.z, model, proj, view, &x, &y, &z);
    }
};

int channel(const Pixels& p, int x, int y, int k) { return p[((size_t)y * W + x) * 3 + k]; }

// 800 x 600 to 200 x 150, each pixel the mean of a 4 x 4 block.
Pixels shrink(const Pixels& p) {
    Pixels small((size_t)200 * 150 * 3);
    for (int y = 0; y < 150; y++)
        for (int x = 0; x < 200; x++)
            for (int k = 0; k < 3; k++) {
                int sum = 0;
                for (int dy = 0; dy < 4; dy++)
                    for (int dx = 0; dx < 4; dx++) sum += channel(p, x * 4 + dx, y * 4 + dy, k);
                small[((size_t)y * 200 + x) * 3 + k] = (unsigned char)(sum / 16);
            }
    return small;
}

// Resolved before any test changes the working directory.
const std::filesystem::path SOURCE_FILE = std::filesystem::absolute(__FILE__);

std::string goldenPath(const std::string& name) {
    return (SOURCE_FILE.parent_path().parent_path() / "golden" / (name + ".bmp")).string();
}


// Compares the frame with its golden picture: the mean difference stays
// small and nearly every pixel is close.
void expectGolden(const Pixels& frame, const std::string& name) {
    Pixels small = shrink(frame);
    std::string path = goldenPath(name);
    const char* update = std::getenv("TAVIR_UPDATE_GOLDEN");
    if (update && std::string(update) == "1") {
        SDL_Surface* out = SDL_CreateRGBSurface(SDL_SWSURFACE, 200, 150, 24, 0xFF, 0xFF00, 0xFF0000, 0);
        for (int y = 0; y < 150; y++) {
            unsigned char* row = (unsigned char*)out->pixels + (size_t)(149 - y) * out->pitch;
            for (int x = 0; x < 200 * 3; x++) row[x] = small[(size_t)y * 600 + x];
        }
        std::filesystem::create_directories(std::filesystem::path(path).parent_path());
        SDL_SaveBMP(out, path.c_str());
        SDL_FreeSurface(out);
        return;
    }
    SDL_Surface* loaded = SDL_LoadBMP(path.c_str());
    ASSERT_NE(loaded, nullptr) << path << " is missing; see the note at the top of this file";
    SDL_Surface* golden = SDL_CreateRGBSurface(SDL_SWSURFACE, 200, 150, 24, 0xFF, 0xFF00, 0xFF0000, 0);
    SDL_BlitSurface(loaded, nullptr, golden, nullptr);
    SDL_FreeSurface(loaded);
    long total = 0;
    int far = 0;
    for (int y = 0; y < 150; y++) {
        const unsigned char* row = (const unsigned char*)golden->pixels + (size_t)(149 - y) * golden->pitch;
        for (int x = 0; x < 200; x++) {
            int worst = 0;
            for (int k = 0; k < 3; k++) {
                int d = std::abs((int)row[x * 3 + k] - (int)small[((size_t)y * 200 + x) * 3 + k]);
                total += d;
                worst = std::max(worst, d);
            }
            far += worst > 24;
        }
    }
    SDL_FreeSurface(golden);
    double mean = (double)total / (200 * 150 * 3);
    EXPECT_LT(mean, 2.0) << name << ": mean difference " << mean;
    EXPECT_LT(far, 200 * 150 / 100) << name << ": " << far << " pixels differ by more than 24";
}

}  // namespace

TEST_F(FramePassTest, ThroughOnePortalOfAPairIsTheWorldSeenFromBehindTheOther) {
    play();
    Vector3D a = ground(start.x, start.z - 10), b = ground(start.x + 25, start.z - 30);
    openPortal(c->alphaPortal, a);
    openPortal(c->betaPortal, b);
    Vector3D away(start.x - 40, start.y, start.z + 40);
    c->hero.setLocation(&away);
    Vector3D eye(a.x, a.y + 5, a.z + 6);
    look(eye, c->alphaPortal->getPosition());
    Pixels through = frame();
    expectGolden(through, "portal-pair");

    double px, py, rx, ry;
    project(c->alphaPortal->getPosition(), px, py);
    Vector3D rim = c->alphaPortal->getPosition();
    rim.x += c->alphaPortal->getSize();
    project(rim, rx, ry);
    double radius = std::hypot(rx - px, ry - py) * 0.5;
    ASSERT_GT(radius, 8.0);

    // The same world drawn from the moved eye, with no portal at all.
    Portal* alpha = c->alphaPortal;
    Vector3D moved = alpha->carryPoint(c->betaPortal, eye);
    Vector3D movedCentre = alpha->carryPoint(c->betaPortal, alpha->getPosition());
    Vector3D movedUp = alpha->carryDirection(c->betaPortal, Vector3D(0, 1, 0));
    Vector3D aPosition = alpha->getPosition();
    float coverAlpha = Portal::getCoverAlpha(eye.subtract(&aPosition).getLength());
    delete c->alphaPortal;
    delete c->betaPortal;
    c->alphaPortal = c->betaPortal = nullptr;
    look(moved, movedCentre, movedUp);
    Pixels far = frame();

    const float cover[3] = {0.5f * 255, 0.52f * 255, 0.63f * 255};
    int inside = 0, close = 0, differsFromNear = 0;
    for (int y = (int)(py - radius); y <= (int)(py + radius); y++) {
        for (int x = (int)(px - radius); x <= (int)(px + radius); x++) {
            if (std::hypot(x - px, y - py) > radius) continue;
            inside++;
            int worst = 0;
            for (int k = 0; k < 3; k++) {
                float want = (1 - coverAlpha) * channel(far, x, y, k) + coverAlpha * cover[k];
                worst = std::max(worst, (int)std::fabs(want - channel(through, x, y, k)));
            }
            close += worst <= 12;
        }
    }
    ASSERT_GT(inside, 100);
    // The portal's view keeps the light where the camera put it, so the
    // shading differs a little from a frame drawn from the moved eye.
    EXPECT_GT(close, inside * 8 / 10) << close << " of " << inside << " pixels show the far side";

    // And it is not simply what lies in front of the camera.
    look(eye, aPosition);
    Pixels plain = frame();
    for (int y = (int)(py - radius); y <= (int)(py + radius); y++)
        for (int x = (int)(px - radius); x <= (int)(px + radius); x++)
            if (std::hypot(x - px, y - py) <= radius)
                for (int k = 0; k < 3; k++)
                    differsFromNear += std::abs(channel(plain, x, y, k) - channel(through, x, y, k)) > 12;
    EXPECT_GT(differsFromNear, inside / 4);
}

TEST_F(FramePassTest, ALonePortalIsADarkDiscAndLeavesTheStateAsItFoundIt) {
    play();
    Vector3D a = ground(start.x, start.z - 10);
    openPortal(c->alphaPortal, a);
    Vector3D away(start.x - 40, start.y, start.z + 40);
    c->hero.setLocation(&away);
    look(Vector3D(a.x, a.y + 5, a.z + 6), c->alphaPortal->getPosition());
    Pixels shot = frame();
    double px, py;
    project(c->alphaPortal->getPosition(), px, py);
    for (int k = 0; k < 3; k++) EXPECT_LE(channel(shot, (int)px, (int)py, k), 20) << "channel " << k;

    GLint modelDepth = 0, projectionDepth = 0;
    glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &modelDepth);
    glGetIntegerv(GL_PROJECTION_STACK_DEPTH, &projectionDepth);
    EXPECT_EQ(modelDepth, 1);
    EXPECT_EQ(projectionDepth, 1);
    EXPECT_FALSE(glIsEnabled(GL_STENCIL_TEST));
}

TEST_F(FramePassTest, TheShadowDarkensTheGroundNearTheHeroOnlyAndNeedsGroundUnderIt) {
    play();
    Vector3D standing(start.x, ground(start.x, start.z).y + 1.3f, start.z);
    c->hero.setLocation(&standing);
    Vector3D eye(standing.x + 3, standing.y + 7, standing.z + 18);
    look(eye, standing);
    c->shadowsOn = false;
    Pixels without = steadyFrame();
    c->shadowsOn = true;
    Pixels with = steadyFrame();
    expectGolden(with, "play-shadow");

    // Darker only, on the ground from the hero's feet out (the low light
    // casts it long), and nowhere in the distance.
    double hx, hy;
    project(standing, hx, hy);
    int darker = 0, lighter = 0, elsewhere = 0;
    for (int y = 0; y < H; y++) {
        for (int x = 0; x < W; x++) {
            bool differs = false, darkens = true;
            for (int k = 0; k < 3; k++) {
                int d = channel(without, x, y, k) - channel(with, x, y, k);
                differs = differs || d != 0;
                darkens = darkens && d >= 0;
            }
            if (!differs) continue;
            if (!darkens) {
                lighter++;
            } else if (y < hy + 60 && std::hypot(x - hx, y - hy) < 420) {
                darker++;
            } else {
                elsewhere++;
            }
        }
    }
    EXPECT_GT(darker, 2000);
    EXPECT_EQ(lighter, 0);
    EXPECT_EQ(elsewhere, 0);

    // High over the sea: the probe finds no ground, nothing darkens.
    Vector3D overSea(400, 30, 400);
    c->hero.setLocation(&overSea);
    look(Vector3D(400, 40, 420), overSea);
    c->shadowsOn = false;
    Pixels seaWithout = steadyFrame();
    c->shadowsOn = true;
    EXPECT_TRUE(steadyFrame() == seaWithout);
}

TEST_F(FramePassTest, GoldenMenuOverTheWorldAndPlayView) {
    // The menu before a game, over the world from its fixed view.
    expectGolden(frame(), "menu");
    play();
    c->camera.setCameraMode(CAMERA_THIRD_PERSON);
    Vector3D standing(start.x, ground(start.x, start.z).y + 1.3f, start.z);
    c->hero.setLocation(&standing);
    c->camera.heroMoved(&c->hero, c);
    expectGolden(frame(), "play");
}
