#ifndef ISLAND_H
#define ISLAND_H

#include <vector>

#include "Octree/Octree.h"
#include "Vector3D/Vector3D.h"
#include "WorldType/WorldType.h"

class Controller;
class EnemyForestSpirit;
class HeightMap;
class Hero;
class HoldableItem;
class IslandPortal;
class Object;
class Particle;
class Shop;
class Sounds;
class Texture;
class TexturesMeshes;

// One level of the game, index 0 (the home island) to 12. Built once at
// start-up, before any window exists, and kept until the process ends.
// For now an island holds its terrain, its gates and its start point; the
// level content (nature, buildings, water, spirits, items, quest points)
// comes with the levels, and the queries below cover what it holds so far.
class Island {
public:
    Island(TexturesMeshes* texMesh, std::vector<HoldableItem*>& items, int index, IslandPortal** portals,
           Sounds* sounds);
    virtual ~Island();

    int getWorldType();
    Shop* getShop();
    int getIndex();
    std::vector<IslandPortal*>* getIslandPortals();
    std::vector<EnemyForestSpirit*>* getAllEnemiesAndAllies();
    HeightMap* getHeightMap();
    Vector3D getHeroInitialPosition();

    void update(std::vector<Particle*>* particles, Controller* controller);
    void spawnEnemies();
    void killAllEnemies();

    bool isNearShop(Hero* hero);
    HoldableItem* getNearItem(Hero* hero);
    void pickUpItems(Controller* controller, Vector3D* pos);
    // Minimal for now: the king's quest point comes with island 5's level.
    void addKingRecieveRingQuestItem();

    Object* doesSphereCollideWithObject(Vector3D* pos, float r);
    Object* doesLineCollideWithObjects(Vector3D* a, Vector3D* b);
    EnemyForestSpirit* doesSphereCollideWithForrestSpirit(Vector3D* pos, float r);
    bool doesPortalIntersectObjects(Vector3D* pos, float r);
    IslandPortal* getCollidingIslandPortal(Vector3D* pos, float r);
    // No water planes yet: nothing is under water.
    bool isUnderwater(Vector3D* pos, float r);

    void drawHeightMap(Controller* controller);

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

private:
    // The part every level shares: terrain, start point, gates, empty octree.
    void initializeTerrain(const char* heightMapPath, int side, Texture* miniMap, WorldType type,
                           Vector3D heroStart, IslandPortal** portals);

    Sounds* sounds;
    Shop* shop;
    Object* shopBuilding;
    int index;
    int mapSize;
    HeightMap* heightMap;
    TexturesMeshes* texMesh;
    Vector3D heroInitialPosition;
    int worldType;
    std::vector<HoldableItem*> islandHoldableItems;
    std::vector<EnemyForestSpirit*> forestSpirits;
    std::vector<IslandPortal*> islandPortals;
    Octree octree;

    Island(const Island&) = delete;
    Island& operator=(const Island&) = delete;
};

#endif
