// Islands 5 to 9: the town, the snow islands and the first lava island.
#include "Island/Island.h"
#include "Island/IslandScenery.h"
#include "Object/HeightMap/HeightMap.h"
#include "Object/HoldableItem/HoldableItem.h"
#include "TexturesMeshes/TexturesMeshes.h"

// Functions, not constants: the world is built while the program's globals
// are still being initialised, so a global here could still be zero.
static Vector3D startWest() { return Vector3D(-96.0f, 6.3f, -16.2075f); }

void Island::initializeIsland5(TexturesMeshes*& t, std::vector<HoldableItem*>& items, IslandPortal** portals) {
    initializeTerrain(317, "HeightMap/island5HeightMap.bmp", t->island5MiniMapTexture, GRASS_WORLD,
                      "NatureOverlays/island5", startWest());
    createBasket(Vector3D(-38.7849f, 9.0f, -119.251f), 0.0f);
    createBasket(Vector3D(-104.079f, 9.0f, 8.18734f), 0.0f);
    createBasket(Vector3D(24.7582f, 9.0f, 50.8494f), 0.0f);
    createBasket(Vector3D(93.5439f, 15.0f, -42.3968f), 0.0f);
    createBasket(Vector3D(-30.6861f, 9.0f, -12.9859f), 0.0f);
    createPillar(Vector3D(-85.6766f, 9.0f, -110.901f), 0.0f, true);
    createPillar(Vector3D(-76.784f, 9.0f, -99.1723f), 0.0f, true);
    createPillar(Vector3D(-69.23f, 9.0f, -90.995f), 0.0f, true);
    createPillar(Vector3D(-89.9712f, 9.0f, -79.2841f), 0.0f, true);
    createPillar(Vector3D(-99.8404f, 9.0f, -91.4562f), 0.0f, true);
    createPillar(Vector3D(-106.33f, 9.0f, -99.8977f), 0.0f, true);
    createPillar(Vector3D(89.7868f, 39.0f, -86.2949f), 0.0f, false);
    createPillar(Vector3D(93.7272f, 39.0f, -95.6058f), 0.0f, false);
    createPillar(Vector3D(88.0183f, 39.0f, -106.476f), 0.0f, false);
    createPillar(Vector3D(76.6199f, 39.0f, -114.451f), 0.0f, false);
    createPillar(Vector3D(60.9061f, 39.0f, -109.265f), 0.0f, false);
    createHouse(Vector3D(-108.283f, 8.88323f, -54.0915f), -180.0f);
    createHouse(Vector3D(-102.014f, 8.88323f, 15.124f), -55.0f);
    createHouse(Vector3D(-37.041f, 8.88323f, -10.2256f), -342.0f);
    createHouse(Vector3D(23.2563f, 8.88323f, -8.25798f), -285.0f);
    createHouse(Vector3D(83.3368f, 8.88323f, 9.84411f), -275.0f);
    createHouse(Vector3D(99.9522f, 8.88323f, -16.2639f), -104.0f);
    createHouse(Vector3D(99.0569f, 15.0328f, -47.2413f), -135.0f);
    createHouse(Vector3D(21.062f, 15.0328f, -61.6201f), -225.0f);
    createHouse(Vector3D(24.0697f, 15.0328f, -113.71f), 15.0f);
    createHouse(Vector3D(-40.6302f, 8.88323f, -126.133f), 77.0f);
    createHouse(Vector3D(25.4819f, 8.88323f, 93.0429f), -184.0f);
    createHouse(Vector3D(-64.0316f, 8.67902f, 35.0373f), 59.0f);
    createHouse(Vector3D(26.7583f, 8.947f, 43.9095f), -80.0f);
    createTreeHouse(Vector3D(-94.1191f, 8.53873f, -23.9714f), 94.0f);
    createTreeHouse(Vector3D(-21.0015f, 8.64406f, -121.469f), 4.0f);
    createTreeHouse(Vector3D(111.979f, 8.83072f, 5.45887f), 218.0f);
    createTreeHouse(Vector3D(-2.32192f, 8.95833f, 96.5306f), -242.0f);
    createTreeHouse(Vector3D(-7.79315f, 8.40463f, -48.172f), -18.0f);
    createShop(Vector3D(69.7786f, heightMap->getHeight(69.0f, -60.0f), -60.5734f), -270.0f);
    createVialShopItem(t, 5, items);
    createRingShopItem(t, 100, items);
    createBootsShopItem(t, 80, items);
    createHelmetShopItem(t, 100, items);
    createStillForestSpirit(Vector3D(79.5815f, heightMap->getHeight(79.5f, -103.5f) + 1.3f, -103.572f), -80.0f, 0);
    addQuestPoint(Vector3D(78.5978f, 44.5306f, -103.045f), KING_INTRO_QUEST);
    addTexturePlane(Vector3D(-0.807637f, 9.01f, 15.0316f), 50.0f, t->dirtPatchTexture);
    addTexturePlane(Vector3D(74.0437f, 39.005f, -96.712f), 30.0f, t->cobblestonesTexture);
    addTexturePlane(Vector3D(-69.6098f, 9.005f, -74.6732f), 50.0f, t->dirtPatchTexture);
    collectIslandPortals(portals);
    octree.buildOctreeAtFirstQuery(317.0f, 5.0f);
}

void Island::initializeIsland6(TexturesMeshes*& t, std::vector<HoldableItem*>&, IslandPortal** portals) {
    initializeTerrain(252, "HeightMap/island6HeightMap.bmp", t->island6MiniMapTexture, SNOW_WORLD,
                      "NatureOverlays/island6", startWest());
    createHouse(Vector3D(26.1855f, 50.9112f, -11.2436f), -180.0f);
    collectIslandPortals(portals);
    octree.buildOctreeAtFirstQuery(252.0f, 5.0f);
}

void Island::initializeIsland7(TexturesMeshes*& t, std::vector<HoldableItem*>& items, IslandPortal** portals) {
    initializeTerrain(200, "HeightMap/island7HeightMap.bmp", t->island7MiniMapTexture, SNOW_WORLD,
                      "NatureOverlays/island7", startWest());
    createGloveHoldableItem(t, items, Vector3D(47.6171f, 14.8917f, 70.5469f));
    addWater(7, 1);
    // The cave blocks nothing itself: its walls do.
    StaticObject* cave = new StaticObject();
    cave->addMesh(t->caveMesh);
    cave->setPosition(Vector3D(46.6842f, 13.0f, 75.092f));
    cave->setRotationAngleDegrees(223.0f);
    cave->setBoundingRadius(30.0f);
    otherStaticObjectsNoBuildings.push_back(cave);
    const float x[6] = {33.7114f, 40.6036f, 47.5723f, 52.6115f, 54.6177f, 48.3743f};
    const float z[6] = {74.6134f, 81.673f, 81.7457f, 78.4964f, 71.7999f, 63.5161f};
    for (int k = 0; k < 5; k++) {
        createWall(Vector3D(x[k], 12.0f, z[k]), Vector3D(x[k + 1], 12.0f, z[k + 1]), 20.0f);
    }
    addWaterfall(7);
    collectIslandPortals(portals);
    octree.buildOctreeAtFirstQuery(200.0f, 5.0f);
}

void Island::initializeIsland8(TexturesMeshes*& t, std::vector<HoldableItem*>&, IslandPortal** portals) {
    initializeTerrain(281, "HeightMap/island8HeightMap.bmp", t->island8MiniMapTexture, SNOW_WORLD,
                      "NatureOverlays/island8", startWest());
    createHouse(Vector3D(40.4217f, 6.0f, -86.1615f), 0.0f);
    addWater(8, 1);
    addWaterfall(8);
    collectIslandPortals(portals);
    octree.buildOctreeAtFirstQuery(281.0f, 5.0f);
}

// The sixth volcano's height is ours to choose: it stands, like the others,
// on the ground sampled at its own whole coordinates.
void Island::initializeIsland9(TexturesMeshes*& t, std::vector<HoldableItem*>& items, IslandPortal** portals) {
    initializeTerrain(381, "HeightMap/island9HeightMap.bmp", t->island9MiniMapTexture, LAVA_WORLD,
                      "NatureOverlays/island9", Vector3D(-0.793974f, 18.9255f, 160.49f));
    HoldableItem* ring = new HoldableItem(false, false, false, ITEM_ONE_RING);
    StaticObject* look = new StaticObject();
    look->addMesh(t->lordOfRingMesh);
    ring->setStaticObject(look);
    ring->setDisplayScale(0.3f);
    ring->setPosition(Vector3D(-40.6063f, 25.2895f, -58.3563f));
    items.push_back(ring);
    islandHoldableItems.push_back(ring);
    HeightMap* ground = heightMap;
    addVolcano(Vector3D(-119.703f, ground->getHeight(-119.0f, -13.0f), -13.3144f));
    addVolcano(Vector3D(-0.0441543f, ground->getHeight(-0.04f, -14.5f), -14.5697f));
    addVolcano(Vector3D(-83.5741f, ground->getHeight(-83.0f, -80.0f), -80.0555f));
    addVolcano(Vector3D(165.818f, ground->getHeight(165.0f, -144.0f), -144.046f));
    addVolcano(Vector3D(22.4483f, ground->getHeight(22.0f, 58.0f), 58.5045f));
    addVolcano(Vector3D(-18.7939f, ground->getHeight(-18.0f, 150.0f), 150.048f));
    addWater(9, 1);
    collectIslandPortals(portals);
    octree.buildOctreeAtFirstQuery(381.0f, 5.0f);
}

void Island::spawnIsland5Enemies() {
    TexturesMeshes* t = texMesh;
    createEnemyForestSpirit(Vector3D(-100.0f, 10.0f, -40.0f), false, false, nullptr);
    createEnemyForestSpirit(Vector3D(10.0f, 10.0f, -1.0f), false, false, t->crownMainMesh);
    createEnemyForestSpirit(Vector3D(0.0f, 10.0f, 0.0f), false, false, t->farmerHatMesh);
    createEnemyForestSpirit(Vector3D(-1.0f, 10.0f, -6.0f), false, false, t->bowMesh);
    createEnemyForestSpirit(Vector3D(10.0f, 10.0f, 10.0f), false, false, t->eyelashesMesh);
    createEnemyForestSpirit(Vector3D(-6.0f, 10.0f, 6.0f), false, false, t->bowMesh);
    createEnemyForestSpirit(Vector3D(15.0f, 10.0f, -10.0f), false, false, nullptr);
    createEnemyForestSpirit(Vector3D(10.0f, 10.0f, 15.0f), false, false, t->farmerHatMesh);
    createEnemyForestSpirit(Vector3D(-12.0f, 10.0f, 12.0f), false, false, nullptr);
}

void Island::spawnIsland6Enemies() {
    createEnemyForestSpirit(Vector3D(-45.2477f, 17.1763f, 21.7962f), true, false, nullptr);
    createEnemyForestSpirit(Vector3D(22.3976f, 56.0054f, 5.46576f), true, false, nullptr);
}

void Island::spawnIsland7Enemies() {
    createEnemyForestSpirit(Vector3D(-39.2775f, 21.3981f, 49.9705f), true, false, nullptr);
    createEnemyForestSpirit(Vector3D(-39.2775f, 21.3981f, 49.9705f), true, false, nullptr);
    createEnemyForestSpirit(Vector3D(46.6842f, 13.0f, 75.092f), true, false, nullptr);
}

void Island::spawnIsland8Enemies() {
    createEnemyForestSpirit(Vector3D(40.4298f, 18.8403f, 44.6554f), true, false, nullptr);
    createEnemyForestSpirit(Vector3D(-23.624f, 8.34281f, 51.2515f), true, false, nullptr);
}

void Island::spawnIsland9Enemies() {
    createEnemyForestSpirit(Vector3D(-85.0126f, 22.0767f, 70.9948f), true, false, nullptr);
    createEnemyForestSpirit(Vector3D(-110.68f, 42.6501f, -57.1869f), true, false, nullptr);
    createEnemyForestSpirit(Vector3D(26.5451f, 31.5435f, 66.4948f), true, false, nullptr);
    createEnemyForestSpirit(Vector3D(-26.9214f, 48.3f, -17.8116f), true, false, nullptr);
    createEnemyForestSpirit(Vector3D(-47.8827f, 39.3f, 14.9717f), true, false, nullptr);
    createEnemyForestSpirit(Vector3D(-31.6875f, 39.3f, 25.1175f), true, false, nullptr);
}
