#include "Island/Island.h"

#include <cassert>
#include <iostream>

#include "Controller/Controller.h"
#include "Inventory/Shop.h"
#include "Object/Character/ForestSpirit/EnemyForestSpirit/EnemyForestSpirit.h"
#include "Object/Character/ForestSpirit/Hero/Hero.h"
#include "Object/HeightMap/HeightMap.h"
#include "Object/HoldableItem/HoldableItem.h"
#include "Object/Portal/IslandPortal/IslandPortal.h"
#include "TexturesMeshes/TexturesMeshes.h"

const char* const LOADING_LINES[10] = {
    "Loading worlds...",
    "Connecting island portals...",
    "Generating trees from grammers...",
    "Growing grass and flowers...",
    "Randomly creating plotline...",
    "Seg fault... just kidding :)...",
    "Loading octrees...",
    "Making villagers squeak...",
    "Spinning disk drive for fun...",
    "Deriving theories of relativity...",
};

const Vector3D START_HOME(5.789f, 6.3f, -0.786f);
const Vector3D START_WEST(-96.0f, 6.3f, -16.2075f);

static float distance(Vector3D a, Vector3D* b) { return a.subtract(b).getLength(); }

Island::Island(TexturesMeshes* texMesh, std::vector<HoldableItem*>& items, int index, IslandPortal** portals,
               Sounds* sounds)
    : sounds(sounds), shop(nullptr), shopBuilding(nullptr), index(index), mapSize(0), heightMap(nullptr),
      texMesh(texMesh), worldType(GRASS_WORLD) {
    switch (index) {
    case 0: initializeHomeIsland(texMesh, items, portals); break;
    case 1: initializeIsland1(texMesh, items, portals); break;
    case 2: initializeIsland2(texMesh, items, portals); break;
    case 3: initializeIsland3(texMesh, items, portals); break;
    case 4: initializeIsland4(texMesh, items, portals); break;
    case 5: initializeIsland5(texMesh, items, portals); break;
    case 6: initializeIsland6(texMesh, items, portals); break;
    case 7: initializeIsland7(texMesh, items, portals); break;
    case 8: initializeIsland8(texMesh, items, portals); break;
    case 9: initializeIsland9(texMesh, items, portals); break;
    case 10: initializeIsland10(texMesh, items, portals); break;
    case 11: initializeIsland11(texMesh, items, portals); break;
    case 12: initializeIsland12(texMesh, items, portals); break;
    default: assert(index >= 0 && index <= 12);
    }
    if (index < 10) {
        std::cout << LOADING_LINES[index] << std::endl;
    }
    std::vector<Object*> gates(islandPortals.begin(), islandPortals.end());
    octree.fillOctree(&gates);
}

Island::~Island() {}

void Island::initializeTerrain(const char* heightMapPath, int side, Texture* miniMap, WorldType type,
                               Vector3D heroStart, IslandPortal** islandPortals) {
    mapSize = side;
    heightMap = new HeightMap(heightMapPath, side, texMesh, miniMap);
    heightMap->setWorldType(type);
    heroInitialPosition = heroStart;
    worldType = type;
    for (int i = 0; i < ISLAND_PORTAL_COUNT; i++) {
        assert(islandPortals[i]);
        if (islandPortals[i]->getIslandIndex() == index) {
            this->islandPortals.push_back(islandPortals[i]);
        }
    }
    octree.buildOctree((float)side, 5.0f);
}

void Island::initializeHomeIsland(TexturesMeshes*& t, std::vector<HoldableItem*>&, IslandPortal** portals) {
    initializeTerrain("HeightMap/islandHomeHeightMap.bmp", 200, t->islandHomeMiniMapTexture, GRASS_WORLD, START_HOME,
                      portals);
}

void Island::initializeIsland1(TexturesMeshes*& t, std::vector<HoldableItem*>&, IslandPortal** portals) {
    initializeTerrain("HeightMap/island1HeightMap.bmp", 300, t->island1MiniMapLTexture, GRASS_WORLD, START_HOME,
                      portals);
}

void Island::initializeIsland2(TexturesMeshes*& t, std::vector<HoldableItem*>&, IslandPortal** portals) {
    initializeTerrain("HeightMap/island2HeightMap.bmp", 200, t->island2MiniMapTexture, GRASS_WORLD, START_HOME,
                      portals);
}

void Island::initializeIsland3(TexturesMeshes*& t, std::vector<HoldableItem*>&, IslandPortal** portals) {
    initializeTerrain("HeightMap/island3HeightMap.bmp", 300, t->island3MiniMapTexture, GRASS_WORLD, START_WEST,
                      portals);
}

void Island::initializeIsland4(TexturesMeshes*& t, std::vector<HoldableItem*>&, IslandPortal** portals) {
    initializeTerrain("HeightMap/island4HeightMap.bmp", 250, t->island4MiniMapTexture, GRASS_WORLD, START_WEST,
                      portals);
}

void Island::initializeIsland5(TexturesMeshes*& t, std::vector<HoldableItem*>&, IslandPortal** portals) {
    initializeTerrain("HeightMap/island5HeightMap.bmp", 317, t->island5MiniMapTexture, GRASS_WORLD, START_WEST,
                      portals);
}

void Island::initializeIsland6(TexturesMeshes*& t, std::vector<HoldableItem*>&, IslandPortal** portals) {
    initializeTerrain("HeightMap/island6HeightMap.bmp", 252, t->island6MiniMapTexture, SNOW_WORLD, START_WEST,
                      portals);
}

void Island::initializeIsland7(TexturesMeshes*& t, std::vector<HoldableItem*>&, IslandPortal** portals) {
    initializeTerrain("HeightMap/island7HeightMap.bmp", 200, t->island7MiniMapTexture, SNOW_WORLD, START_WEST,
                      portals);
}

void Island::initializeIsland8(TexturesMeshes*& t, std::vector<HoldableItem*>&, IslandPortal** portals) {
    initializeTerrain("HeightMap/island8HeightMap.bmp", 281, t->island8MiniMapTexture, SNOW_WORLD, START_WEST,
                      portals);
}

void Island::initializeIsland9(TexturesMeshes*& t, std::vector<HoldableItem*>&, IslandPortal** portals) {
    initializeTerrain("HeightMap/island9HeightMap.bmp", 381, t->island9MiniMapTexture, LAVA_WORLD,
                      Vector3D(-0.793974f, 18.9255f, 160.49f), portals);
}

void Island::initializeIsland10(TexturesMeshes*& t, std::vector<HoldableItem*>&, IslandPortal** portals) {
    initializeTerrain("HeightMap/island10HeightMap.bmp", 212, t->island10MiniMapTexture, LAVA_WORLD,
                      Vector3D(-8.61068f, 16.4276f, 25.7749f), portals);
}

void Island::initializeIsland11(TexturesMeshes*& t, std::vector<HoldableItem*>&, IslandPortal** portals) {
    initializeTerrain("HeightMap/island11HeightMap.bmp", 234, t->island11MiniMapTexture, MYSTIC_WORLD, START_WEST,
                      portals);
}

void Island::initializeIsland12(TexturesMeshes*& t, std::vector<HoldableItem*>&, IslandPortal** portals) {
    initializeTerrain("HeightMap/island12HeightMap.bmp", 277, t->island12MiniMapTexture, MYSTIC_WORLD, START_WEST,
                      portals);
}

int Island::getWorldType() { return worldType; }

Shop* Island::getShop() { return shop; }

int Island::getIndex() { return index; }

std::vector<IslandPortal*>* Island::getIslandPortals() { return &islandPortals; }

std::vector<EnemyForestSpirit*>* Island::getAllEnemiesAndAllies() { return &forestSpirits; }

HeightMap* Island::getHeightMap() { return heightMap; }

Vector3D Island::getHeroInitialPosition() { return heroInitialPosition; }

void Island::update(std::vector<Particle*>*, Controller* controller) {
    for (size_t i = 0; i < forestSpirits.size(); i++) {
        forestSpirits[i]->update(controller);
    }
}

// Minimal for now: the spawn tables come with the levels.
void Island::spawnEnemies() {}

void Island::killAllEnemies() {
    while (!forestSpirits.empty()) {
        delete forestSpirits.front();
        forestSpirits.erase(forestSpirits.begin());
    }
}

bool Island::isNearShop(Hero* hero) {
    if (shop == nullptr) {
        return false;
    }
    Vector3D shopPosition = shopBuilding->getPosition();
    return distance(hero->getPosition(), &shopPosition) <= 10.0f;
}

HoldableItem* Island::getNearItem(Hero* hero) {
    Vector3D heroPosition = hero->getPosition();
    for (size_t i = 0; i < islandHoldableItems.size(); i++) {
        HoldableItem* currentItem = islandHoldableItems.at(i);
        assert(currentItem);
        if (distance(currentItem->getPosition(), &heroPosition) <= 5.0f) {
            return currentItem;
        }
    }
    return nullptr;
}

void Island::pickUpItems(Controller* controller, Vector3D* pos) {
    for (size_t i = 0; i < islandHoldableItems.size(); i++) {
        HoldableItem* currentItem = islandHoldableItems.at(i);
        assert(currentItem);
        if (distance(currentItem->getPosition(), pos) <= 5.0f) {
            islandHoldableItems.erase(islandHoldableItems.begin() + i);
            controller->addItemToInventory(currentItem);
            i--;
        }
    }
}

void Island::addKingRecieveRingQuestItem() {}

Object* Island::doesSphereCollideWithObject(Vector3D* pos, float r) {
    if (EnemyForestSpirit* spirit = doesSphereCollideWithForrestSpirit(pos, r)) {
        return spirit;
    }
    for (size_t i = 0; i < islandPortals.size(); i++) {
        if (islandPortals.at(i)->doesSphereCollideWithSolid(pos, r)) {
            return islandPortals.at(i);
        }
    }
    return nullptr;
}

Object* Island::doesLineCollideWithObjects(Vector3D* a, Vector3D* b) {
    for (size_t i = 0; i < islandPortals.size(); i++) {
        if (islandPortals.at(i)->doesLineCollideWithSolid(a, b)) {
            return islandPortals.at(i);
        }
    }
    return nullptr;
}

EnemyForestSpirit* Island::doesSphereCollideWithForrestSpirit(Vector3D* pos, float r) {
    for (size_t i = 0; i < forestSpirits.size(); i++) {
        assert(forestSpirits.at(i));
        if (forestSpirits.at(i)->doesSphereCollide(pos, r)) {
            return forestSpirits.at(i);
        }
    }
    return nullptr;
}

bool Island::doesPortalIntersectObjects(Vector3D* pos, float r) {
    for (size_t i = 0; i < islandPortals.size(); i++) {
        if (islandPortals.at(i)->doesSphereCollideWithSolid(pos, r)) {
            return true;
        }
    }
    return false;
}

IslandPortal* Island::getCollidingIslandPortal(Vector3D* pos, float r) {
    for (size_t i = 0; i < islandPortals.size(); i++) {
        assert(islandPortals.at(i));
        if (islandPortals.at(i)->doesSphereCollide(pos, r)) {
            return islandPortals.at(i);
        }
    }
    return nullptr;
}

bool Island::isUnderwater(Vector3D*, float) { return false; }

void Island::drawHeightMap(Controller*) { heightMap->draw(); }
