#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "Object/Portal/IslandPortal/IslandPortal.h"
#include "Object/StaticObject/Wall/Wall.h"
#include "support/VectorExpect.h"

namespace {

Vector3D GATE_POSITION(10.0f, 5.0f, -20.0f);

// A gate built as the game builds one: its normal is (0, 0, 1) turned by
// the angle, and the turn of its stones follows.
std::unique_ptr<IslandPortal> gateAt(float angleDegrees, bool enabled = true) {
    Vector3D normal(0.0f, 0.0f, 1.0f);
    normal = normal.rotateAroundYAxis(-angleDegrees * 0.0174532925);
    Vector3D position = GATE_POSITION;
    auto gate = std::make_unique<IslandPortal>(position, Plane3D(&normal, &position), 3);
    gate->setRotationAngleDegrees(angleDegrees);
    gate->setEnabled(enabled);
    return gate;
}

// A point given in the gate's own frame (x along the wall, z out of the
// front), in world coordinates: the turn that drawing the stones applies.
Vector3D local(float angleDegrees, float x, float y, float z) {
    double a = angleDegrees * M_PI / 180.0;
    return Vector3D((float)(GATE_POSITION.x + x * std::cos(a) + z * std::sin(a)), GATE_POSITION.y + y,
                    (float)(GATE_POSITION.z - x * std::sin(a) + z * std::cos(a)));
}

}  // namespace

TEST(IslandPortalTest, PillarsWallAndOpeningTurnWithTheStones) {
    std::unique_ptr<IslandPortal> quarter = gateAt(90.0f);
    EXPECT_TRUE(vectorNear(quarter->getCornerOffset(0), Vector3D(4.5f, 0.0f, -6.0f)));
    EXPECT_TRUE(vectorNear(quarter->getCornerOffset(1), Vector3D(4.5f, 0.0f, 6.0f)));

    const float angle = 130.0f;
    std::unique_ptr<IslandPortal> gate = gateAt(angle);
    Vector3D normal = gate->getNormal();
    EXPECT_TRUE(vectorNear(normal, local(angle, 0, 0, 1).subtract(&GATE_POSITION)));
    EXPECT_TRUE(vectorNear(gate->getPortalCenterOffset(), local(angle, 0, 3.5f, 1).subtract(&GATE_POSITION)));
    EXPECT_TRUE(vectorNear(gate->getLeftHandVector(), normal.rotateAroundYAxis(-M_PI / 2)));

    // Two panels of two triangles each: 0.7 behind the plane, and 0.8 in
    // front of that, from one end of the wall to the other, 10 high.
    std::vector<Wall*>* walls = gate->getWalls();
    ASSERT_EQ(walls->size(), 4u);
    const float panelDepth[4] = {-0.7f, -0.7f, 0.1f, 0.1f};
    for (int w = 0; w < 4; w++) {
        Polygon3D* triangle = walls->at(w)->polygon;
        ASSERT_EQ(triangle->vertices.size(), 3u);
        Vector3D a = local(angle, -5.8f, 0, panelDepth[w]), b = local(angle, 5.8f, 0, panelDepth[w]);
        Vector3D up(0.0f, 10.0f, 0.0f);
        Vector3D corners[2][3] = {{a, b, a.add(&up)}, {b, a.add(&up), b.add(&up)}};
        for (int v = 0; v < 3; v++) {
            EXPECT_TRUE(vectorNear(triangle->vertices[v]->position, corners[w % 2][v], 1e-4f)) << "wall " << w;
        }
    }
}

// The stones block a sphere whether the gate is enabled or not.
TEST(IslandPortalTest, PillarsAndBackWallAreSolid) {
    struct Case {
        const char* name;
        float angle;
        Vector3D centre;
        float radius;
        bool solid;
    };
    const Case cases[] = {
        // At angle 0 the distances are exact: the pillar reaches 0.5 past
        // the radius, inclusive.
        {"1.5 from a pillar", 0.0f, Vector3D(17.5f, 7.0f, -15.5f), 1.0f, true},
        {"1.51 from a pillar", 0.0f, Vector3D(17.51f, 7.0f, -15.5f), 1.0f, false},
        {"1.5 from the other pillar", 0.0f, Vector3D(2.5f, 900.0f, -15.5f), 1.0f, true},
        {"touching the back panel", 130.0f, local(130, 0, 5, -1.1f), 0.5f, true},
        {"touching the front panel", 130.0f, local(130, 3, 5, 0.5f), 0.5f, true},
        {"in the opening, clear of the panels", 130.0f, local(130, 0, 3.5f, 1.2f), 1.0f, false},
        {"over the wall", 130.0f, local(130, 0, 12, -0.3f), 1.0f, false},
        {"past the end of the wall", 130.0f, local(130, 7.5f, 3, -0.3f), 1.0f, false},
    };
    for (const Case& c : cases) {
        for (bool enabled : {true, false}) {
            std::unique_ptr<IslandPortal> gate = gateAt(c.angle, enabled);
            Vector3D centre = c.centre;
            EXPECT_EQ(gate->doesSphereCollideWithSolid(&centre, c.radius), c.solid)
                << c.name << (enabled ? "" : ", disabled");
        }
    }
}

TEST(IslandPortalTest, SegmentsStopAtPillarsAndWallPanels) {
    const float a = 130.0f;
    struct Case {
        const char* name;
        Vector3D from, to;
        bool hit;
    };
    const Case cases[] = {
        {"0.4 from a pillar's centre, rising", local(a, 6.4f, -100, 2), local(a, 6.4f, 300, 7), true},
        {"0.4 from the other pillar, level", local(a, -6.4f, 1, 7), local(a, -6.4f, 1, 2), true},
        {"ending 0.6 before a pillar", local(a, 0, 1, 4.5f), local(a, 4.9f, 1, 4.5f), false},
        {"starting inside a pillar", local(a, 6.1f, 1, 4.5f), local(a, 6.1f, 1, 9), true},
        {"through the back wall", local(a, 0, 3, -3), local(a, 0, 3, 3), true},
        {"through the front panel only", local(a, 2, 3, -0.3f), local(a, 2, 3, 3), true},
        {"over the wall", local(a, 0, 12, -3), local(a, 0, 12, 3), false},
        {"past the end of the wall", local(a, 5.9f, 3, -3), local(a, 5.9f, 3, 3), false},
        {"seen end on, beside a pillar", local(a, 6.6f, 0, 4.5f), local(a, 6.6f, 9, 4.5f), false},
    };
    for (const Case& c : cases) {
        for (bool enabled : {true, false}) {
            std::unique_ptr<IslandPortal> gate = gateAt(a, enabled);
            Vector3D from = c.from, to = c.to;
            EXPECT_EQ(gate->doesLineCollideWithSolid(&from, &to), c.hit) << c.name << (enabled ? "" : ", disabled");
        }
    }
}

// Whoever comes nearer to the gate's plane than its radius, within 6 more
// than that of the gate's foot, enters; a disabled gate takes nobody.
TEST(IslandPortalTest, EntersWithinReachOfThePlaneOnlyWhileEnabled) {
    const float a = 250.0f, r = 1.65f;
    struct Case {
        const char* name;
        Vector3D centre;
        bool enters;
    };
    const Case cases[] = {
        {"in the opening", local(a, 0, 3.5f, 0.5f), true},
        {"just in front of the plane", local(a, 0, 3.5f, 1.6f), true},
        {"a step further out", local(a, 0, 3.5f, 1.7f), false},
        {"behind the plane", local(a, 0, 3.5f, -1.6f), true},
        {"beside the wall's end", local(a, 7.6f, 0, 0), true},
        {"beyond the reach", local(a, 7.7f, 0, 0), false},
        {"high above the gate", local(a, 0, 7.7f, 0), false},
    };
    for (const Case& c : cases) {
        Vector3D centre = c.centre;
        EXPECT_EQ(gateAt(a)->doesSphereCollide(&centre, r), c.enters) << c.name;
        EXPECT_FALSE(gateAt(a, false)->doesSphereCollide(&centre, r)) << c.name << ", disabled";
    }
    EXPECT_FALSE(gateAt(a)->update()) << "a gate never grows";
}
