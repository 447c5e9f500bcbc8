#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <vector>

#include "Controller/Controller.h"
#include "Island/Island.h"
#include "Object/HeightMap/HeightMap.h"
#include "Object/Portal/Portal.h"
#include "support/GameFolder.h"
#include "support/Shapes.h"
#include "support/VectorExpect.h"

namespace {

// A floor triangle at height y, facing up.
Polygon3D* floorAt(float y) { return makePolygon({{0, y, 0}, {0, y, 1}, {1, y, 0}}); }
// A wall in the plane x = x0, facing -x.
Polygon3D* wallAt(float x0) { return makePolygon({{x0, 0, 0}, {x0, 0, 1}, {x0, 1, 0}}); }

std::unique_ptr<Portal> portalOn(Polygon3D* ground, Vector3D point, Vector3D shot = Vector3D(0, -1, 0)) {
    return std::make_unique<Portal>(ground, point, shot, nullptr, nullptr);
}

void grow(Portal& portal, int steps) {
    for (int i = 0; i < steps; i++) portal.update();
}

}  // namespace

TEST(PortalTest, TheLeftHandVectorFollowsTheGroundOrTheShot) {
    std::unique_ptr<Polygon3D> floor(floorAt(1)), wall(wallAt(10));
    struct Case {
        const char* name;
        Polygon3D* ground;
        Vector3D shot;
        bool onFloor;
        Vector3D leftHand;
    };
    const Case cases[] = {
        {"shot straight down", floor.get(), Vector3D(0, -1.3f, 0), true, Vector3D(0, 0, 1)},
        {"shot along +x onto a floor", floor.get(), Vector3D(1, -1, 0), true, Vector3D(0, 0, -1)},
        {"wall facing -x", wall.get(), Vector3D(1, 0, 0), false, Vector3D(0, 0, -1)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::unique_ptr<Portal> portal = portalOn(c.ground, Vector3D(5, 1, 5), c.shot);
        EXPECT_EQ(portal->isNormalYAxis(), c.onFloor);
        EXPECT_TRUE(vectorNear(portal->getLeftHandVector(), c.leftHand));
        EXPECT_EQ(portal->getSize(), 0.0f);
    }
}

TEST(PortalTest, GrowsByAThirdOfAUnitAndReportsFullSizeOnceOnTheEighthStep) {
    std::unique_ptr<Polygon3D> floor(floorAt(1));
    std::unique_ptr<Portal> portal = portalOn(floor.get(), Vector3D(0, 1, 0));
    for (int step = 1; step <= 7; step++) {
        EXPECT_FALSE(portal->update()) << "step " << step;
        EXPECT_NEAR(portal->getSize(), 0.3f * step, 1e-5f) << "step " << step;
    }
    EXPECT_TRUE(portal->update());
    EXPECT_EQ(portal->getSize(), 2.2f);
    for (int step = 9; step <= 12; step++) {
        EXPECT_FALSE(portal->update()) << "step " << step;
        EXPECT_EQ(portal->getSize(), 2.2f);
    }
}

TEST(PortalTest, AdmitsASphereFromTheSecondGrowthStepWithinItsRadiusOfThePlane) {
    std::unique_ptr<Polygon3D> floor(floorAt(1));
    struct Case {
        int steps;
        Vector3D centre;
        bool inside;
    };
    // Radius 1.5: within 1.5 of the plane y = 1 and within 2.3 of the centre.
    const Case cases[] = {
        {1, Vector3D(0, 2, 0), false},       // size 0.3 admits nothing
        {2, Vector3D(0, 2, 0), true},        // size 0.6 does
        {2, Vector3D(0, 2.5f, 0), false},    // exactly the radius from the plane
        {2, Vector3D(0, 2.25f, 0), true},
        {2, Vector3D(0, -0.25f, 0), true},   // from behind too
        {2, Vector3D(0, 1, 2.2f), true},     // reach radius + 0.8 ...
        {2, Vector3D(0, 1, 2.4f), false},
        {8, Vector3D(0, 1, 2.4f), false},    // ... whatever the size
        {8, Vector3D(1.2f, 2, 1.6f), true},
    };
    for (const Case& c : cases) {
        std::unique_ptr<Portal> portal = portalOn(floor.get(), Vector3D(0, 1, 0));
        grow(*portal, c.steps);
        Vector3D centre = c.centre;
        EXPECT_EQ(portal->doesSphereCollide(&centre, 1.5f), c.inside)
            << "after " << c.steps << " steps at (" << centre.x << ", " << centre.y << ", " << centre.z << ")";
    }
}

TEST(PortalTest, TheCoverThickensWithDistanceUpToFortyUnits) {
    const float cases[][2] = {{0, 0.1f}, {20, 0.45f}, {40, 0.8f}, {400, 0.8f}};
    for (const auto& c : cases) {
        EXPECT_NEAR(Portal::getCoverAlpha(c[0]), c[1], 1e-6f) << "at " << c[0];
    }
}

// A wall portal facing -x at (10, 5, 0) and a floor portal at (0, 1, 0).
class PortalPairTest : public ::testing::Test {
protected:
    std::unique_ptr<Polygon3D> wallGround{wallAt(10)};
    std::unique_ptr<Polygon3D> floorGround{floorAt(1)};
    std::unique_ptr<Portal> wall = portalOn(wallGround.get(), Vector3D(10, 5, 0), Vector3D(1, 0, 0));
    std::unique_ptr<Portal> floor = portalOn(floorGround.get(), Vector3D(0, 1, 0), Vector3D(0, -1, 0));
};

TEST_F(PortalPairTest, WhatLiesStraightInFrontOfOnePortalIsSeenOutOfTheOther) {
    struct Case {
        const char* name;
        Portal* in;
        Portal* out;
        Vector3D inNormal;
        Vector3D outNormal;
    };
    const Case cases[] = {
        {"wall to floor", wall.get(), floor.get(), Vector3D(-1, 0, 0), Vector3D(0, 1, 0)},
        {"floor to wall", floor.get(), wall.get(), Vector3D(0, 1, 0), Vector3D(-1, 0, 0)},
    };
    for (Case c : cases) {
        SCOPED_TRACE(c.name);
        Vector3D inPosition = c.in->getPosition(), outPosition = c.out->getPosition();
        Vector3D offset = c.inNormal.multiply(5.0);
        Vector3D eye = inPosition.add(&offset);
        c.in->aimFloorPortal(c.out, eye);
        // The eye 5 in front, looking at the centre: the moved eye stands 5
        // behind the other portal and looks out of its front.
        Vector3D newCentre = c.in->carryPoint(c.out, inPosition);
        Vector3D newEye = c.in->carryPoint(c.out, eye);
        EXPECT_TRUE(vectorNear(newCentre, outPosition, 1e-4f));
        Vector3D behind = c.outNormal.multiply(-5.0);
        EXPECT_TRUE(vectorNear(newEye, outPosition.add(&behind), 1e-4f));
        // Going in comes out; the turn keeps lengths and angles.
        Vector3D into = c.inNormal.multiply(-1.0);
        EXPECT_TRUE(vectorNear(c.in->carryDirection(c.out, into), c.outNormal, 1e-5f));
        Vector3D a(0.3f, -0.7f, 2.0f), b(-1.0f, 0.5f, 0.25f);
        Vector3D ca = c.in->carryDirection(c.out, a), cb = c.in->carryDirection(c.out, b);
        EXPECT_NEAR(ca.getLength(), a.getLength(), 1e-5f);
        EXPECT_NEAR(Vector3D::getDotProduct(&ca, &cb), Vector3D::getDotProduct(&a, &b), 1e-5f);
        // No mirror: the turn keeps the handedness.
        Vector3D cross = Vector3D::getCrossProduct2(&a, &b);
        Vector3D crossCarried = Vector3D::getCrossProduct2(&ca, &cb);
        EXPECT_TRUE(vectorNear(c.in->carryDirection(c.out, cross), crossCarried, 1e-4f));
    }
}

TEST_F(PortalPairTest, AFloorPortalPairedWithAWallTurnsWithTheViewer) {
    for (Vector3D eye : {Vector3D(0, 10, -8), Vector3D(6, 3, 0), Vector3D(-3, 7, 4)}) {
        for (bool fromWall : {true, false}) {
            if (fromWall) {
                wall->aimFloorPortal(floor.get(), eye);
            } else {
                floor->aimFloorPortal(wall.get(), eye);
            }
            // Level, unit, and a quarter turn from the level direction from
            // the eye to the floor portal.
            Vector3D toPortal(0 - eye.x, 0, 0 - eye.z);
            toPortal.setLength(1.0);
            Vector3D up(0, 1, 0);
            Vector3D want = toPortal.rotateAroundVector(-M_PI / 2, &up);
            EXPECT_TRUE(vectorNear(floor->getLeftHandVector(), want, 1e-5f));
        }
    }
    // Two walls (or two floors) keep their vectors.
    std::unique_ptr<Polygon3D> otherWallGround(wallAt(-10));
    std::unique_ptr<Portal> otherWall = portalOn(otherWallGround.get(), Vector3D(-10, 5, 0), Vector3D(1, 0, 0));
    Vector3D before = wall->getLeftHandVector();
    wall->aimFloorPortal(otherWall.get(), Vector3D(0, 3, 9));
    Vector3D after = wall->getLeftHandVector();
    EXPECT_TRUE(before.equals(&after));
}

TEST_F(PortalPairTest, TwoWallsCarryTheUpDirectionUnchanged) {
    std::unique_ptr<Polygon3D> facingZ(makePolygon({{0, 0, 20}, {0, 1, 20}, {1, 0, 20}}));
    std::unique_ptr<Portal> other = portalOn(facingZ.get(), Vector3D(0, 5, 20), Vector3D(0, 0, 1));
    Vector3D up(0, 1, 0);
    EXPECT_TRUE(vectorNear(wall->carryDirection(other.get(), up), up, 1e-5f));
    EXPECT_TRUE(vectorNear(other->carryDirection(wall.get(), up), up, 1e-5f));
}

// Island 0's terrain is flat at height 1 with three features, each with a
// spot 1.5 units from it where a portal is tried:
// - a step up to height 3 along a column (x >= 40, z < -40);
// - a step up to height 3 along a diagonal (i - j >= -100, z >= 20, x < -20);
// - a hole (48 < x < 60, 40 < z < 60).
class PortalDispelTest : public ::testing::Test {
protected:
    static uint8_t terrain(int island, int i, int j) {
        if (island != 0) return 5;
        if (i >= 140 && j < 60) return 15;
        if (j >= 120 && i < 80 && i - j >= -100) return 15;
        if (i >= 149 && i <= 160 && j >= 140 && j <= 160) return 0;
        return 5;
    }

    static Controller* world() {
        static Controller* controller = nullptr;
        if (controller == nullptr) {
            // Entered for the rest of the process.
            keepForTheProcess(new GameFolder(terrain));
            testing::internal::CaptureStdout();
            controller = keepForTheProcess(new Controller());
            testing::internal::GetCapturedStdout();
        }
        return controller;
    }

    std::unique_ptr<Portal> portalAt(float x, float z) {
        HeightMap* heightMap = world()->getCurrentHeightMap();
        Polygon3D* ground = heightMap->getPolygon(x, z);
        EXPECT_NE(ground, nullptr);
        return portalOn(ground, Vector3D(x, heightMap->getHeight(x, z), z));
    }

    // Grows the portal as the controller does; true when it is dispelled
    // on the way.
    bool dispelledWhileGrowing(Portal& portal, Portal* other = nullptr) {
        Controller* c = world();
        for (int step = 0; step < 10; step++) {
            portal.update();
            if (other) other->update();
            if (portal.shouldPortalDispell(c->getCurrentHeightMap(), other, c)) return true;
        }
        return false;
    }
};

TEST_F(PortalDispelTest, ARimOverNoGroundOrOverDifferentlyTiltedGroundClosesAGrowingPortal) {
    struct Case {
        const char* name;
        float x, z;
        bool dispelled;
    };
    const Case cases[] = {
        {"open flat ground", 0.0f, 0.0f, false},
        {"beside a step along a column", 37.5f, -70.0f, true},
        {"well clear of that step", 30.0f, -70.0f, false},
        // The cells of a diagonal step are split along the diagonal: the
        // rim skips them.
        {"beside a step along a diagonal", -52.5f, 50.5f, false},
        {"beside a hole", 47.0f, 50.0f, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::unique_ptr<Portal> portal = portalAt(c.x, c.z);
        EXPECT_EQ(dispelledWhileGrowing(*portal), c.dispelled);
    }
}

TEST_F(PortalDispelTest, TheDiagonalStepIsReallyUnderTheRim) {
    // Guards the case above: at full growth the rim does reach triangles
    // tilted against the ground there, and they are diagonal ones.
    HeightMap* heightMap = world()->getCurrentHeightMap();
    std::unique_ptr<Portal> portal = portalAt(-52.5f, 50.5f);
    grow(*portal, 7);
    Vector3D n = portal->getNormal().getUnitVector();
    Vector3D along = portal->getPlaneVector();
    along.setLength(portal->getSize());
    int tilted = 0;
    for (int i = 0; i < 20; i++) {
        Vector3D rim = along.rotateAroundVector(-i * M_PI / 10, &n);
        Polygon3D* under = heightMap->getPolygon(-52.5f + rim.x, 50.5f + rim.z);
        ASSERT_NE(under, nullptr);
        Vector3D normal = under->getNormal().getUnitVector();
        if (!normal.equals(&n)) {
            tilted++;
            EXPECT_TRUE(under->isDiagonal());
        }
    }
    EXPECT_GT(tilted, 0);
}

TEST_F(PortalDispelTest, AGrowingPortalOverlappingTheOtherOneCloses) {
    std::unique_ptr<Portal> portal = portalAt(0, 0);
    std::unique_ptr<Portal> near = portalAt(0.5f, 0);
    EXPECT_TRUE(dispelledWhileGrowing(*portal, near.get()));
    std::unique_ptr<Portal> again = portalAt(0, 0);
    std::unique_ptr<Portal> far = portalAt(10.0f, 0);
    EXPECT_FALSE(dispelledWhileGrowing(*again, far.get()));
}

TEST_F(PortalDispelTest, AFullGrownPortalStaysWhateverLiesAround) {
    std::unique_ptr<Portal> portal = portalAt(47.0f, 50.0f);
    std::unique_ptr<Portal> other = portalAt(47.5f, 50.0f);
    grow(*portal, 8);
    Controller* c = world();
    EXPECT_FALSE(portal->shouldPortalDispell(c->getCurrentHeightMap(), other.get(), c));
}
