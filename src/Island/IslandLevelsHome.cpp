// The home island and islands 1 to 4: their levels and their spirits.
#include "Island/Island.h"
#include "Island/IslandScenery.h"
#include "TexturesMeshes/TexturesMeshes.h"

// Functions, not constants: the world is built while the program's globals
// are still being initialised, so a global here could still be zero.
static Vector3D startVillage() { return Vector3D(5.789f, 6.3f, -0.786f); }
static Vector3D startWest() { return Vector3D(-96.0f, 6.3f, -16.2075f); }

void Island::initializeHomeIsland(TexturesMeshes*& t, std::vector<HoldableItem*>& items, IslandPortal** portals) {
    initializeTerrain(200, "HeightMap/islandHomeHeightMap.bmp", t->islandHomeMiniMapTexture, GRASS_WORLD,
                      "NatureOverlays/islandHome", startVillage());
    StaticObject* statue = new StaticObject();
    statue->addMesh(t->statueMesh);
    statue->addMesh(t->statueFrontMesh);
    statue->setPosition(Vector3D(-40.2506f, 5.0f, -14.5415f));
    statue->setRotationAngleDegrees(95.0f);
    statue->setCollisionRadius(3.0f);
    statue->setBoundingRadius(3.5f);
    otherStaticObjectsNoBuildings.push_back(statue);
    createBasket(Vector3D(13.4653f, 5.0f, 40.6323f), 0.0f);
    createBasket(Vector3D(14.687f, 5.0f, -18.0618f), 0.0f);
    createBasket(Vector3D(-4.25816f, 5.0f, -39.0336f), 0.0f);
    createBasket(Vector3D(-59.7567f, 5.0f, -24.436f), 0.0f);
    createBasket(Vector3D(-62.3351f, 5.0f, -26.2001f), 0.0f);
    createShop(Vector3D(-13.869f, 5.0f, 46.4609f), 0.0f);
    createVialShopItem(t, 5, items);
    createRingShopItem(t, 100, items);
    createBootsShopItem(t, 80, items);
    createHelmetShopItem(t, 100, items);
    createRichShopItem(t, 999, items);
    createHouse(Vector3D(47.5187f, 5.0f, -18.51244f), -55.0f);
    createHouse(Vector3D(-11.5823f, 5.0f, -38.9093f), -342.0f);
    createHouse(Vector3D(-65.9037f, 5.0f, -20.0365f), -285.0f);
    createHouse(Vector3D(-25.5464f, 5.0f, 5.99387f), -275.0f);
    createHouse(Vector3D(43.1831f, 5.0f, 18.0338f), -104.0f);
    createHouse(Vector3D(20.6555f, 5.0f, 39.9208f), -135.0f);
    createTreeHouse(Vector3D(15.8526f, 4.42875f, -11.7244f), -35.0f);
    // The game starts here without an island switch, so the allies are
    // placed now as well as on every later entry.
    spawnIslandHomeEnemies();
    addQuestPoint(Vector3D(21.0527f, 10.0f, -3.37733f), VILLAGE_ELDER_QUEST);
    createStillForestSpirit(Vector3D(21.0527f, 6.3f, -3.37733f), -90.0f, 1);
    addTexturePlane(Vector3D(4.37692f, 5.01f, 1.33774f), 50.0f, t->dirtPatchTexture);
    collectIslandPortals(portals);
    octree.buildOctreeAtFirstQuery((float)mapSize, 5.0f);
}

void Island::initializeIsland1(TexturesMeshes*& t, std::vector<HoldableItem*>& items, IslandPortal** portals) {
    initializeTerrain(300, "HeightMap/island1HeightMap.bmp", t->island1MiniMapLTexture, GRASS_WORLD,
                      "NatureOverlays/island1", startVillage());
    createPillar(Vector3D(-124.781f, 14.0f, 27.3649f), 0.0f, true);
    createPillar(Vector3D(-134.591f, 14.0f, 45.3248f), 0.0f, true);
    createPillar(Vector3D(-122.653f, 14.0f, 57.1262f), 0.0f, true);
    createPillar(Vector3D(-105.707f, 14.0f, 46.0953f), 0.0f, true);
    createPillar(Vector3D(-107.975f, 14.0f, 31.4861f), 0.0f, true);
    addWater(1, 1);
    createVialHoldableItem(t, items, Vector3D(10.0f, 31.0f, 10.0f));
    collectIslandPortals(portals);
    addWaterfall(1);
    loadGold("MoneyOverlays/island1Money.bmp", items, t);
    octree.buildOctreeAtFirstQuery((float)mapSize, 5.0f);
}

void Island::initializeIsland2(TexturesMeshes*& t, std::vector<HoldableItem*>&, IslandPortal** portals) {
    initializeTerrain(200, "HeightMap/island2HeightMap.bmp", t->island2MiniMapTexture, GRASS_WORLD,
                      "NatureOverlays/island2", startVillage());
    collectIslandPortals(portals);
    octree.buildOctreeAtFirstQuery((float)mapSize, 5.0f);
}

void Island::initializeIsland3(TexturesMeshes*& t, std::vector<HoldableItem*>& items, IslandPortal** portals) {
    initializeTerrain(300, "HeightMap/island3HeightMap.bmp", t->island3MiniMapTexture, GRASS_WORLD,
                      "NatureOverlays/island3", startWest());
    collectIslandPortals(portals);
    loadGold("MoneyOverlays/island3Money.bmp", items, t);
    octree.buildOctreeAtFirstQuery((float)mapSize, 5.0f);
}

void Island::initializeIsland4(TexturesMeshes*& t, std::vector<HoldableItem*>&, IslandPortal** portals) {
    initializeTerrain(250, "HeightMap/island4HeightMap.bmp", t->island4MiniMapTexture, GRASS_WORLD,
                      "NatureOverlays/island4", startWest());
    addWater(4, 1);
    addWater(4, 2);
    createStillForestSpirit(Vector3D(40.3819f, 4.0f, -28.6883f), 0.0f, 3);
    addQuestPoint(Vector3D(40.3819f, 9.70935f, -28.6883f), LADY_OF_THE_LAKE_QUEST);
    collectIslandPortals(portals);
    octree.buildOctreeAtFirstQuery((float)mapSize, 5.0f);
}

void Island::spawnIslandHomeEnemies() {
    createEnemyForestSpirit(Vector3D(1.82262f, 6.3f, -19.335f), false, false, nullptr);
    createEnemyForestSpirit(Vector3D(22.0452f, 6.3f, -28.183f), false, false, texMesh->bowMesh);
    createEnemyForestSpirit(Vector3D(34.0041f, 6.3f, -12.9861f), false, false, texMesh->farmerHatMesh);
    createEnemyForestSpirit(Vector3D(25.0854f, 6.3f, 17.8598f), false, false, texMesh->farmerHatMesh);
    createEnemyForestSpirit(Vector3D(-6.04069f, 6.3f, 30.2388f), false, false, nullptr);
}

void Island::spawnIsland1Enemies() {
    createEnemyForestSpirit(Vector3D(37.6288f, 28.0319f, 62.8347f), true, false, nullptr);
    createEnemyForestSpirit(Vector3D(50.6288f, 20.0319f, 62.8347f), true, false, nullptr);
    createEnemyForestSpirit(Vector3D(-103.901f, 15.1994f, 23.8578f), true, false, nullptr);
    createEnemyForestSpirit(Vector3D(-99.8396f, 24.066f, -3.82254f), true, false, nullptr);
    createEnemyForestSpirit(Vector3D(48.8978f, 4.93805f, -32.0428f), true, false, nullptr);
    createEnemyForestSpirit(Vector3D(58.3287f, 3.33891f, 20.1636f), true, false, nullptr);
}

void Island::spawnIsland3Enemies() {
    createEnemyForestSpirit(Vector3D(110.865f, 20.3f, -5.42128f), true, false, nullptr);
    createEnemyForestSpirit(Vector3D(-48.0823f, 52.3f, -46.1021f), true, false, nullptr);
}

void Island::spawnIsland4Enemies() {
    createEnemyForestSpirit(Vector3D(-8.24135f, 15.9368f, 27.1177f), true, false, nullptr);
}
