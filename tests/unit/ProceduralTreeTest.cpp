#include <gtest/gtest.h>

#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <vector>

#include "Mesh/Mesh.h"
#include "Object/ProceduralTree/Bud/Bud.h"
#include "Object/ProceduralTree/Bud/Internode.h"
#include "Object/ProceduralTree/Bud/Leaf.h"
#include "Object/ProceduralTree/ProceduralTree.h"
#include "support/VectorExpect.h"

namespace {

// A mesh of one thin triangle standing on the origin with its tip at
// (0, length, 0): where the tip lands shows how a part was turned and placed.
// Its normals point along +x. The mesh does not own its triangle; this does.
class Spike {
public:
    explicit Spike(float length) : triangle(new Polygon3D()) {
        triangle->addVertex(new Vertex(Vector3D(0, 0, 0), Vector3D(1, 0, 0), Vector3D(0, 0, 0)));
        triangle->addVertex(new Vertex(Vector3D(0.1f, 0, 0), Vector3D(1, 0, 0), Vector3D(1, 0, 0)));
        triangle->addVertex(new Vertex(Vector3D(0, length, 0), Vector3D(1, 0, 0), Vector3D(0, 1, 0)));
        mesh.addPolygon(triangle.get());
    }
    Mesh mesh;

private:
    std::unique_ptr<Polygon3D> triangle;
};

// One spike per order, as long as that order's internodes, so a branch's
// tip must land on its end point.
struct TreeMeshes {
    Spike leaf{1.5f}, order0{10}, order1{7}, order2{5}, order3{3}, order4To5{2}, order6To9{2};
    std::unique_ptr<ProceduralTree> newTree() {
        return std::make_unique<ProceduralTree>(&leaf.mesh, &order0.mesh, &order1.mesh, &order2.mesh, &order3.mesh,
                                                &order4To5.mesh, &order6To9.mesh);
    }
};

Vector3D vertexAt(const float* array, int i) { return Vector3D(array[3 * i], array[3 * i + 1], array[3 * i + 2]); }

float angleBetween(Vector3D a, Vector3D b) {
    double c = Vector3D::getDotProduct(&a, &b) / ((double)a.getLength() * b.getLength());
    return (float)std::acos(std::max(-1.0, std::min(1.0, c)));
}

// FNV-1a over everything both buffers hold.
uint64_t digest(ProceduralTree& tree) {
    uint64_t h = 1469598103934665603ull;
    auto add = [&h](const void* data, size_t bytes) {
        const unsigned char* p = (const unsigned char*)data;
        for (size_t k = 0; k < bytes; ++k) h = (h ^ p[k]) * 1099511628211ull;
    };
    for (VertexBuffer* buffer : {tree.getBranchVertexBuffer(), tree.getLeafVertexBuffer()}) {
        size_t n = (size_t)buffer->numberOfVertices;
        add(&buffer->numberOfVertices, sizeof buffer->numberOfVertices);
        add(buffer->vertexArray, 3 * n * sizeof(float));
        add(buffer->normalArray, 3 * n * sizeof(float));
        add(buffer->texCoordArray, 2 * n * sizeof(float));
    }
    return h;
}

const Vector3D FOOT(3, 7, -2);

}  // namespace

TEST(Bud, RootGrowsOneTrunkStraightUp) {
    for (int round = 0; round < 50; ++round) {  // whatever the draws
        Bud root(FOOT, 0, Vector3D(0, 1, 0));
        ASSERT_EQ(root.getNumInterNodes(), 1);
        EXPECT_EQ(root.getNumLeaves(), 0);
        EXPECT_TRUE(vectorNear(root.getEndPoint(0), Vector3D(3, 17, -2), 1e-4f));
    }
}

// Counts, lengths and tilts over many buds of each order, in random places
// and directions.
TEST(Bud, CountsLengthsAndTiltsFollowTheOrder) {
    struct Case {
        int order;
        int minInternodes, maxInternodes, minLeaves, maxLeaves;
        float length;
    } cases[] = {
        {1, 3, 5, 0, 0, 7}, {2, 2, 5, 0, 0, 5}, {3, 2, 5, 0, 0, 3}, {4, 3, 9, 1, 3, 2}, {5, 1, 2, 2, 3, 2},
        {6, 1, 1, 4, 5, 0}, {9, 1, 1, 4, 5, 0}, {10, 0, 0, 0, 0, 0},
    };
    srand(7);
    for (const Case& c : cases) {
        SCOPED_TRACE("order " + std::to_string(c.order));
        int lowInternodes = 99, highInternodes = -1, lowLeaves = 99, highLeaves = -1;
        float mostLeanAlone = 0, mostLeanOfSeveral = 0;
        for (int round = 0; round < 400; ++round) {
            Vector3D position((float)(rand() % 200 - 100), (float)(rand() % 40), (float)(rand() % 200 - 100));
            Vector3D direction(rand() % 21 - 10.0f, rand() % 10 + 1.0f, rand() % 21 - 10.0f);
            direction = direction.getUnitVector();
            Bud bud(position, c.order, direction);
            int n = bud.getNumInterNodes(), l = bud.getNumLeaves();
            lowInternodes = std::min(lowInternodes, n);
            highInternodes = std::max(highInternodes, n);
            lowLeaves = std::min(lowLeaves, l);
            highLeaves = std::max(highLeaves, l);
            for (int k = 0; k < n; ++k) {
                Vector3D along = bud.getEndPoint(k).subtract(&position);
                ASSERT_NEAR(along.getLength(), c.length, 1e-4f);
                if (c.length == 0) continue;
                // The tilt (0.01 to 0.51 radians for a single branch, 0.52
                // to 1.03 for several) turns about an axis that need not be
                // square to the direction, so it is the most a branch leans.
                float lean = angleBetween(along, direction);
                float &most = n == 1 ? mostLeanAlone : mostLeanOfSeveral;
                most = std::max(most, lean);
                ASSERT_LE(lean, (n == 1 ? 0.51f : 1.03f) + 1e-3f) << "branch " << k << " of " << n;
            }
            for (int k = 0; k < l; ++k) {
                Vector3D leaf = bud.getLeafDirection(k);
                ASSERT_NEAR(leaf.getLength(), c.length, 1e-4f);
            }
        }
        EXPECT_EQ(lowInternodes, c.minInternodes);
        EXPECT_EQ(highInternodes, c.maxInternodes);
        EXPECT_EQ(lowLeaves, c.minLeaves);
        EXPECT_EQ(highLeaves, c.maxLeaves);
        if (c.length > 0 && c.minInternodes == 1) {
            EXPECT_GT(mostLeanAlone, 0.4f);
        }
        if (c.length > 0 && c.maxInternodes > 1) {
            EXPECT_GT(mostLeanOfSeveral, 0.9f);
        }
    }
}

// What each order answers, and how many numbers it takes from the generator
// (the next draw after the answer shows it).
TEST(Bud, SpawnWhatByOrder) {
    struct Case {
        int order;
        int always;  // 0 when the answer depends on the draw
        int draws;
    } cases[] = {
        {0, SPAWN_INTERNODE, 0}, {1, SPAWN_INTERNODE, 1}, {2, 0, 1}, {3, 0, 1}, {4, 0, 1}, {5, SPAWN_LEAF, 0},
        {6, 0, 1},               {8, 0, 1},               {9, SPAWN_LEAF, 0}, {12, SPAWN_LEAF, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("order " + std::to_string(c.order));
        Bud bud(FOOT, c.order, Vector3D(0, 1, 0));
        int leaves = 0, internodes = 0;
        for (unsigned seed = 1; seed <= 300; ++seed) {
            srand(seed);
            std::vector<int> sequence = {rand(), rand()};
            srand(seed);
            int answer = bud.spawnWhat();
            ASSERT_TRUE(answer == SPAWN_LEAF || answer == SPAWN_INTERNODE);
            (answer == SPAWN_LEAF ? leaves : internodes) += 1;
            ASSERT_EQ(rand(), sequence[c.draws]) << "seed " << seed;
        }
        if (c.always == SPAWN_LEAF) {
            EXPECT_EQ(internodes, 0);
        } else if (c.always == SPAWN_INTERNODE) {
            EXPECT_EQ(leaves, 0);
        } else {
            EXPECT_GT(leaves, 0);
            EXPECT_GT(internodes, leaves) << "a leaf only for a draw above 20";
        }
    }
}

TEST(BudDeathTest, IndexBeyondTheListsStops) {
    Bud root(FOOT, 0, Vector3D(0, 1, 0));
    EXPECT_DEATH(root.getEndPoint(1), "i< endPoints.size\\(\\)");
    EXPECT_DEATH(root.getLeafDirection(0), "i <leafDirections.size\\(\\)");
}

TEST(ProceduralTree, MeshForEachInternodeOrder) {
    TreeMeshes meshes;
    std::unique_ptr<ProceduralTree> tree = meshes.newTree();
    const struct {
        int order;
        Mesh* mesh;
    } cases[] = {
        {-1, nullptr},
        {0, &meshes.order0.mesh},
        {1, &meshes.order1.mesh},
        {2, &meshes.order2.mesh},
        {3, &meshes.order3.mesh},
        {4, &meshes.order4To5.mesh},
        {5, &meshes.order4To5.mesh},
        {6, &meshes.order6To9.mesh},
        {9, &meshes.order6To9.mesh},
        {10, nullptr},
    };
    for (const auto& c : cases) EXPECT_EQ(tree->getMeshForInternodeOrder(c.order), c.mesh) << "order " << c.order;
}

TEST(ProceduralTree, GrowsAConnectedTreeFromOneTrunk) {
    TreeMeshes meshes;
    for (unsigned seed : {1u, 2u, 99u}) {
        SCOPED_TRACE("seed " + std::to_string(seed));
        srand(seed);
        std::unique_ptr<ProceduralTree> tree = meshes.newTree();
        tree->seed(FOOT);
        EXPECT_TRUE(vectorNear(tree->getPosition(), FOOT));
        EXPECT_TRUE(tree->getBuds()->empty());

        std::vector<Internode>& internodes = *tree->getInternodes();
        ASSERT_FALSE(internodes.empty());
        EXPECT_EQ(internodes[0].getOrder(), 0);
        EXPECT_TRUE(vectorNear(internodes[0].getStartPosition(), FOOT));
        EXPECT_TRUE(vectorNear(internodes[0].getEndPosition(), Vector3D(3, 17, -2), 1e-4f));
        EXPECT_EQ(internodes[0].getMesh(), &meshes.order0.mesh);

        int trunks = 0, firstBranches = 0;
        for (size_t k = 0; k < internodes.size(); ++k) {
            Internode& internode = internodes[k];
            ASSERT_GE(internode.getOrder(), 0);
            ASSERT_LE(internode.getOrder(), 4);
            EXPECT_EQ(internode.getMesh(), tree->getMeshForInternodeOrder(internode.getOrder()));
            trunks += internode.getOrder() == 0;
            firstBranches += internode.getOrder() == 1;
            if (k == 0) continue;
            // Every branch grows from the end of one a level lower.
            bool attached = false;
            for (Internode& parent : internodes) {
                Vector3D start = internode.getStartPosition();
                attached = attached || (parent.getOrder() == internode.getOrder() - 1 &&
                                        parent.getEndPosition().equals(&start));
            }
            ASSERT_TRUE(attached) << "internode " << k;
        }
        EXPECT_EQ(trunks, 1);
        EXPECT_GE(firstBranches, 3);
        EXPECT_LE(firstBranches, 5);
        // Erasing a bud moves the next one into its slot, and the sweep steps
        // past it: the first bud on a first branch waits for the next sweep,
        // so the first twigs grow from the second first branch.
        ASSERT_EQ(internodes[1 + firstBranches].getOrder(), 2);
        Vector3D twigStart = internodes[1 + firstBranches].getStartPosition();
        EXPECT_TRUE(internodes[2].getEndPosition().equals(&twigStart));

        ASSERT_FALSE(tree->getLeaves()->empty());
        for (Leaf& leaf : *tree->getLeaves()) {
            bool onABranchEnd = false;
            for (Internode& internode : internodes) {
                Vector3D at = leaf.getPosition();
                onABranchEnd = onABranchEnd || (internode.getOrder() >= 1 && internode.getEndPosition().equals(&at));
            }
            ASSERT_TRUE(onABranchEnd) << "leaves grow on buds above order 1 only";
            ASSERT_EQ(leaf.getMesh(), &meshes.leaf.mesh);
        }
    }
}

// The buffers hold one triangle per part, in growth order, relative to the
// tree's foot: a branch's tip on its end point, a leaf's tip 1.5 along its
// direction. Branch normals stay as the mesh has them; leaf normals turn.
TEST(ProceduralTree, BakesEveryPartTurnedAndPlacedRelativeToTheFoot) {
    TreeMeshes meshes;
    srand(5);
    std::unique_ptr<ProceduralTree> tree = meshes.newTree();
    tree->seed(FOOT);
    std::vector<Internode>& internodes = *tree->getInternodes();
    std::vector<Leaf>& leaves = *tree->getLeaves();
    VertexBuffer* branches = tree->getBranchVertexBuffer();
    VertexBuffer* leafBuffer = tree->getLeafVertexBuffer();
    ASSERT_EQ(branches->numberOfVertices, (int)(3 * internodes.size()));
    ASSERT_EQ(leafBuffer->numberOfVertices, (int)(3 * leaves.size()));

    Vector3D foot = FOOT;
    for (size_t k = 0; k < internodes.size(); ++k) {
        Vector3D start = internodes[k].getStartPosition(), end = internodes[k].getEndPosition();
        ASSERT_TRUE(vectorNear(vertexAt(branches->vertexArray, 3 * k), start.subtract(&foot), 1e-4f)) << "internode " << k;
        ASSERT_TRUE(vectorNear(vertexAt(branches->vertexArray, 3 * k + 2), end.subtract(&foot), 2e-4f)) << "internode " << k;
        ASSERT_TRUE(vectorNear(vertexAt(branches->normalArray, 3 * k + 1), Vector3D(1, 0, 0))) << "internode " << k;
        ASSERT_EQ(branches->texCoordArray[2 * (3 * k + 2) + 1], 1.0f);
    }
    for (size_t k = 0; k < leaves.size(); ++k) {
        Vector3D at = leaves[k].getPosition().subtract(&foot);
        Vector3D along = leaves[k].getDirection().getUnitVector();
        Vector3D reach = along.multiply(1.5);
        Vector3D tip = at.add(&reach);
        ASSERT_TRUE(vectorNear(vertexAt(leafBuffer->vertexArray, 3 * k + 2), tip, 2e-4f)) << "leaf " << k;
        Vector3D normal = vertexAt(leafBuffer->normalArray, 3 * k);
        EXPECT_NEAR(normal.getLength(), 1.0f, 1e-4f);
        EXPECT_NEAR(Vector3D::getDotProduct(&normal, &along), 0.0f, 1e-4f) << "leaf " << k;
    }

    // Moving the tree moves no baked coordinate: they are relative.
    uint64_t before = digest(*tree);
    tree->setPosition(Vector3D(50, 0, 50));
    EXPECT_EQ(digest(*tree), before);
}

// Baking writes the parts straight into the arrays: drawn by their corner
// numbers, they must make exactly the triangles the parts' own triangles
// load into a buffer, texture coordinates or none, the trunk's spin
// included, each distinct corner of a part once.
TEST(ProceduralTree, BakedArraysEqualThePartsTrianglesLoadedIntoABuffer) {
    Spike textured(2);
    std::unique_ptr<Polygon3D> bare(new Polygon3D());  // no texture coordinates
    bare->addVertex(new Vertex(Vector3D(0, 0, 0), Vector3D(0, 0, 1)));
    bare->addVertex(new Vertex(Vector3D(0.5f, 0.2f, 0), Vector3D(0, 0, 1)));
    bare->addVertex(new Vertex(Vector3D(0, 1, 0.3f), Vector3D(0, 0, 1)));
    textured.mesh.addPolygon(bare.get());
    // Two corners the same as the spike's, bit for bit: the parts' arrays
    // hold each such corner once.
    std::unique_ptr<Polygon3D> sharing(new Polygon3D());
    sharing->addVertex(new Vertex(Vector3D(0, 0, 0), Vector3D(1, 0, 0), Vector3D(0, 0, 0)));
    sharing->addVertex(new Vertex(Vector3D(-0.1f, 1, 0), Vector3D(1, 0, 0), Vector3D(0.5f, 0.5f, 0)));
    sharing->addVertex(new Vertex(Vector3D(0, 2, 0), Vector3D(1, 0, 0), Vector3D(0, 1, 0)));
    textured.mesh.addPolygon(sharing.get());
    srand(11);
    ProceduralTree tree(&textured.mesh, &textured.mesh, &textured.mesh, &textured.mesh, &textured.mesh,
                        &textured.mesh, &textured.mesh);
    tree.seed(FOOT);
    ASSERT_FALSE(tree.getLeaves()->empty());

    std::vector<Polygon3D*> branchPolygons, leafPolygons;
    for (Internode& internode : *tree.getInternodes()) internode.collectPolys(&branchPolygons, FOOT);
    for (Leaf& leaf : *tree.getLeaves()) leaf.collectPolys(&leafPolygons, FOOT);
    VertexBuffer wantBranches, wantLeaves;
    wantBranches.loadArrays(&branchPolygons);
    wantLeaves.loadArrays(&leafPolygons);
    for (Polygon3D* p : branchPolygons) delete p;
    for (Polygon3D* p : leafPolygons) delete p;

    struct Pair {
        const char* what;
        VertexBuffer* want;
        VertexBuffer* got;
    } pairs[] = {{"branches", &wantBranches, tree.getBranchVertexBuffer()},
                 {"leaves", &wantLeaves, tree.getLeafVertexBuffer()}};
    for (const Pair& p : pairs) {
        int n = p.want->numberOfVertices;
        ASSERT_EQ(p.got->numberOfVertices, n) << p.what;
        ASSERT_NE(p.got->indexArray, nullptr) << p.what;
        EXPECT_EQ(p.got->numberOfUniqueVertices, n / 9 * 7) << p.what << ": seven distinct corners a part";
        // The parts are drawn in another order than they grew: compare the
        // triangles as a whole, each with its corners bit for bit.
        auto triangles = [n](const VertexBuffer* b, bool indexed) {
            std::vector<std::vector<float>> out;
            for (int t = 0; t < n / 3; ++t) {
                std::vector<float> corners;
                for (int k = 0; k < 3; ++k) {
                    unsigned int c = indexed ? b->indexArray[3 * t + k] : (unsigned int)(3 * t + k);
                    corners.insert(corners.end(), b->vertexArray + 3 * c, b->vertexArray + 3 * c + 3);
                    corners.insert(corners.end(), b->texCoordArray + 2 * c, b->texCoordArray + 2 * c + 2);
                    corners.insert(corners.end(), b->normalArray + 3 * c, b->normalArray + 3 * c + 3);
                }
                out.push_back(corners);
            }
            std::sort(out.begin(), out.end());
            return out;
        };
        for (int i = 0; i < n; ++i) {
            ASSERT_LT(p.got->indexArray[i], (unsigned int)p.got->numberOfUniqueVertices) << p.what;
        }
        EXPECT_TRUE(triangles(p.got, true) == triangles(p.want, false)) << p.what;
    }
}

// Parts turned straight along y or against it keep finite coordinates.
TEST(ProceduralTree, PartsAlongTheVerticalTurnCleanly) {
    Spike spike(2);
    struct Case {
        Vector3D direction;
        Vector3D tip;
    } cases[] = {
        {Vector3D(0, 3, 0), Vector3D(0, 2, 0)},
        {Vector3D(0, -3, 0), Vector3D(0, -2, 0)},
        {Vector3D(3, 0, 0), Vector3D(2, 0, 0)},
        {Vector3D(0, 0, -3), Vector3D(0, 0, -2)},
    };
    for (const Case& c : cases) {
        Vector3D direction = c.direction;
        std::vector<Polygon3D*> out;
        Leaf leaf(Vector3D(1, 1, 1), direction, &spike.mesh);
        leaf.collectPolys(&out, Vector3D(1, 1, 1));
        Internode internode(Vector3D(1, 1, 1), 2, direction, Vector3D(1, 1, 1).add(&direction), &spike.mesh);
        internode.collectPolys(&out, Vector3D(1, 1, 1));
        ASSERT_EQ(out.size(), 2u);
        EXPECT_TRUE(vectorNear(out[0]->getPoint(2), c.tip, 1e-5f));
        EXPECT_TRUE(vectorNear(out[1]->getPoint(2), c.tip, 1e-5f));
        for (Polygon3D* p : out) delete p;
    }
}

namespace {

// Set by the parent test for the one child it starts.
const char* const DIGEST_CHILD = "TAVIR_TREE_DIGEST_CHILD";

}  // namespace

// Runs only as the child of the test below: grows one tree from the
// untouched generator and prints its digest.
TEST(ProceduralTreeChild, DISABLED_PrintsTheDigestOfAFreshProcess) {
    if (std::getenv(DIGEST_CHILD) == nullptr) GTEST_SKIP() << "started only by the digest test";
    TreeMeshes meshes;
    std::unique_ptr<ProceduralTree> tree = meshes.newTree();
    tree->seed(FOOT);
    std::printf("tree digest %016llx\n", (unsigned long long)digest(*tree));
}

TEST(ProceduralTree, GrowsTheSameTreeInEveryGrowthAndEveryProcess) {
    TreeMeshes meshes;
    uint64_t digests[2];
    for (uint64_t& d : digests) {
        srand(1);  // what an unseeded generator starts from
        std::unique_ptr<ProceduralTree> tree = meshes.newTree();
        tree->seed(FOOT);
        d = digest(*tree);
    }
    EXPECT_EQ(digests[0], digests[1]);

    char self[4096] = {0};
    ASSERT_GT(readlink("/proc/self/exe", self, sizeof self - 1), 0);
    std::string command = std::string(DIGEST_CHILD) + "=1 '" + self +
                          "' --gtest_also_run_disabled_tests "
                          "--gtest_filter=ProceduralTreeChild.DISABLED_PrintsTheDigestOfAFreshProcess 2>/dev/null";
    FILE* child = popen(command.c_str(), "r");
    ASSERT_NE(child, nullptr);
    char line[512];
    unsigned long long fromChild = 0;
    bool found = false;
    while (std::fgets(line, sizeof line, child)) {
        found = found || std::sscanf(line, "tree digest %llx", &fromChild) == 1;
    }
    EXPECT_EQ(pclose(child), 0);
    ASSERT_TRUE(found) << "the child printed no digest";
    EXPECT_EQ(fromChild, digests[0]);

    srand(2);
    std::unique_ptr<ProceduralTree> other = meshes.newTree();
    other->seed(FOOT);
    EXPECT_NE(digest(*other), digests[0]) << "the digest sees the growth";
}
