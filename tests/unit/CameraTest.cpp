#include <gtest/gtest.h>

#include <SDL.h>

#include <cmath>

#include "Camera/Camera.h"
#include "Controller/Controller.h"
#include "Object/Character/ForestSpirit/Hero/Hero.h"
#include "support/GameFolder.h"
#include "support/VectorExpect.h"

namespace {

class CameraTest : public ::testing::Test {
protected:
    // Islands without ground: nothing is in the camera's way.
    GameFolder gameFolder{[](int, int, int) { return (uint8_t)0; }};
    Camera camera;
    Hero hero;
    Controller& controller = *keepForTheProcess(new Controller());
    bool keys[SDLK_LAST] = {};

    Vector3D view() {
        Vector3D eye = camera.getEye(), center = camera.getCenter();
        return eye.getDirectionTo(&center);
    }

    // Where the orbit puts the eye: 10 behind the hero, lifted by 0.3 rad.
    void expectOrbit() {
        Vector3D position = hero.getPosition();
        Vector3D eye = camera.getEye();
        Vector3D back = position.getDirectionTo(&eye);
        Vector3D behind = hero.getViewDirection().multiply(-1);
        EXPECT_NEAR(back.getLength(), 10.0f, 1e-4f);
        EXPECT_NEAR(back.getAngleBetween(&behind), 0.3f, 1e-4f);
        EXPECT_GT(back.y / 10.0f, behind.getUnitVector().y) << "lifted, not lowered";
        EXPECT_TRUE(vectorNear(camera.getCenter(), position));
    }

    void expectFirstPerson() {
        Vector3D offset = hero.getEyeOffset();
        Vector3D position = hero.getPosition(), heroCenter = hero.getCenter();
        EXPECT_TRUE(vectorNear(camera.getEye(), position.add(&offset), 1e-4f));
        EXPECT_TRUE(vectorNear(camera.getCenter(), heroCenter.add(&offset), 1e-4f));
        EXPECT_TRUE(vectorNear(camera.getUp(), hero.getUp()));
    }
};

}  // namespace

TEST_F(CameraTest, StartsInFreeViewAndDoesNotFollow) {
    EXPECT_TRUE(vectorNear(camera.getEye(), Vector3D(0, 0, 10)));
    EXPECT_TRUE(vectorNear(camera.getCenter(), Vector3D(0, 0, -1)));
    EXPECT_TRUE(vectorNear(camera.getUp(), Vector3D(0, 1, 0)));
    EXPECT_FALSE(camera.isCameraLockedToHero());
    camera.heroMoved(&hero, &controller);
    EXPECT_TRUE(vectorNear(camera.getEye(), Vector3D(0, 0, 10)));
}

TEST_F(CameraTest, OrbitsBehindTheHeroWhenNothingIsInTheWay) {
    camera.setCameraMode(CAMERA_THIRD_PERSON);
    EXPECT_TRUE(camera.isCameraLockedToHero());
    struct Case {
        Vector3D position, view;
    } cases[] = {
        {{5.789f, 6.3f, -0.786f}, {0, 0, -1}},
        {{-30, 12, 44}, {1, 0, 0}},
        {{7, 0, 7}, {-0.6f, 0, 0.8f}},
        {{0, 3, 0}, {0.3f, -0.4f, 0.8f}},  // looking down
    };
    for (Case& c : cases) {
        hero.setPosition(c.position);
        hero.setCenter(c.position.add(&c.view));
        // The hero's up vector is square to its view, as its tilts keep it.
        Vector3D worldUp(0, 1, 0);
        Vector3D along = c.view.multiply(Vector3D::getDotProduct(&worldUp, &c.view) / Vector3D::getDotProduct(&c.view, &c.view));
        hero.setUp(worldUp.subtract(&along));
        camera.heroMoved(&hero, &controller);
        SCOPED_TRACE(testing::Message() << "view " << c.view.x << ", " << c.view.y << ", " << c.view.z);
        expectOrbit();
        // The up vector is square to the eye's offset and as long as the radius.
        Vector3D up = camera.getUp(), eye = camera.getEye(), position = hero.getPosition();
        Vector3D back = position.getDirectionTo(&eye);
        EXPECT_NEAR(up.getLength(), 10.0f, 1e-4f);
        EXPECT_NEAR(Vector3D::getDotProduct(&up, &back), 0.0f, 1e-3f);
        EXPECT_GT(up.y, 0.0f);
    }
}

TEST_F(CameraTest, FirstPersonSitsAtTheHeroesEyes) {
    camera.setCameraMode(CAMERA_FIRST_PERSON);
    hero.setPosition(Vector3D(3, 4, 5));
    hero.setCenter(Vector3D(3, 4, 9));
    hero.setUp(Vector3D(0, 2, 0));
    camera.heroMoved(&hero, &controller);
    EXPECT_TRUE(vectorNear(camera.getEye(), Vector3D(3, 4.5f, 6)));
    EXPECT_TRUE(vectorNear(camera.getCenter(), Vector3D(3, 4.5f, 10)));
    EXPECT_TRUE(vectorNear(camera.getUp(), Vector3D(0, 1, 0)));
}

TEST_F(CameraTest, ToggleModeCyclesFirstAndThirdPerson) {
    camera.toggleMode();  // free view goes to third person, not first
    camera.heroMoved(&hero, &controller);
    expectOrbit();
    camera.toggleMode();
    camera.heroMoved(&hero, &controller);
    expectFirstPerson();
    camera.toggleMode();
    camera.heroMoved(&hero, &controller);
    expectOrbit();
}

TEST_F(CameraTest, PageUpTwiceBringsTheHeroToTheCamera) {
    camera.setCameraMode(CAMERA_THIRD_PERSON);
    camera.toggleFreeView(&hero, true);
    EXPECT_FALSE(camera.isCameraLockedToHero());
    Vector3D heroView = hero.getViewDirection();
    keys[SDLK_w] = true;
    for (int frame = 0; frame < 5; ++frame) camera.processKeyPressed(keys);
    Vector3D flownTo = camera.getEye();

    camera.toggleFreeView(&hero, true);
    EXPECT_TRUE(camera.isCameraLockedToHero());
    EXPECT_TRUE(vectorNear(hero.getPosition(), flownTo));
    EXPECT_TRUE(vectorNear(hero.getViewDirection(), heroView, 1e-4f));
    camera.heroMoved(&hero, &controller);
    expectOrbit();

    // Without moveHero the hero stays where it is.
    camera.toggleFreeView(&hero, false);
    camera.processKeyPressed(keys);
    camera.toggleFreeView(&hero, false);
    EXPECT_TRUE(vectorNear(hero.getPosition(), flownTo));
}

TEST_F(CameraTest, FreeViewKeysActOncePerCall) {
    struct Case {
        SDLKey key;
        const char* what;
    } cases[] = {
        {SDLK_RIGHT, "turns right"}, {SDLK_LEFT, "turns left"}, {SDLK_UP, "looks up"}, {SDLK_DOWN, "looks down"},
        {SDLK_w, "moves forward"},   {SDLK_s, "moves back"},    {SDLK_a, "steps left"}, {SDLK_d, "steps right"},
    };
    for (Case& c : cases) {
        Camera camera;  // looking along -z from (0, 0, 10)
        bool keys[SDLK_LAST] = {};
        keys[c.key] = true;
        Vector3D eye0 = camera.getEye(), center0 = camera.getCenter();
        Vector3D view0 = eye0.getDirectionTo(&center0);
        camera.processKeyPressed(keys);
        Vector3D eye = camera.getEye(), center = camera.getCenter();
        Vector3D view = eye.getDirectionTo(&center);
        Vector3D moved = eye0.getDirectionTo(&eye);
        SCOPED_TRACE(c.what);
        EXPECT_NEAR(view.getLength(), view0.getLength(), 1e-4f);
        switch (c.key) {
        case SDLK_RIGHT:
        case SDLK_LEFT:
            EXPECT_TRUE(moved.isEmpty());
            EXPECT_NEAR(view.x, (c.key == SDLK_RIGHT ? 1 : -1) * 11 * std::sin(0.1), 1e-4);
            EXPECT_NEAR(view.y, 0, 1e-6);
            break;
        case SDLK_UP:
        case SDLK_DOWN:
            EXPECT_TRUE(moved.isEmpty());
            EXPECT_NEAR(view.y, (c.key == SDLK_UP ? 1 : -1) * 11 * std::sin(0.1), 1e-4);
            EXPECT_NEAR(view.x, 0, 1e-6);
            break;
        default: {
            float dz = c.key == SDLK_w ? -1 : c.key == SDLK_s ? 1 : 0;
            float dx = c.key == SDLK_a ? -1 : c.key == SDLK_d ? 1 : 0;
            EXPECT_TRUE(vectorNear(moved, Vector3D(dx, 0, dz)));
            EXPECT_TRUE(vectorNear(view, view0)) << "the view direction does not change";
        }
        }
    }
}

TEST_F(CameraTest, FreeViewControlsAreIgnoredWhenLockedToTheHero) {
    for (CameraMode mode : {CAMERA_FIRST_PERSON, CAMERA_THIRD_PERSON}) {
        Camera camera;
        camera.setCameraMode(mode);
        for (SDLKey key : {SDLK_RIGHT, SDLK_LEFT, SDLK_UP, SDLK_DOWN, SDLK_w, SDLK_a, SDLK_s, SDLK_d}) keys[key] = true;
        camera.processKeyPressed(keys);
        camera.processMouseEvent(0.05f, 0.05f, 1);
        EXPECT_TRUE(vectorNear(camera.getEye(), Vector3D(0, 0, 10)));
        EXPECT_TRUE(vectorNear(camera.getCenter(), Vector3D(0, 0, -1)));
        EXPECT_TRUE(vectorNear(camera.getUp(), Vector3D(0, 1, 0)));
    }
}

TEST_F(CameraTest, MouseTurnsEachAxisOnlyWhenItMoved) {
    struct Case {
        float dx, dy;
    } cases[] = {{0, 0}, {0.02f, 0}, {0, -0.03f}, {0.01f, 0.04f}};
    for (Case& c : cases) {
        Camera camera;
        camera.processMouseEvent(c.dx, c.dy, 0);
        Vector3D eye = camera.getEye(), center = camera.getCenter();
        Vector3D view = eye.getDirectionTo(&center);
        SCOPED_TRACE(testing::Message() << "dx " << c.dx << " dy " << c.dy);
        EXPECT_TRUE(vectorNear(eye, Vector3D(0, 0, 10)));
        // Sideways motion turns left or right, vertical motion tilts.
        EXPECT_EQ(std::fabs(view.x) > 1e-5f, c.dx != 0.0f);
        EXPECT_EQ(std::fabs(view.y) > 1e-5f, c.dy != 0.0f);
        if (c.dy != 0.0f) {
            EXPECT_LT(view.y * c.dy, 0.0f) << "positive dy tilts the view down";
        }
    }
}
