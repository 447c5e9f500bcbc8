#include <gtest/gtest.h>

#include <SDL.h>

#include <cmath>
#include <functional>
#include <memory>
#include <vector>

#include "Controller/Controller.h"
#include "Island/Island.h"
#include "Object/Character/ForestSpirit/EnemyForestSpirit/EnemyForestSpirit.h"
#include "Object/HeightMap/HeightMap.h"
#include "Object/Missile/FireBallMissile/FireBallMissile.h"
#include "Object/Missile/PortalMissile/PortalMissile.h"
#include "Object/Portal/Portal.h"
#include "Object/StaticObject/StaticObject.h"
#include "support/GameFolder.h"
#include "support/Shapes.h"
#include "support/VectorExpect.h"

namespace {

// Every island flat at height 1 (the folder's default).
const float GROUND = 1.0f;

class MissilesAndPortalsTest : public ::testing::Test {
protected:
    GameFolder folder;
    Controller* controller = nullptr;

    void SetUp() override {
        testing::internal::CaptureStdout();
        controller = keepForTheProcess(new Controller());
        testing::internal::GetCapturedStdout();
        controller->inMainMenu = false;
    }

    Island* home() { return controller->islands[0]; }

    // A launched missile flying straight down from just above the ground.
    template <class Kind>
    Kind* dropAt(float x, float z, float height = 0.5f) {
        Vector3D at(x, GROUND + height, z), down(0, -1, 0), up(0, 1, 0);
        Kind* missile = new Kind(&at, &down, &up);
        missile->setLaunched(true);
        controller->addMissile(missile);
        return missile;
    }
    PortalMissile* portalMissileAt(float x, float z, bool alpha) {
        PortalMissile* missile = dropAt<PortalMissile>(x, z);
        missile->setIsAlphaPortalMissile(alpha);
        return missile;
    }

    // A place on the ground with nothing within reach: no hero, spirit or
    // object near a missile falling there. Inside a triangle: a segment
    // through a cell's corner meets no triangle.
    Vector3D clearSpot(float fromX = -80.0f) {
        for (float x = fromX + 0.37f; x < 80.0f; x += 7.0f) {
            for (float z = -79.71f; z < 80.0f; z += 7.0f) {
                if (isClear(x, z, 12.0f)) return Vector3D(x, GROUND, z);
            }
        }
        ADD_FAILURE() << "no clear spot on the home island";
        return Vector3D();
    }
    bool isClear(float x, float z, float reach) {
        Vector3D top(x, GROUND + 20, z), bottom(x, GROUND - 5, z);
        Vector3D heroPosition = controller->hero.getPosition();
        if (Vector3D(x - heroPosition.x, 0, z - heroPosition.z).getLength() < reach) return false;
        for (EnemyForestSpirit* spirit : *home()->getAllEnemiesAndAllies()) {
            Vector3D p = spirit->getPosition();
            if (Vector3D(x - p.x, 0, z - p.z).getLength() < reach) return false;
        }
        for (float dx = -reach; dx <= reach; dx += 1.0f) {
            Vector3D a(x + dx, GROUND + 20, z), b(x + dx, GROUND - 5, z);
            Vector3D c(x, GROUND + 20, z + dx), d(x, GROUND - 5, z + dx);
            if (home()->doesLineCollideWithObjects(&a, &b) || home()->doesLineCollideWithObjects(&c, &d)) {
                return false;
            }
        }
        return home()->doesLineCollideWithObjects(&top, &bottom) == nullptr;
    }

    // A full-grown floor portal in a slot, as a missile opens it.
    Portal* openFloorPortal(Portal*& slot, Vector3D at, Vector3D shot = Vector3D(0, -1, 0)) {
        HeightMap* ground = controller->getCurrentHeightMap();
        controller->openPortal(slot, ground->getPolygon(at.x, at.z), Vector3D(at.x, GROUND + 0.06f, at.z), shot);
        for (int i = 0; i < 8; i++) slot->update();
        return slot;
    }

    int heroMissiles() {
        int count = 0;
        for (Missile* m : controller->missiles) count += m->isAlphaPortalMissile() || m->isBetaPortalMissile();
        return count;
    }
};

}  // namespace

TEST_F(MissilesAndPortalsTest, AMissileHitsTheHeroThenEnemiesThenObjectsThenTheGround) {
    Controller& c = *controller;
    Vector3D spot = clearSpot();

    // Over the ground beside the hero: the hero is hit, no portal opens.
    c.hero.setPosition(Vector3D(spot.x, GROUND + 1.3f, spot.z));
    float health = c.hero.getHealth();
    portalMissileAt(spot.x + 1.0f, spot.z, true);
    c.updateMissiles();
    EXPECT_TRUE(c.missiles.empty());
    EXPECT_EQ(c.alphaPortal, nullptr);
    EXPECT_EQ(c.hero.getHealth(), health - 20.0f);
    EXPECT_TRUE(c.headsUpDisplay.hit);
    c.hero.setPosition(Vector3D(500, 50, 500));

    // Over the ground beside a spirit: the spirit is struck.
    std::vector<EnemyForestSpirit*>* spirits = home()->getAllEnemiesAndAllies();
    ASSERT_FALSE(spirits->empty());
    EnemyForestSpirit* spirit = spirits->back();
    spirit->setPosition(Vector3D(spot.x, GROUND + 1.3f, spot.z));
    size_t spiritsBefore = spirits->size();
    portalMissileAt(spot.x + 1.0f, spot.z, true);
    c.updateMissiles();
    EXPECT_TRUE(c.missiles.empty());
    EXPECT_EQ(c.alphaPortal, nullptr);
    EXPECT_EQ(spirits->size(), spiritsBefore - 1);

    // Onto a building: nothing opens.
    std::vector<StaticObject*>* buildings = home()->getBuildings();
    ASSERT_FALSE(buildings->empty());
    Vector3D house = buildings->front()->getPosition();
    portalMissileAt(house.x, house.z, true);
    c.updateMissiles();
    EXPECT_TRUE(c.missiles.empty());
    EXPECT_EQ(c.alphaPortal, nullptr);

    // Onto open ground: the portal opens 0.06 back along the flight.
    portalMissileAt(spot.x, spot.z, true);
    c.updateMissiles();
    EXPECT_TRUE(c.missiles.empty());
    ASSERT_NE(c.alphaPortal, nullptr);
    EXPECT_TRUE(vectorNear(c.alphaPortal->getPosition(), Vector3D(spot.x, GROUND + 0.06f, spot.z), 1e-4f));
    EXPECT_EQ(c.betaPortal, nullptr);
}

TEST_F(MissilesAndPortalsTest, ANewPortalReplacesOnlyTheOneOfItsKind) {
    Controller& c = *controller;
    Vector3D a = clearSpot(), b = clearSpot(a.x + 20), d = clearSpot(b.x + 20);
    // Two missiles landing in one step: the step goes on with the one
    // behind an erased missile.
    portalMissileAt(a.x, a.z, true);
    portalMissileAt(b.x, b.z, false);
    c.updateMissiles();
    ASSERT_TRUE(c.missiles.empty());
    ASSERT_NE(c.alphaPortal, nullptr);
    ASSERT_NE(c.betaPortal, nullptr);
    Portal* beta = c.betaPortal;

    portalMissileAt(d.x, d.z, true);
    c.updateMissiles();
    ASSERT_NE(c.alphaPortal, nullptr);
    EXPECT_NEAR(c.alphaPortal->getPosition().x, d.x, 1e-4f);
    EXPECT_EQ(c.betaPortal, beta);
    EXPECT_NEAR(c.betaPortal->getPosition().x, b.x, 1e-4f);

    // A fire ball on the ground just goes.
    dropAt<FireBallMissile>(a.x, a.z);
    Portal* alpha = c.alphaPortal;
    c.updateMissiles();
    EXPECT_TRUE(c.missiles.empty());
    EXPECT_EQ(c.alphaPortal, alpha);
    EXPECT_EQ(c.betaPortal, beta);
}

TEST_F(MissilesAndPortalsTest, MissilesThatMissEverythingAreDroppedOffTheBoard) {
    Controller& c = *controller;
    // Out over the sea, up into the sky, and a fire ball thrown wide.
    Vector3D up(0, 1, 0);
    struct Shot {
        Vector3D from, velocity;
    };
    const Shot shots[] = {
        {Vector3D(95, 10, 0), Vector3D(1.3f, 0, 0)},
        {Vector3D(0, 10, -95), Vector3D(0, 0.5f, -1.3f)},
        {Vector3D(-95, 10, 95), Vector3D(-2.3f, 0.2f, 2.3f)},
    };
    for (const Shot& s : shots) {
        Vector3D from = s.from, velocity = s.velocity;
        Missile* missile = new PortalMissile(&from, &velocity, &up);
        missile->setLaunched(true);
        c.addMissile(missile);
    }
    Vector3D from(0, 10, 95), velocity(0, 0, 2.3f);
    FireBallMissile* fireBall = new FireBallMissile(&from, &velocity, &up);
    fireBall->setLaunched(true);
    c.addMissile(fireBall);
    for (int frame = 0; frame < 600 && !c.missiles.empty(); frame++) {
        c.updateMissiles();
    }
    EXPECT_TRUE(c.missiles.empty());
    EXPECT_EQ(c.alphaPortal, nullptr);
    EXPECT_EQ(c.betaPortal, nullptr);
}

TEST_F(MissilesAndPortalsTest, ClicksWhileTheWorldStandsStillLeaveOneMissileThatIsThrownLater) {
    Controller& c = *controller;
    c.paused = true;
    SDL_Event click = {};
    click.type = SDL_MOUSEBUTTONDOWN;
    click.button.button = SDL_BUTTON_LEFT;
    for (int i = 0; i < 20; i++) {
        c.eventMessage(click);
    }
    EXPECT_EQ(heroMissiles(), 1);
    c.paused = false;
    bool thrown = false;
    for (int frame = 0; frame < 10 && !thrown; frame++) {
        c.updateWorld();
        for (Missile* m : c.missiles) thrown = thrown || (m->isAlphaPortalMissile() && m->getLaunched());
    }
    EXPECT_TRUE(thrown);
    EXPECT_EQ(heroMissiles(), 1);
}

// A pair of floor portals far apart on open ground.
class PassageTest : public MissilesAndPortalsTest {
protected:
    Vector3D a, b;
    void SetUp() override {
        MissilesAndPortalsTest::SetUp();
        a = clearSpot();
        b = clearSpot(a.x + 30);
        openFloorPortal(controller->alphaPortal, a, Vector3D(1, -1, 0));
        openFloorPortal(controller->betaPortal, b, Vector3D(0, -1, 1));
    }
};

TEST_F(PassageTest, TheHeroStepsIntoOnePortalAndComesOutOfTheOtherFacingWhereItsViewShowed) {
    Controller& c = *controller;
    Hero& hero = c.hero;
    hero.setPosition(Vector3D(a.x + 0.5f, GROUND + 1.3f, a.z));
    hero.setCenter(Vector3D(a.x + 1.5f, GROUND + 1.3f, a.z));
    hero.setUp(Vector3D(0, 1, 0));
    Vector3D view = hero.getViewDirection();
    hero.applyLocalPortalCollisions(&c);

    Vector3D arrived = hero.getPosition();
    EXPECT_TRUE(vectorNear(arrived, Vector3D(b.x, GROUND + 0.06f + 2.0f, b.z), 1e-4f));
    // The level part of the view turns as the view through the pair does.
    Vector3D carried = c.alphaPortal->carryDirection(c.betaPortal, view);
    carried.y = 0;
    carried.setLength(1.0);
    Vector3D now = hero.getViewDirection();
    now.setLength(1.0);
    EXPECT_TRUE(vectorNear(now, carried, 1e-4f));
    EXPECT_EQ(hero.getHeightMap(), nullptr);
    // Clear of the exit's own entry test: the next check takes it nowhere.
    hero.applyLocalPortalCollisions(&c);
    EXPECT_TRUE(vectorNear(hero.getPosition(), arrived, 1e-6f));
}

TEST_F(PassageTest, NothingPassesThroughAPortalWithoutItsPartner) {
    Controller& c = *controller;
    delete c.betaPortal;
    c.betaPortal = nullptr;
    Vector3D standing(a.x, GROUND + 1.3f, a.z);
    c.hero.setPosition(standing);
    c.hero.applyLocalPortalCollisions(&c);
    EXPECT_TRUE(vectorNear(c.hero.getPosition(), standing, 1e-6f));

    EnemyForestSpirit* spirit = home()->getAllEnemiesAndAllies()->front();
    spirit->setPosition(standing);
    spirit->applyLocalPortalCollisions(&c);
    EXPECT_TRUE(vectorNear(spirit->getPosition(), standing, 1e-6f));
}

TEST_F(PassageTest, ASpiritFallingIntoOnePortalRisesOutOfTheOther) {
    Controller& c = *controller;
    EnemyForestSpirit* spirit = home()->getAllEnemiesAndAllies()->front();
    spirit->setPosition(Vector3D(a.x, GROUND + 1.5f, a.z));
    spirit->setCenter(Vector3D(a.x, GROUND + 1.5f, a.z + 1));
    spirit->applyLocalPortalCollisions(&c);
    EXPECT_TRUE(vectorNear(spirit->getPosition(), Vector3D(b.x, GROUND + 0.06f + 2.0f, b.z), 1e-4f));
    EXPECT_EQ(spirit->getHeightMap(), nullptr);
}

TEST_F(PassageTest, AMissileFlyingIntoOnePortalFliesOutOfTheOtherAndOpensNothingThere) {
    Controller& c = *controller;
    Portal* alpha = c.alphaPortal;
    Portal* beta = c.betaPortal;
    PortalMissile* missile = portalMissileAt(a.x + 0.3f, a.z, false);
    missile->setVelocity(Vector3D(0.3f, -1.3f, 0));
    c.updateMissiles();
    ASSERT_EQ(c.missiles.size(), 1u);
    Vector3D position = missile->getPosition(), velocity = missile->getVelocity();
    // Out of the middle of the other one, one step on.
    EXPECT_NEAR(Vector3D(position.x - b.x, 0, position.z - b.z).getLength(), 0.3f, 1e-3f);
    EXPECT_GT(position.y, GROUND + 0.5f);
    EXPECT_GT(velocity.y, 1.0f) << "out of the floor portal, upwards";
    EXPECT_EQ(c.alphaPortal, alpha);
    EXPECT_EQ(c.betaPortal, beta);

    // Flying away from a portal it is near, a missile stays where it is.
    Vector3D from(b.x, GROUND + 1.0f, b.z), away(0, 1.3f, 0), up(0, 1, 0);
    PortalMissile leaving(&from, &away, &up);
    leaving.setLaunched(true);
    leaving.applyPortalCollisions(&c);
    EXPECT_TRUE(vectorNear(leaving.getPosition(), from, 1e-6f));
}

TEST_F(PassageTest, AFloorPortalPairedWithAWallSendsTheHeroOutOfTheWallClearOfTheGround) {
    Controller& c = *controller;
    // A wall facing -x whose opening sits just above the ground.
    std::unique_ptr<Polygon3D> wall(makePolygon({{b.x, 0, b.z}, {b.x, 0, b.z + 1}, {b.x, 1, b.z}}));
    delete c.betaPortal;
    c.betaPortal = new Portal(wall.get(), Vector3D(b.x - 0.06f, GROUND + 0.8f, b.z), Vector3D(1, 0, 0), nullptr,
                              nullptr);
    for (int i = 0; i < 8; i++) c.betaPortal->update();

    Hero& hero = c.hero;
    Vector3D eye(a.x - 6, GROUND + 4, a.z);
    c.alphaPortal->aimFloorPortal(c.betaPortal, eye);
    hero.setPosition(Vector3D(a.x, GROUND + 1.3f, a.z));
    hero.setCenter(Vector3D(a.x + 1, GROUND + 1.3f, a.z));
    hero.setUp(Vector3D(0, 1, 0));
    hero.applyLocalPortalCollisions(&c);

    Vector3D p = hero.getPosition();
    EXPECT_NEAR(p.x, b.x - 0.06f - 2.0f, 1e-4f);
    EXPECT_NEAR(p.z, b.z, 1e-4f);
    EXPECT_GE(p.y - 1.35f, GROUND) << "the landing test must not undo the passage";
    Vector3D view = hero.getViewDirection();
    view.y = 0;
    view.setLength(1.0);
    EXPECT_TRUE(vectorNear(view, Vector3D(-1, 0, 0), 1e-4f)) << "facing out of the wall";
    delete c.betaPortal;  // before the wall triangle it stands on
    c.betaPortal = nullptr;
}
