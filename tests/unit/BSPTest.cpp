#include <gtest/gtest.h>

#include <memory>
#include <vector>

#include "BSP/BSP.h"
#include "support/Shapes.h"

namespace {

// Owns the polygons of a test; the tree never does.
struct Polygons {
    std::vector<std::unique_ptr<Polygon3D>> owned;
    std::vector<Polygon3D*> list;
    Polygon3D* add(std::initializer_list<Vector3D> points) {
        owned.emplace_back(makePolygon(points));
        list.push_back(owned.back().get());
        return list.back();
    }
    // A floor triangle at height y facing up.
    Polygon3D* floorAt(float y) { return add({{0, y, 0}, {0, y, 4}, {4, y, 0}}); }
};

}  // namespace

TEST(BSP, OneStepSortsPolygonsAboutTheFirstPlane) {
    Polygons p;
    Polygon3D* first = p.floorAt(0);
    Polygon3D* above = p.floorAt(3);
    Polygon3D* below = p.floorAt(-2);
    Polygon3D* level = p.add({{10, 0, 10}, {11, 0, 10}, {10, 0.05f, 11}});  // within the band
    p.add({{0, -5, 0}, {1, 5, 0}, {0, 5, 1}});  // spanning: dropped

    BSP::BSPnode node;
    std::vector<Polygon3D*> front, back;
    BSP::partition(p.list, &node, front, back);
    EXPECT_FLOAT_EQ(node.plane.b, 16) << "the first polygon's plane";
    EXPECT_EQ(node.polygons, (std::vector<Polygon3D*>{first, level}));
    EXPECT_EQ(front, std::vector<Polygon3D*>{above});
    EXPECT_EQ(back, std::vector<Polygon3D*>{below});
    EXPECT_EQ(node.front, nullptr);
    EXPECT_EQ(node.back, nullptr);
}

TEST(BSP, BuildingLeavesTheTreeEmpty) {
    Polygons p;
    p.floorAt(0);
    p.floorAt(3);
    p.floorAt(-2);
    std::vector<Polygon3D*> none;

    BSP fromList(p.list);
    EXPECT_EQ(fromList.head, nullptr);
    BSP fromNothing(none);
    EXPECT_EQ(fromNothing.head, nullptr);

    BSP tree;
    tree.buildBSP(none);
    tree.buildBSP(p.list);
    tree.buildBSP(p.list);  // head is still unset, so building again is allowed
    EXPECT_EQ(tree.head, nullptr);
    tree.partitionSpace();
}

TEST(BSPDeathTest, RefusesToBuildOverATreeOrToSplit) {
    Polygons p;
    p.floorAt(0);
    BSP tree;
    BSP::BSPnode existing;
    tree.head = &existing;
    EXPECT_DEATH(tree.buildBSP(p.list), "head == NULL");
    tree.head = nullptr;
    Plane3D plane(0, 1, 0, 0);
    EXPECT_DEATH(tree.splitPolygon(p.list[0], &plane), "false");

    Polygons degenerate;
    degenerate.floorAt(0);
    degenerate.add({{0, 5, 0}, {1, 5, 0}});
    EXPECT_DEATH(tree.buildBSP(degenerate.list), "vertices.size\\(\\) >= 3");
}
