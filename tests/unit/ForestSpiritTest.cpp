#include <gtest/gtest.h>

#include "Object/Character/ForestSpirit/Hero/Hero.h"
#include "support/VectorExpect.h"

TEST(ForestSpirit, StartsInTheStartPose) {
    Hero hero;
    EXPECT_TRUE(vectorNear(hero.getPosition(), Vector3D(5.789f, 6.3f, -0.786f)));
    EXPECT_TRUE(vectorNear(hero.getViewDirection(), Vector3D(0, 0, -1)));
    EXPECT_TRUE(vectorNear(hero.getUp(), Vector3D(0, 1, 0)));
    EXPECT_FALSE(hero.isHeightMap());

    hero.setPosition(Vector3D(40, -3, 2));
    hero.setCenter(Vector3D(41, -3, 2));
    hero.setUp(Vector3D(0, 0, 1));
    hero.resetPosition();
    EXPECT_TRUE(vectorNear(hero.getPosition(), Vector3D(5.789f, 6.3f, -0.786f)));
    EXPECT_TRUE(vectorNear(hero.getCenter(), Vector3D(5.789f, 6.3f, -1.786f)));
    EXPECT_TRUE(vectorNear(hero.getUp(), Vector3D(0, 1, 0)));
}

TEST(ForestSpirit, EyeOffsetIsUnitViewPlusHalfUnitUp) {
    Hero hero;
    hero.setPosition(Vector3D(1, 1, 1));
    hero.setCenter(Vector3D(1, 1, -3));  // view (0, 0, -4)
    hero.setUp(Vector3D(0, 3, 0));
    EXPECT_TRUE(vectorNear(hero.getViewDirection(), Vector3D(0, 0, -4))) << "the view direction is not normalised";
    EXPECT_TRUE(vectorNear(hero.getEyeOffset(), Vector3D(0, 0.5f, -1)));
    EXPECT_TRUE(vectorNear(hero.getUp(), Vector3D(0, 1, 0))) << "the stored up vector is normalised";
}

TEST(ForestSpirit, SetLocationKeepsTheViewDirection) {
    Hero hero;
    hero.setCenter(Vector3D(8, 9, 10));
    Vector3D view = hero.getViewDirection();
    Vector3D there(-20, 3.5f, 70);
    hero.setLocation(&there);
    EXPECT_TRUE(vectorNear(hero.getPosition(), there));
    EXPECT_TRUE(vectorNear(hero.getViewDirection(), view, 1e-4f));
}
