// The asset registry without a window: which slots share objects, which
// meshes get which texture or colour, and building it from the real pack.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <memory>
#include <set>
#include <sstream>
#include <string>

#include "TexturesMeshes/TexturesMeshes.h"
#include "support/Fixtures.h"

namespace {

int countLines(const std::string& text, const std::string& start) {
    std::istringstream lines(text);
    int count = 0;
    for (std::string line; std::getline(lines, line);) count += line.rfind(start, 0) == 0;
    return count;
}

// Built in an empty folder: every mesh file is missing, so every mesh is
// empty; what the registry wires together is still all there.
class EmptyRegistry : public ::testing::Test {
protected:
    TempFolder folder;
    WorkingDirectory inFolder{folder.path()};
    std::unique_ptr<TexturesMeshes> registry;
    std::string complaints;

    void SetUp() override {
        testing::internal::CaptureStderr();
        registry.reset(new TexturesMeshes());
        complaints = testing::internal::GetCapturedStderr();
    }
};

TEST_F(EmptyRegistry, SharedAndSeparateTextures) {
    TexturesMeshes& r = *registry;
    EXPECT_EQ(r.lavaRockGroundTexture, r.lavaRockTexture);
    EXPECT_EQ(r.hotLavaCliffTexture, r.hotLavaTexture);
    EXPECT_EQ(r.dirtGroundTexture, r.dirtTexture);
    EXPECT_EQ(r.dirtCliffTexture, r.dirtTexture);
    EXPECT_NE(r.thatchTexture, r.thatchTexture2);
    EXPECT_EQ(r.thatchTexture->file, r.thatchTexture2->file);
    EXPECT_NE(r.fsTexture, r.fsHeroTexture);
    EXPECT_EQ(r.fsTexture->file, r.fsHeroTexture->file);
    EXPECT_EQ(r.unsetTexture, nullptr);

    std::vector<Texture*> slots = r.getTextureSlots();
    ASSERT_EQ(slots.size(), 70u);
    std::set<Texture*> distinct(slots.begin(), slots.end());
    distinct.erase(nullptr);
    EXPECT_EQ(distinct.size(), 65u);
    for (Texture* texture : distinct) {
        EXPECT_FALSE(texture->textureLoaded) << texture->file;  // nothing is read before the first bind
        EXPECT_TRUE(texture->file.rfind("Textures/", 0) == 0 || texture->file.rfind("HeightMap/", 0) == 0)
            << texture->file;
    }
    // Names whose case matters on this file system.
    EXPECT_EQ(r.statueLavaRockTexture->file, "Textures/lavaRockTexture.bmp");
    EXPECT_EQ(r.lavaRockTexture->file, "Textures/lavaRock.bmp");
    EXPECT_EQ(r.island1MiniMapLTexture->file, "HeightMap/island1MiniMapL.bmp");
    EXPECT_EQ(r.mainMapTexture->file, "Textures/HUD/mainMap.bmp");
}

TEST_F(EmptyRegistry, WorldTypeTexturePairsStandInOrder) {
    TexturesMeshes& r = *registry;
    Texture** ground = &r.ground1Texture;
    Texture* expected[5][2] = {{r.ground1Texture, r.cliffTexture},
                               {r.lavaRockGroundTexture, r.hotLavaCliffTexture},
                               {r.snowTexture, r.iceTextureSide},
                               {r.mysticTopTexture, r.mysticSideTexture},
                               {r.dirtGroundTexture, r.dirtCliffTexture}};
    for (int type = 0; type < 5; ++type) {
        EXPECT_EQ(ground[2 * type], expected[type][0]) << "world type " << type;
        EXPECT_EQ(ground[2 * type + 1], expected[type][1]) << "world type " << type;
        EXPECT_EQ(r.getTextureSlots()[7 + 2 * type], expected[type][0]);
    }
}

TEST_F(EmptyRegistry, EveryMeshSlotIsItsOwnMesh) {
    TexturesMeshes& r = *registry;
    std::vector<Mesh*> slots = r.getMeshSlots();
    ASSERT_EQ(slots.size(), 105u);
    EXPECT_EQ(std::set<Mesh*>(slots.begin(), slots.end()).size(), 105u);
    EXPECT_EQ(std::set<Mesh*>(slots.begin(), slots.end()).count(nullptr), 0u);

    // Every slot read its own file, so every missing file was reported once per slot.
    EXPECT_EQ(countLines(complaints, "Error reading file: ObjFiles/"), 105);
    EXPECT_EQ(countLines(complaints, "Error reading file: ObjFiles/enemyBody.obj"), 5);
    EXPECT_EQ(countLines(complaints, "Error reading file: ObjFiles/iAmRichGEm.obj"), 1);
    // The first parsed slot is statueMesh.
    EXPECT_EQ(complaints.rfind("Error reading file: ObjFiles/statue.obj\n", 0), 0u);
}

TEST_F(EmptyRegistry, EnemyBodiesAreFiveMeshesWithFiveLooks) {
    TexturesMeshes& r = *registry;
    struct Case {
        Mesh* mesh;
        Texture* texture;
        float red, green, blue;
    } cases[] = {
        {r.enemyBodyMesh, r.enemyTexture, 1, 1, 1},     {r.enemyBodyIceMesh, r.leafIceTexture, 1, 1, 1},
        {r.enemyBodyLavaMesh, r.hotLavaTexture, 1, 1, 1}, {r.enemyBodyGoldMesh, r.goldTexture, 1, 1, 1},
        {r.enemyBodyBlackMesh, nullptr, 0, 0, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(c.mesh->getTexture(), c.texture);
        EXPECT_EQ(c.mesh->color.red, c.red);
        EXPECT_EQ(c.mesh->color.green, c.green);
        EXPECT_EQ(c.mesh->color.blue, c.blue);
    }
    r.enemyBodyLavaMesh->enableDrawing(false);
    for (const Case& c : cases) EXPECT_EQ(c.mesh->isEnabledToDraw(), c.mesh != r.enemyBodyLavaMesh);
}

TEST_F(EmptyRegistry, MeshBindings) {
    TexturesMeshes& r = *registry;
    struct Case {
        const char* name;
        Mesh* mesh;
        Texture* texture;
        float red, green, blue;
    } cases[] = {
        {"ePoint", r.ePointMesh, nullptr, 1, 1, 1},
        {"snowLavaRock", r.snowLavaRockMesh, r.lavaRockTexture, 1, 1, 1},
        {"grass", r.grass, r.ground1Texture, 1, 1, 1},
        {"mysticGrass", r.mysticGrassMesh, r.mysticTopTexture, 1, 1, 1},
        {"houseRoof", r.houseRoofMesh, r.thatchTexture2, 1, 1, 1},
        {"castleRoofs", r.castleRoofsMesh, r.thatchTexture, 1, 1, 1},
        {"heroBody", r.heroBodyMesh, r.fsHeroTexture, 1, 1, 1},
        {"circletGemGreen", r.circletGemGreenMesh, nullptr, 0, 0.9f, 0.6f},
        {"princessHatPink", r.princessHatPinkMesh, nullptr, 1, 0.5f, 0.5f},
        {"feet", r.feetMesh, nullptr, 1, 0, 0.5f},
        {"flowerCenter", r.flowerCenter, nullptr, 1, 1, 0},
        {"statue", r.statueMesh, r.statueLavaRockTexture, 1, 1, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(c.mesh->getTexture(), c.texture);
        EXPECT_FLOAT_EQ(c.mesh->color.red, c.red);
        EXPECT_FLOAT_EQ(c.mesh->color.green, c.green);
        EXPECT_FLOAT_EQ(c.mesh->color.blue, c.blue);
    }
}

TEST(Registry, BuildsFromTheAssetPack) {
    const char* data = std::getenv("TAVIR_DATA_DIR");
    if (data == nullptr || !std::filesystem::exists(std::string(data) + "/ObjFiles/enemyBody.obj")) {
        GTEST_SKIP() << "no asset pack with meshes in TAVIR_DATA_DIR yet";
    }
    WorkingDirectory inPack(data);
    testing::internal::CaptureStderr();
    testing::internal::CaptureStdout();
    TexturesMeshes registry;
    std::string out = testing::internal::GetCapturedStdout();
    std::string err = testing::internal::GetCapturedStderr();
    EXPECT_EQ(err, "");
    EXPECT_EQ(out, "");
    for (Mesh* mesh : registry.getMeshSlots()) {
        EXPECT_GT(mesh->getPolygons().size(), 0u);
        EXPECT_EQ(mesh->vertexBuffer.numberOfVertices, 3 * (int)mesh->getPolygons().size());
    }
}

TEST(Registry, EveryTexturePathIsInTheAssetPack) {
    const char* data = std::getenv("TAVIR_DATA_DIR");
    if (data == nullptr || !std::filesystem::is_directory(std::string(data) + "/Textures")) {
        GTEST_SKIP() << "no asset pack with pictures in TAVIR_DATA_DIR yet";
    }
    WorkingDirectory inPack(data);
    testing::internal::CaptureStderr();
    TexturesMeshes registry;
    testing::internal::GetCapturedStderr();
    // The pack grows folder by folder; a folder that is there must be whole.
    for (Texture* texture : registry.getTextureSlots()) {
        if (texture && std::filesystem::is_directory(std::filesystem::path(texture->file).parent_path())) {
            EXPECT_TRUE(std::filesystem::is_regular_file(texture->file)) << texture->file;
        }
    }
}

}  // namespace
