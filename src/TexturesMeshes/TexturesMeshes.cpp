#include "TexturesMeshes/TexturesMeshes.h"

#include <set>

#include "ObjLoader/objLoader.h"

static PolygonColor colour(float red, float green, float blue) {
    PolygonColor color;
    color.setRed(red);
    color.setGreen(green);
    color.setBlue(blue);
    return color;
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
    statueMesh = objLoader::loadObj("ObjFiles/statue.obj");
    statueMesh->setTexture(statueLavaRockTexture);
    statueFrontMesh = objLoader::loadObj("ObjFiles/statueFront.obj");
    statueFrontMesh->setTexture(statueFrontTexture);
    farmerHatMesh = objLoader::loadObj("ObjFiles/farmerHat.obj");
    farmerHatMesh->setTexture(basketTexture);
    bowMesh = objLoader::loadObj("ObjFiles/bow.obj");
    bowMesh->setColor(colour(1, 0, 0));
    eyelashesMesh = objLoader::loadObj("ObjFiles/eyelashes.obj");
    eyelashesMesh->setColor(colour(0, 0, 0));
    basketMesh = objLoader::loadObj("ObjFiles/basket.obj");
    basketMesh->setTexture(basketTexture);
    applesMesh = objLoader::loadObj("ObjFiles/apples.obj");
    applesMesh->setTexture(appleTexture);
    stemsMesh = objLoader::loadObj("ObjFiles/stems.obj");
    stemsMesh->setTexture(leafTexture2);
    pillarMesh = objLoader::loadObj("ObjFiles/pillar.obj");
    pillarMesh->setTexture(graniteTexture);
    pillarSmallMesh = objLoader::loadObj("ObjFiles/pillarSmall.obj");
    pillarSmallMesh->setTexture(graniteTexture);
    castleMesh = objLoader::loadObj("ObjFiles/castle.obj");
    castleMesh->setTexture(castleTexture);
    castleTurretMesh = objLoader::loadObj("ObjFiles/castleTurret.obj");
    castleTurretMesh->setTexture(castleTexture);
    castleRoofsMesh = objLoader::loadObj("ObjFiles/castleRoofs.obj");
    castleRoofsMesh->setTexture(thatchTexture);
    heroEyesMesh = objLoader::loadObj("ObjFiles/heroEyes.obj");
    heroEyesMesh->setTexture(heroEyeTexture);
    enemyBodyMesh = objLoader::loadObj("ObjFiles/enemyBody.obj");
    enemyBodyMesh->setTexture(enemyTexture);
    enemyBodyIceMesh = objLoader::loadObj("ObjFiles/enemyBody.obj");
    enemyBodyIceMesh->setTexture(leafIceTexture);
    enemyBodyLavaMesh = objLoader::loadObj("ObjFiles/enemyBody.obj");
    enemyBodyLavaMesh->setTexture(hotLavaTexture);
    heroBodyLadyMesh = objLoader::loadObj("ObjFiles/heroBody.obj");
    heroBodyLadyMesh->setTexture(ladyTexture);
    enemyBodyBlackMesh = objLoader::loadObj("ObjFiles/enemyBody.obj");
    enemyBodyBlackMesh->setColor(colour(0, 0, 0));
    enemyBodyGoldMesh = objLoader::loadObj("ObjFiles/enemyBody.obj");
    enemyBodyGoldMesh->setTexture(goldTexture);
    heroBodyAllyMesh = objLoader::loadObj("ObjFiles/heroBody.obj");
    heroBodyAllyMesh->setTexture(allyTexture);
    enemyEyesMesh = objLoader::loadObj("ObjFiles/enemyEyes.obj");
    enemyEyesMesh->setTexture(heroEyeTexture);
    feetMesh = objLoader::loadObj("ObjFiles/feet.obj");
    feetMesh->setColor(colour(1, 0, 0.5));
    handsMesh = objLoader::loadObj("ObjFiles/hands.obj");
    handsMesh->setColor(colour(1, 0, 0.5));
    leftFootMesh = objLoader::loadObj("ObjFiles/leftFoot.obj");
    leftFootMesh->setColor(colour(1, 0, 0.5));
    rightFootMesh = objLoader::loadObj("ObjFiles/rightFoot.obj");
    rightFootMesh->setColor(colour(1, 0, 0.5));
    leftArmMesh = objLoader::loadObj("ObjFiles/leftArm.obj");
    leftArmMesh->setColor(colour(1, 0, 0.5));
    rightArmMesh = objLoader::loadObj("ObjFiles/rightArm.obj");
    rightArmMesh->setColor(colour(1, 0, 0.5));
    caveMesh = objLoader::loadObj("ObjFiles/cave.obj");
    caveMesh->setTexture(graniteTexture);
    ePointMesh = objLoader::loadObj("ObjFiles/ePoint.obj");
    // ePointMesh keeps the default white.
    simpTree2Mesh = objLoader::loadObj("ObjFiles/simpTree2.obj");
    simpTree2Mesh->setTexture(trunkTexture);
    heroBodyMesh = objLoader::loadObj("ObjFiles/heroBody.obj");
    heroBodyMesh->setTexture(fsHeroTexture);
    treeTopSimpleMesh = objLoader::loadObj("ObjFiles/treeTopSimple.obj");
    treeTopSimpleMesh->setTexture(leves1Texture);
    treeTopSimpleLowerMesh = objLoader::loadObj("ObjFiles/treeTopSimpleLower.obj");
    treeTopSimpleLowerMesh->setTexture(leves1Texture);
    flowerCenter = objLoader::loadObj("ObjFiles/flowerCenter.obj");
    flowerCenter->setColor(colour(1, 1, 0));
    flowerPetals = objLoader::loadObj("ObjFiles/flowerPetals.obj");
    flowerPetals->setTexture(flowerPetalsTexture);
    flowerStem = objLoader::loadObj("ObjFiles/flowerStem.obj");
    flowerStem->setColor(colour(0, 1, 0));
    grass = objLoader::loadObj("ObjFiles/grass.obj");
    grass->setTexture(ground1Texture);
    mysticGrassMesh = objLoader::loadObj("ObjFiles/grass.obj");
    mysticGrassMesh->setTexture(mysticTopTexture);
    snowMesh = objLoader::loadObj("ObjFiles/snow.obj");
    snowMesh->setTexture(snowTexture);
    snowLavaRockMesh = objLoader::loadObj("ObjFiles/snow.obj");
    snowLavaRockMesh->setTexture(lavaRockGroundTexture);
    leaf1Mesh = objLoader::loadObj("ObjFiles/leaf1.obj");
    leaf1Mesh->setTexture(leafTexture2);
    trunkMesh = objLoader::loadObj("ObjFiles/trunk.obj");
    trunkMesh->setTexture(trunk2Texture);
    branch1Mesh = objLoader::loadObj("ObjFiles/branch1.obj");
    branch1Mesh->setTexture(trunk2Texture);
    branch2Mesh = objLoader::loadObj("ObjFiles/branch2.obj");
    branch2Mesh->setTexture(trunk2Texture);
    branch3Mesh = objLoader::loadObj("ObjFiles/branch3.obj");
    branch3Mesh->setTexture(trunk2Texture);
    branch4Mesh = objLoader::loadObj("ObjFiles/branch4.obj");
    branch4Mesh->setTexture(trunk2Texture);
    branch5Mesh = objLoader::loadObj("ObjFiles/branch5.obj");
    branch5Mesh->setTexture(trunk2Texture);
    icyTrunkMesh = objLoader::loadObj("ObjFiles/trunk.obj");
    icyTrunkMesh->setTexture(icyTreeTexture);
    icyBranch1Mesh = objLoader::loadObj("ObjFiles/branch1.obj");
    icyBranch1Mesh->setTexture(icyTreeTexture);
    icyBranch2Mesh = objLoader::loadObj("ObjFiles/branch2.obj");
    icyBranch2Mesh->setTexture(icyTreeTexture);
    icyBranch3Mesh = objLoader::loadObj("ObjFiles/branch3.obj");
    icyBranch3Mesh->setTexture(icyTreeTexture);
    icyBranch4Mesh = objLoader::loadObj("ObjFiles/branch4.obj");
    icyBranch4Mesh->setTexture(icyTreeTexture);
    icyBranch5Mesh = objLoader::loadObj("ObjFiles/branch5.obj");
    icyBranch5Mesh->setTexture(icyTreeTexture);
    icyLeaf1Mesh = objLoader::loadObj("ObjFiles/leaf1.obj");
    icyLeaf1Mesh->setTexture(leafIceTexture);
    charcoalLeaf1Mesh = objLoader::loadObj("ObjFiles/leaf1.obj");
    charcoalLeaf1Mesh->setTexture(charcoalTexture);
    boxMesh = objLoader::loadObj("ObjFiles/box.obj");
    boxMesh->setTexture(trunk2Texture);
    houseMainMesh = objLoader::loadObj("ObjFiles/houseMain.obj");
    houseMainMesh->setTexture(mudTexture);
    doorMesh = objLoader::loadObj("ObjFiles/door.obj");
    doorMesh->setTexture(porchTexture);
    doorKnobMesh = objLoader::loadObj("ObjFiles/doorKnob.obj");
    doorKnobMesh->setTexture(goldTexture);
    chimneyMesh = objLoader::loadObj("ObjFiles/chimney.obj");
    chimneyMesh->setTexture(mudTexture);
    houseRoofMesh = objLoader::loadObj("ObjFiles/houseRoof.obj");
    houseRoofMesh->setTexture(thatchTexture2);
    treeHouseBaseMesh = objLoader::loadObj("ObjFiles/treeHouseBase.obj");
    treeHouseBaseMesh->setTexture(trunk2Texture);
    treeHouseLeavesMesh = objLoader::loadObj("ObjFiles/treeHouseLeaves.obj");
    treeHouseLeavesMesh->setTexture(leafTexture2);
    treeHousePorchMesh = objLoader::loadObj("ObjFiles/treeHousePorch.obj");
    treeHousePorchMesh->setTexture(thatchTexture);
    volcanoMesh = objLoader::loadObj("ObjFiles/volcano.obj");
    volcanoMesh->setTexture(lavaRockTexture);
    islandPortalInnerMesh = objLoader::loadObj("ObjFiles/islandPortalInner.obj");
    islandPortalInnerMesh->setTexture(plasmaTexture);
    islandPortalLeavesMesh = objLoader::loadObj("ObjFiles/islandPortalLeaves.obj");
    islandPortalLeavesMesh->setTexture(leafTexture2);
    islandPortalMainMesh = objLoader::loadObj("ObjFiles/islandPortalMain.obj");
    islandPortalMainMesh->setTexture(graniteTexture);
    islandPortalTopsMesh = objLoader::loadObj("ObjFiles/islandPortalTops.obj");
    islandPortalTopsMesh->setTexture(plasmaTexture);
    islandPortalVinesMesh = objLoader::loadObj("ObjFiles/islandPortalVines.obj");
    islandPortalVinesMesh->setTexture(trunk2Texture);
    compassMainMesh = objLoader::loadObj("ObjFiles/compassMain.obj");
    compassMainMesh->setTexture(goldTexture);
    compassPointerMesh = objLoader::loadObj("ObjFiles/compassPointer.obj");
    compassPointerMesh->setColor(colour(1, 0, 0));
    compassFaceMesh = objLoader::loadObj("ObjFiles/compassFace.obj");
    compassFaceMesh->setTexture(compassFaceTexture);
    shopMainMesh = objLoader::loadObj("ObjFiles/shopMain.obj");
    shopMainMesh->setTexture(mudTexture);
    shopRoofMesh = objLoader::loadObj("ObjFiles/shopRoof.obj");
    shopRoofMesh->setTexture(thatchTexture2);
    shopDoorMesh = objLoader::loadObj("ObjFiles/shopDoor.obj");
    shopDoorMesh->setTexture(porchTexture);
    shopChimneyMesh = objLoader::loadObj("ObjFiles/shopChimney.obj");
    shopChimneyMesh->setTexture(mudTexture);
    shopSignMesh = objLoader::loadObj("ObjFiles/shopSign.obj");
    shopSignMesh->setTexture(shopSignTexture);
    shopTableMesh = objLoader::loadObj("ObjFiles/shopTable.obj");
    shopTableMesh->setTexture(dirtTexture);
    shopTeapotMesh = objLoader::loadObj("ObjFiles/shopTeapot.obj");
    shopTeapotMesh->setTexture(feathersTexture);
    iAmRichGemMesh = objLoader::loadObj("ObjFiles/iAmRichGEm.obj");
    iAmRichGemMesh->setTexture(diamondTexture);
    vialMesh = objLoader::loadObj("ObjFiles/vial.obj");
    vialMesh->setTexture(vialTexture);
    coinsMesh = objLoader::loadObj("ObjFiles/coins.obj");
    coinsMesh->setTexture(goldTexture);
    leftGloveMesh = objLoader::loadObj("ObjFiles/leftGlove.obj");
    leftGloveMesh->setTexture(armourTexture);
    rightGloveMesh = objLoader::loadObj("ObjFiles/rightGlove.obj");
    rightGloveMesh->setTexture(armourTexture);
    ringMainMesh = objLoader::loadObj("ObjFiles/ringMain.obj");
    ringMainMesh->setTexture(goldTexture);
    ringGemMesh = objLoader::loadObj("ObjFiles/ringGem.obj");
    ringGemMesh->setColor(colour(1, 0, 0));
    boots1Mesh = objLoader::loadObj("ObjFiles/boots1.obj");
    boots1Mesh->setTexture(goldTexture);
    boots2Mesh = objLoader::loadObj("ObjFiles/boots2.obj");
    boots2Mesh->setTexture(feathersTexture);
    crownMesh = objLoader::loadObj("ObjFiles/crown.obj");
    crownMesh->setTexture(goldTexture);
    crownMainMesh = objLoader::loadObj("ObjFiles/crownMain.obj");
    crownMainMesh->setTexture(trunk2Texture);
    crownLeavesMesh = objLoader::loadObj("ObjFiles/crownLeaves.obj");
    crownLeavesMesh->setTexture(leafTexture2);
    helmetMesh = objLoader::loadObj("ObjFiles/helmet.obj");
    helmetMesh->setTexture(armourTexture);
    swordMainMesh = objLoader::loadObj("ObjFiles/swordMain.obj");
    swordMainMesh->setTexture(armourTexture);
    swordHandleMesh = objLoader::loadObj("ObjFiles/swordHandle.obj");
    swordHandleMesh->setTexture(goldTexture);
    lordOfRingMesh = objLoader::loadObj("ObjFiles/lordOfRing.obj");
    lordOfRingMesh->setTexture(goldTexture);
    circletMainMesh = objLoader::loadObj("ObjFiles/circletMain.obj");
    circletMainMesh->setTexture(goldTexture);
    circletGemRedMesh = objLoader::loadObj("ObjFiles/circletGem.obj");
    circletGemRedMesh->setColor(colour(1, 0, 0));
    circletGemGreenMesh = objLoader::loadObj("ObjFiles/circletGem.obj");
    circletGemGreenMesh->setColor(colour(0, 0.9, 0.6));
    mapMesh = objLoader::loadObj("ObjFiles/map.obj");
    mapMesh->setTexture(mainMapTexture);
    princessHatPinkMesh = objLoader::loadObj("ObjFiles/princessHat.obj");
    princessHatPinkMesh->setColor(colour(1, 0.5, 0.5));
    princessHatMesh = objLoader::loadObj("ObjFiles/princessHat.obj");
    princessHatMesh->setTexture(wizardHatTexture);
    portalLeavesMesh = objLoader::loadObj("ObjFiles/portalLeaves.obj");
    portalLeavesMesh->setTexture(leafTexture2);
    portalVinesMesh = objLoader::loadObj("ObjFiles/portalVines.obj");
    portalVinesMesh->setTexture(trunk2Texture);
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
