#include <gtest/gtest.h>

#include "Billboard/Billboard.h"
#include "Camera/Camera.h"
#include "Object/Character/ForestSpirit/Hero/Hero.h"
#include "support/VectorExpect.h"

namespace {

TEST(Billboard, FacesTheHerosEyeUnlessTheCameraFliesFree) {
    Hero hero;
    Vector3D at(10, 2, -4);
    hero.setLocation(&at);
    hero.setCenter(Vector3D(10, 2, -1));  // looking along +z
    hero.setUp(Vector3D(0, 2, 0));        // not unit length
    Camera camera;
    camera.setEye(Vector3D(50, 60, 70));
    camera.setUp(Vector3D(1, 0, 0));

    struct Case {
        CameraMode mode;
        Vector3D eye, up;
    } cases[] = {
        // The look-at point plus the unit view and half the unit up.
        {CAMERA_FIRST_PERSON, Vector3D(10, 2.5f, 0), Vector3D(0, 1, 0)},
        {CAMERA_THIRD_PERSON, Vector3D(10, 2.5f, 0), Vector3D(0, 1, 0)},
        {CAMERA_FREE_VIEW, Vector3D(50, 60, 70), Vector3D(1, 0, 0)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.mode);
        camera.setCameraMode(c.mode);
        Billboard billboard(&camera, &hero);
        EXPECT_TRUE(vectorNear(billboard.eye, c.eye));
        EXPECT_TRUE(vectorNear(billboard.up, c.up));
    }
}

}  // namespace
