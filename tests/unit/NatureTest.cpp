#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "Mesh/Mesh.h"
#include "Nature/Nature.h"
#include "Object/HeightMap/HeightMap.h"
#include "Object/ProceduralTree/ProceduralTree.h"
#include "Object/StaticObject/StaticObject.h"
#include "Octree/Octree.h"
#include "TexturesMeshes/TexturesMeshes.h"
#include "WorldType/WorldType.h"
#include "support/Bmp8.h"
#include "support/Fixtures.h"
#include "support/VectorExpect.h"

namespace {

// The registry of a folder without mesh files: every slot holds its own
// empty mesh, which is all placement needs. Built once, kept for the process.
TexturesMeshes* registry() {
    static TexturesMeshes* shared = [] {
        TempFolder empty;
        WorkingDirectory in(empty.path());
        testing::internal::CaptureStderr();  // a complaint per missing mesh file
        TexturesMeshes* built = new TexturesMeshes();
        testing::internal::GetCapturedStderr();
        return built;
    }();
    return shared;
}

const char* const PREFIX = "NatureOverlays/test";

// A working folder with a square height map and the three overlays, each
// given as byte(i, j) for pixel column i and row j.
class NatureFolder {
public:
    typedef std::function<uint8_t(int i, int j)> Bytes;
    static uint8_t none(int, int) { return 0; }

    // Flat ground at height 2 unless shaped.
    explicit NatureFolder(int side, Bytes ground = [](int, int) { return (uint8_t)10; }) : side(side) {
        writeBmp8(folder, "map.bmp", side, side, bytes(side, side, ground));
        map = std::make_unique<HeightMap>(folder.path("map.bmp").c_str(), side, registry(),
                                          registry()->islandHomeMiniMapTexture);
    }

    void overlay(const std::string& kind, Bytes pixels) { overlay(kind, side, side, pixels); }
    void overlay(const std::string& kind, int width, int height, Bytes pixels) {
        writeBmp8(folder, std::string(PREFIX) + kind + ".bmp", width, height, bytes(width, height, pixels));
    }
    // Writes the kinds not yet written as empty overlays.
    void rest() {
        for (const char* kind : {"Flowers", "Trees", "Grass"}) {
            if (!exists(kind)) overlay(kind, none);
        }
    }
    bool exists(const std::string& kind) {
        return access(folder.path(std::string(PREFIX) + kind + ".bmp").c_str(), F_OK) == 0;
    }

    std::unique_ptr<Nature> grow(int type = GRASS_WORLD) {
        rest();
        return std::make_unique<Nature>(map.get(), registry(), PREFIX, type);
    }

    TempFolder folder;
    WorkingDirectory in{folder.path()};
    int side;
    std::unique_ptr<HeightMap> map;

private:
    static std::vector<uint8_t> bytes(int width, int height, const Bytes& f) {
        std::vector<uint8_t> out((size_t)width * height);
        for (int j = 0; j < height; ++j) {
            for (int i = 0; i < width; ++i) out[(size_t)j * width + i] = f(i, j);
        }
        return out;
    }
};

NatureFolder::Bytes pixels(std::vector<std::pair<int, int>> at, uint8_t value = 1) {
    return [at, value](int i, int j) {
        return (uint8_t)(std::count(at.begin(), at.end(), std::make_pair(i, j)) ? value : 0);
    };
}

std::vector<Mesh*> flowerMeshes() {
    return {registry()->flowerCenter, registry()->flowerPetals, registry()->flowerStem};
}

}  // namespace

// Pixel (i, j) stands at (i - side / 2, j - side / 2) in floating point, so
// on an odd side plants stand half a cell off the terrain's grid points.
TEST(Nature, PlantsEachMarkedPixelAtItsGroundPoint) {
    struct Case {
        int side;
        std::vector<std::pair<int, int>> flowers;
        std::vector<Vector3D> expected;  // feet before sinking, columns outer, rows inner
        Vector3D tuft;                   // pixel (1, 3)
    } cases[] = {
        {4, {{1, 3}, {3, 0}, {0, 2}}, {{-2, 2, 0}, {-1, 2, 1}, {1, 2, -2}}, {-1, 2, 1}},
        {5, {{1, 3}, {3, 1}, {2, 2}}, {{-1.5f, 2, 0.5f}, {-0.5f, 2, -0.5f}, {0.5f, 2, -1.5f}}, {-1.5f, 2, 0.5f}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("side " + std::to_string(c.side));
        // No ground at the last sample of the last row.
        int last = c.side - 1;
        NatureFolder folder(c.side, [&](int i, int j) { return (uint8_t)(i == last && j == last ? 0 : 10); });
        std::vector<std::pair<int, int>> flowers = c.flowers;
        flowers.push_back({last, last});  // over the hole: nothing
        folder.overlay("Flowers", pixels(flowers, 255));
        folder.overlay("Grass", pixels({{1, 3}}, 1));  // where a flower stands too
        std::unique_ptr<Nature> nature = folder.grow();

        std::vector<StaticObject*>& small = *nature->getFlowers();
        ASSERT_EQ(small.size(), 4u) << "three flowers, then the tuft";
        std::vector<Vector3D> expected = c.expected;
        expected.push_back(c.tuft);
        for (size_t k = 0; k < small.size(); ++k) {
            Vector3D got = small[k]->getPosition();
            EXPECT_EQ(got.x, expected[k].x) << "object " << k;
            EXPECT_EQ(got.z, expected[k].z) << "object " << k;
            EXPECT_LE(got.y, 2.0f);
            EXPECT_GE(got.y, 2.0f - 0.495f - 1e-6f);
            EXPECT_EQ(small[k]->meshes, k < 3 ? flowerMeshes() : std::vector<Mesh*>{registry()->grass});
        }
        EXPECT_TRUE(nature->getProceduralTrees()->empty());
        EXPECT_EQ(nature->getCoordinateFromIndex(1), 1 - 0.5f * c.side);
        EXPECT_EQ(nature->getIndexFromCoordinate(1 - 0.5f * c.side), 1);
    }
}

// Yaw, then sink, drawn per plant in planting order; grass by world type.
TEST(Nature, SmallPlantsTakeTheirDrawsMeshesAndRadii) {
    struct Case {
        int type;
        Mesh* grass;
        float bounding;
    } cases[] = {
        {GRASS_WORLD, registry()->grass, 1.0f},          {LAVA_WORLD, registry()->snowLavaRockMesh, 3.0f},
        {SNOW_WORLD, registry()->snowMesh, 3.0f},        {MYSTIC_WORLD, registry()->mysticGrassMesh, 1.0f},
        {DIRT_WORLD, registry()->grass, 1.0f},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("world type " + std::to_string(c.type));
        NatureFolder folder(6);
        folder.overlay("Flowers", pixels({{2, 2}}));
        folder.overlay("Grass", pixels({{2, 2}, {4, 1}}));
        srand(11);
        int draws[6];
        for (int& d : draws) d = rand();
        srand(11);
        std::unique_ptr<Nature> nature = folder.grow(c.type);

        std::vector<StaticObject*>& small = *nature->getFlowers();
        ASSERT_EQ(small.size(), 3u);
        for (size_t k = 0; k < 3; ++k) {
            SCOPED_TRACE("object " + std::to_string(k));
            bool flower = k == 0;
            EXPECT_EQ(small[k]->meshes, flower ? flowerMeshes() : std::vector<Mesh*>{c.grass});
            EXPECT_EQ(small[k]->getCollisionRadius(), flower ? 0.1f : 0.01f);
            EXPECT_EQ(small[k]->getBoundingRadius(), flower ? 1.0f : c.bounding);
            EXPECT_EQ(small[k]->getRotationAngleDegrees(), (float)(draws[2 * k] % 360));
            EXPECT_FLOAT_EQ(small[k]->getPosition().y, 2.0f - (draws[2 * k + 1] % 100) / 200.0f);
            EXPECT_TRUE(small[k]->isEnabledDrawing());
        }
        EXPECT_EQ(small[2]->getPosition().x, 1.0f) << "pixel column 4 of 6";
        EXPECT_EQ(small[2]->getPosition().z, -2.0f) << "pixel row 1 of 6";
    }
}

// Flowers load first, then trees (whose growth draws too), then grass.
TEST(Nature, OverlaysLoadFlowersTreesThenGrass) {
    NatureFolder folder(8);
    folder.overlay("Flowers", pixels({{6, 6}}));
    folder.overlay("Trees", pixels({{2, 2}}));
    folder.overlay("Grass", pixels({{6, 6}}));
    srand(3);
    int draws[4];
    for (int& d : draws) d = rand();
    srand(3);
    std::unique_ptr<Nature> nature = folder.grow();
    ASSERT_EQ(nature->getFlowers()->size(), 2u);
    ASSERT_EQ(nature->getProceduralTrees()->size(), 1u);
    StaticObject* flower = nature->getFlowers()->at(0);
    StaticObject* tuft = nature->getFlowers()->at(1);
    EXPECT_EQ(flower->getRotationAngleDegrees(), (float)(draws[0] % 360));
    EXPECT_FLOAT_EQ(flower->getPosition().y, 2.0f - (draws[1] % 100) / 200.0f);
    bool tuftDrewNext = tuft->getRotationAngleDegrees() == (float)(draws[2] % 360) &&
                        tuft->getPosition().y == 2.0f - (draws[3] % 100) / 200.0f;
    EXPECT_FALSE(tuftDrewNext) << "the tree grows between the flower and the tuft";
}

TEST(Nature, TreesGrowWithTheirWorldsMeshesAtTheGroundPoint) {
    TexturesMeshes* r = registry();
    struct Case {
        int type;
        Mesh *leaf, *trunk, *branch;
    } cases[] = {
        {GRASS_WORLD, r->leaf1Mesh, r->trunkMesh, r->branch1Mesh},
        {LAVA_WORLD, r->charcoalLeaf1Mesh, r->trunkMesh, r->branch1Mesh},
        {SNOW_WORLD, r->icyLeaf1Mesh, r->icyTrunkMesh, r->icyBranch1Mesh},
        {MYSTIC_WORLD, r->leaf1Mesh, r->trunkMesh, r->branch1Mesh},
        {DIRT_WORLD, r->leaf1Mesh, r->trunkMesh, r->branch1Mesh},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE("world type " + std::to_string(c.type));
        NatureFolder folder(8);
        folder.overlay("Trees", pixels({{1, 6}, {5, 2}}));
        std::unique_ptr<Nature> nature = folder.grow(c.type);
        EXPECT_TRUE(nature->getFlowers()->empty());
        std::vector<ProceduralTree*>& trees = *nature->getProceduralTrees();
        ASSERT_EQ(trees.size(), 2u);
        EXPECT_TRUE(vectorNear(trees[0]->getPosition(), Vector3D(-3, 2, 2), 0)) << "no sinking";
        EXPECT_TRUE(vectorNear(trees[1]->getPosition(), Vector3D(1, 2, -2), 0));
        for (ProceduralTree* tree : trees) {
            EXPECT_EQ(tree->getCollisionRadius(), 2.0f);
            EXPECT_EQ(tree->getBoundingRadius(), 33.0f);
            EXPECT_TRUE(tree->getBuds()->empty()) << "grown at placement";
            EXPECT_EQ(tree->getInternodes()->at(0).getMesh(), c.trunk);
            EXPECT_EQ(tree->getInternodes()->at(1).getMesh(), c.branch);
            ASSERT_FALSE(tree->getLeaves()->empty());
            EXPECT_EQ(tree->getLeaves()->at(0).getMesh(), c.leaf);
        }
    }
}

TEST(Nature, OnlyTreesAnswerTheSphereAndSegmentQueries) {
    NatureFolder folder(20);
    folder.overlay("Trees", pixels({{5, 10}, {15, 10}}));      // at x = -5 and x = 5, z = 0
    folder.overlay("Flowers", pixels({{10, 4}}));              // at (0, -6)
    folder.overlay("Grass", pixels({{10, 4}, {10, 16}}));      // at (0, -6) and (0, 6)
    std::unique_ptr<Nature> nature = folder.grow();
    ProceduralTree* left = nature->getProceduralTrees()->at(0);
    ProceduralTree* right = nature->getProceduralTrees()->at(1);

    struct Sphere {
        Vector3D centre;
        float radius;
        ProceduralTree* hit;
    } spheres[] = {
        {{-5, 3, 0}, 0.1f, left},  {{5, 50, 2.5f}, 0.5f, right}, {{0, 2, 0}, 2.9f, nullptr},
        {{0, 2, -6}, 1, nullptr},  {{0, 2, 6}, 1, nullptr},       {{0, 2, 0}, 3.0f, left},
    };
    for (Sphere& s : spheres) {
        EXPECT_EQ(nature->doesSphereCollide(&s.centre, s.radius), s.hit) << s.centre.x << ", " << s.centre.z;
    }
    struct Segment {
        Vector3D from, to;
        ProceduralTree* hit;
    } segments[] = {
        {{-20, 2, 1}, {20, 2, 1}, left},  // crosses both: the first in the list
        {{20, 2, -1}, {6.5f, 2, -1}, right},
        {{-20, 2, -6}, {20, 2, -6}, nullptr},  // through the flower and the tuft only
        {{0, 2, -20}, {0, 2, 20}, nullptr},
    };
    for (Segment& s : segments) EXPECT_EQ(nature->doesLineCollideWithObjects(&s.from, &s.to), s.hit);
}

// A portal blocked by a tree clears nothing; otherwise it deletes every tuft
// and flower it touches, from the list and from the island's octree.
TEST(Nature, PortalsClearGrassAndFlowersButStopAtTrees) {
    NatureFolder folder(40);
    folder.overlay("Trees", pixels({{30, 20}}));                       // at (10, 0)
    folder.overlay("Flowers", pixels({{20, 20}, {21, 20}, {26, 20}}));  // at (0, 0), (1, 0), (6, 0)
    folder.overlay("Grass", pixels({{20, 20}, {20, 30}, {27, 20}}));    // at (0, 0), (0, 10), (7, 0)
    std::unique_ptr<Nature> nature = folder.grow();
    std::vector<StaticObject*> small = *nature->getFlowers();
    ASSERT_EQ(small.size(), 6u);
    // Flowers at (0, 0), (1, 0) and (6, 0), then tufts at (0, 0), (0, 10) and (7, 0).
    StaticObject *flowerNearTree = small[2], *grassAtOrigin = small[3], *grassAway = small[4],
                 *grassNearTree = small[5];

    Octree octree;
    octree.buildOctree(40, 5);
    std::vector<Object*> indexed(nature->getProceduralTrees()->begin(), nature->getProceduralTrees()->end());
    indexed.insert(indexed.end(), small.begin(), small.end());
    octree.fillOctree(&indexed);
    nature->setOctree(&octree);
    auto seen = [&octree] {
        Vector3D eye(0, 60, 0), centre(0, 0, 0), up(0, 0, -1);
        return octree.getObjectsInFrustum(&eye, &centre, &up);
    };
    auto key = [](Object* o) { return reinterpret_cast<std::uintptr_t>(o); };
    ASSERT_EQ(seen().count(key(grassAtOrigin)), 1u);

    // Reaching the tree (and the tuft and flower beside it): true, nothing goes.
    Vector3D nearTree(6.5f, 2, 0);
    EXPECT_TRUE(nature->doesPortalIntersectObjects(&nearTree, 1.6f));
    EXPECT_EQ(nature->getFlowers()->size(), 6u);

    // Over the flower, its neighbour and the tuft at the origin: all three go.
    Vector3D origin(0.5f, 2, 0);
    EXPECT_FALSE(nature->doesPortalIntersectObjects(&origin, 1.0f));
    std::vector<StaticObject*> left = *nature->getFlowers();
    EXPECT_EQ(left, (std::vector<StaticObject*>{flowerNearTree, grassAway, grassNearTree}));
    EXPECT_EQ(octree.objects.size(), 4u);
    for (Object* kept : {(Object*)flowerNearTree, (Object*)grassAway, (Object*)grassNearTree}) {
        EXPECT_EQ(seen().count(key(kept)), 1u);
    }
    // The deleted objects' addresses may be reused; what matters is that the
    // view only names objects the island still holds.
    for (std::uintptr_t address : seen()) {
        bool held = address == key(nature->getProceduralTrees()->at(0));
        for (StaticObject* object : left) held = held || address == key(object);
        EXPECT_TRUE(held) << "the view names an object nature no longer holds";
    }

    Vector3D nowhere(0, 2, -15);
    EXPECT_FALSE(nature->doesPortalIntersectObjects(&nowhere, 2));
    EXPECT_EQ(nature->getFlowers()->size(), 3u);
}

// A broken overlay costs its plants and one line on standard error; the
// other overlays still plant.
TEST(Nature, BrokenOverlaysAreReportedAndPlantNothing) {
    struct Case {
        const char* what;
        std::function<void(NatureFolder&)> breakTrees;
        const char* problem;
    } cases[] = {
        {"missing", [](NatureFolder&) {}, "cannot be opened"},
        {"24-bit", [](NatureFolder& f) { f.folder.writeBmp24("NatureOverlays/testTrees.bmp", 8, 8, 255, 255, 255); },
         "is not an 8-bit image"},
        {"not a picture", [](NatureFolder& f) { f.folder.writeText("NatureOverlays/testTrees.bmp", "trees\n"); },
         "is not a readable BMP image"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        NatureFolder folder(8);
        c.breakTrees(folder);
        folder.overlay("Flowers", pixels({{1, 1}}));
        folder.overlay("Grass", pixels({{2, 2}}));
        std::unique_ptr<Nature> nature;
        testing::internal::CaptureStderr();
        nature = std::make_unique<Nature>(folder.map.get(), registry(), PREFIX, GRASS_WORLD);
        std::string err = testing::internal::GetCapturedStderr();
        EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
        EXPECT_NE(err.find("\"NatureOverlays/testTrees.bmp\""), std::string::npos) << err;
        EXPECT_NE(err.find(c.problem), std::string::npos) << err;
        EXPECT_TRUE(nature->getProceduralTrees()->empty());
        EXPECT_EQ(nature->getFlowers()->size(), 2u);
    }
}

TEST(Nature, AShortOverlayPlantsOnlyFromItsRows) {
    NatureFolder folder(10);
    folder.overlay("Grass", 10, 5, [](int, int) { return (uint8_t)1; });
    testing::internal::CaptureStderr();
    std::unique_ptr<Nature> nature = folder.grow();
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    std::vector<StaticObject*>& grass = *nature->getFlowers();
    ASSERT_EQ(grass.size(), 50u) << "ten columns of the five rows there are";
    for (StaticObject* tuft : grass) {
        EXPECT_LT(tuft->getPosition().z, 0.0f) << "rows 0 to 4 lie at z = -5 to -1";
    }
}

TEST(NatureDeathTest, NarrowOverlaysAndMissingHeightMapsStop) {
    NatureFolder folder(10);
    folder.overlay("Flowers", 9, 10, NatureFolder::none);
    EXPECT_DEATH(folder.grow(), "bmpFile->w >= heightMap->getSize\\(\\)");
    EXPECT_DEATH(Nature(nullptr, registry(), PREFIX, GRASS_WORLD), "heightMap");
}
