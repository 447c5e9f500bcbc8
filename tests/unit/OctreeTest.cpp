#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <memory>
#include <sstream>
#include <vector>

#include "Frustum/Frustum.h"
#include "Object/Object.h"
#include "Octree/Octree.h"
#include "Octree/OctreeObject.h"
#include "support/Shapes.h"

namespace {

std::uintptr_t key(Object* object) { return reinterpret_cast<std::uintptr_t>(object); }

// The leaves holding the object, found by walking the whole tree.
void leavesHolding(OctNode* node, Object* object, std::vector<OctNode*>& found) {
    if (node->getChildren()->empty()) {
        std::vector<Object*>* objects = node->getObjects();
        if (std::find(objects->begin(), objects->end(), object) != objects->end()) found.push_back(node);
        return;
    }
    for (OctNode* child : *node->getChildren()) leavesHolding(child, object, found);
}

struct Shape {
    int nodes = 0, leaves = 0, minDepth = 1 << 30, maxDepth = 0;
    float minLeafWidth = 1e9f, maxLeafWidth = 0;
};

void measure(OctNode* node, int depth, Shape& shape) {
    ++shape.nodes;
    std::vector<OctNode*>* children = node->getChildren();
    if (children->empty()) {
        ++shape.leaves;
        shape.minDepth = std::min(shape.minDepth, depth);
        shape.maxDepth = std::max(shape.maxDepth, depth);
        shape.minLeafWidth = std::min(shape.minLeafWidth, node->getWidth());
        shape.maxLeafWidth = std::max(shape.maxLeafWidth, node->getWidth());
        return;
    }
    EXPECT_EQ(children->size(), 8u);
    for (OctNode* child : *children) measure(child, depth + 1, shape);
}

}  // namespace

TEST(Octree, BuildsACompleteTree) {
    Octree octree;
    EXPECT_EQ(octree.root, nullptr);
    octree.buildOctree(200, 5);
    OctNode* root = octree.root;
    ASSERT_NE(root, nullptr);
    EXPECT_FLOAT_EQ(root->getWidth(), 200);

    const float expected[8][3] = {{-50, -50, -50}, {-50, -50, 50}, {-50, 50, -50}, {-50, 50, 50},
                                  {50, -50, -50},  {50, -50, 50},  {50, 50, -50},  {50, 50, 50}};
    ASSERT_EQ(root->getChildren()->size(), 8u);
    for (int i = 0; i < 8; ++i) {
        OctNode* child = root->getChildren()->at(i);
        EXPECT_FLOAT_EQ(child->getX(), expected[i][0]) << "child " << i;
        EXPECT_FLOAT_EQ(child->getY(), expected[i][1]) << "child " << i;
        EXPECT_FLOAT_EQ(child->getZ(), expected[i][2]) << "child " << i;
        EXPECT_FLOAT_EQ(child->getWidth(), 100) << "child " << i;
    }

    Shape shape;
    measure(root, 0, shape);
    EXPECT_EQ(shape.nodes, 37449);
    EXPECT_EQ(shape.leaves, 32768);
    EXPECT_EQ(shape.minDepth, 5);
    EXPECT_EQ(shape.maxDepth, 5);
    EXPECT_FLOAT_EQ(shape.minLeafWidth, 6.25f);
    EXPECT_FLOAT_EQ(shape.maxLeafWidth, 6.25f);
}

TEST(Octree, ShallowDepthsStillMakeOneLevel) {
    for (float depth : {1.0f, 0.5f}) {
        Octree octree;
        octree.buildOctree(200, depth);
        Shape shape;
        measure(octree.root, 0, shape);
        EXPECT_EQ(shape.nodes, 9) << "depth " << depth;
        EXPECT_EQ(shape.maxDepth, 1) << "depth " << depth;
    }
}

TEST(Octree, ObjectsLandInEveryLeafTheirSphereMayTouch) {
    struct Case {
        const char* what;
        Vector3D position;
        std::vector<int> children;
    } cases[] = {
        {"inside one octant", {10, 10, 10}, {7}},
        {"spanning the x plane", {2, 10, 10}, {3, 7}},
        {"on the centre", {0, 0, 0}, {0, 1, 2, 3, 4, 5, 6, 7}},
        {"just clear of every plane", {-4, -4, 4}, {1}},
        {"outside the root cube", {500, 1, -500}, {4, 6}},
    };
    for (Case& c : cases) {
        Octree octree;
        octree.buildOctree(200, 1);
        Ball ball(c.position);
        std::vector<Object*> list = {&ball};
        octree.fillOctree(&list);
        std::vector<int> got;
        for (int i = 0; i < 8; ++i) {
            std::vector<Object*>* objects = octree.root->getChildren()->at(i)->getObjects();
            if (std::count(objects->begin(), objects->end(), &ball) == 1) got.push_back(i);
        }
        EXPECT_EQ(got, c.children) << c.what;
        EXPECT_TRUE(octree.root->getObjects()->empty()) << "inner nodes hold nothing";
    }
}

TEST(Octree, ViewQueryReturnsEachVisibleObjectOnce) {
    Octree octree;
    octree.buildOctree(200, 3);
    Ball spanning(Vector3D(0, 0, -40), 4);  // in the leaves on both sides of x = 0
    Ball ahead(Vector3D(20, 5, -80));
    Ball behind(Vector3D(0, 0, 60));
    std::vector<Object*> list = {&spanning, &ahead, &behind};
    octree.fillOctree(&list);
    std::vector<OctNode*> leaves;
    leavesHolding(octree.root, &spanning, leaves);
    ASSERT_GT(leaves.size(), 1u);

    Vector3D eye(0, 0, 0), centre(0, 0, -1), up(0, 1, 0);
    VisibleObjectSet visible = octree.getObjectsInFrustum(&eye, &centre, &up);
    EXPECT_EQ(visible.size(), 2u);
    EXPECT_EQ(visible.count(key(&spanning)), 1u);
    EXPECT_EQ(visible.count(key(&ahead)), 1u);
    EXPECT_EQ(visible.count(key(&behind)), 0u) << "its cells are pruned";
    EXPECT_TRUE(octree.isObjectInFrustum(&ahead));
    EXPECT_FALSE(octree.isObjectInFrustum(&behind));

    // Filling again stores everything twice; the query still names each once.
    octree.fillOctree(&list);
    EXPECT_EQ(octree.objects.size(), 6u);
    std::vector<Object*>* leafObjects = leaves[0]->getObjects();
    EXPECT_EQ(std::count(leafObjects->begin(), leafObjects->end(), &spanning), 2);
    visible = octree.getObjectsInFrustum(&eye, &centre, &up);
    EXPECT_EQ(visible.size(), 2u);

    Vector3D below(0, -150, 0), away(0, -151, 0), sideways(1, 0, 0);
    visible = octree.getObjectsInFrustum(&below, &away, &sideways);
    EXPECT_TRUE(visible.empty()) << "looking away from every object";
}

TEST(Octree, RemovedObjectsLeaveEveryLeafAndTheList) {
    Octree octree;
    octree.buildOctree(200, 5);
    Ball onTheCentre(Vector3D(0, 0, 0), 3);     // in the leaves around the middle
    Ball neighbour(Vector3D(1, 0, 1), 3);       // shares those leaves
    Ball outside(Vector3D(150, 0, -150), 4);    // beyond the root cube
    Ball never(Vector3D(20, 0, 20), 4);         // was never added
    std::vector<Object*> list = {&onTheCentre, &neighbour, &outside};
    octree.fillOctree(&list);
    octree.fillOctree(&list);  // twice: every copy must go
    std::vector<OctNode*> before;
    leavesHolding(octree.root, &onTheCentre, before);
    ASSERT_GT(before.size(), 4u);

    octree.removeObject(&onTheCentre);
    octree.removeObject(&outside);
    octree.removeObject(&never);
    for (Ball* gone : {&onTheCentre, &outside}) {
        std::vector<OctNode*> leaves;
        leavesHolding(octree.root, gone, leaves);
        EXPECT_TRUE(leaves.empty());
        EXPECT_EQ(std::count(octree.objects.begin(), octree.objects.end(), gone), 0);
    }
    std::vector<OctNode*> kept;
    leavesHolding(octree.root, &neighbour, kept);
    EXPECT_FALSE(kept.empty());
    EXPECT_EQ(std::count(octree.objects.begin(), octree.objects.end(), &neighbour), 2);

    Vector3D eye(0, 100, 0), centre(0, 0, 0), up(0, 0, -1);
    VisibleObjectSet visible = octree.getObjectsInFrustum(&eye, &centre, &up);
    EXPECT_EQ(visible.count(key(&onTheCentre)), 0u);
    EXPECT_EQ(visible.count(key(&neighbour)), 1u);

    Octree unbuilt;
    unbuilt.removeObject(&never);  // nothing to walk
    EXPECT_TRUE(unbuilt.objects.empty());
}

// Node by node: the same cubes holding the same objects in the same order.
void expectSameTree(OctNode* a, OctNode* b) {
    ASSERT_NE(a, nullptr);
    ASSERT_NE(b, nullptr);
    EXPECT_EQ(a->getX(), b->getX());
    EXPECT_EQ(a->getY(), b->getY());
    EXPECT_EQ(a->getZ(), b->getZ());
    EXPECT_EQ(a->getWidth(), b->getWidth());
    EXPECT_EQ(*a->getObjects(), *b->getObjects());
    ASSERT_EQ(a->getChildren()->size(), b->getChildren()->size());
    for (size_t i = 0; i < a->getChildren()->size(); ++i) {
        expectSameTree(a->getChildren()->at(i), b->getChildren()->at(i));
    }
}

// An island's tree waits for its first query; it must then be the tree
// built at once, removals made while it waited included.
TEST(Octree, TreeBuiltAtFirstQueryIsTheTreeBuiltAtOnce) {
    std::vector<std::unique_ptr<Ball>> balls;
    std::vector<Object*> list;
    for (int i = 0; i < 60; ++i) {
        float x = (float)((i * 37) % 230) - 115, z = (float)((i * 91) % 230) - 115, y = (float)(i % 7) - 3;
        balls.emplace_back(new Ball(Vector3D(x, y, z), 0.5f + (float)(i % 9)));
        list.push_back(balls.back().get());
    }
    Ball centre(Vector3D(0, 0, 0), 2);  // in eight subtrees
    list.push_back(&centre);
    struct Query {
        const char* what;
        std::function<void(Octree&)> ask;
    } queries[] = {
        {"view", [](Octree& o) {
             Vector3D eye(0, 20, 90), at(0, 0, 0), up(0, 1, 0);
             o.getObjectsInFrustum(&eye, &at, &up);
         }},
        {"colliders", [](Octree& o) {
             Vector3D p(10, 0, 10);
             testing::internal::CaptureStdout();  // the query's trace lines
             o.getPossibleColliders(&p, 1);
             testing::internal::GetCapturedStdout();
         }},
    };
    for (const Query& q : queries) {
        Octree now, later;
        now.buildOctree(200, 5);
        later.buildOctreeAtFirstQuery(200, 5);
        now.fillOctree(&list);
        later.fillOctree(&list);
        EXPECT_EQ(later.root, nullptr) << q.what;
        for (Object* gone : {list[3], list[40], (Object*)&centre}) {
            now.removeObject(gone);
            later.removeObject(gone);
        }
        EXPECT_EQ(later.objects, now.objects) << q.what;
        q.ask(later);
        q.ask(now);
        expectSameTree(now.root, later.root);
        now.fillOctree(&list);  // once built, filling inserts at once again
        later.fillOctree(&list);
        expectSameTree(now.root, later.root);
    }
}

TEST(Octree, ViewQueryMissesNothingInView) {
    // An island's worth of objects, against the plain sphere test.
    Octree octree;
    octree.buildOctree(300, 5);
    std::vector<std::unique_ptr<Ball>> balls;
    std::vector<Object*> list;
    for (int i = 0; i < 400; ++i) {
        float x = (float)((i * 37) % 290) - 145, z = (float)((i * 91) % 290) - 145, y = (float)(i % 13);
        balls.emplace_back(new Ball(Vector3D(x, y, z), 1.0f + (float)(i % 5)));
        list.push_back(balls.back().get());
    }
    octree.fillOctree(&list);

    struct View {
        Vector3D eye, centre, up;
    } views[] = {
        {{0, 10, 0}, {0, 10, -1}, {0, 1, 0}},
        {{-120, 30, 120}, {0, 0, 0}, {0, 1, 0}},
        {{50, 5, -60}, {51, 5, -59}, {0, 1, 0}},
        {{0, 200, 0}, {0, 0, 0.01f}, {0, 0, -1}},
    };
    for (View& view : views) {
        VisibleObjectSet visible = octree.getObjectsInFrustum(&view.eye, &view.centre, &view.up);
        Frustum frustum;
        frustum.setFrustum(45, 1.3333334f, 0.1f, 1000);
        frustum.setView(view.eye, view.centre, view.up);
        int inView = 0;
        for (Object* object : list) {
            if (frustum.objectInFrustum(object) != FRUSTUM_OUTSIDE) {
                ++inView;
                EXPECT_EQ(visible.count(key(object)), 1u) << "eye " << view.eye.x << ", " << view.eye.z;
            }
        }
        EXPECT_GT(inView, 0);
        EXPECT_LT(visible.size(), list.size()) << "something is pruned";
    }
}

TEST(Octree, VisibleSetKeepsWholeAddresses) {
    static_assert(sizeof(VisibleObjectSet::key_type) >= sizeof(Object*), "keys hold a whole address");
    VisibleObjectSet visible;
    const std::uintptr_t low = 0x7f001000u;
    const std::uintptr_t high = low | (std::uintptr_t(1) << 40);
    visible.insert(low);
    visible.insert(high);
    EXPECT_EQ(visible.size(), 2u);
    EXPECT_EQ(visible.count(high), 1u);
    EXPECT_EQ(visible.count(high | (std::uintptr_t(1) << 33)), 0u);

    // A real object's address comes back as the same pointer.
    Ball ball(Vector3D(0, 0, -20));
    Octree octree;
    octree.buildOctree(100, 2);
    std::vector<Object*> list = {&ball};
    octree.fillOctree(&list);
    Vector3D eye(0, 0, 0), centre(0, 0, -1), up(0, 1, 0);
    VisibleObjectSet found = octree.getObjectsInFrustum(&eye, &centre, &up);
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(reinterpret_cast<Object*>(*found.begin()), &ball);
}

TEST(Octree, PossibleCollidersNearASphere) {
    Octree octree;
    octree.buildOctree(200, 1);
    Ball near(Vector3D(10, 10, 10)), far(Vector3D(-50, -50, -50)), spanning(Vector3D(2, 10, 10));
    std::vector<Object*> list = {&near, &far, &spanning};
    octree.fillOctree(&list);

    testing::internal::CaptureStdout();
    Vector3D probe(12, 10, 10);
    std::vector<Object*> found = octree.getPossibleColliders(&probe, 1);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "find colliders 4 1 1 1 \n");
    EXPECT_EQ(found, std::vector<Object*>{&near}) << "only bounding spheres that overlap the probe's";

    // A probe across a plane looks in both halves and may list an object twice.
    testing::internal::CaptureStdout();
    Vector3D across(1, 10, 10);
    found = octree.getPossibleColliders(&across, 1);
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "find colliders 4 3 1 1 \n");
    EXPECT_EQ(std::count(found.begin(), found.end(), &spanning), 2);
    EXPECT_EQ(std::count(found.begin(), found.end(), &far), 0);
}

TEST(Octree, PrintsEveryNodeDepthFirst) {
    Octree octree;
    octree.buildOctree(8, 2);
    Ball ball(Vector3D(1, 1, 1), 0.5f);
    std::vector<Object*> list = {&ball};
    octree.fillOctree(&list);
    testing::internal::CaptureStdout();
    octree.printContents();
    std::string out = testing::internal::GetCapturedStdout();
    EXPECT_EQ(out.rfind("----NODE----\nx: 0\ny: 0\nz: 0\n#children: 8\n#objects: 0\n"
                        "----NODE----\nx: -2\ny: -2\nz: -2\n#children: 8\n#objects: 0\n"
                        "----NODE----\nx: -3\ny: -3\nz: -3\n#children: 0\n#objects: 0\n",
                        0),
              0u);
    size_t nodes = 0;
    for (size_t at = out.find("----NODE----"); at != std::string::npos; at = out.find("----NODE----", at + 1)) ++nodes;
    EXPECT_EQ(nodes, 73u);
    EXPECT_NE(out.find("x: 1\ny: 1\nz: 1\n#children: 0\n#objects: 1\n"), std::string::npos);
}

TEST(OctreeObject, IsAnObjectThatDrawsNothing) {
    OctreeObject probe;
    probe.draw();
    EXPECT_FLOAT_EQ(probe.getBoundingRadius(), 4.0f);
}
