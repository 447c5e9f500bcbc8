#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "Object/Volcano/Volcano.h"
#include "Particle/VolcanoParticle/VolcanoParticle.h"
#include "Particle/WaterfallParticle/WaterfallParticle.h"
#include "Waterfall/Waterfall.h"
#include "support/VectorExpect.h"

namespace {

// Only the addresses matter: emitters hand them on without looking in.
Texture* fakeTexture(int which) {
    static char storage[3];
    return reinterpret_cast<Texture*>(&storage[which]);
}
Mesh* fakeMesh() {
    static char storage;
    return reinterpret_cast<Mesh*>(&storage);
}

void deleteAll(std::vector<Particle*>& particles) {
    for (Particle* p : particles) delete p;
    particles.clear();
}

// The crest lengths the levels were laid out with.
TEST(Waterfall, CrestsOfTheFourLevels) {
    struct Case {
        int level;
        float length;
    } cases[] = {{1, 26.0938f}, {4, 11.3371f}, {7, 11.9884f}, {8, 11.4752f}};
    for (const Case& c : cases) {
        Waterfall waterfall(c.level, fakeTexture(0), fakeTexture(1));
        EXPECT_NEAR(waterfall.length, c.length, 1e-3f) << "level " << c.level;
        Vector3D along = waterfall.end.subtract(&waterfall.start);
        EXPECT_TRUE(vectorNear(waterfall.direction, along));
    }
}

// Each batch: 30 to 39 particles, a third to under a half large (first, with
// the first texture), the rest small; all on the crest, never at its end,
// leaving at 0.6 a frame, square to it seen from above.
TEST(Waterfall, BatchesHoldLargeSprayFirstThenSmall) {
    for (int level : {1, 4, 7, 8}) {
        SCOPED_TRACE(testing::Message() << "level " << level);
        Waterfall waterfall(level, fakeTexture(0), fakeTexture(1));
        Vector3D crest = waterfall.direction;
        int steps = (int)(100 * waterfall.length);
        std::vector<Particle*> particles;
        for (int batch = 0; batch < 60; batch++) {
            particles.push_back(nullptr);  // the list may hold others already
            waterfall.update(&particles);
            int n = (int)particles.size() - 1;
            ASSERT_GE(n, 30);
            ASSERT_LE(n, 39);
            int large = 0;
            while (large < n && !static_cast<WaterfallParticle*>(particles[1 + large])->small) large++;
            EXPECT_GE(large, n / 3);
            EXPECT_LT(large, (int)(n * 0.5f));
            for (int i = 1; i <= n; i++) {
                WaterfallParticle* p = static_cast<WaterfallParticle*>(particles[i]);
                ASSERT_EQ(p->small, i > large) << "particle " << i;
                EXPECT_EQ(p->texture, fakeTexture(p->small ? 1 : 0));
                EXPECT_NEAR(p->velocity.getLength(), 0.6f, 1e-5f);
                // A quarter turn about y: square to the crest seen from above,
                // keeping the crest's own rise or fall.
                EXPECT_NEAR(p->velocity.x * crest.x + p->velocity.z * crest.z, 0.0f, 1e-4f);
                EXPECT_NEAR(p->velocity.y, crest.y * 0.6f / waterfall.length, 1e-5f);
                Vector3D offset = p->position.subtract(&waterfall.start);
                float along = offset.getLength();
                EXPECT_LE(along, (steps - 1) / 100.0f + 1e-3f) << "never reaches the end";
                EXPECT_NEAR(Vector3D::getDotProduct(&offset, &crest), along * waterfall.length,
                            1e-3f * waterfall.length);
            }
            particles.erase(particles.begin());
            deleteAll(particles);
        }
    }
}

TEST(Waterfall, LevelEightSprayLeavesAlmostAlongX) {
    Waterfall waterfall(8, fakeTexture(0), fakeTexture(1));
    std::vector<Particle*> particles;
    waterfall.update(&particles);
    Vector3D v = static_cast<WaterfallParticle*>(particles[0])->velocity;
    EXPECT_GT(std::fabs(v.x), 0.599f);
    deleteAll(particles);
}

TEST(Volcano, ThrowsTenToNineteenParticlesFromItsCrater) {
    Volcano volcano(Vector3D(-119.703f, 30, -13.3144f), fakeMesh(), fakeTexture(2));
    int seen[20] = {};
    for (int batch = 0; batch < 200; batch++) {
        std::vector<Particle*> particles;
        volcano.update(&particles);
        int n = (int)particles.size();
        ASSERT_GE(n, 10);
        ASSERT_LE(n, 19);
        seen[n]++;
        for (Particle* p : particles) {
            VolcanoParticle* lava = static_cast<VolcanoParticle*>(p);
            EXPECT_EQ(lava->texture, fakeTexture(2));
            Vector3D start = lava->position;
            EXPECT_TRUE(vectorNear(start, Vector3D(-119.703f, 34, -13.3144f)));
        }
        deleteAll(particles);
    }
    EXPECT_GT(seen[10], 0);
    EXPECT_GT(seen[19], 0);
}

// Collision meets a circle of 7 around the volcano, whatever its mesh.
TEST(Volcano, CollidesAsACircleOfSeven) {
    Volcano volcano(Vector3D(10, 5, 10), fakeMesh(), fakeTexture(2));
    EXPECT_EQ(volcano.getCollisionRadius(), 7.0f);
    EXPECT_EQ(volcano.getBoundingRadius(), 10.0f);
    struct Case {
        Vector3D probe;
        float radius;
        bool hits;
    } cases[] = {
        {{18, 100, 10}, 1.0f, true},
        {{18.01f, 0, 10}, 1.0f, false},
        {{10, 0, 3}, 0.0f, true},
    };
    for (const Case& c : cases) {
        Vector3D probe = c.probe;
        EXPECT_EQ(volcano.doesSphereCollide(&probe, c.radius), c.hits) << probe.x << ", " << probe.z;
    }
    Vector3D a(0, 0, 17), b(20, 0, 17), c(0, 0, 17.01f), d(20, 0, 17.01f);
    EXPECT_TRUE(volcano.doesLineCollide(&a, &b));
    EXPECT_FALSE(volcano.doesLineCollide(&c, &d));
}

TEST(EmitterDeathTest, UnknownLevelsAndBareVolcanoesEndTheProgram) {
    EXPECT_DEATH(Waterfall(2, nullptr, nullptr), "false");
    EXPECT_DEATH(Waterfall(0, nullptr, nullptr), "false");
    EXPECT_DEATH(Volcano(), "false");
}

}  // namespace
