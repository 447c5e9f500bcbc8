// Islands 10 to 12: the second lava island, the enemy town and the castle.
#include "Island/Island.h"
#include "Island/IslandScenery.h"
#include "Object/HeightMap/HeightMap.h"
#include "TexturesMeshes/TexturesMeshes.h"

// Functions, not constants: the world is built while the program's globals
// are still being initialised, so a global here could still be zero.
static Vector3D startWest() { return Vector3D(-96.0f, 6.3f, -16.2075f); }

struct WallPoint {
    float x, z;
};

// The castle's two open chains of wall panels, outer first.
static const WallPoint OUTER_WALL[26] = {
    {24.4871f, 48.4598f},  {24.6225f, 23.642f},   {22.0216f, 24.4601f},  {20.9588f, 23.2397f},
    {33.9588f, 17.5087f},  {30.4338f, 30.9113f},  {42.2294f, 32.9014f},  {59.1364f, 59.8368f},
    {58.0273f, 72.7175f},  {49.5866f, 87.3775f},  {41.3651f, 94.6548f},  {20.7854f, 91.3963f},
    {13.6722f, 99.7323f},  {5.04303f, 102.087f},  {-3.55772f, 104.483f}, {-13.3552f, 99.3981f},
    {-17.7823f, 65.8456f}, {-15.2151f, 47.2286f}, {-20.1292f, 36.2886f}, {-17.6793f, 30.9669f},
    {-4.78977f, 30.4137f}, {-2.3361f, 22.4543f},  {-7.6728f, 18.1367f},  {-6.84919f, 16.3073f},
    {5.41849f, 22.4354f},  {2.93311f, 42.9244f},
};
static const WallPoint INNER_WALL[15] = {
    {23.5277f, 25.4892f},  {23.2543f, 46.3766f},  {25.1762f, 49.813f},   {28.1715f, 55.9394f},
    {30.292f, 68.7259f},   {27.3491f, 76.1495f},  {20.7608f, 82.2674f},  {12.1782f, 84.9636f},
    {0.426694f, 82.7501f}, {-6.2396f, 76.7165f},  {-8.93773f, 68.1516f}, {-8.54963f, 58.1592f},
    {-3.2383f, 49.7029f},  {3.50757f, 44.5129f},  {4.38697f, 25.5106f},
};
static const float WALL_FOOT = 30.0f;
static const float CASTLE_WALL_HEIGHT = 300.0f;

void Island::initializeIsland10(TexturesMeshes*& t, std::vector<HoldableItem*>& items, IslandPortal** portals) {
    // Island 10 grows island 9's plants.
    initializeTerrain(212, "HeightMap/island10HeightMap.bmp", t->island10MiniMapTexture, LAVA_WORLD,
                      "NatureOverlays/island9", Vector3D(-8.61068f, 16.4276f, 25.7749f));
    addWater(10, 1);
    addVolcano(Vector3D(-60.0602f, heightMap->getHeight(-60.0602f, -29.5829f), -29.5829f));
    addVolcano(Vector3D(-32.8332f, heightMap->getHeight(-32.8332f, 51.5727f), 51.5727f));
    collectIslandPortals(portals);
    loadGold("MoneyOverlays/island10Money.bmp", items, t);
    octree.buildOctreeAtFirstQuery(212.0f, 5.0f);
}

void Island::initializeIsland11(TexturesMeshes*& t, std::vector<HoldableItem*>& items, IslandPortal** portals) {
    initializeTerrain(234, "HeightMap/island11HeightMap.bmp", t->island11MiniMapTexture, MYSTIC_WORLD,
                      "NatureOverlays/island11", startWest());
    createHouse(Vector3D(-35.1611f, 36.2f, 31.0f), -20.0f);
    createTreeHouse(Vector3D(-6.18213f, 24.3062f, -76.3092f), 0.0f);
    createHouse(Vector3D(20.2093f, 24.0f, -52.4273f), -10.0f);
    createHouse(Vector3D(104.723f, 36.2065f, 23.8737f), -90.0f);
    createHouse(Vector3D(56.0235f, 36.3576f, 86.9811f), -180.0f);
    createHouse(Vector3D(-7.02173f, 36.0714f, 7.1404f), 30.0f);
    createHouse(Vector3D(39.2801f, 36.0f, -32.9568f), 0.0f);
    createShop(Vector3D(58.6924f, heightMap->getHeight(58.0f, -4.0f), -4.44712f), 90.0f);
    createBootsShopItem(t, 80, items);
    createVialShopItem(t, 30, items);
    createRingShopItem(t, 100, items);
    createHelmetShopItem(t, 100, items);
    createVialShopItem(t, 30, items);
    collectIslandPortals(portals);
    octree.buildOctreeAtFirstQuery(234.0f, 5.0f);
}

void Island::initializeIsland12(TexturesMeshes*& t, std::vector<HoldableItem*>&, IslandPortal** portals) {
    initializeTerrain(277, "HeightMap/island12HeightMap.bmp", t->island12MiniMapTexture, MYSTIC_WORLD,
                      "NatureOverlays/island12", startWest());
    addQuestPoint(Vector3D(42.232f, 37.2884f, -37.0664f), EVIL_WIZARD_INTRO_QUEST);
    // The castle blocks nothing itself: its walls do.
    CastleStaticObject* castle = new CastleStaticObject();
    castle->addMesh(t->castleMesh);
    castle->addMesh(t->castleRoofsMesh);
    castle->setPosition(Vector3D(10.9f, heightMap->getHeight(8.0f, -5.0f) - 2.0f, 65.19f));
    castle->setRotationAngleDegrees(-180.0f);
    castle->setBoundingRadius(100.0f);
    castle->setCollisionRadius(0.0f);
    otherStaticObjectsNoBuildings.push_back(castle);
    collectIslandPortals(portals);
    for (const WallPoint* chain : {OUTER_WALL, INNER_WALL}) {
        int points = chain == OUTER_WALL ? 26 : 15;
        for (int k = 0; k + 1 < points; k++) {
            createWall(Vector3D(chain[k].x, WALL_FOOT, chain[k].z), Vector3D(chain[k + 1].x, WALL_FOOT, chain[k + 1].z),
                       CASTLE_WALL_HEIGHT);
        }
    }
    octree.buildOctreeAtFirstQuery(277.0f, 5.0f);
}

void Island::spawnIsland10Enemies() {
    createEnemyForestSpirit(Vector3D(-52.966f, 33.7915f, -24.2892f), true, false, nullptr);
    createEnemyForestSpirit(Vector3D(27.8756f, 27.0154f, -47.1386f), true, false, nullptr);
    createEnemyForestSpirit(Vector3D(44.9864f, 38.8519f, -66.4089f), true, false, nullptr);
}

void Island::spawnIsland11Enemies() {
    createEnemyForestSpirit(Vector3D(17.1502f, 37.9681f, 6.35876f), true, false, nullptr);
    createEnemyForestSpirit(Vector3D(47.0777f, 37.3f, -19.4491f), true, false, nullptr);
    createEnemyForestSpirit(Vector3D(77.107f, 39.5225f, 37.916f), true, false, nullptr);
    createEnemyForestSpirit(Vector3D(3.54164f, 33.1253f, -48.8011f), true, false, nullptr);
    createEnemyForestSpirit(Vector3D(-39.2731f, 28.7162f, -25.0065f), true, false, nullptr);
}
