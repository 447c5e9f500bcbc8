#include "TexturesMeshes/TexturesMeshes.h"

#include <set>

#include "Controller/Controller.h"
#include "ObjLoader/objLoader.h"

static Mesh* texturedMesh(const char* path, Texture* texture) {
    Mesh* mesh = Controller::loadObj(path);
    mesh->setTexture(texture);
    return mesh;
}

static Mesh* colouredMesh(const char* path, float red, float green, float blue) {
    PolygonColor color;
    color.setRed(red);
    color.setGreen(green);
    color.setBlue(blue);
    Mesh* mesh = Controller::loadObj(path);
    mesh->setColor(color);
    return mesh;
}

TexturesMeshes::TexturesMeshes() {
    loadTextures();
    loadMeshes();
}

void TexturesMeshes::loadTextures() {
    trunkTexture = new Texture("Textures/trunk.bmp");
    leves1Texture = new Texture("Textures/leves1.bmp");
    leafTexture2 = new Texture("Textures/leafTexture2.bmp");
    trunk2Texture = new Texture("Textures/trunk2.bmp");
    basketTexture = new Texture("Textures/basketTexture.bmp");
    flowerPetalsTexture = new Texture("Textures/flowerPetals.bmp");
    fireTexture = new Texture("Textures/fireTexture.bmp");
    ground1Texture = new Texture("Textures/ground1.bmp");
    cliffTexture = new Texture("Textures/cliffTexture.bmp");
    snowTexture = new Texture("Textures/snowTexture.bmp");
    iceTextureSide = new Texture("Textures/iceTextureSide.bmp");
    mysticTopTexture = new Texture("Textures/mysticTop.bmp");
    mysticSideTexture = new Texture("Textures/mysticSide.bmp");
    waterTexture1 = new Texture("Textures/waterTexture1.bmp");
    waterTexture3 = new Texture("Textures/waterTexture3.bmp");
    fsTexture = new Texture("Textures/fsTexture.bmp");
    plasmaTexture = new Texture("Textures/plasma.bmp");
    fireBallParticleTexture = new Texture("Textures/fireBallParticleTexture.bmp");
    islandHomeMiniMapTexture = new Texture("HeightMap/islandHomeMiniMap.bmp");
    island1MiniMapLTexture = new Texture("HeightMap/island1MiniMapL.bmp");
    island2MiniMapTexture = new Texture("HeightMap/island2MiniMap.bmp");
    island3MiniMapTexture = new Texture("HeightMap/island3MiniMap.bmp");
    island4MiniMapTexture = new Texture("HeightMap/island4MiniMap.bmp");
    island5MiniMapTexture = new Texture("HeightMap/island5MiniMap.bmp");
    island6MiniMapTexture = new Texture("HeightMap/island6MiniMap.bmp");
    island7MiniMapTexture = new Texture("HeightMap/island7MiniMap.bmp");
    island8MiniMapTexture = new Texture("HeightMap/island8MiniMap.bmp");
    island9MiniMapTexture = new Texture("HeightMap/island9MiniMap.bmp");
    island10MiniMapTexture = new Texture("HeightMap/island10MiniMap.bmp");
    island11MiniMapTexture = new Texture("HeightMap/island11MiniMap.bmp");
    island12MiniMapTexture = new Texture("HeightMap/island12MiniMap.bmp");
    fsHeroTexture = new Texture("Textures/fsTexture.bmp");
    heroEyeTexture = new Texture("Textures/heroEye.bmp");
    enemyTexture = new Texture("Textures/enemyTexture.bmp");
    allyTexture = new Texture("Textures/allyTexture.bmp");
    unsetTexture = nullptr;
    mudTexture = new Texture("Textures/mud.bmp");
    goldTexture = new Texture("Textures/gold.bmp");
    thatchTexture = new Texture("Textures/thatch.bmp");
    thatchTexture2 = new Texture("Textures/thatch.bmp");
    dirtTexture = new Texture("Textures/dirt.bmp");
    dirtPatchTexture = new Texture("Textures/dirtPatch.bmp");
    enemyExplodeTexture = new Texture("Textures/enemyExplode.bmp");
    allyExplodeTexture = new Texture("Textures/allyExplodeTexture.bmp");
    graniteTexture = new Texture("Textures/granite.bmp");
    compassFaceTexture = new Texture("Textures/compassFace.bmp");
    vialTexture = new Texture("Textures/vialTexture.bmp");
    lavaRockTexture = new Texture("Textures/lavaRock.bmp");
    hotLavaTexture = new Texture("Textures/hotLava.bmp");
    lavaParticleTexture = new Texture("Textures/lavaParticleTexture.bmp");
    porchTexture = new Texture("Textures/porchTexture.bmp");
    armourTexture = new Texture("Textures/armourTexture.bmp");
    shopSignTexture = new Texture("Textures/shopSignTexture.bmp");
    feathersTexture = new Texture("Textures/feathers.bmp");
    cobblestonesTexture = new Texture("Textures/cobblestones.bmp");
    icyTreeTexture = new Texture("Textures/icyTree.bmp");
    leafIceTexture = new Texture("Textures/leafIceTexture.bmp");
    charcoalTexture = new Texture("Textures/charcoal.bmp");
    mainMapTexture = new Texture("Textures/HUD/mainMap.bmp");
    wizardHatTexture = new Texture("Textures/wizardHat.bmp");
    ladyTexture = new Texture("Textures/ladyTexture.bmp");
    castleTexture = new Texture("Textures/castleTexture.bmp");
    diamondTexture = new Texture("Textures/diamondTexture.bmp");
    appleTexture = new Texture("Textures/appleTexture.bmp");
    statueFrontTexture = new Texture("Textures/statueFrontTexture.bmp");
    statueLavaRockTexture = new Texture("Textures/lavaRockTexture.bmp");
    // One object, so one OpenGL texture, behind several slots.
    lavaRockGroundTexture = lavaRockTexture;
    hotLavaCliffTexture = hotLavaTexture;
    dirtGroundTexture = dirtTexture;
    dirtCliffTexture = dirtTexture;
}

void TexturesMeshes::loadMeshes() {
    statueMesh = texturedMesh("ObjFiles/statue.obj", statueLavaRockTexture);
    statueFrontMesh = texturedMesh("ObjFiles/statueFront.obj", statueFrontTexture);
    farmerHatMesh = texturedMesh("ObjFiles/farmerHat.obj", basketTexture);
    bowMesh = colouredMesh("ObjFiles/bow.obj", 1, 0, 0);
    eyelashesMesh = colouredMesh("ObjFiles/eyelashes.obj", 0, 0, 0);
    basketMesh = texturedMesh("ObjFiles/basket.obj", basketTexture);
    applesMesh = texturedMesh("ObjFiles/apples.obj", appleTexture);
    stemsMesh = texturedMesh("ObjFiles/stems.obj", leafTexture2);
    pillarMesh = texturedMesh("ObjFiles/pillar.obj", graniteTexture);
    pillarSmallMesh = texturedMesh("ObjFiles/pillarSmall.obj", graniteTexture);
    castleMesh = texturedMesh("ObjFiles/castle.obj", castleTexture);
    castleTurretMesh = texturedMesh("ObjFiles/castleTurret.obj", castleTexture);
    castleRoofsMesh = texturedMesh("ObjFiles/castleRoofs.obj", thatchTexture);
    heroEyesMesh = texturedMesh("ObjFiles/heroEyes.obj", heroEyeTexture);
    enemyBodyMesh = texturedMesh("ObjFiles/enemyBody.obj", enemyTexture);
    enemyBodyIceMesh = texturedMesh("ObjFiles/enemyBody.obj", leafIceTexture);
    enemyBodyLavaMesh = texturedMesh("ObjFiles/enemyBody.obj", hotLavaTexture);
    heroBodyLadyMesh = texturedMesh("ObjFiles/heroBody.obj", ladyTexture);
    enemyBodyBlackMesh = colouredMesh("ObjFiles/enemyBody.obj", 0, 0, 0);
    enemyBodyGoldMesh = texturedMesh("ObjFiles/enemyBody.obj", goldTexture);
    heroBodyAllyMesh = texturedMesh("ObjFiles/heroBody.obj", allyTexture);
    enemyEyesMesh = texturedMesh("ObjFiles/enemyEyes.obj", heroEyeTexture);
    feetMesh = colouredMesh("ObjFiles/feet.obj", 1, 0, 0.5);
    handsMesh = colouredMesh("ObjFiles/hands.obj", 1, 0, 0.5);
    leftFootMesh = colouredMesh("ObjFiles/leftFoot.obj", 1, 0, 0.5);
    rightFootMesh = colouredMesh("ObjFiles/rightFoot.obj", 1, 0, 0.5);
    leftArmMesh = colouredMesh("ObjFiles/leftArm.obj", 1, 0, 0.5);
    rightArmMesh = colouredMesh("ObjFiles/rightArm.obj", 1, 0, 0.5);
    caveMesh = texturedMesh("ObjFiles/cave.obj", graniteTexture);
    ePointMesh = Controller::loadObj("ObjFiles/ePoint.obj");
    // ePointMesh keeps the default white.
    simpTree2Mesh = texturedMesh("ObjFiles/simpTree2.obj", trunkTexture);
    heroBodyMesh = texturedMesh("ObjFiles/heroBody.obj", fsHeroTexture);
    treeTopSimpleMesh = texturedMesh("ObjFiles/treeTopSimple.obj", leves1Texture);
    treeTopSimpleLowerMesh = texturedMesh("ObjFiles/treeTopSimpleLower.obj", leves1Texture);
    flowerCenter = colouredMesh("ObjFiles/flowerCenter.obj", 1, 1, 0);
    flowerPetals = texturedMesh("ObjFiles/flowerPetals.obj", flowerPetalsTexture);
    flowerStem = colouredMesh("ObjFiles/flowerStem.obj", 0, 1, 0);
    grass = texturedMesh("ObjFiles/grass.obj", ground1Texture);
    mysticGrassMesh = texturedMesh("ObjFiles/grass.obj", mysticTopTexture);
    snowMesh = texturedMesh("ObjFiles/snow.obj", snowTexture);
    snowLavaRockMesh = texturedMesh("ObjFiles/snow.obj", lavaRockGroundTexture);
    leaf1Mesh = texturedMesh("ObjFiles/leaf1.obj", leafTexture2);
    trunkMesh = texturedMesh("ObjFiles/trunk.obj", trunk2Texture);
    branch1Mesh = texturedMesh("ObjFiles/branch1.obj", trunk2Texture);
    branch2Mesh = texturedMesh("ObjFiles/branch2.obj", trunk2Texture);
    branch3Mesh = texturedMesh("ObjFiles/branch3.obj", trunk2Texture);
    branch4Mesh = texturedMesh("ObjFiles/branch4.obj", trunk2Texture);
    branch5Mesh = texturedMesh("ObjFiles/branch5.obj", trunk2Texture);
    icyTrunkMesh = texturedMesh("ObjFiles/trunk.obj", icyTreeTexture);
    icyBranch1Mesh = texturedMesh("ObjFiles/branch1.obj", icyTreeTexture);
    icyBranch2Mesh = texturedMesh("ObjFiles/branch2.obj", icyTreeTexture);
    icyBranch3Mesh = texturedMesh("ObjFiles/branch3.obj", icyTreeTexture);
    icyBranch4Mesh = texturedMesh("ObjFiles/branch4.obj", icyTreeTexture);
    icyBranch5Mesh = texturedMesh("ObjFiles/branch5.obj", icyTreeTexture);
    icyLeaf1Mesh = texturedMesh("ObjFiles/leaf1.obj", leafIceTexture);
    charcoalLeaf1Mesh = texturedMesh("ObjFiles/leaf1.obj", charcoalTexture);
    boxMesh = texturedMesh("ObjFiles/box.obj", trunk2Texture);
    houseMainMesh = texturedMesh("ObjFiles/houseMain.obj", mudTexture);
    doorMesh = texturedMesh("ObjFiles/door.obj", porchTexture);
    doorKnobMesh = texturedMesh("ObjFiles/doorKnob.obj", goldTexture);
    chimneyMesh = texturedMesh("ObjFiles/chimney.obj", mudTexture);
    houseRoofMesh = texturedMesh("ObjFiles/houseRoof.obj", thatchTexture2);
    treeHouseBaseMesh = texturedMesh("ObjFiles/treeHouseBase.obj", trunk2Texture);
    treeHouseLeavesMesh = texturedMesh("ObjFiles/treeHouseLeaves.obj", leafTexture2);
    treeHousePorchMesh = texturedMesh("ObjFiles/treeHousePorch.obj", thatchTexture);
    volcanoMesh = texturedMesh("ObjFiles/volcano.obj", lavaRockTexture);
    islandPortalInnerMesh = texturedMesh("ObjFiles/islandPortalInner.obj", plasmaTexture);
    islandPortalLeavesMesh = texturedMesh("ObjFiles/islandPortalLeaves.obj", leafTexture2);
    islandPortalMainMesh = texturedMesh("ObjFiles/islandPortalMain.obj", graniteTexture);
    islandPortalTopsMesh = texturedMesh("ObjFiles/islandPortalTops.obj", plasmaTexture);
    islandPortalVinesMesh = texturedMesh("ObjFiles/islandPortalVines.obj", trunk2Texture);
    compassMainMesh = texturedMesh("ObjFiles/compassMain.obj", goldTexture);
    compassPointerMesh = colouredMesh("ObjFiles/compassPointer.obj", 1, 0, 0);
    compassFaceMesh = texturedMesh("ObjFiles/compassFace.obj", compassFaceTexture);
    shopMainMesh = texturedMesh("ObjFiles/shopMain.obj", mudTexture);
    shopRoofMesh = texturedMesh("ObjFiles/shopRoof.obj", thatchTexture2);
    shopDoorMesh = texturedMesh("ObjFiles/shopDoor.obj", porchTexture);
    shopChimneyMesh = texturedMesh("ObjFiles/shopChimney.obj", mudTexture);
    shopSignMesh = texturedMesh("ObjFiles/shopSign.obj", shopSignTexture);
    shopTableMesh = texturedMesh("ObjFiles/shopTable.obj", dirtTexture);
    shopTeapotMesh = texturedMesh("ObjFiles/shopTeapot.obj", feathersTexture);
    iAmRichGemMesh = texturedMesh("ObjFiles/iAmRichGEm.obj", diamondTexture);
    vialMesh = texturedMesh("ObjFiles/vial.obj", vialTexture);
    coinsMesh = texturedMesh("ObjFiles/coins.obj", goldTexture);
    leftGloveMesh = texturedMesh("ObjFiles/leftGlove.obj", armourTexture);
    rightGloveMesh = texturedMesh("ObjFiles/rightGlove.obj", armourTexture);
    ringMainMesh = texturedMesh("ObjFiles/ringMain.obj", goldTexture);
    ringGemMesh = colouredMesh("ObjFiles/ringGem.obj", 1, 0, 0);
    boots1Mesh = texturedMesh("ObjFiles/boots1.obj", goldTexture);
    boots2Mesh = texturedMesh("ObjFiles/boots2.obj", feathersTexture);
    crownMesh = texturedMesh("ObjFiles/crown.obj", goldTexture);
    crownMainMesh = texturedMesh("ObjFiles/crownMain.obj", trunk2Texture);
    crownLeavesMesh = texturedMesh("ObjFiles/crownLeaves.obj", leafTexture2);
    helmetMesh = texturedMesh("ObjFiles/helmet.obj", armourTexture);
    swordMainMesh = texturedMesh("ObjFiles/swordMain.obj", armourTexture);
    swordHandleMesh = texturedMesh("ObjFiles/swordHandle.obj", goldTexture);
    lordOfRingMesh = texturedMesh("ObjFiles/lordOfRing.obj", goldTexture);
    circletMainMesh = texturedMesh("ObjFiles/circletMain.obj", goldTexture);
    circletGemRedMesh = colouredMesh("ObjFiles/circletGem.obj", 1, 0, 0);
    circletGemGreenMesh = colouredMesh("ObjFiles/circletGem.obj", 0, 0.9, 0.6);
    mapMesh = texturedMesh("ObjFiles/map.obj", mainMapTexture);
    princessHatPinkMesh = colouredMesh("ObjFiles/princessHat.obj", 1, 0.5, 0.5);
    princessHatMesh = texturedMesh("ObjFiles/princessHat.obj", wizardHatTexture);
    portalLeavesMesh = texturedMesh("ObjFiles/portalLeaves.obj", leafTexture2);
    portalVinesMesh = texturedMesh("ObjFiles/portalVines.obj", trunk2Texture);
}

std::vector<Texture*> TexturesMeshes::getTextureSlots() {
    return {
        trunkTexture,
        leves1Texture,
        leafTexture2,
        trunk2Texture,
        basketTexture,
        flowerPetalsTexture,
        fireTexture,
        ground1Texture,
        cliffTexture,
        lavaRockGroundTexture,
        hotLavaCliffTexture,
        snowTexture,
        iceTextureSide,
        mysticTopTexture,
        mysticSideTexture,
        dirtGroundTexture,
        dirtCliffTexture,
        waterTexture1,
        waterTexture3,
        fsTexture,
        plasmaTexture,
        fireBallParticleTexture,
        islandHomeMiniMapTexture,
        island1MiniMapLTexture,
        island2MiniMapTexture,
        island3MiniMapTexture,
        island4MiniMapTexture,
        island5MiniMapTexture,
        island6MiniMapTexture,
        island7MiniMapTexture,
        island8MiniMapTexture,
        island9MiniMapTexture,
        island10MiniMapTexture,
        island11MiniMapTexture,
        island12MiniMapTexture,
        fsHeroTexture,
        heroEyeTexture,
        enemyTexture,
        allyTexture,
        unsetTexture,
        mudTexture,
        goldTexture,
        thatchTexture,
        thatchTexture2,
        dirtTexture,
        dirtPatchTexture,
        enemyExplodeTexture,
        allyExplodeTexture,
        graniteTexture,
        compassFaceTexture,
        vialTexture,
        lavaRockTexture,
        hotLavaTexture,
        lavaParticleTexture,
        porchTexture,
        armourTexture,
        shopSignTexture,
        feathersTexture,
        cobblestonesTexture,
        icyTreeTexture,
        leafIceTexture,
        charcoalTexture,
        mainMapTexture,
        wizardHatTexture,
        ladyTexture,
        castleTexture,
        diamondTexture,
        appleTexture,
        statueFrontTexture,
        statueLavaRockTexture
    };
}

std::vector<Mesh*> TexturesMeshes::getMeshSlots() {
    return {
        pillarMesh,
        bowMesh,
        eyelashesMesh,
        farmerHatMesh,
        statueMesh,
        statueFrontMesh,
        pillarSmallMesh,
        basketMesh,
        applesMesh,
        stemsMesh,
        circletGemGreenMesh,
        iAmRichGemMesh,
        grass,
        mysticGrassMesh,
        snowMesh,
        snowLavaRockMesh,
        portalVinesMesh,
        portalLeavesMesh,
        castleMesh,
        castleRoofsMesh,
        castleTurretMesh,
        enemyBodyBlackMesh,
        circletMainMesh,
        circletGemRedMesh,
        heroBodyLadyMesh,
        princessHatMesh,
        mapMesh,
        swordMainMesh,
        swordHandleMesh,
        lordOfRingMesh,
        enemyBodyIceMesh,
        enemyBodyLavaMesh,
        enemyBodyGoldMesh,
        caveMesh,
        coinsMesh,
        heroBodyAllyMesh,
        heroBodyMesh,
        heroEyesMesh,
        simpTree2Mesh,
        treeTopSimpleMesh,
        treeTopSimpleLowerMesh,
        leaf1Mesh,
        trunkMesh,
        icyTrunkMesh,
        charcoalLeaf1Mesh,
        branch1Mesh,
        branch2Mesh,
        branch3Mesh,
        branch4Mesh,
        branch5Mesh,
        icyBranch1Mesh,
        icyBranch2Mesh,
        icyBranch3Mesh,
        icyBranch4Mesh,
        icyBranch5Mesh,
        icyLeaf1Mesh,
        flowerPetals,
        flowerStem,
        flowerCenter,
        boxMesh,
        houseMainMesh,
        doorMesh,
        doorKnobMesh,
        chimneyMesh,
        houseRoofMesh,
        treeHousePorchMesh,
        treeHouseBaseMesh,
        treeHouseLeavesMesh,
        shopMainMesh,
        shopRoofMesh,
        shopDoorMesh,
        shopChimneyMesh,
        shopSignMesh,
        shopTableMesh,
        shopTeapotMesh,
        enemyBodyMesh,
        enemyEyesMesh,
        islandPortalInnerMesh,
        islandPortalLeavesMesh,
        islandPortalMainMesh,
        islandPortalTopsMesh,
        islandPortalVinesMesh,
        feetMesh,
        handsMesh,
        compassMainMesh,
        compassFaceMesh,
        compassPointerMesh,
        vialMesh,
        volcanoMesh,
        leftGloveMesh,
        rightGloveMesh,
        leftFootMesh,
        rightFootMesh,
        leftArmMesh,
        rightArmMesh,
        ePointMesh,
        ringMainMesh,
        ringGemMesh,
        boots1Mesh,
        boots2Mesh,
        crownMesh,
        crownLeavesMesh,
        crownMainMesh,
        helmetMesh,
        princessHatPinkMesh
    };
}

TexturesMeshes::~TexturesMeshes() {
    // These go first, in this order; the rest follow in slot order.
    std::vector<Texture*> textures = {trunkTexture, leves1Texture, ground1Texture, cliffTexture, plasmaTexture, fsTexture, fireBallParticleTexture, island1MiniMapLTexture, island2MiniMapTexture, island3MiniMapTexture};
    std::vector<Mesh*> meshes = {simpTree2Mesh, treeTopSimpleMesh, treeTopSimpleLowerMesh};
    std::vector<Texture*> textureSlots = getTextureSlots();
    std::vector<Mesh*> meshSlots = getMeshSlots();
    textures.insert(textures.end(), textureSlots.begin(), textureSlots.end());
    meshes.insert(meshes.end(), meshSlots.begin(), meshSlots.end());

    std::set<Texture*> deletedTextures;
    for (Texture* texture : textures) {
        if (texture != nullptr && deletedTextures.insert(texture).second) {
            delete texture;
        }
    }
    std::set<Mesh*> deletedMeshes;
    for (Mesh* mesh : meshes) {
        if (mesh != nullptr && deletedMeshes.insert(mesh).second) {
            objLoader::deleteMesh(mesh);
        }
    }
}
