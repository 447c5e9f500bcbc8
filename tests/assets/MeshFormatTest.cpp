// Every mesh of the pack must parse into what the game draws: only the
// statements its parser reads, three-corner faces with a texture coordinate
// and a normal at every corner, faces wound counter-clockwise from outside
// (back faces are culled) and no holes.
#include <gtest/gtest.h>

#include <map>
#include <set>

#include "AssetPack.h"
#include "Geometry/Polygon3D.h"
#include "Mesh/Mesh.h"
#include "MeshObj.h"
#include "ObjLoader/objLoader.h"
#include "Vertex/Vertex.h"

namespace {

enum Shape {
    SOLID,   // closed, outward-facing: positive volume
    SHEETS,  // only thin double-sided parts: closed, no volume
    OPEN     // seen from one side only
};

struct MeshCase {
    const char* path;
    Shape shape;
};

const MeshCase kMeshes[] = {
    {"ObjFiles/heroBody.obj", SOLID},         {"ObjFiles/enemyBody.obj", SOLID},
    {"ObjFiles/heroEyes.obj", SOLID},         {"ObjFiles/enemyEyes.obj", SOLID},
    {"ObjFiles/hands.obj", SOLID},            {"ObjFiles/feet.obj", SOLID},
    {"ObjFiles/leftArm.obj", SOLID},          {"ObjFiles/rightArm.obj", SOLID},
    {"ObjFiles/leftFoot.obj", SOLID},         {"ObjFiles/rightFoot.obj", SOLID},
    {"ObjFiles/bow.obj", SOLID},              {"ObjFiles/eyelashes.obj", SOLID},
    {"ObjFiles/farmerHat.obj", SOLID},        {"ObjFiles/crown.obj", SOLID},
    {"ObjFiles/crownMain.obj", SOLID},        {"ObjFiles/crownLeaves.obj", SHEETS},
    {"ObjFiles/circletMain.obj", SOLID},      {"ObjFiles/circletGem.obj", SOLID},
    {"ObjFiles/princessHat.obj", SOLID},      {"ObjFiles/helmet.obj", SOLID},
    {"ObjFiles/houseMain.obj", SOLID},        {"ObjFiles/door.obj", SOLID},
    {"ObjFiles/doorKnob.obj", SOLID},         {"ObjFiles/chimney.obj", SOLID},
    {"ObjFiles/houseRoof.obj", SOLID},        {"ObjFiles/treeHouseBase.obj", SOLID},
    {"ObjFiles/treeHousePorch.obj", SOLID},   {"ObjFiles/treeHouseLeaves.obj", SOLID},
    {"ObjFiles/shopMain.obj", SOLID},         {"ObjFiles/shopRoof.obj", SOLID},
    {"ObjFiles/shopDoor.obj", SOLID},         {"ObjFiles/shopChimney.obj", SOLID},
    {"ObjFiles/shopSign.obj", SOLID},         {"ObjFiles/shopTable.obj", SOLID},
    {"ObjFiles/shopTeapot.obj", SOLID},       {"ObjFiles/pillar.obj", SOLID},
    {"ObjFiles/pillarSmall.obj", SOLID},      {"ObjFiles/statue.obj", SOLID},
    {"ObjFiles/statueFront.obj", SOLID},      {"ObjFiles/volcano.obj", SOLID},
    {"ObjFiles/cave.obj", SOLID},             {"ObjFiles/castle.obj", SOLID},
    {"ObjFiles/castleRoofs.obj", SOLID},      {"ObjFiles/castleTurret.obj", SOLID},
    {"ObjFiles/islandPortalMain.obj", SOLID}, {"ObjFiles/islandPortalInner.obj", SOLID},
    {"ObjFiles/islandPortalTops.obj", SOLID}, {"ObjFiles/islandPortalLeaves.obj", SHEETS},
    {"ObjFiles/islandPortalVines.obj", SOLID}, {"ObjFiles/portalVines.obj", SOLID},
    {"ObjFiles/portalLeaves.obj", SHEETS},    {"ObjFiles/ePoint.obj", SOLID},
    {"ObjFiles/grass.obj", SHEETS},           {"ObjFiles/snow.obj", SOLID},
    {"ObjFiles/flowerStem.obj", SOLID},       {"ObjFiles/flowerPetals.obj", SHEETS},
    {"ObjFiles/flowerCenter.obj", SOLID},     {"ObjFiles/trunk.obj", SOLID},
    {"ObjFiles/branch1.obj", SOLID},          {"ObjFiles/branch2.obj", SOLID},
    {"ObjFiles/branch3.obj", SOLID},          {"ObjFiles/branch4.obj", SOLID},
    {"ObjFiles/branch5.obj", SOLID},          {"ObjFiles/leaf1.obj", SHEETS},
    {"ObjFiles/simpTree2.obj", SOLID},        {"ObjFiles/treeTopSimple.obj", SOLID},
    {"ObjFiles/treeTopSimpleLower.obj", SOLID}, {"ObjFiles/box.obj", SOLID},
    {"ObjFiles/basket.obj", SOLID},           {"ObjFiles/apples.obj", SOLID},
    {"ObjFiles/stems.obj", SOLID},            {"ObjFiles/vial.obj", SOLID},
    {"ObjFiles/coins.obj", SOLID},            {"ObjFiles/leftGlove.obj", SOLID},
    {"ObjFiles/rightGlove.obj", SOLID},       {"ObjFiles/ringMain.obj", SOLID},
    {"ObjFiles/ringGem.obj", SOLID},          {"ObjFiles/lordOfRing.obj", SOLID},
    {"ObjFiles/boots1.obj", SOLID},           {"ObjFiles/boots2.obj", SHEETS},
    {"ObjFiles/iAmRichGEm.obj", SOLID},       {"ObjFiles/swordMain.obj", SOLID},
    {"ObjFiles/swordHandle.obj", SOLID},      {"ObjFiles/map.obj", SHEETS},
    {"ObjFiles/compassMain.obj", SOLID},      {"ObjFiles/compassFace.obj", OPEN},
    {"ObjFiles/compassPointer.obj", SOLID},
};

void PrintTo(const MeshCase& c, std::ostream* os) { *os << c.path; }

class MeshFiles : public testing::TestWithParam<MeshCase> {};

std::string caseName(const testing::TestParamInfo<MeshCase>& info) {
    std::string name = info.param.path;
    name = name.substr(name.find('/') + 1);
    return name.substr(0, name.find('.'));
}

TEST(MeshFiles, AllEightySevenAreListed) {
    std::set<std::string> paths;
    for (const MeshCase& c : kMeshes) paths.insert(c.path);
    EXPECT_EQ(paths.size(), 87u);
}

TEST_P(MeshFiles, UseOnlyTheStatementsTheGameReads) {
    ObjMesh mesh = readObj(assetPath(GetParam().path));
    ASSERT_TRUE(mesh.opened) << GetParam().path;
    for (const std::string& problem : mesh.problems) ADD_FAILURE() << GetParam().path << ": " << problem;
}

// A face's corners in the order the game draws them must turn
// counter-clockwise about the normals written for them.
TEST_P(MeshFiles, FacesTurnTheWayTheirNormalsFace) {
    ObjMesh mesh = readObj(assetPath(GetParam().path));
    ASSERT_TRUE(mesh.problems.empty());
    int wrong = 0;
    for (const ObjMesh::Face& f : mesh.faces) {
        ObjPoint g = (mesh.corner(f, 1) - mesh.corner(f, 0)).cross(mesh.corner(f, 2) - mesh.corner(f, 0));
        if (g.length() < 1e-10) continue;
        ObjPoint n = mesh.normals[f.n[0]] + mesh.normals[f.n[1]] + mesh.normals[f.n[2]];
        if (g.dot(n) <= 0) ++wrong;
    }
    EXPECT_EQ(wrong, 0) << GetParam().path << ": faces wound against their normals";
}

// With back faces culled, a hole shows as a see-through gap; every edge must
// therefore be met by a neighbour running the other way (a thin sheet's two
// windings meet each other). Closed solids must enclose a positive volume,
// which also tells outward from inward winding.
TEST_P(MeshFiles, SolidsAreClosedAndFaceOutwards) {
    if (GetParam().shape == OPEN) return;
    ObjMesh mesh = readObj(assetPath(GetParam().path));
    ASSERT_TRUE(mesh.problems.empty());
    std::map<std::array<double, 3>, int> ids;
    auto id = [&](const ObjPoint& p) {
        return ids.emplace(std::array<double, 3>{p.x, p.y, p.z}, (int)ids.size()).first->second;
    };
    std::map<std::pair<int, int>, int> edges;
    double volume = 0;
    for (const ObjMesh::Face& f : mesh.faces) {
        int c[3];
        for (int k = 0; k < 3; ++k) c[k] = id(mesh.corner(f, k));
        if (c[0] == c[1] || c[1] == c[2] || c[0] == c[2]) continue;
        for (int k = 0; k < 3; ++k) edges[{c[k], c[(k + 1) % 3]}]++;
        volume += mesh.corner(f, 0).dot(mesh.corner(f, 1).cross(mesh.corner(f, 2))) / 6;
    }
    int unmatched = 0;
    for (const auto& e : edges) {
        auto back = edges.find({e.first.second, e.first.first});
        if (back == edges.end() || back->second != e.second) ++unmatched;
    }
    EXPECT_EQ(unmatched, 0) << GetParam().path << ": open edges";
    if (GetParam().shape == SOLID)
        EXPECT_GT(volume, 0) << GetParam().path;
    else
        EXPECT_NEAR(volume, 0, 1e-6) << GetParam().path;
}

// The game's own reader must take every file without a complaint and make
// one triangle, with a texture coordinate at each corner, per face.
TEST_P(MeshFiles, LoadThroughTheGamesReader) {
    ObjMesh mesh = readObj(assetPath(GetParam().path));
    ASSERT_TRUE(mesh.problems.empty());
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    Mesh* loaded = objLoader::loadObj(assetPath(GetParam().path).c_str());
    std::string out = testing::internal::GetCapturedStdout();
    std::string err = testing::internal::GetCapturedStderr();
    ASSERT_NE(loaded, nullptr);
    EXPECT_EQ(out, "");
    EXPECT_EQ(err, "");
    std::vector<Polygon3D*> polygons = loaded->getPolygons();
    EXPECT_EQ(polygons.size(), mesh.faces.size()) << GetParam().path;
    for (size_t i = 0; i < polygons.size() && i < mesh.faces.size(); ++i) {
        std::vector<Vertex*>& corners = *polygons[i]->getVertices();
        ASSERT_EQ(corners.size(), 3u);
        for (int k = 0; k < 3; ++k) {
            ASSERT_TRUE(corners[k]->hasTextureCoord()) << GetParam().path << " face " << i;
            Vector3D p = corners[k]->getPosition();
            ObjPoint q = mesh.corner(mesh.faces[i], k);
            ASSERT_NEAR(p.x, q.x, 1e-4);
            ASSERT_NEAR(p.y, q.y, 1e-4);
            ASSERT_NEAR(p.z, q.z, 1e-4);
        }
    }
    for (Polygon3D* polygon : polygons) delete polygon;
    delete loaded;
}

INSTANTIATE_TEST_SUITE_P(Pack, MeshFiles, testing::ValuesIn(kMeshes), caseName);

}  // namespace
