#include <gtest/gtest.h>

#include <memory>

#include "Mesh/Mesh.h"
#include "Object/StaticObject/ShopStaticObject/ShopStaticObject.h"
#include "Object/StaticObject/StaticObject.h"
#include "Object/StaticObject/Wall/Wall.h"
#include "support/Shapes.h"

namespace {

TEST(StaticObject, HidingOneObjectHidesEveryObjectSharingItsMeshes) {
    Mesh roof, walls, door;
    StaticObject house, neighbour;
    house.addMesh(&roof);
    house.addMesh(&walls);
    neighbour.addMesh(&walls);
    neighbour.addMesh(&door);

    house.setEnabledDrawing(false);
    EXPECT_FALSE(house.isEnabledDrawing());
    EXPECT_FALSE(roof.isEnabledToDraw());
    EXPECT_FALSE(walls.isEnabledToDraw()) << "the shared mesh is switched off for the neighbour too";
    EXPECT_TRUE(neighbour.isEnabledDrawing()) << "the neighbour's own flag is not touched";
    EXPECT_TRUE(door.isEnabledToDraw());

    neighbour.setEnabledDrawing(true);
    EXPECT_TRUE(walls.isEnabledToDraw());
    EXPECT_FALSE(roof.isEnabledToDraw());
}

TEST(StaticObject, DefaultsLeaveTheInheritedTestsOff) {
    StaticObject thing;
    Vector3D at(0, 0, 0);
    EXPECT_TRUE(thing.isEnabledDrawing());
    EXPECT_EQ(thing.getRotationAngleDegrees(), 0.0f);
    EXPECT_EQ(thing.getBoundingRadius(), 4.0f);
    EXPECT_FALSE(thing.doesSphereCollide(&at, 10.0f));
    Vector3D far(20, 0, 0);
    EXPECT_FALSE(thing.doesLineCollide(&at, &far));
}

// A shop: a circle of 4 around it and one of 2 seven units along world +x,
// however the building is turned and whatever its collision radius.
TEST(ShopStaticObject, SphereMeetsTheHouseAndTheSideCircleAlongWorldX) {
    struct Case {
        Vector3D shopAt;
        float degrees, collisionRadius;
        Vector3D probe;
        float radius;
        bool hits;
    } cases[] = {
        // 2.5 from the side centre = 0.5 + 2.0: equality counts; height is ignored.
        {{0, 0, 0}, 0, 6, {7, 30, 2.5f}, 0.5f, true},
        {{0, 0, 0}, 0, 6, {7, 30, 2.51f}, 0.5f, false},
        // 4.6 from the centre, about 8.38 from the side centre.
        {{0, 0, 0}, 0, 6, {0, 0, 4.6f}, 0.5f, false},
        {{0, 0, 0}, 0, 6, {0, 0, 4.5f}, 0.5f, true},
        // Inside the house circle only; then between the two, touching neither.
        {{0, 0, 0}, 0, 6, {3.5f, 0, 0}, 0.5f, true},
        {{0, 0, 0}, 0, 6, {5.0f, 0, 3.0f}, 0.2f, false},
        // The side circle does not turn with the building.
        {{10, 0, -5}, 90, 6, {17, 0, -5}, 0.5f, true},
        {{10, 0, -5}, 90, 6, {10, 0, -12}, 0.5f, false},
        {{10, 0, -5}, 180, 6, {3, 0, -5}, 0.5f, false},
        // A collision radius of 0 switches nothing off.
        {{0, 0, 0}, 0, 0, {7, 0, 0}, 0.1f, true},
        {{0, 0, 0}, 0, 0, {0, 0, 0}, 0.1f, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "probe (" << c.probe.x << ", " << c.probe.y << ", " << c.probe.z
                                        << ") r " << c.radius << ", shop turned " << c.degrees);
        ShopStaticObject shop;
        shop.setPosition(c.shopAt);
        shop.setRotationAngleDegrees(c.degrees);
        shop.setCollisionRadius(c.collisionRadius);
        shop.setBoundingRadius(25);
        Vector3D probe = c.probe;
        EXPECT_EQ(shop.doesSphereCollide(&probe, c.radius), c.hits);
    }
}

// Segments meet a circle of the collision radius plus 2 around the shop.
TEST(ShopStaticObject, SegmentMeetsACircleTwoWiderThanTheCollisionRadius) {
    struct Case {
        float collisionRadius;
        Vector3D a, b;
        bool hits;
    } cases[] = {
        // A line passing 2.0 from the centre touches the circle of radius 0 + 2.
        {0, {-10, 0, 2}, {10, 5, 2}, true},
        {0, {-10, 0, 2.01f}, {10, 0, 2.01f}, false},
        {6, {-10, 0, 7.99f}, {10, 0, 7.99f}, true},
        {6, {-10, 0, 8.01f}, {10, 0, 8.01f}, false},
        // The segment must reach the circle, not only its line.
        {6, {-20, 0, 0}, {-8.01f, 0, 0}, false},
        {6, {-20, 0, 0}, {-8.0f, 0, 0}, true},
        {6, {20, 0, 0}, {9, 0, 0}, false},
        // Wholly inside.
        {6, {-1, 0, 0}, {1, 0, 1}, true},
        // Straight down through the roof, and beside it.
        {0, {1, 50, 1}, {1, -50, 1}, true},
        {0, {3, 50, 0}, {3, -50, 0}, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "collision radius " << c.collisionRadius << ", from (" << c.a.x << ", "
                                        << c.a.z << ") to (" << c.b.x << ", " << c.b.z << ")");
        ShopStaticObject shop;
        shop.setCollisionRadius(c.collisionRadius);
        Vector3D a = c.a, b = c.b;
        EXPECT_EQ(shop.doesLineCollide(&a, &b), c.hits);
    }
}

// One triangle of a vertical panel from (0, 0, 0) to (10, 0, 0), 10 high.
Polygon3D* panelTriangle() { return makePolygon({{0, 0, 0}, {10, 0, 0}, {10, 10, 0}}); }

TEST(Wall, BlocksOnlyThroughItsTriangle) {
    std::unique_ptr<Polygon3D> triangle(panelTriangle());
    Wall wall;
    wall.setPolygon(triangle.get());
    wall.setPosition(Vector3D(8, 1, 0));

    EXPECT_EQ(wall.getBoundingRadius(), 0.0f);
    EXPECT_EQ(wall.getCollisionRadius(), 0.0f);
    Vector3D touching(8, 2, 0.5f);
    Vector3D clear(8, 2, 3.0f);
    EXPECT_TRUE(wall.polygon->doesSphereCollide(&touching, 1.0f));
    EXPECT_FALSE(wall.polygon->doesSphereCollide(&clear, 1.0f));
    EXPECT_FALSE(wall.doesSphereCollide(&touching, 1.0f)) << "the inherited test never hits";
    Vector3D through1(8, 2, -5), through2(8, 2, 5);
    EXPECT_FALSE(wall.doesLineCollide(&through1, &through2));
}

TEST(Wall, LeavesItsTriangleToItsOwner) {
    Polygon3D* triangle = panelTriangle();
    Wall* wall = new Wall();
    wall->setPolygon(triangle);
    delete wall;
    // Still alive: the address checker flags any use after a free.
    Vector3D touching(8, 2, 0.5f);
    EXPECT_TRUE(triangle->doesSphereCollide(&touching, 1.0f));
    delete triangle;
}

// Drawing runs outside any window here: only the assertion matters.
TEST(StaticObjectDeathTest, ANullMeshEndsTheProgramWhenDrawn) {
    Mesh mesh;
    StaticObject thing;
    thing.addMesh(&mesh);
    thing.addMesh(nullptr);
    EXPECT_DEATH(thing.draw(), "meshes.at\\(i\\)");
    EXPECT_DEATH(thing.drawInInventory(), "meshes.at\\(i\\)");
}

}  // namespace
