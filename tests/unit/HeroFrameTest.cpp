#include <gtest/gtest.h>

#include <SDL.h>

#include <cmath>
#include <memory>
#include <string>

#include "Controller/Controller.h"
#include "Island/Island.h"
#include "Object/Character/ForestSpirit/EnemyForestSpirit/EnemyForestSpirit.h"
#include "Object/HeightMap/HeightMap.h"
#include "Object/Missile/FireBallMissile/FireBallMissile.h"
#include "Object/Missile/PortalMissile/PortalMissile.h"
#include "support/GameFolder.h"
#include "support/VectorExpect.h"

namespace {

// The hero's frame state, reached through member pointers: the
// controller's hero is a plain Hero.
class Fields : public Hero {
public:
    static HeightMap* ForestSpirit::*ground() { return &Fields::heightMap; }
    static float ForestSpirit::*lastGround() { return &Fields::lastGroundY; }
    static int Hero::*bumpCount() { return &Fields::bumpFrames; }
    static float Hero::*healthValue() { return &Fields::health; }
};

// Stands or floats the hero at `at`, looking along `look`.
void place(Hero& hero, Vector3D at, Vector3D look, HeightMap* ground, Vector3D speed = Vector3D()) {
    hero.setPosition(at);
    hero.setCenter(at.add(&look));
    hero.setUp(Vector3D(0, 1, 0));
    hero.*Fields::ground() = ground;
    hero.setVelocity(speed);
}

// Home island level 1, with a rock wall of level 40 from world x = 30 on,
// and a ridge of level 3 one sample wide at x = 10 for z from 20 to 40.
uint8_t wallAndRidge(int island, int i, int j) {
    if (island != 0) return 5;
    if (i >= 130) return 200;
    if (i == 110 && j >= 120 && j <= 140) return 15;
    return 5;
}

class HeroFrameTest : public ::testing::Test {
protected:
    explicit HeroFrameTest(GameFolder::Terrain terrain = GameFolder::flat) : folder(terrain) {}

    void SetUp() override {
        testing::internal::CaptureStdout();
        c = keepForTheProcess(new Controller());
        testing::internal::GetCapturedStdout();
        c->inMainMenu = false;
        c->camera.setCameraMode(CAMERA_THIRD_PERSON);
    }

    Hero& hero() { return c->hero; }
    void frame(float dx = 0, float dy = 0) { c->hero.updateHero(true, keys, dx, dy, c); }
    // Frames until the hero stands on the ground, at most `limit`.
    void landHero(int limit = 200) {
        for (int k = 0; k < limit && hero().getHeightMap() == nullptr; ++k) frame();
        ASSERT_NE(hero().getHeightMap(), nullptr) << "never landed";
    }

    GameFolder folder;
    Controller* c = nullptr;
    bool keys[KEY_SLOTS] = {};
};

class HeroCollisionTest : public HeroFrameTest {
protected:
    HeroCollisionTest() : HeroFrameTest(wallAndRidge) {}
};

}  // namespace

// Flat ground at level 1: the hero stands at 2.3.
TEST_F(HeroFrameTest, JumpLeavesOnTheThirdFrameAndLandsAtTheFootHeight) {
    landHero();
    EXPECT_FLOAT_EQ(hero().getPosition().y, 2.3f);

    keys[SDLK_SPACE] = true;
    for (int k = 1; k <= 3; ++k) {
        SCOPED_TRACE(k);
        frame();
        keys[SDLK_SPACE] = false;  // a tap: the latch carries the jump
        EXPECT_EQ(hero().getHeightMap() == nullptr, k == 3);
        EXPECT_FLOAT_EQ(hero().getPosition().y, 2.3f) << "the jump itself starts the next frame";
    }
    float apex = 0;
    int frames = 0;
    while (hero().getHeightMap() == nullptr && frames < 100) {
        frame();
        apex = std::max(apex, hero().getPosition().y);
        frames++;
    }
    EXPECT_NEAR(apex - 2.3f, 4.62f, 1e-3f);
    EXPECT_FLOAT_EQ(hero().getPosition().y, 2.3f);
    EXPECT_TRUE(vectorNear(hero().getVelocity(), Vector3D(0, 0, 0)));
    EXPECT_EQ(frames, 22) << "up for 11 frames, down till the landing probe touches";
}

TEST_F(HeroFrameTest, FallingLetsTheCameraGoThenEndsTheGame) {
    struct Case {
        float y;
        bool freeView;
        bool gameOver;
    };
    const Case cases[] = {{-19.99f, false, false}, {-20.0f, true, false}, {-399.99f, true, false}, {-400.0f, true, true}};
    for (const Case& k : cases) {
        SCOPED_TRACE(k.y);
        c->isGameOver = false;
        c->camera.setCameraMode(CAMERA_THIRD_PERSON);
        place(hero(), Vector3D(500, k.y, 500), Vector3D(0, 0, -1), nullptr);
        frame();
        EXPECT_EQ(!c->camera.isCameraLockedToHero(), k.freeView);
        EXPECT_EQ(c->isGameOver, k.gameOver);
    }

    // Health: exactly 0 ends the game; regeneration stops at the maximum.
    c->isGameOver = false;
    place(hero(), Vector3D(0, 5, 0), Vector3D(0, 0, -1), nullptr);
    landHero();
    c->hero.*Fields::healthValue() = 0.0f;
    frame();
    EXPECT_TRUE(c->isGameOver);
    c->isGameOver = false;
    c->hero.*Fields::healthValue() = 99.999f;
    frame();
    EXPECT_FLOAT_EQ(hero().getHealth(), 100.0f);
    EXPECT_FALSE(c->isGameOver);
}

// Each case runs one frame of the hero from a set pose with w held.
TEST_F(HeroCollisionTest, PushBacksFollowTheCascade) {
    HeightMap* ground = c->getCurrentHeightMap();
    struct Case {
        const char* name;
        Vector3D from;
        bool grounded;
        Vector3D speed;
        Vector3D obstacle;  // a standing spirit, when y is not NaN
        Vector3D expectedPosition;
        Vector3D expectedSpeed;
        bool bumped;
        bool airborneAfter;
    };
    const float none = NAN;
    const Case cases[] = {
        {"cliff at the eye from a level step backs off 0.001", {27.6f, 2.3f, 0}, true, {}, {0, none, 0},
         {27.599f, 2.3f, 0}, {0, 0, 0}, true, true},
        {"cliff at the eye in the air backs off 2.0", {28.0f, 5.0f, 0}, false, {}, {0, none, 0},
         {26.0f, 4.92f, 0}, {0, 0, 0}, true, true},
        {"a solid at the eye in the air keeps the vertical speed", {0, 6.0f, -60}, false, {0.3f, 0.5f, 0},
         {4.5f, 2.3f, -60}, {0.3f, 6.42f, -60}, {0, 0.42f, 0}, true, true},
        // The ground step had already let go of the ground; the snapshot does
        // not hold the height map.
        {"a solid at the body only", {0, 2.3f, -60}, true, {}, {1.2f, 2.3f, -60 + 3.1f}, {0, 2.3f, -60}, {0, 0, 0},
         true, true},
        {"terrain at the body stops without a bump", {9.5f, 3.58f, 30}, false, {}, {0, none, 0}, {9.5f, 3.5f, 30},
         {0, 0, 0}, false, true},
    };
    keys[SDLK_w] = true;
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        std::vector<EnemyForestSpirit*>* spirits = c->islands[0]->getAllEnemiesAndAllies();
        if (!std::isnan(k.obstacle.y)) {
            EnemyForestSpirit* solid = new EnemyForestSpirit();
            solid->setLocation(const_cast<Vector3D*>(&k.obstacle));
            spirits->push_back(solid);
        }
        place(hero(), k.from, Vector3D(1, 0, 0), k.grounded ? ground : nullptr, k.speed);
        c->hero.*Fields::bumpCount() = 0;
        c->hero.*Fields::lastGround() = -1.0f;
        frame();
        EXPECT_TRUE(vectorNear(hero().getPosition(), k.expectedPosition, 1e-4f));
        EXPECT_TRUE(vectorNear(hero().getVelocity(), k.expectedSpeed, 1e-5f));
        EXPECT_EQ(c->hero.isBumped(), k.bumped);
        if (k.bumped) {
            EXPECT_EQ(c->hero.*Fields::bumpCount(), 20);
        }
        EXPECT_EQ(hero().getHeightMap() == nullptr, k.airborneAfter);
        EXPECT_TRUE(vectorNear(hero().getViewDirection(), Vector3D(1, 0, 0), 1e-5f)) << "the snapshot keeps the view";
        c->islands[0]->killAllEnemies();
    }
}

// A bump lasts 21 frames in the air; input is ignored meanwhile. High
// against the wall, the hero is still falling when it runs out.
TEST_F(HeroCollisionTest, ABumpBlocksInputInTheAirUntilItRunsOut) {
    place(hero(), Vector3D(28.8f, 39.0f, 0), Vector3D(1, 0, 0), nullptr);
    keys[SDLK_w] = true;
    frame();
    ASSERT_TRUE(c->hero.isBumped());
    float x = hero().getPosition().x;
    for (int k = 0; k < 20; ++k) {
        frame();
        EXPECT_FLOAT_EQ(hero().getPosition().x, x) << "frame " << k;
        EXPECT_TRUE(c->hero.isBumped());
    }
    frame();
    EXPECT_FALSE(c->hero.isBumped());
    EXPECT_GT(hero().getPosition().x, x) << "w moves the hero again";
}

// The mouse's guards are crossed: motion along one axis alone turns
// nothing, and a level view's first motion must not throw the pitch.
TEST_F(HeroFrameTest, MouseTurnsOnlyWithMotionOnBothAxes) {
    landHero();
    float heading = 0;
    for (int k = 0; k < 3600; ++k) {
        float a = k * 0.1f * (float)M_PI / 180.0f;
        Vector3D v(std::sin(a), 0, std::cos(a)), h(v.x, 0, v.z);
        if (v.getAngleBetween(&h) == ANGLE_UNDEFINED) {
            heading = a;
            break;
        }
    }
    ASSERT_NE(heading, 0.0f);
    Vector3D view(std::sin(heading), 0, std::cos(heading));
    place(hero(), hero().getPosition(), view, hero().getHeightMap());
    struct Case {
        float dx, dy;
        bool turns;
    };
    const Case cases[] = {{7, 0, false}, {0, 7, false}, {0, 0, false}};
    for (const Case& k : cases) {
        SCOPED_TRACE(testing::Message() << k.dx << ", " << k.dy);
        frame(k.dx, k.dy);
        EXPECT_TRUE(vectorNear(hero().getViewDirection(), view, 1e-6f));
    }
    frame(10, 20);
    Vector3D turned = hero().getViewDirection();
    Vector3D expected = view.rotateAroundYAxis(0.01);
    EXPECT_NEAR(std::asin(turned.y), -0.02f, 1e-4f) << "down by dy / 1000";
    EXPECT_NEAR(std::atan2(turned.x, turned.z), std::atan2(expected.x, expected.z), 1e-4f) << "across by dx / 1000";
}

TEST_F(HeroFrameTest, MissilesFallSpinAndLeaveTheBoard) {
    struct Case {
        const char* name;
        bool fireBall;
        float gravity;
        float spinStep;
    };
    const Case cases[] = {{"portal missile", false, 0.027f, 0.4f}, {"fire ball", true, 0.008f, 0.5f}};
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        Vector3D start(0, 50, 0), speed(0, 0, -1.3f), up(0, 1, 0);
        std::unique_ptr<Missile> m(k.fireBall ? (Missile*)new FireBallMissile(&start, &speed, &up)
                                              : (Missile*)new PortalMissile(&start, &speed, &up));
        EXPECT_FALSE(m->getLaunched());
        Vector3D axis = m->getSpinAxis();
        EXPECT_NEAR(axis.getLength(), 1.0f, 1e-5f);
        EXPECT_NEAR(Vector3D::getDotProduct(&axis, &speed), 0.0f, 1e-5f);
        EXPECT_NEAR(Vector3D::getDotProduct(&axis, &up), 0.0f, 1e-5f);
        const int n = 10;
        for (int f = 0; f < n; ++f) m->move(c);
        EXPECT_NEAR(m->getVelocity().y, -k.gravity * n, 1e-5f);
        EXPECT_TRUE(vectorNear(m->getPosition(), Vector3D(0, 50 - k.gravity * n * (n + 1) / 2, -1.3f * n), 1e-4f));
        EXPECT_NEAR(m->getSpin(), -k.spinStep * n, 1e-5f);
        EXPECT_EQ(m->isAlphaPortalMissile(), !k.fireBall) << "a new portal missile is alpha";
        EXPECT_FALSE(m->isBetaPortalMissile());
    }
    struct Board {
        Vector3D at;
        bool off;
    };
    const Board board[] = {{{1000, 0, 0}, true}, {{600, 0, -800}, true}, {{999.9f, 0, 0}, false}, {{0, -1500, 0}, true}};
    for (const Board& b : board) {
        Vector3D at = b.at, still, up(0, 1, 0);
        PortalMissile m(&at, &still, &up);
        EXPECT_EQ(m.isOffBoard(), b.off) << at.x << ", " << at.y << ", " << at.z;
    }
}

// Switching islands mid-throw deletes the listed missile; the hero must not
// launch it afterwards.
TEST_F(HeroFrameTest, AnIslandChangeMidThrowEmptiesTheHand) {
    SDL_Event click = {};
    click.type = SDL_MOUSEBUTTONDOWN;
    click.button.button = SDL_BUTTON_LEFT;
    c->eventMessage(click);
    ASSERT_EQ(c->missiles.size(), 1u);
    EXPECT_EQ(c->hero.getMissileInHand(), c->missiles[0]);
    EXPECT_TRUE(c->missiles[0]->isAlphaPortalMissile());
    c->updateWorld();
    c->setCurrentIsland(1);
    EXPECT_TRUE(c->missiles.empty());
    EXPECT_EQ(c->hero.getMissileInHand(), nullptr);
    for (int k = 0; k < 10; ++k) c->updateWorld();
    EXPECT_FALSE(c->hero.isCurrentlyAnimating());
}
