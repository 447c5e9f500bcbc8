#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "Particle/DissolveParticle/DissolveParticle.h"
#include "Particle/FireSpellParticle/FireSpellParticle.h"
#include "Particle/Snow/Snow.h"
#include "Particle/VolcanoParticle/VolcanoParticle.h"
#include "Particle/WaterfallParticle/WaterfallParticle.h"
#include "support/VectorExpect.h"

namespace {

// Each kind's life and size: the first life within its range, then one
// frame of life and one shrink per update, with no stop at zero.
TEST(Particle, LifeAndSizeRunDownOncePerUpdate) {
    Vector3D at(1, 2, 3), velocity(0.6f, 0, 0);
    struct Case {
        std::string kind;
        std::function<Particle*()> make;
        int lifeFrom, lifeTo;  // to excluded
        float size, shrink;
    } cases[] = {
        {"large waterfall", [&] { return new WaterfallParticle(&at, &velocity, false); }, 5, 50, 0.7f, 0.0105f},
        {"small waterfall", [&] { return new WaterfallParticle(&at, &velocity, true); }, 5, 50, 0.4f, 0.0005f},
        {"volcano", [&] { return new VolcanoParticle(&at); }, 20, 90, 0.4f, 0.008f},
        {"dissolve", [&] { return new DissolveParticle(&at); }, 20, 21, 0.5f, 0.1f},
        {"snow", [&] { return new Snow(30, 10); }, 40, 41, 0.4f, 0.005f},
        {"fire spell", [&] { return new FireSpellParticle(nullptr); }, 20, 80, 0.07f, 0.005f},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.kind);
        for (int sample = 0; sample < 50; sample++) {
            std::unique_ptr<Particle> particle(c.make());
            int life = particle->getLifeTimeLeft();
            ASSERT_GE(life, c.lifeFrom);
            ASSERT_LT(life, c.lifeTo);
            EXPECT_FLOAT_EQ(particle->size, c.size);
            EXPECT_EQ(particle->texture, nullptr);
            float size = c.size;
            for (int frame = 1; frame <= 100; frame++) {
                particle->update();
                size -= c.shrink;
                ASSERT_EQ(particle->getLifeTimeLeft(), life - frame);
                ASSERT_FLOAT_EQ(particle->size, size) << "after " << frame << " updates";
            }
        }
    }
}

TEST(Particle, DissolveSizeDipsBelowZeroAfterItsSixthUpdate) {
    Vector3D at(0, 0, 0);
    DissolveParticle particle(&at);
    const float expected[] = {0.5f, 0.4f, 0.3f, 0.2f, 0.1f};
    for (float size : expected) {
        EXPECT_NEAR(particle.size, size, 1e-6f);
        particle.update();
    }
    // A vanishing square, still drawn; then below zero, undrawn but alive.
    EXPECT_GT(particle.size, 0.0f);
    EXPECT_LT(particle.size, 1e-6f);
    particle.update();
    EXPECT_LT(particle.size, 0.0f);
    EXPECT_EQ(particle.getLifeTimeLeft(), 14);
}

TEST(Particle, LargeWaterfallSprayIsStillVisibleInItsLastFrame) {
    Vector3D at(0, 0, 0), velocity(0, 0, 0);
    WaterfallParticle particle(&at, &velocity, false);
    while (particle.getLifeTimeLeft() > 1) particle.update();
    EXPECT_GE(particle.size, 0.7f - 49 * 0.0105f - 1e-5f);
    EXPECT_GT(particle.size, 0.18f);
}

// Each frame the velocity takes the gravity first, then moves the particle.
TEST(Particle, FallingKindsAccelerateBeforeTheyMove) {
    Vector3D at(5, 10, -5), velocity(0.6f, 0, 0);
    WaterfallParticle spray(&at, &velocity, true);
    float g = spray.gravity.y;
    EXPECT_GE(g, -0.295f);
    EXPECT_LE(g, -0.095f);
    spray.update();
    EXPECT_TRUE(vectorNear(spray.position, Vector3D(5.6f, 10 + g, -5)));
    spray.update();
    EXPECT_TRUE(vectorNear(spray.position, Vector3D(6.2f, 10 + 3 * g, -5)));

    VolcanoParticle lava(&at);
    EXPECT_TRUE(vectorNear(lava.position, Vector3D(5, 14, -5))) << "starts 4 above the volcano";
    EXPECT_GE(lava.gravity.y, -0.0041f);
    EXPECT_LE(lava.gravity.y, -0.0009f);
    Vector3D v = lava.velocity;
    EXPECT_GT(v.y, 0.085f);
    EXPECT_LT(v.y, 0.295f);
    lava.update();
    v = v.add(&lava.gravity);
    EXPECT_TRUE(vectorNear(lava.position, Vector3D(5 + v.x, 14 + v.y, -5 + v.z)));
    EXPECT_TRUE(vectorNear(lava.spare, Vector3D(0, 0, 0)));
}

// The kinds take their numbers from the one shared generator in a fixed
// order, which keeps every run the same.
TEST(Particle, RandomDrawsComeInTheirFixedOrder) {
    Vector3D at(1, 2, 3), velocity(0, 0, 0);
    const unsigned seed = 20;
    auto draws = [&](int count) {
        std::srand(seed);
        std::vector<int> r;
        for (int i = 0; i < count; i++) r.push_back(std::rand());
        std::srand(seed);
        return r;
    };

    std::vector<int> r = draws(6);
    VolcanoParticle lava(&at);
    EXPECT_FLOAT_EQ(lava.gravity.y, -((r[0] % 4 + 1) / 100.0f) / 10.0f);
    EXPECT_EQ(lava.getLifeTimeLeft(), r[1] % 70 + 20);
    Vector3D v((r[2] % 60 - 30) / 100.0f, 1, (r[3] % 60 - 30) / 100.0f);
    v.setLength((r[4] % 20 + 10) / 100.0f);
    EXPECT_TRUE(vectorNear(lava.velocity, v));
    EXPECT_EQ(std::rand(), r[5]) << "exactly five draws";

    r = draws(3);
    WaterfallParticle spray(&at, &velocity, false);
    EXPECT_FLOAT_EQ(spray.gravity.y, -(r[0] % 20 + 10) / 100.0f);
    EXPECT_EQ(spray.getLifeTimeLeft(), r[1] % 45 + 5);
    EXPECT_EQ(std::rand(), r[2]);

    r = draws(4);
    DissolveParticle puff(&at);
    EXPECT_TRUE(vectorNear(puff.velocity, Vector3D((r[0] % 200 - 100) / 100.0f, (r[1] % 200 - 100) / 100.0f,
                                                   (r[2] % 200 - 100) / 100.0f)));
    EXPECT_EQ(std::rand(), r[3]);

    r = draws(3);
    Snow flake(7, 20);
    EXPECT_TRUE(vectorNear(flake.position, Vector3D(r[0] % 2000 / 100.0f - 10, 7, r[1] % 2000 / 100.0f - 10)));
    EXPECT_EQ(std::rand(), r[2]);

    r = draws(3);
    FireSpellParticle flame(nullptr);
    EXPECT_EQ(flame.getLifeTimeLeft(), r[0] % 60 + 20);
    EXPECT_FLOAT_EQ(flame.angle, r[1] % 628 / 100.0f);
    EXPECT_EQ(std::rand(), r[2]);
}

TEST(Particle, SnowOverANarrowSquareStaysAtItsCentre) {
    Snow flake(3, 0.005f);
    EXPECT_TRUE(vectorNear(flake.position, Vector3D(-0.0025f, 3, -0.0025f)));
}

TEST(FireSpellParticle, FollowsTheFlameProfile) {
    struct Case {
        float x, y;
    } cases[] = {
        {0.0f, 0.0f},
        {0.52f, 0.52f},          // the top of the arc
        {0.78f, 0.45033321f},    // where arc and line meet
        {0.9f, 0.43752753f},     // the line, above the arc
        {1.04f, 0.42258756f},    // the arc's end
        {2.0f, 0.32014211f},     // the line alone
        {4.0f, 0.10671407f},
    };
    for (const Case& c : cases) {
        FireSpellParticle flame(nullptr);
        flame.x = c.x;
        EXPECT_NEAR(flame.getY(), c.y, 1e-5f) << "x " << c.x;
    }
}

TEST(FireSpellParticle, LetsGoOnlyOfItsOwnMissile) {
    // Only the addresses matter: the particle never looks into them here.
    static char ownStorage, otherStorage;
    Missile* own = reinterpret_cast<Missile*>(&ownStorage);
    Missile* other = reinterpret_cast<Missile*>(&otherStorage);
    FireSpellParticle flame(own);
    flame.missileIsNull(other);
    EXPECT_EQ(flame.missile, own);
    flame.missileIsNull(own);
    EXPECT_EQ(flame.missile, nullptr);
}

TEST(ParticleDeathTest, AFireSpellNeedsAMissile) { EXPECT_DEATH(FireSpellParticle(), "false"); }

}  // namespace
