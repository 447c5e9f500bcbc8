#include <gtest/gtest.h>

#include "World/World.h"

namespace {

// A sphere resting 0.1 above the ramp's plane (y = (z - 10) / 5): the ramp
// answers only beyond z = 10; up to z = 10 inclusive the floor alone is
// asked, and a level floor is never met by the horizontal probes.
TEST(World, RampAnswersOnlyBeyondZTen) {
    World world;
    struct Case {
        float z;
        bool ramp;
    } cases[] = {{9.0f, false}, {10.0f, false}, {10.01f, true}, {12.0f, true}, {15.0f, true}};
    for (const Case& c : cases) {
        Vector3D centre(5, (c.z - 10) / 5 + 0.1f, c.z);
        Polygon3D* hit = world.getCollidingPolygon(&centre, 1.0f);
        if (!c.ramp) {
            EXPECT_EQ(hit, nullptr) << "z " << c.z;
            continue;
        }
        ASSERT_NE(hit, nullptr) << "z " << c.z;
        EXPECT_FLOAT_EQ(hit->getPoint(2).y, 2.0f) << "the ramp, rising to 2 at z = 20";
    }
    // Above the platform only the ramp is asked, and its plane is far below.
    Vector3D platform(0, 5.5f, 25);
    EXPECT_EQ(world.getCollidingPolygon(&platform, 1.0f), nullptr);
    EXPECT_FALSE(world.doesSphereCollide(&platform, 100.0f));
}

}  // namespace
