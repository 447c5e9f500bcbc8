#include <gtest/gtest.h>

#include <SDL.h>

#include <cmath>
#include <string>

#include "Controller/Controller.h"
#include "GameIslands.h"
#include "Island/Island.h"
#include "Object/HeightMap/HeightMap.h"
#include "Object/Portal/IslandPortal/IslandPortal.h"
#include "TerrainLayout.h"

// Every gate of the pack's islands, taken on foot by the game's own hero
// code with held keys, and the hero walking off on the far side. Straight
// at the front, the eye and body touch the inner wall panel before the body
// reaches the opening, so a gate is entered along its wall line from one of
// its ends, the way a player slips in past the end of the wall.
namespace {

// A point in the gate's own frame: x along the wall, z out of the front.
Vector3D gatePoint(IslandPortal* gate, float x, float z) {
    double a = gate->getRotationAngleDegrees() * M_PI / 180.0;
    Vector3D p = gate->getPosition();
    return Vector3D((float)(p.x + x * std::cos(a) + z * std::sin(a)), p.y,
                    (float)(p.z - x * std::sin(a) + z * std::cos(a)));
}

float flatDistance(Vector3D a, Vector3D b) { return std::hypot(a.x - b.x, a.z - b.z); }

class GateWalk {
public:
    explicit GateWalk(Controller& c) : c(c) {}

    void frame() { c.hero.updateHero(true, c.keys, 0, 0, &c); }
    void releaseKeys() {
        for (bool& k : c.keys) k = false;
    }
    bool land() {
        releaseKeys();
        for (int k = 0; k < 200 && (c.hero.getHeightMap() == nullptr || c.hero.isBumped()); ++k) frame();
        return c.hero.getHeightMap() != nullptr;
    }

    // Stands the hero `out` units beyond one end of the wall (side +1 or
    // -1), `front` units in front of the gate's plane, facing along the
    // wall towards the gate, and holds Forward. True when it went through.
    bool walkInAlongTheWall(int g, int side, float front) {
        IslandPortal* gate = c.islandPortals[g];
        c.setCurrentIsland(gate->getIslandIndex());
        c.cutScenePlaying = false;
        Vector3D start = gatePoint(gate, 9.0f * side, front), toward = gatePoint(gate, 8.0f * side, front);
        float ground = c.getCurrentHeightMap()->getHeight(start.x, start.z);
        if (ground == UNDEFINED_HEIGHT) return false;
        start.y = toward.y = ground + 2.0f;
        c.hero.resetPosition();
        c.hero.setPosition(start);
        c.hero.setCenter(toward);
        if (!land() || c.currentIsland != gate->getIslandIndex()) return false;
        c.keys[SDLK_w] = true;
        for (int k = 0; k < 40 && c.currentIsland == gate->getIslandIndex(); ++k) frame();
        releaseKeys();
        return c.currentIsland != gate->getIslandIndex();
    }

private:
    Controller& c;
};

}  // namespace

TEST(GateWalkTest, EveryGateTakesTheHeroOnFootAndItWalksAwayOnTheFarSide) {
    Controller& c = gameWorld();
    // As after every quest: all gates open.
    for (IslandPortal* gate : c.islandPortals) gate->setEnabled(true);
    GateWalk walk(c);
    // Where the level itself stands in the way of one end of a wall.
    auto blocked = [](int g, int side) { return g == 7 && side < 0; };  // a large pillar of island 5
    // Players try a little nearer or farther from the plane; so does this.
    const float fronts[] = {1.0f, 0.5f, 0.0f, 1.5f, -0.5f, -1.0f, -1.5f};

    for (int g = 0; g < ISLAND_PORTAL_COUNT; ++g) {
        IslandPortal* gate = c.islandPortals[g];
        IslandPortal* exit = gate->getOtherIslandPortal();
        int ends = 0;
        for (int side : {1, -1}) {
            std::string where = "gate " + std::to_string(g) + (side > 0 ? ", right end" : ", left end");
            bool through = false;
            for (float front : fronts) {
                if ((through = walk.walkInAlongTheWall(g, side, front))) break;
            }
            if (blocked(g, side)) continue;
            EXPECT_TRUE(through) << where;
            if (!through) continue;
            ends++;

            // Out of the partner's opening, on the partner's island.
            ASSERT_EQ(c.currentIsland, exit->getIslandIndex()) << where;
            Vector3D out = exit->getNormal();
            Vector3D arrival = gatePoint(exit, 0.0f, 2.75f);
            EXPECT_LT(flatDistance(c.hero.getPosition(), arrival), 0.6f) << where;
            ASSERT_TRUE(walk.land()) << where << ": never landed";
            Vector3D p = c.hero.getPosition();
            float ground = c.getCurrentHeightMap()->getHeight(p.x, p.z);
            EXPECT_NE(ground, UNDEFINED_HEIGHT) << where;
            EXPECT_GE(ground, safeLevel(c.currentIsland)) << where << ": lands in lava";
            Vector3D view = c.hero.getViewDirection();
            EXPECT_GT(view.x * out.x + view.z * out.z, 0.99f * std::hypot(view.x, view.z)) << where;

            // And walks off, away from the gate, staying on that island.
            c.keys[SDLK_w] = true;
            for (int k = 0; k < 20; ++k) walk.frame();
            walk.releaseKeys();
            EXPECT_EQ(c.currentIsland, exit->getIslandIndex()) << where;
            EXPECT_GT(flatDistance(c.hero.getPosition(), exit->getPosition()), 2.75f + 6.0f) << where;
            EXPECT_TRUE(walk.land()) << where;
        }
        EXPECT_GE(ends, 1) << "gate " << g;
    }
}
