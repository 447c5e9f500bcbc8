// Meshes must fit where the game puts them: trees grow from internodes of
// fixed lengths, buildings block with fixed circles, gates show the partner
// island through a fixed disc, figures wear their parts in one frame, and
// items turn in the carousel about their own foot.
#include <gtest/gtest.h>

#include "AssetPack.h"
#include "MeshObj.h"

namespace {

ObjMesh load(const std::string& path) {
    ObjMesh mesh = readObj(assetPath(path));
    EXPECT_TRUE(mesh.opened && mesh.problems.empty()) << path;
    return mesh;
}

// Everything of a mesh inside a vertical cylinder round (cx, cz), and
// between two heights; `sphere` bounds the distance from the origin too.
struct Fit {
    const char* path;
    double cx, cz, radius, yMin, yMax, sphere;
};

const Fit kFits[] = {
    // Figures: bodies round the eye point; wear on the head.
    {"ObjFiles/heroBody.obj", 0, 0, 1.0, -1.1, 1.2, 99},
    {"ObjFiles/enemyBody.obj", 0, 0, 1.1, -1.1, 1.2, 99},
    {"ObjFiles/helmet.obj", 0, 0, 1.1, -1.1, 1.2, 99},
    {"ObjFiles/heroEyes.obj", 0, 0, 1.0, 0.1, 0.7, 99},
    {"ObjFiles/enemyEyes.obj", 0, 0, 1.0, 0.1, 0.7, 99},
    {"ObjFiles/eyelashes.obj", 0, 0, 1.0, 0.4, 0.9, 99},
    {"ObjFiles/bow.obj", 0, 0, 0.8, 0.8, 1.4, 99},
    {"ObjFiles/farmerHat.obj", 0, 0, 1.2, 0.8, 2.6, 99},
    {"ObjFiles/crown.obj", 0, 0, 1.0, 0.8, 1.5, 99},
    {"ObjFiles/crownMain.obj", 0, 0, 1.0, 0.8, 1.1, 99},
    {"ObjFiles/crownLeaves.obj", 0, 0, 1.1, 0.8, 1.4, 99},
    {"ObjFiles/circletMain.obj", 0, 0, 1.0, 0.6, 1.0, 99},
    {"ObjFiles/circletGem.obj", 0, 0, 1.0, 0.6, 1.0, 99},
    {"ObjFiles/princessHat.obj", 0, 0, 1.1, 0.8, 2.6, 99},
    {"ObjFiles/hands.obj", 0, 0, 1.45, -0.25, 0.25, 99},
    {"ObjFiles/feet.obj", 0, 0, 1.05, -1.5, -0.75, 99},
    // Houses: walls inside the collision circle, the whole house in its bounding sphere.
    {"ObjFiles/houseMain.obj", 0, 0, 5.0, 0, 10, 12},
    {"ObjFiles/door.obj", 0, 0, 5.0, 0, 10, 12},
    {"ObjFiles/doorKnob.obj", 0, 0, 5.0, 0, 10, 12},
    {"ObjFiles/chimney.obj", 0, 0, 12, 0, 10, 12},
    {"ObjFiles/houseRoof.obj", 0, 0, 12, 0, 10, 12},
    // The shop's body in its centre circle, the table in the side circle at +7 x.
    {"ObjFiles/shopMain.obj", 0, 0, 4.0, 0, 25, 25},
    {"ObjFiles/shopDoor.obj", 0, 0, 4.0, 0, 25, 25},
    {"ObjFiles/shopSign.obj", 0, 0, 4.0, 0, 25, 25},
    {"ObjFiles/shopRoof.obj", 0, 0, 25, 0, 25, 25},
    {"ObjFiles/shopChimney.obj", 0, 0, 25, 0, 25, 25},
    {"ObjFiles/shopTable.obj", 7, 0, 2.0, 0, 1.2, 25},
    {"ObjFiles/shopTeapot.obj", 7, 0, 0.6, 0.9, 1.6, 25},
    // Props.
    {"ObjFiles/pillar.obj", 0, 0, 2.5, 0, 9, 99},
    {"ObjFiles/pillarSmall.obj", 0, 0, 2.5, 0, 4, 99},
    {"ObjFiles/statue.obj", 0, 0, 3.0, 0, 3.5, 3.5},
    {"ObjFiles/statueFront.obj", 0, 0, 3.0, 0, 3.5, 3.5},
    {"ObjFiles/basket.obj", 0, 0, 1.3, 0, 1.6, 99},
    {"ObjFiles/apples.obj", 0, 0, 1.3, 0, 1.6, 99},
    {"ObjFiles/stems.obj", 0, 0, 1.3, 0, 1.6, 99},
    {"ObjFiles/volcano.obj", 0, 0, 10, 0, 5, 10},
    {"ObjFiles/treeHouseBase.obj", 0, 0, 30, -1, 30, 30},  // roots dig in
    {"ObjFiles/treeHousePorch.obj", 0, 0, 30, 0, 30, 30},
    {"ObjFiles/treeHouseLeaves.obj", 0, 0, 30, 0, 30, 30},
    {"ObjFiles/islandPortalMain.obj", 0, 0, 15, 0, 10, 15},
    {"ObjFiles/islandPortalInner.obj", 0, 0, 15, -1.5, 10, 15},
    {"ObjFiles/islandPortalTops.obj", 0, 0, 15, 0, 10.5, 15},
    {"ObjFiles/islandPortalLeaves.obj", 0, 0, 15, -0.2, 10.5, 15},
    {"ObjFiles/islandPortalVines.obj", 0, 0, 15, -0.2, 10.5, 15},
    {"ObjFiles/castle.obj", 0, 0, 100, 0, 100, 100},
    {"ObjFiles/castleRoofs.obj", 0, 0, 100, 0, 100, 100},
    // Plants: tufts and flowers sink up to 0.495 into the ground.
    {"ObjFiles/grass.obj", 0, 0, 1.0, -0.5, 1.0, 99},
    {"ObjFiles/snow.obj", 0, 0, 3.0, -1.5, 1.5, 99},
    {"ObjFiles/flowerStem.obj", 0, 0, 1.0, -0.5, 1.0, 99},
    {"ObjFiles/flowerPetals.obj", 0, 0, 1.0, 0.5, 1.0, 99},
    {"ObjFiles/flowerCenter.obj", 0, 0, 1.0, 0.5, 1.0, 99},
    {"ObjFiles/leaf1.obj", 0, 0, 0.45, 0, 1.6, 99},
    // Shot-portal rims: a thin wreath lying flat.
    {"ObjFiles/portalVines.obj", 0, 0, 2.6, -0.05, 0.3, 99},
    {"ObjFiles/portalLeaves.obj", 0, 0, 2.8, -0.05, 0.3, 99},
    {"ObjFiles/ePoint.obj", 0, 0, 0.5, -0.8, 0.8, 99},
    // The compass hangs round its centre.
    {"ObjFiles/compassMain.obj", 0, 0, 0.6, -0.6, 0.65, 0.7},
    {"ObjFiles/compassFace.obj", 0, 0, 0.45, -0.45, 0.45, 0.45},
    {"ObjFiles/compassPointer.obj", 0, 0, 0.4, -0.1, 0.4, 0.4},
};

void PrintTo(const Fit& f, std::ostream* os) { *os << f.path; }

class MeshFits : public testing::TestWithParam<Fit> {};

TEST_P(MeshFits, StaysWhereTheGameExpectsIt) {
    const Fit& fit = GetParam();
    ObjMesh mesh = load(fit.path);
    int outside = 0;
    for (const ObjPoint& p : mesh.positions) {
        bool in = std::hypot(p.x - fit.cx, p.z - fit.cz) <= fit.radius + 1e-3 && p.y >= fit.yMin - 1e-3 &&
                  p.y <= fit.yMax + 1e-3 && p.length() <= fit.sphere + 1e-3;
        if (!in && outside++ < 3)
            ADD_FAILURE() << fit.path << ": (" << p.x << ", " << p.y << ", " << p.z << ") out of place";
    }
    EXPECT_EQ(outside, 0);
}

std::string fitName(const testing::TestParamInfo<Fit>& info) {
    std::string name = info.param.path;
    name = name.substr(name.find('/') + 1);
    return name.substr(0, name.find('.'));
}

INSTANTIATE_TEST_SUITE_P(Pack, MeshFits, testing::ValuesIn(kFits), fitName);

// A tree lays its internodes end to end, each running from the mesh's
// origin along +y for a fixed length, so a mesh must span exactly that.
TEST(MeshExtents, InternodesRunTheirLengthUpFromTheOrigin) {
    const struct {
        const char* path;
        double length, baseRadius;
    } internodes[] = {{"ObjFiles/trunk.obj", 10, 1.0},  {"ObjFiles/branch1.obj", 7, 0.5},
                      {"ObjFiles/branch2.obj", 5, 0.35}, {"ObjFiles/branch3.obj", 3, 0.25},
                      {"ObjFiles/branch4.obj", 2, 0.15}, {"ObjFiles/branch5.obj", 2, 0.1}};
    for (const auto& c : internodes) {
        ObjBounds b = boundsOf(load(c.path));
        EXPECT_NEAR(b.lo.y, 0, 1e-3) << c.path;
        EXPECT_NEAR(b.hi.y, c.length, 1e-3) << c.path;
        EXPECT_LE(b.horizontalRadius, c.baseRadius) << c.path;
        // Round about the axis, so any turn looks the same.
        EXPECT_NEAR(b.lo.x, -b.hi.x, 0.25 * b.horizontalRadius) << c.path;
        EXPECT_NEAR(b.lo.z, -b.hi.z, 0.25 * b.horizontalRadius) << c.path;
    }
    // A leaf starts at its twig and points along +y.
    ObjBounds leaf = boundsOf(load("ObjFiles/leaf1.obj"));
    EXPECT_NEAR(leaf.lo.y, 0, 1e-3);
    EXPECT_GE(leaf.hi.y, 1.2);
}

// Squared 2D distance from point (px, py) to triangle (a, b, c) in the x-y plane.
double distanceToTriangle(double px, double py, const ObjPoint& a, const ObjPoint& b, const ObjPoint& c) {
    auto side = [&](const ObjPoint& u, const ObjPoint& v) {
        return (v.x - u.x) * (py - u.y) - (v.y - u.y) * (px - u.x);
    };
    double s0 = side(a, b), s1 = side(b, c), s2 = side(c, a);
    if ((s0 >= 0 && s1 >= 0 && s2 >= 0) || (s0 <= 0 && s1 <= 0 && s2 <= 0)) return 0;
    auto segment = [&](const ObjPoint& u, const ObjPoint& v) {
        double dx = v.x - u.x, dy = v.y - u.y, l = dx * dx + dy * dy;
        double t = l > 0 ? std::fmax(0, std::fmin(1, ((px - u.x) * dx + (py - u.y) * dy) / l)) : 0;
        return std::hypot(px - u.x - t * dx, py - u.y - t * dy);
    };
    return std::fmin(segment(a, b), std::fmin(segment(b, c), segment(c, a)));
}

// The partner island is drawn into a disc of radius 4 round (0, 3.5, 1)
// before the gate's meshes; any of them in front of or behind that disc
// would paint over the view.
TEST(MeshExtents, GateMeshesKeepThePortalDiscClear) {
    for (const char* path : {"ObjFiles/islandPortalMain.obj", "ObjFiles/islandPortalInner.obj",
                             "ObjFiles/islandPortalTops.obj", "ObjFiles/islandPortalLeaves.obj",
                             "ObjFiles/islandPortalVines.obj"}) {
        ObjMesh mesh = load(path);
        double nearest = 1e9;
        for (const ObjMesh::Face& f : mesh.faces)
            nearest = std::fmin(nearest, distanceToTriangle(0, 3.5, mesh.corner(f, 0), mesh.corner(f, 1),
                                                            mesh.corner(f, 2)));
        EXPECT_GE(nearest, 4.0) << path;
    }
}

// The gate blocks with two invisible panels at z -0.7 and +0.1, x +-5.8,
// 10 high, and two pillars of radius 0.5 at (+-6, 4.5): the stone should
// show just that.
TEST(MeshExtents, GateStoneMatchesItsSolidParts) {
    ObjMesh mesh = load("ObjFiles/islandPortalMain.obj");
    ObjBounds slab;
    int stray = 0;
    for (const ObjPoint& p : mesh.positions) {
        if (p.z <= 0.1 + 1e-3) {
            slab.lo = {std::fmin(slab.lo.x, p.x), std::fmin(slab.lo.y, p.y), std::fmin(slab.lo.z, p.z)};
            slab.hi = {std::fmax(slab.hi.x, p.x), std::fmax(slab.hi.y, p.y), std::fmax(slab.hi.z, p.z)};
        } else if (p.y < 8.5) {
            double pillar = std::hypot(std::fabs(p.x) - 6, p.z - 4.5);
            if (pillar > 0.75) ++stray;
        }
    }
    EXPECT_NEAR(slab.lo.x, -5.8, 1e-3);
    EXPECT_NEAR(slab.hi.x, 5.8, 1e-3);
    EXPECT_NEAR(slab.lo.y, 0, 1e-3);
    EXPECT_NEAR(slab.hi.y, 10, 1e-3);
    EXPECT_NEAR(slab.lo.z, -0.7, 1e-3);
    EXPECT_EQ(stray, 0) << "stone in front of the slab away from the pillars";
}

TEST(MeshExtents, VolcanoIsAConeWithItsCraterAtFour) {
    ObjMesh mesh = load("ObjFiles/volcano.obj");
    ObjBounds b = boundsOf(mesh);
    double foot = 0;
    for (const ObjPoint& p : mesh.positions)
        if (p.y < 0.3) foot = std::fmax(foot, std::hypot(p.x, p.z));
    EXPECT_NEAR(foot, 7, 0.6);
    EXPECT_NEAR(b.hi.y, 4, 0.4);
    EXPECT_NEAR(b.lo.y, 0, 1e-3);
}

// Tree-house huts stand at (0, 18, -3) from the tree whatever its turn, so
// above the platform the tree must keep out of every circle a hut can
// sweep; the platform itself carries the hut at y 18.
TEST(MeshExtents, TreeHouseLeavesRoomForItsHut) {
    double hutTop = 0, hutReach = 0;
    for (const char* part : {"ObjFiles/houseMain.obj", "ObjFiles/door.obj", "ObjFiles/doorKnob.obj",
                             "ObjFiles/chimney.obj", "ObjFiles/houseRoof.obj"}) {
        for (const ObjPoint& p : load(part).positions) {
            hutTop = std::fmax(hutTop, 18 + p.y);
            hutReach = std::fmax(hutReach, std::hypot(p.x, p.z - 3));
        }
    }
    for (const char* part :
         {"ObjFiles/treeHouseBase.obj", "ObjFiles/treeHouseLeaves.obj", "ObjFiles/treeHousePorch.obj"}) {
        int inHut = 0;
        for (const ObjPoint& p : load(part).positions)
            if (p.y > 18.01 && p.y < hutTop && std::hypot(p.x, p.z) < hutReach) ++inHut;
        EXPECT_EQ(inHut, 0) << part;
    }
    ObjMesh porch = load("ObjFiles/treeHousePorch.obj");
    ObjBounds b = boundsOf(porch);
    EXPECT_GE(b.horizontalRadius, 9.0);
    double deck = -1e9;
    for (const ObjPoint& p : porch.positions)
        if (std::hypot(p.x, p.z) < 1) deck = std::fmax(deck, p.y);
    EXPECT_NEAR(deck, 18, 1e-3);
}

// Items turn about their own y axis in the carousel and rest on their foot.
TEST(MeshExtents, ItemsStandOnTheirFootAndFitTheCarousel) {
    for (const char* path :
         {"ObjFiles/vial.obj", "ObjFiles/coins.obj", "ObjFiles/leftGlove.obj", "ObjFiles/rightGlove.obj",
          "ObjFiles/ringMain.obj", "ObjFiles/lordOfRing.obj", "ObjFiles/boots1.obj", "ObjFiles/iAmRichGEm.obj",
          "ObjFiles/map.obj"}) {
        ObjBounds b = boundsOf(load(path));
        EXPECT_NEAR(b.lo.y, 0, 0.02) << path;
        double size = std::fmax(b.hi.y - b.lo.y, std::fmax(b.hi.x - b.lo.x, b.hi.z - b.lo.z));
        EXPECT_GE(size, 0.7) << path;
        EXPECT_LE(size, 2.5) << path;
        EXPECT_LE(std::fabs(b.lo.x + b.hi.x) / 2, 0.3) << path << " off its spin axis";
        EXPECT_LE(std::fabs(b.lo.z + b.hi.z) / 2, 0.3) << path << " off its spin axis";
    }
    ObjBounds blade = boundsOf(load("ObjFiles/swordMain.obj"));
    EXPECT_NEAR(blade.hi.y, 2.2, 0.3);
}

// What the shop screen shows is the shop's -z side: door and sign go there.
TEST(MeshExtents, ShopDoorAndSignFaceMinusZ) {
    for (const char* path : {"ObjFiles/shopDoor.obj", "ObjFiles/shopSign.obj"}) {
        ObjBounds b = boundsOf(load(path));
        EXPECT_LT(b.hi.z, -2.5) << path;
    }
}

bool inside(const std::vector<std::pair<double, double>>& polygon, double x, double z) {
    bool in = false;
    for (size_t i = 0, j = polygon.size() - 1; i < polygon.size(); j = i++) {
        const auto &a = polygon[i], &b = polygon[j];
        if ((a.second > z) != (b.second > z) &&
            x < (b.first - a.first) * (z - a.second) / (b.second - a.second) + a.first)
            in = !in;
    }
    return in;
}

double distanceToChain(const std::vector<std::pair<double, double>>& polygon, double x, double z) {
    double best = 1e9;
    for (size_t i = 0, j = polygon.size() - 1; i < polygon.size(); j = i++) {
        double ax = polygon[j].first, az = polygon[j].second, dx = polygon[i].first - ax, dz = polygon[i].second - az;
        double l = dx * dx + dz * dz, t = l > 0 ? std::fmax(0, std::fmin(1, ((x - ax) * dx + (z - az) * dz) / l)) : 0;
        best = std::fmin(best, std::hypot(x - ax - t * dx, z - az - t * dz));
    }
    return best;
}

// The hero walks inside the island's invisible wall chains: the cave and
// the castle must leave those floors free, below head height and more.
TEST(MeshExtents, CaveAndCastleLeaveTheirFloorsFree) {
    // Cave frame: the wall chain, closed across the mouth.
    const std::vector<std::pair<double, double>> cave = {{9.16, 9.2},   {8.94, -0.67}, {3.89, -5.47},
                                                         {-2.01, -6.53}, {-8.05, -3.0}, {-9.13, 7.31}};
    int blocking = 0;
    ObjMesh caveMesh = load("ObjFiles/cave.obj");
    for (const ObjPoint& p : caveMesh.positions)
        if (p.y > -1 && p.y < 12 && inside(cave, p.x, p.z) && distanceToChain(cave, p.x, p.z) > 0.3) ++blocking;
    EXPECT_EQ(blocking, 0) << "cave floor";
    EXPECT_NEAR(boundsOf(caveMesh).hi.z, 10, 0.05) << "the roof's front is the waterfall's lip";
    // Castle frame: the inner chain (courtyard and entrance passage), closed
    // across the passage's mouth.
    const std::vector<std::pair<double, double>> courtyard = {
        {-12.63, 39.7}, {-12.35, 18.81}, {-14.28, 15.38}, {-17.27, 9.25}, {-19.39, -3.54},
        {-16.45, -10.96}, {-9.86, -17.08}, {-1.28, -19.77}, {10.47, -17.56}, {17.14, -11.53},
        {19.84, -2.96},  {19.45, 7.03},   {14.14, 15.49},  {7.39, 20.68},  {6.51, 39.68}};
    blocking = 0;
    for (const ObjPoint& p : load("ObjFiles/castle.obj").positions)
        if (p.y < 9 && inside(courtyard, p.x, p.z) && distanceToChain(courtyard, p.x, p.z) > 1.2) ++blocking;
    EXPECT_EQ(blocking, 0) << "castle courtyard";
}

}  // namespace
