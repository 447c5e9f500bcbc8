#ifndef ISLAND_H
#define ISLAND_H

#include <vector>

#include "Octree/Octree.h"
#include "Vector3D/Vector3D.h"
#include "WorldType/WorldType.h"

class Controller;
class EnemyForestSpirit;
class Frustum;
class HeightMap;
class Hero;
class HoldableItem;
class IslandPortal;
class Mesh;
class Missile;
class Nature;
class Object;
class Particle;
class QuestPoint;
class Shop;
class ShopStaticObject;
class Sounds;
class StaticObject;
class Texture;
class TexturePlane;
class TexturesMeshes;
class ViewCull;
class Volcano;
class Wall;
class Water;
class Waterfall;

// One level of the game, index 0 (the home island) to 12. Built once at
// start-up, before any window exists, and kept until the process ends. The
// island creates everything its lists hold except the gates, which belong to
// the controller; every item it makes also joins the world item list.
class Island {
public:
    Island(TexturesMeshes* texMesh, std::vector<HoldableItem*>& items, int index, IslandPortal** portals,
           Sounds* sounds);
    // Frees everything the island made; the gates and the items (owned by
    // the world item list) stay.
    virtual ~Island();

    int getWorldType();
    Shop* getShop();
    int getIndex();
    std::vector<IslandPortal*>* getIslandPortals();
    std::vector<QuestPoint*>* getQuestPoints();
    std::vector<EnemyForestSpirit*>* getAllEnemiesAndAllies();
    std::vector<StaticObject*>* getBuildings();
    std::vector<Object*>* getStaticObjects();
    HeightMap* getHeightMap();
    Vector3D getHeroInitialPosition();
    float getCoordinateFromIndex(float i);

    void update(std::vector<Particle*>* particles, Controller* controller);
    void spawnEnemies();
    void killAllEnemies();
    void createBoss();
    bool checkIfMissileHitsEnemys(Missile* missile, std::vector<Particle*>& particles,
                                  std::vector<HoldableItem*>& items);

    bool isNearShop(Hero* hero);
    HoldableItem* getNearItem(Hero* hero);
    void pickUpItems(Controller* controller, Vector3D* pos);
    QuestPoint* getQuestPoint(Vector3D* pos, float r);
    // Takes the first point with the id off the island and hands it to the
    // caller, who deletes it once its story picture is gone; null when none.
    QuestPoint* removeQuestItem(int id);

    Object* doesSphereCollideWithObject(Vector3D* pos, float r);
    Object* doesLineCollideWithObjects(Vector3D* a, Vector3D* b);
    EnemyForestSpirit* doesSphereCollideWithForrestSpirit(Vector3D* pos, float r);
    bool doesPortalIntersectObjects(Vector3D* pos, float r);
    IslandPortal* getCollidingIslandPortal(Vector3D* pos, float r);
    // Only the first water plane counts.
    bool isUnderwater(Vector3D* pos, float r);

    // Uploads the terrain's and the trees' vertex buffers, once the window
    // is up: the first sight of the island (by entry, gate or cut scene)
    // then waits for neither.
    void uploadDrawing();
    void drawHeightMap(Controller* controller);
    void draw(Controller* controller);
    void drawIslandPortalOpenings(Controller* controller);
    // The cull (may be null) skips what cannot reach the opening's box.
    void drawForLocalPortal(Controller* controller, Frustum* frustum, const ViewCull* cull = nullptr);
    // With a cull, things wholly outside it are skipped.
    void drawForIslandPortal(Controller* controller, Frustum* frustum, IslandPortal* portal,
                             const ViewCull* cull = nullptr);

    // Factories.
    void createHouse(Vector3D pos, float angleDegrees);
    void createTreeHouse(Vector3D pos, float angleDegrees);
    void createPillar(Vector3D pos, float angleDegrees, bool large);
    void createBasket(Vector3D pos, float angleDegrees);
    void createStillForestSpirit(Vector3D pos, float angleDegrees, int kind);
    void createShop(Vector3D pos, float angleDegrees);
    void createWall(Vector3D a, Vector3D b, float height);
    void createEnemyForestSpirit(Vector3D pos, bool aggressive, bool isBoss, Mesh* extra);
    void createVialHoldableItem(TexturesMeshes*& texMesh, std::vector<HoldableItem*>& items, Vector3D pos);
    void createGloveHoldableItem(TexturesMeshes*& texMesh, std::vector<HoldableItem*>& items, Vector3D pos);
    void createMoneyHoldableItem(TexturesMeshes*& texMesh, std::vector<HoldableItem*>& items, Vector3D pos,
                                 int value);
    void createRingShopItem(TexturesMeshes*& texMesh, int, std::vector<HoldableItem*>& items);
    void createHelmetShopItem(TexturesMeshes*& texMesh, int, std::vector<HoldableItem*>& items);
    void createBootsShopItem(TexturesMeshes*& texMesh, int, std::vector<HoldableItem*>& items);
    void createRichShopItem(TexturesMeshes*& texMesh, int, std::vector<HoldableItem*>& items);
    void createVialShopItem(TexturesMeshes*& texMesh, int, std::vector<HoldableItem*>& items);
    void addKingRecieveRingQuestItem();
    void addPrincessQuestItem(std::vector<Particle*>* particles, std::vector<HoldableItem*>& items);
    void loadGold(const char* path, std::vector<HoldableItem*>& items, TexturesMeshes*& texMesh);

    void initializeHomeIsland(TexturesMeshes*& texMesh, std::vector<HoldableItem*>& items, IslandPortal** portals);
    void initializeIsland1(TexturesMeshes*& texMesh, std::vector<HoldableItem*>& items, IslandPortal** portals);
    void initializeIsland2(TexturesMeshes*& texMesh, std::vector<HoldableItem*>& items, IslandPortal** portals);
    void initializeIsland3(TexturesMeshes*& texMesh, std::vector<HoldableItem*>& items, IslandPortal** portals);
    void initializeIsland4(TexturesMeshes*& texMesh, std::vector<HoldableItem*>& items, IslandPortal** portals);
    void initializeIsland5(TexturesMeshes*& texMesh, std::vector<HoldableItem*>& items, IslandPortal** portals);
    void initializeIsland6(TexturesMeshes*& texMesh, std::vector<HoldableItem*>& items, IslandPortal** portals);
    void initializeIsland7(TexturesMeshes*& texMesh, std::vector<HoldableItem*>& items, IslandPortal** portals);
    void initializeIsland8(TexturesMeshes*& texMesh, std::vector<HoldableItem*>& items, IslandPortal** portals);
    void initializeIsland9(TexturesMeshes*& texMesh, std::vector<HoldableItem*>& items, IslandPortal** portals);
    void initializeIsland10(TexturesMeshes*& texMesh, std::vector<HoldableItem*>& items, IslandPortal** portals);
    void initializeIsland11(TexturesMeshes*& texMesh, std::vector<HoldableItem*>& items, IslandPortal** portals);
    void initializeIsland12(TexturesMeshes*& texMesh, std::vector<HoldableItem*>& items, IslandPortal** portals);

    void spawnIslandHomeEnemies();
    void spawnIsland1Enemies();
    void spawnIsland3Enemies();
    void spawnIsland4Enemies();
    void spawnIsland5Enemies();
    void spawnIsland6Enemies();
    void spawnIsland7Enemies();
    void spawnIsland8Enemies();
    void spawnIsland9Enemies();
    void spawnIsland10Enemies();
    void spawnIsland11Enemies();

private:
    // The steps every level shares, in the order the levels take them.
    void initializeTerrain(int side, const char* heightMapPath, Texture* miniMap, int type, const char* naturePrefix,
                           Vector3D heroStart);
    void collectIslandPortals(IslandPortal** portals);
    void addWater(int level, int waterIndex);
    void addWaterfall(int level);
    void addVolcano(Vector3D position);
    void addQuestPoint(Vector3D position, int id);
    void addTexturePlane(Vector3D centre, float side, Texture* texture);
    void drawObjectsInFrustum(Controller* controller, Frustum* frustum, IslandPortal* skipped,
                              const ViewCull* cull);

public:
    // The island's state, open to the controller's passes and the checks.
    Sounds* sounds;
    Shop* shop;
    ShopStaticObject* shopBuilding;
    int index;
    int mapSize;
    Nature* nature;
    HeightMap* heightMap;
    TexturesMeshes* texMesh;
    Vector3D heroInitialPosition;
    int worldType;
    Waterfall* waterfall;
    std::vector<Volcano*> volcanoes;
    std::vector<HoldableItem*> islandHoldableItems;
    std::vector<StaticObject*> buildings;
    std::vector<Object*> otherStaticObjectsNoBuildings;
    std::vector<EnemyForestSpirit*> forestSpirits;
    std::vector<IslandPortal*> islandPortals;
    std::vector<TexturePlane*> texturePlanes;
    std::vector<Water*> waterPlanes;
    std::vector<QuestPoint*> questPoints;
    std::vector<Wall*> walls;
    Octree octree;

private:
    Island(const Island&) = delete;
    Island& operator=(const Island&) = delete;
};

#endif
