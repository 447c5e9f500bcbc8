#include <gtest/gtest.h>

#include <SDL.h>

#include <cmath>
#include <cstdint>
#include <memory>
#include <vector>

#include "Object/Character/ForestSpirit/Hero/Hero.h"
#include "Object/HeightMap/HeightMap.h"
#include "Object/Missile/PortalMissile/PortalMissile.h"
#include "Texture/Texture.h"
#include "support/Bmp8.h"
#include "support/Fixtures.h"
#include "support/VectorExpect.h"

namespace {

// The figures' movement state, opened for the checks.
class OpenHero : public Hero {
public:
    using ForestSpirit::heightMap;
    using ForestSpirit::jumpCounter;
    using ForestSpirit::jumping;
    using ForestSpirit::movingBackward;
    using ForestSpirit::movingForward;
    using ForestSpirit::strafingLeft;
    using ForestSpirit::strafingRight;
    using ForestSpirit::throwing;
    using Hero::health;

    // Stands at (x, y, z) looking along the unit direction.
    void place(Vector3D at, Vector3D look, HeightMap* ground) {
        position = at;
        center = at.add(&look);
        up.setCoords(0, 1, 0);
        heightMap = ground;
    }
    float pitch() {
        Vector3D v = getViewDirection();
        return std::asin(v.y / v.getLength());
    }
};

TexturesMeshes* someRegistry() {
    static char storage[16];
    return reinterpret_cast<TexturesMeshes*>(storage);
}
Texture* someMiniMap() {
    static Texture miniMap("HeightMap/islandHomeMiniMap.bmp");
    return &miniMap;
}

// A 40 x 40 map, level 1 everywhere but a hole row at world z = 10 and
// beyond (j >= 30); world x = i - 20, z = j - 20.
std::unique_ptr<HeightMap> levelGround(const TempFolder& folder) {
    const int side = 40;
    std::vector<uint8_t> bytes((size_t)side * side, 7);
    for (int j = 30; j < side; ++j)
        for (int i = 0; i < side; ++i) bytes[(size_t)j * side + i] = 0;
    writeBmp8(folder, "map.bmp", side, side, bytes);
    return std::make_unique<HeightMap>(folder.path("map.bmp").c_str(), side, someRegistry(), someMiniMap());
}

// A figure height at which the ground (height 1) rises `rise` above the
// foot as the figure measures it in floats: at least that much for the
// forward limit, at most for the sideways one.
float heightForRise(float rise, bool atMost) {
    float y = 1.0f + 1.3f - rise;
    while (1.0f - (y - 1.3f) > rise) y = std::nextafter(y, 100.0f);
    while (1.0f - (y - 1.3f) < rise) y = std::nextafter(y, -100.0f);
    if (atMost && 1.0f - (y - 1.3f) > rise) y = std::nextafter(y, 100.0f);
    return y;
}

}  // namespace

// Forward steps use the hero's own ground step (it re-stands the hero);
// sideways steps the spirit's.
TEST(SpiritMovement, StepsClimbOnlyLowRises) {
    TempFolder folder;
    std::unique_ptr<HeightMap> ground = levelGround(folder);
    enum Move { FORWARD, SIDEWAYS_LEFT };
    struct Case {
        const char* name;
        Move move;
        float rise;     // of the ground 1 ahead (or 0.2 aside) over the foot
        Vector3D from;  // x, z; y from the rise
        Vector3D step;  // expected motion in x, z
        bool airborne;
        float standY;  // expected height afterwards, when it is checked
    };
    const Case cases[] = {
        {"forward rise 0.79 walks and re-stands", FORWARD, 0.79f, {0, 0, 0}, {0, 0, -0.5f}, true, 2.3f},
        {"forward rise 0.8 blocks", FORWARD, 0.8f, {0, 0, 0}, {0, 0, 0}, false, NAN},
        {"forward onto lower ground moves a whole unit and falls", FORWARD, -0.4f, {0, 0, 0}, {0, 0, -1}, true, NAN},
        {"forward with no ground ahead moves on and falls", FORWARD, 0.0f, {0, 0, 9.5f}, {0, 0, 0}, true, NAN},
        {"sideways on level ground", SIDEWAYS_LEFT, 0.0f, {0, 0, 0}, {-0.2f, 0, 0}, true, NAN},
        {"sideways rise 0.02 still steps", SIDEWAYS_LEFT, 0.02f, {0, 0, 0}, {-0.2f, 0, 0}, true, NAN},
        {"sideways rise 0.03 blocks", SIDEWAYS_LEFT, 0.03f, {0, 0, 0}, {0, 0, 0}, false, NAN},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        OpenHero hero;
        Vector3D look = c.from.z > 0 ? Vector3D(0, 0, 1) : Vector3D(0, 0, -1);
        Vector3D from(c.from.x, heightForRise(c.rise, c.move == SIDEWAYS_LEFT), c.from.z);
        hero.place(from, look, ground.get());
        if (c.move == FORWARD) {
            hero.moveStraight(0.5f);
        } else {
            hero.strafeLeftRight(0.2f);
        }
        Vector3D moved = hero.getPosition().subtract(&from);
        if (c.from.z > 0) {  // off the terrain: the unscaled flat view
            EXPECT_TRUE(vectorNear(moved, Vector3D(0, 0, 1), 1e-5f));
        } else {
            EXPECT_TRUE(vectorNear(Vector3D(moved.x, 0, moved.z), c.step, 1e-5f));
        }
        EXPECT_EQ(hero.getHeightMap() == nullptr, c.airborne);
        if (!std::isnan(c.standY)) {
            EXPECT_FLOAT_EQ(hero.getPosition().y, c.standY);
        }
        EXPECT_TRUE(vectorNear(hero.getViewDirection(), look, 1e-5f)) << "the view keeps its direction";
    }
}

TEST(SpiritMovement, SidewaysStepOffTheTerrainOnlyLetsGo) {
    TempFolder folder;
    std::unique_ptr<HeightMap> ground = levelGround(folder);
    OpenHero hero;
    Vector3D from(0, 2.3f, 9.9f);
    hero.place(from, Vector3D(1, 0, 0), ground.get());  // left is +z, where the hole is
    hero.strafeLeftRight(0.2f);
    EXPECT_EQ(hero.getHeightMap(), nullptr);
    EXPECT_TRUE(vectorNear(hero.getPosition(), from));
}

TEST(SpiritMovement, PitchStaysBetweenTheLimits) {
    OpenHero hero;
    hero.tiltUpDown(-0.01f);
    EXPECT_NEAR(hero.pitch(), 0.01f, 1e-5f) << "a negative step raises the view";
    for (int k = 0; k < 200; ++k) hero.tiltUpDown(-0.01f);
    EXPECT_NEAR(hero.pitch(), 0.9f, 1e-4f);
    for (int k = 0; k < 300; ++k) hero.tiltUpDown(0.01f);
    EXPECT_NEAR(hero.pitch(), -0.45f, 1e-4f);
    Vector3D view = hero.getViewDirection();
    EXPECT_NEAR(view.x, 0.0f, 1e-5f) << "pitching never turns the figure sideways";
    Vector3D up = hero.getUp();
    EXPECT_NEAR(Vector3D::getDotProduct(&up, &view), 0.0f, 1e-4f) << "up turns with the view";
}

// Level views whose angle to their own flattening rounds to no angle at
// all must still read as pitch 0.
TEST(SpiritMovement, LevelViewsWithAnUndefinedAngleStillPitchFromZero) {
    int undefined = 0;
    for (int k = 0; k < 3600; ++k) {
        float heading = k * 0.1f * (float)M_PI / 180.0f;
        Vector3D view(std::sin(heading), 0, std::cos(heading));
        Vector3D flat(view.x, 0, view.z);
        if (view.getAngleBetween(&flat) != ANGLE_UNDEFINED) continue;
        undefined++;
        SCOPED_TRACE(heading);
        OpenHero hero;
        hero.place(Vector3D(0, 5, 0), view, nullptr);
        hero.tiltUpDown(0.0f);
        EXPECT_TRUE(vectorNear(hero.getViewDirection(), view, 1e-6f));
        hero.tiltUpDown(-0.01f);
        EXPECT_NEAR(hero.pitch(), 0.01f, 1e-5f);
    }
    EXPECT_GT(undefined, 0) << "no heading met the rounding";
}

TEST(SpiritMovement, SphereTestsIgnoreHeightAndTheFiguresOwnProbes) {
    OpenHero hero;
    hero.place(Vector3D(0, 10, 0), Vector3D(0, 0, -1), nullptr);
    Vector3D offset = hero.getEyeOffset();
    Vector3D eye = hero.getPosition().add(&offset);
    struct Case {
        const char* name;
        Vector3D centre;
        float radius;
        bool hits;
    };
    const Case cases[] = {
        {"own position", {0, 10, 0}, 5, false},
        {"own eye", eye, 5, false},
        {"body reach, far above", {0, 60, 1.65f + 0.5f}, 0.5f, true},
        {"1.6 above the feet, 0.5 aside", {0.5f, 8.7f + 1.6f, 0}, 0.1f, true},
        {"just past the body and the eye", {0, 10, 1.66f + 0.5f}, 0.5f, false},
        {"eye reach ahead: 0.5 + 1.33 from the eye", {0, 10, -1 - 1.83f}, 0.5f, true},
        {"past the eye reach", {0, 10, -1 - 1.84f}, 0.5f, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Vector3D centre = c.centre;
        EXPECT_EQ(hero.doesSphereCollide(&centre, c.radius), c.hits);
    }
}

TEST(SpiritMovement, MissileHitsAreStrictlyInside215) {
    struct Case {
        float distance;
        bool damage;
        bool hits;
        float health;
    };
    const Case cases[] = {
        {2.15f, true, false, 100}, {2.149f, true, true, 80}, {2.149f, false, true, 100}, {0.0f, true, true, 80}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.distance);
        OpenHero hero;
        hero.place(Vector3D(3, 4, 5), Vector3D(0, 0, -1), nullptr);
        // Off every axis, so the full 3D distance counts.
        Vector3D away = Vector3D(1, 2, 2).multiply(c.distance / 3.0);
        Vector3D at = Vector3D(3, 4, 5).add(&away);
        Vector3D still(0, 0, 0), up(0, 1, 0);
        PortalMissile missile(&at, &still, &up);
        EXPECT_EQ(hero.checkIfMissileCollides(&missile, c.damage), c.hits);
        EXPECT_FLOAT_EQ(hero.getHealth(), c.health);
    }
}

TEST(SpiritMovement, HeroStatisticsAndTheirFactors) {
    OpenHero hero;
    EXPECT_EQ(hero.getGold(), 5);
    EXPECT_FLOAT_EQ(hero.getHealth(), 100);
    EXPECT_EQ(hero.getFame(), 0);
    EXPECT_DOUBLE_EQ(hero.getLifeFraction(), 1.0);
    hero.setArmor(200);
    EXPECT_FLOAT_EQ(hero.getHealth(), 200) << "a new maximum refills health";
    hero.addHealth(-50);
    EXPECT_DOUBLE_EQ(hero.getLifeFraction(), 0.75);
    hero.setArmor(100);
    EXPECT_FLOAT_EQ(hero.getHealth(), 100);

    // Walk and jump factors scale the steps and the impulse.
    hero.setWalkConstant(2.0f);
    Vector3D before = hero.getPosition();
    hero.moveStraight(0.5f * 2.0f);  // airborne: along the view
    Vector3D after = hero.getPosition();
    EXPECT_NEAR(after.subtract(&before).getLength(), 1.0f, 1e-5f);
    hero.setJumpConstant(1.4f);
    hero.jump();
    EXPECT_NEAR(hero.getVelocity().y, 0.9f * 1.4f, 1e-6f) << "straight up, whatever the figure's up";
}

// w and s together: both steps, the backward flag, and no "s alone".
TEST(SpiritMovement, HeldKeysMoveAndFlagTheLimbs) {
    TempFolder folder;
    std::unique_ptr<HeightMap> ground = levelGround(folder);
    struct Case {
        const char* name;
        std::vector<int> keys;
        float dz;  // the hero looks along -z
        float dx;
        bool result;
        bool forward, backward, right, left;
    };
    const Case cases[] = {
        {"w", {SDLK_w}, -0.5f, 0, false, true, false, false, false},
        {"s alone", {SDLK_s}, 0.3f, 0, true, true, true, false, false},
        {"w and s", {SDLK_w, SDLK_s}, -0.5f + 0.3f, 0, false, true, true, false, false},
        {"a", {SDLK_a}, 0, -0.2f, false, false, false, false, true},
        {"d", {SDLK_d}, 0, 0.2f, false, false, false, true, false},
        {"s and d: backward wins", {SDLK_s, SDLK_d}, 0.3f, 0.2f, false, true, true, false, false},
        {"s while turning", {SDLK_s, SDLK_LEFT}, 0.3f, 0, false, true, true, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        bool keys[321] = {};
        for (int k : c.keys) keys[k] = true;
        OpenHero hero;
        hero.place(Vector3D(0, 2.3f, 0), Vector3D(0, 0, -1), ground.get());
        bool result = hero.moveUsingKey(keys);
        Vector3D p = hero.getPosition();
        EXPECT_EQ(result, c.result);
        // After the first step the hero is airborne: the next one goes
        // along the view.
        EXPECT_NEAR(p.z, c.dz, 1e-4f);
        EXPECT_NEAR(p.x, c.dx, 5e-3f);
        EXPECT_EQ(hero.movingForward, c.forward);
        EXPECT_EQ(hero.movingBackward, c.backward);
        EXPECT_EQ(hero.strafingRight, c.right);
        EXPECT_EQ(hero.strafingLeft, c.left);
    }
}

// The throw: four frames report animating, the missile leaves the hand on
// the fourth limb update after the click, the fifth ends the throw.
TEST(SpiritMovement, ThrowLaunchesOnTheFourthLimbUpdate) {
    OpenHero hero;
    hero.place(Vector3D(1, 7, 2), Vector3D(0, 0, -1), nullptr);
    hero.setMissileConstant(1.6f);
    PortalMissile* missile = nullptr;
    hero.firePortalMissile(missile);
    std::unique_ptr<PortalMissile> owned(missile);  // the controller's part here
    ASSERT_NE(missile, nullptr);
    EXPECT_EQ(hero.getMissileInHand(), missile);
    EXPECT_TRUE(vectorNear(missile->getPosition(), Vector3D(1, 7.5f, -1)))
        << "created 2 ahead plus the eye offset";
    EXPECT_TRUE(vectorNear(missile->getVelocity(), Vector3D(0, 0, -1.3f)));

    const float counters[] = {2, 4, 6, 6, 0};
    for (int frame = 1; frame <= 5; ++frame) {
        SCOPED_TRACE(frame);
        hero.updateArmsAndLegs();
        EXPECT_EQ(hero.isCurrentlyAnimating(), frame <= 4);
        EXPECT_EQ(missile->getLaunched(), frame >= 4);
        EXPECT_EQ(hero.throwing, frame <= 4);
        EXPECT_EQ(hero.getMissileQueue(), frame <= 4 ? frame : 0);
        EXPECT_FLOAT_EQ(hero.getArmsLegs()->getThrowCounter(), counters[frame - 1]);
    }
    EXPECT_TRUE(vectorNear(missile->getPosition(), Vector3D(1, 7, 0))) << "no eye offset at launch";
    EXPECT_TRUE(vectorNear(missile->getVelocity(), Vector3D(0, 0, -1.3f * 1.6f), 1e-5f));

    // Walking backward without strafing steps the counters twice a frame.
    hero.firePortalMissile(missile);
    std::unique_ptr<PortalMissile> second(missile);
    hero.movingBackward = true;
    hero.updateArmsAndLegs();
    EXPECT_FLOAT_EQ(hero.getArmsLegs()->getThrowCounter(), 4);
    EXPECT_FALSE(hero.movingBackward) << "the limbs clear the move flags";
}

TEST(SpiritMovement, JumpKeyJumpsOnTheThirdFrame) {
    TempFolder folder;
    std::unique_ptr<HeightMap> ground = levelGround(folder);
    OpenHero hero;
    hero.place(Vector3D(0, 2.3f, 0), Vector3D(0, 0, -1), ground.get());
    bool keys[321] = {};
    keys[SDLK_SPACE] = true;
    hero.moveUsingKey(keys);
    EXPECT_TRUE(hero.jumping);
    for (int frame = 1; frame <= 3; ++frame) {
        SCOPED_TRACE(frame);
        hero.updateArmsAndLegs();
        EXPECT_EQ(hero.getHeightMap() == nullptr, frame == 3);
        EXPECT_FLOAT_EQ(hero.getVelocity().y, frame == 3 ? 0.9f : 0.0f);
        hero.moveUsingKey(keys);  // held: the latch keeps it from starting again
    }
    EXPECT_FALSE(hero.jumping);
    EXPECT_EQ(hero.jumpCounter, 0);
}
