// The game opens 318 files at fixed, case-sensitive paths; the generator
// must write every one of them, and nothing else.
#include <gtest/gtest.h>

#include <filesystem>
#include <set>
#include <string>
#include <vector>

#include "AssetPack.h"

namespace {

struct Folder {
    const char* path;
    std::vector<const char*> files;
};

const Folder kPack[] = {
    {"Textures/",
     {"allyExplodeTexture.bmp", "allyTexture.bmp", "appleTexture.bmp", "armourTexture.bmp",
      "basketTexture.bmp", "castleTexture.bmp", "charcoal.bmp", "cliffTexture.bmp", "clover2.bmp",
      "cobblestones.bmp", "coinIcon.bmp", "compassFace.bmp", "diamondTexture.bmp", "dirt.bmp",
      "dirtPatch.bmp", "enemyExplode.bmp", "enemyTexture.bmp", "feathers.bmp",
      "fireBallParticleTexture.bmp", "fireTexture.bmp", "flowerPetals.bmp", "fsTexture.bmp", "gold.bmp",
      "goldIcon1.bmp", "goldIcon10.bmp", "goldIcon20.bmp", "granite.bmp", "ground1.bmp", "heroEye.bmp",
      "hotLava.bmp", "iceTextureSide.bmp", "icon.bmp", "icyTree.bmp", "inventoryBack.bmp",
      "inventoryBackground.bmp", "inventoryBoots.bmp", "inventoryCompassNew.bmp",
      "inventoryGauntlets.bmp", "inventoryHelmet.bmp", "inventoryMap.bmp", "inventoryOneRing.bmp",
      "inventoryRichTexture.bmp", "inventoryRingRegen.bmp", "inventorySword.bmp", "inventoryVial.bmp",
      "ladyTexture.bmp", "lavaParticleTexture.bmp", "lavaRock.bmp", "lavaRockTexture.bmp",
      "leafIceTexture.bmp", "leafTexture2.bmp", "leftArrow.bmp", "leves1.bmp", "mud.bmp",
      "mysticSide.bmp", "mysticTop.bmp", "pausedImage.bmp", "plasma.bmp", "porchTexture.bmp",
      "princessDisplay.bmp", "rightArrow.bmp", "shopBackground.bmp", "shopBoots.bmp", "shopHelmet.bmp",
      "shopRichTexture.bmp", "shopRingRegen.bmp", "shopSignTexture.bmp", "shopVial.bmp",
      "snowTexture.bmp", "statueFrontTexture.bmp", "thatch.bmp", "trunk.bmp", "trunk2.bmp",
      "vialTexture.bmp", "waterTexture1.bmp", "waterTexture3.bmp", "wizardHat.bmp"}},
    {"Textures/HUD/",
     {"allyIcon.bmp", "bottomBar.bmp", "ePointIcon.bmp", "endeleaTexture.bmp", "enemyIcon.bmp",
      "fsIcon.bmp", "greenHealthBar.bmp", "houseIcon.bmp", "hudFrame.bmp", "itemProximityFrame.bmp",
      "itemProximityFrameFront.bmp", "locationIcon.bmp", "mainMap.bmp", "minimapBack.bmp",
      "minimapFront.bmp", "msituTexture.bmp", "narokTexture.bmp", "njeveTexture.bmp", "portalIcon.bmp",
      "redHealthBar.bmp", "shopDisplay.bmp", "uzuluTexture.bmp"}},
    {"Textures/MainMenu/",
     {"backButtonDown.bmp", "backButtonOver.bmp", "backButtonUp.bmp", "controlButtonDown.bmp",
      "controlButtonOver.bmp", "controlButtonUp.bmp", "controls.bmp", "credits.bmp",
      "creditsButtonDown.bmp", "creditsButtonOver.bmp", "creditsButtonUp.bmp", "mainMenu.bmp",
      "quitButtonDown.bmp", "quitButtonOver.bmp", "quitButtonUp.bmp", "resumeButtonDown.bmp",
      "resumeButtonOver.bmp", "resumeButtonUp.bmp", "startButtonDown.bmp", "startButtonOver.bmp",
      "startButtonUp.bmp"}},
    {"skybox/",
     {"sunset_down.bmp", "sunset_east.bmp", "sunset_north.bmp", "sunset_south.bmp", "sunset_up.bmp",
      "sunset_west.bmp"}},
    {"Story/",
     {"EvilWizardIntroStory.bmp", "GameOverStory.bmp", "IntroStory.bmp", "KingIntroStory.bmp",
      "KingReturnStory.bmp", "LadyOfTheLakeStory.bmp", "PrincessStory.bmp", "VillageElderStory.bmp"}},
    {"HeightMap/",
     {"island10HeightMap.bmp", "island10MiniMap.bmp", "island11HeightMap.bmp", "island11MiniMap.bmp",
      "island12HeightMap.bmp", "island12MiniMap.bmp", "island1HeightMap.bmp", "island1MiniMapL.bmp",
      "island2HeightMap.bmp", "island2MiniMap.bmp", "island3HeightMap.bmp", "island3MiniMap.bmp",
      "island4HeightMap.bmp", "island4MiniMap.bmp", "island5HeightMap.bmp", "island5MiniMap.bmp",
      "island6HeightMap.bmp", "island6MiniMap.bmp", "island7HeightMap.bmp", "island7MiniMap.bmp",
      "island8HeightMap.bmp", "island8MiniMap.bmp", "island9HeightMap.bmp", "island9MiniMap.bmp",
      "islandHomeHeightMap.bmp", "islandHomeMiniMap.bmp"}},
    {"NatureOverlays/",
     {"island11Flowers.bmp", "island11Grass.bmp", "island11Trees.bmp", "island12Flowers.bmp",
      "island12Grass.bmp", "island12Trees.bmp", "island1Flowers.bmp", "island1Grass.bmp",
      "island1Trees.bmp", "island2Flowers.bmp", "island2Grass.bmp", "island2Trees.bmp",
      "island3Flowers.bmp", "island3Grass.bmp", "island3Trees.bmp", "island4Flowers.bmp",
      "island4Grass.bmp", "island4Trees.bmp", "island5Flowers.bmp", "island5Grass.bmp",
      "island5Trees.bmp", "island6Flowers.bmp", "island6Grass.bmp", "island6Trees.bmp",
      "island7Flowers.bmp", "island7Grass.bmp", "island7Trees.bmp", "island8Flowers.bmp",
      "island8Grass.bmp", "island8Trees.bmp", "island9Flowers.bmp", "island9Grass.bmp",
      "island9Trees.bmp", "islandHomeFlowers.bmp", "islandHomeGrass.bmp", "islandHomeTrees.bmp"}},
    {"MoneyOverlays/",
     {"island10Money.bmp", "island1Money.bmp", "island3Money.bmp"}},
    {"ObjFiles/",
     {"apples.obj", "basket.obj", "boots1.obj", "boots2.obj", "bow.obj", "box.obj", "branch1.obj",
      "branch2.obj", "branch3.obj", "branch4.obj", "branch5.obj", "castle.obj", "castleRoofs.obj",
      "castleTurret.obj", "cave.obj", "chimney.obj", "circletGem.obj", "circletMain.obj", "coins.obj",
      "compassFace.obj", "compassMain.obj", "compassPointer.obj", "crown.obj", "crownLeaves.obj",
      "crownMain.obj", "door.obj", "doorKnob.obj", "ePoint.obj", "enemyBody.obj", "enemyEyes.obj",
      "eyelashes.obj", "farmerHat.obj", "feet.obj", "flowerCenter.obj", "flowerPetals.obj",
      "flowerStem.obj", "grass.obj", "hands.obj", "helmet.obj", "heroBody.obj", "heroEyes.obj",
      "houseMain.obj", "houseRoof.obj", "iAmRichGEm.obj", "islandPortalInner.obj",
      "islandPortalLeaves.obj", "islandPortalMain.obj", "islandPortalTops.obj", "islandPortalVines.obj",
      "leaf1.obj", "leftArm.obj", "leftFoot.obj", "leftGlove.obj", "lordOfRing.obj", "map.obj",
      "pillar.obj", "pillarSmall.obj", "portalLeaves.obj", "portalVines.obj", "princessHat.obj",
      "rightArm.obj", "rightFoot.obj", "rightGlove.obj", "ringGem.obj", "ringMain.obj",
      "shopChimney.obj", "shopDoor.obj", "shopMain.obj", "shopRoof.obj", "shopSign.obj", "shopTable.obj",
      "shopTeapot.obj", "simpTree2.obj", "snow.obj", "statue.obj", "statueFront.obj", "stems.obj",
      "swordHandle.obj", "swordMain.obj", "treeHouseBase.obj", "treeHouseLeaves.obj",
      "treeHousePorch.obj", "treeTopSimple.obj", "treeTopSimpleLower.obj", "trunk.obj", "vial.obj",
      "volcano.obj"}},
    {"Music/",
     {"Soundtrack1Peril.wav"}},
    {"Music/Sounds/",
     {"birdsChirping.wav", "bossTheme.wav", "bringUpItem.wav", "comet.wav", "danger.wav",
      "doorclose.wav", "enemyPoof.wav", "enemyShoot.wav", "enterPortal.wav", "error.wav", "fight2.wav",
      "finishQuestItem.wav", "getCoins.wav", "getItem.wav", "heal.wav", "hitBoss.wav", "homeTown.wav",
      "lotr.wav", "openDoor.wav", "portalClose.wav", "portalOpen.wav", "sadSong.wav", "shootLoud.wav",
      "squeak.wav", "squeak2.wav", "thunder.wav", "turnInMenu.wav", "underwater.wav", "unequip.wav",
      "waterfall.wav", "wind.wav"}},
};

// How many files each folder holds.
const std::pair<const char*, size_t> kCounts[] = {
    {"Textures/", 77}, {"Textures/HUD/", 22},   {"Textures/MainMenu/", 21}, {"skybox/", 6},
    {"Story/", 8},     {"HeightMap/", 26},      {"NatureOverlays/", 36},    {"MoneyOverlays/", 3},
    {"ObjFiles/", 87}, {"Music/", 1},           {"Music/Sounds/", 31},
};

std::set<std::string> expectedPaths() {
    std::set<std::string> paths;
    for (const Folder& folder : kPack)
        for (const char* file : folder.files) paths.insert(std::string(folder.path) + file);
    return paths;
}

TEST(PackFiles, ListHoldsEveryFolderInFull) {
    size_t total = 0;
    for (const auto& [path, count] : kCounts) {
        const Folder* folder = nullptr;
        for (const Folder& f : kPack)
            if (std::string(f.path) == path) folder = &f;
        ASSERT_NE(folder, nullptr) << path;
        EXPECT_EQ(std::set<std::string>(folder->files.begin(), folder->files.end()).size(), count) << path;
        total += count;
    }
    EXPECT_EQ(total, 318u);
    EXPECT_EQ(expectedPaths().size(), 318u);
}

TEST(PackFiles, EveryFileTheGameReadsIsThere) {
    for (const std::string& path : expectedPaths())
        EXPECT_TRUE(std::filesystem::is_regular_file(assetPath(path))) << path << " is missing";
}

// A file under a slightly wrong name would be missing above and stray here.
TEST(PackFiles, NothingElseIsWritten) {
    std::set<std::string> expected = expectedPaths();
    std::filesystem::path root(assetCheckDir());
    for (const auto& entry : std::filesystem::recursive_directory_iterator(root)) {
        if (!entry.is_regular_file()) continue;
        std::string path = std::filesystem::relative(entry.path(), root).generic_string();
        EXPECT_TRUE(expected.count(path)) << path << " is not a file the game reads";
    }
}

}  // namespace
