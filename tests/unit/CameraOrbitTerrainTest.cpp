#include <gtest/gtest.h>

#include <cmath>

#include "Controller/Controller.h"
#include "support/GameFolder.h"
#include "support/VectorExpect.h"

namespace {

// The home island flat at height 1, with a wall of rock 40 high across the
// island behind the hero's start from world z = wallZ on.
GameFolder::Terrain wallBehindTheStart(int wallZ) {
    return [wallZ](int island, int, int j) -> uint8_t {
        return island == 0 && j - 100 >= wallZ ? 200 : 5;
    };
}

float orbitRadius(Controller& c) {
    c.camera.setCameraMode(CAMERA_THIRD_PERSON);
    c.camera.heroMoved(&c.hero, &c);
    Vector3D eye = c.camera.getEye(), hero = c.hero.getPosition();
    return eye.subtract(&hero).getLength();
}

}  // namespace

// The start pose looks along -z, so the orbit sits on the +z side.
TEST(CameraOrbitTerrain, PullsInTillTheTerrainIsOutOfTheWay) {
    GameFolder folder(wallBehindTheStart(7));
    Controller& c = *keepForTheProcess(new Controller());
    float radius = orbitRadius(c);
    EXPECT_LT(radius, 9.0f);
    EXPECT_GE(radius, 7.0f);
    // Whole steps of 0.2 from 10.
    EXPECT_NEAR(std::fmod(10.0f - radius + 0.01f, 0.2f), 0.01f, 0.005f);
    EXPECT_LT(c.camera.getEye().z, 7.0f) << "in front of the wall";
}

TEST(CameraOrbitTerrain, ShowsTheHerosEyesWhenEveryRadiusIsBlocked) {
    GameFolder folder(wallBehindTheStart(2));
    Controller& c = *keepForTheProcess(new Controller());
    orbitRadius(c);
    Vector3D offset = c.hero.getEyeOffset();
    Vector3D position = c.hero.getPosition();
    EXPECT_TRUE(vectorNear(c.camera.getEye(), position.add(&offset), 1e-4f));
    EXPECT_TRUE(c.camera.isCameraLockedToHero()) << "still third person: the next frame tries the orbit again";
}

TEST(CameraOrbitTerrain, StaysAtTenOverOpenGround) {
    GameFolder folder;
    Controller& c = *keepForTheProcess(new Controller());
    EXPECT_NEAR(orbitRadius(c), 10.0f, 1e-4f);
}
