#include "Island/Island.h"

#include <cassert>
#include <iostream>

#include "Controller/Controller.h"
#include "GeneralMath/GeneralMath.h"
#include "Inventory/Shop.h"
#include "Island/IslandScenery.h"
#include "Mesh/Mesh.h"
#include "Object/Character/ForestSpirit/EnemyForestSpirit/EnemyForestSpirit.h"
#include "Object/Character/ForestSpirit/Hero/Hero.h"
#include "Object/HeightMap/HeightMap.h"
#include "Object/HoldableItem/HoldableItem.h"
#include "Object/Missile/Missile.h"
#include "Object/Portal/IslandPortal/IslandPortal.h"
#include "Object/StaticObject/StaticObject.h"
#include "PolygonColor/PolygonColor.h"
#include "Sounds/Sounds.h"
#include "TexturePlane/TexturePlane.h"
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

const double MISSILE_HIT_DISTANCE = 2.15;
const int BOSS_HITS_SURVIVED = 12;
const float BOSS_REDDENING = 1.0f / 13.0f;
const int DISSOLVE_PARTICLES = 200;
const float DROP_ABOVE_GROUND = 0.2f;
const float SHOP_REACH = 10.0f;
const float ITEM_REACH = 5.0f;

static float distance(Vector3D a, Vector3D* b) { return a.subtract(b).getLength(); }

Island::Island(TexturesMeshes* texMesh, std::vector<HoldableItem*>& items, int index, IslandPortal** portals,
               Sounds* sounds)
    : sounds(sounds), shop(nullptr), shopBuilding(nullptr), index(index), mapSize(0), nature(nullptr),
      heightMap(nullptr), texMesh(texMesh), worldType(GRASS_WORLD), waterfall(nullptr) {
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
    if (index == 4) {
        addWaterfall(4);
    }
    if (index < 10) {
        std::cout << LOADING_LINES[index] << std::endl;
    }
    // Only what the drawing pass culls goes into the octree; its cells are
    // made at the island's first view query.
    std::vector<Object*> drawn(islandPortals.begin(), islandPortals.end());
    drawn.insert(drawn.end(), nature->getProceduralTrees()->begin(), nature->getProceduralTrees()->end());
    drawn.insert(drawn.end(), nature->getFlowers()->begin(), nature->getFlowers()->end());
    drawn.insert(drawn.end(), buildings.begin(), buildings.end());
    drawn.insert(drawn.end(), volcanoes.begin(), volcanoes.end());
    octree.fillOctree(&drawn);
}

Island::~Island() {
    assert(heightMap);
    assert(nature);
    killAllEnemies();
    for (Wall* wall : walls) {
        delete wall->polygon;
        delete wall;
    }
    for (QuestPoint* point : questPoints) {
        delete point;
    }
    for (Water* water : waterPlanes) {
        delete water;
    }
    for (TexturePlane* plane : texturePlanes) {
        delete plane;
    }
    for (Object* object : otherStaticObjectsNoBuildings) {
        delete object;
    }
    // The shop building is one of the buildings.
    for (StaticObject* building : buildings) {
        delete building;
    }
    if (shop) {
        // The shop's goods belong to its carousel; its small model to us.
        delete shop->itemCollection.displayObject;
        delete shop;
    }
    for (Volcano* volcano : volcanoes) {
        delete volcano;
    }
    delete waterfall;
    delete nature;
    delete heightMap;
}

// ---- the steps every level shares

void Island::initializeTerrain(int side, const char* heightMapPath, Texture* miniMap, int type,
                               const char* naturePrefix, Vector3D heroStart) {
    mapSize = side;
    heightMap = new HeightMap(heightMapPath, side, texMesh, miniMap);
    heightMap->setWorldType((WorldType)type);
    nature = new Nature(heightMap, texMesh, naturePrefix, type);
    nature->setOctree(&octree);
    heroInitialPosition = heroStart;
    worldType = type;
}

void Island::collectIslandPortals(IslandPortal** portals) {
    for (int i = 0; i < ISLAND_PORTAL_COUNT; i++) {
        assert(portals[i]);
        if (portals[i]->getIslandIndex() == index) {
            islandPortals.push_back(portals[i]);
        }
    }
}

void Island::addWater(int level, int waterIndex) { waterPlanes.push_back(new Water(level, waterIndex)); }

void Island::addWaterfall(int level) {
    waterfall = new Waterfall(level, texMesh->waterTexture1, texMesh->waterTexture3);
}

void Island::addVolcano(Vector3D position) {
    volcanoes.push_back(new Volcano(position, texMesh->volcanoMesh, texMesh->hotLavaTexture));
}

void Island::addQuestPoint(Vector3D position, int id) {
    questPoints.push_back(new QuestPoint(position, texMesh->ePointMesh, id));
}

void Island::addTexturePlane(Vector3D centre, float side, Texture* texture) {
    TexturePlane* plane = new TexturePlane(centre.x, centre.y, centre.z, side, 0.0f);
    plane->setTexture(texture);
    texturePlanes.push_back(plane);
}

// ---- accessors

int Island::getWorldType() { return worldType; }

Shop* Island::getShop() { return shop; }

int Island::getIndex() { return index; }

std::vector<IslandPortal*>* Island::getIslandPortals() { return &islandPortals; }

std::vector<QuestPoint*>* Island::getQuestPoints() { return &questPoints; }

std::vector<EnemyForestSpirit*>* Island::getAllEnemiesAndAllies() { return &forestSpirits; }

std::vector<StaticObject*>* Island::getBuildings() { return &buildings; }

std::vector<Object*>* Island::getStaticObjects() { return &otherStaticObjectsNoBuildings; }

HeightMap* Island::getHeightMap() { return heightMap; }

Vector3D Island::getHeroInitialPosition() { return heroInitialPosition; }

float Island::getCoordinateFromIndex(float i) { return i - 0.5f * (float)heightMap->getSize(); }

// ---- the frame and the spirits

void Island::update(std::vector<Particle*>* particles, Controller* controller) {
    if (waterfall) {
        waterfall->update(particles);
    }
    for (size_t i = 0; i < forestSpirits.size(); i++) {
        forestSpirits[i]->update(controller);
    }
    for (size_t i = 0; i < volcanoes.size(); i++) {
        volcanoes[i]->update(particles);
    }
}

void Island::spawnEnemies() {
    switch (index) {
    case 0: spawnIslandHomeEnemies(); break;
    case 1: spawnIsland1Enemies(); break;
    case 3: spawnIsland3Enemies(); break;
    case 4: spawnIsland4Enemies(); break;
    case 5: spawnIsland5Enemies(); break;
    case 6: spawnIsland6Enemies(); break;
    case 7: spawnIsland7Enemies(); break;
    case 8: spawnIsland8Enemies(); break;
    case 9: spawnIsland9Enemies(); break;
    case 10: spawnIsland10Enemies(); break;
    case 11: spawnIsland11Enemies(); break;
    default: break;  // islands 2 and 12 have no roaming spirits
    }
}

void Island::killAllEnemies() {
    while (!forestSpirits.empty()) {
        delete forestSpirits.front();
        forestSpirits.erase(forestSpirits.begin());
    }
}

void Island::createBoss() { createEnemyForestSpirit(Vector3D(14.4376f, 37.1498f, 47.9318f), true, true, nullptr); }

bool Island::checkIfMissileHitsEnemys(Missile* missile, std::vector<Particle*>& particles,
                                      std::vector<HoldableItem*>& items) {
    Vector3D missilePosition = missile->getPosition();
    for (size_t i = 0; i < forestSpirits.size(); i++) {
        EnemyForestSpirit* spirit = forestSpirits.at(i);
        double d = distance(spirit->getPosition(), &missilePosition);
        if (!(d < MISSILE_HIT_DISTANCE)) {
            continue;
        }
        if (spirit->getIsBoss() && spirit->incrementTimesHit() <= BOSS_HITS_SURVIVED) {
            sounds->playHitBoss(1);
            PolygonColor color = spirit->getBodyColor();
            color.setRed(color.getRed() + BOSS_REDDENING);
            spirit->setBodyColor(color);
            return true;
        }
        Vector3D p = spirit->getPosition();
        bool wasAggressive = spirit->getAggressive();
        Vector3D drop(p.x, heightMap->getHeight(p.x, p.z) + DROP_ABOVE_GROUND, p.z);
        int roll = GeneralMath::getRandomNumber(1, 6);
        sounds->playPoof(1);
        if (spirit->getIsBoss()) {
            addPrincessQuestItem(&particles, items);
        } else if (roll <= 4) {
            createMoneyHoldableItem(texMesh, items, drop, GeneralMath::getRandomNumber(1, 15));
        } else {
            createVialHoldableItem(texMesh, items, drop);
        }
        Texture* explosion =
            spirit->getTexture() == texMesh->allyTexture ? texMesh->allyExplodeTexture : texMesh->enemyExplodeTexture;
        delete spirit;
        forestSpirits.erase(forestSpirits.begin() + i);
        for (int k = 0; k < DISSOLVE_PARTICLES; k++) {
            Particle* particle = new DissolveParticle(&p);
            particle->setTexture(explosion);
            particles.push_back(particle);
        }
        if (!wasAggressive) {
            for (EnemyForestSpirit* other : forestSpirits) {
                other->setAggresive(true);
            }
        }
        return true;
    }
    return false;
}

// ---- proximity

bool Island::isNearShop(Hero* hero) {
    if (shop == nullptr) {
        return false;
    }
    Vector3D shopPosition = shopBuilding->getPosition();
    return distance(hero->getPosition(), &shopPosition) <= SHOP_REACH;
}

HoldableItem* Island::getNearItem(Hero* hero) {
    Vector3D heroPosition = hero->getPosition();
    for (size_t i = 0; i < islandHoldableItems.size(); i++) {
        HoldableItem* currentItem = islandHoldableItems.at(i);
        assert(currentItem);
        if (distance(currentItem->getPosition(), &heroPosition) <= ITEM_REACH) {
            return currentItem;
        }
    }
    return nullptr;
}

void Island::pickUpItems(Controller* controller, Vector3D* pos) {
    for (size_t i = 0; i < islandHoldableItems.size();) {
        HoldableItem* currentItem = islandHoldableItems.at(i);
        assert(currentItem);
        if (distance(currentItem->getPosition(), pos) <= ITEM_REACH) {
            islandHoldableItems.erase(islandHoldableItems.begin() + i);
            controller->addItemToInventory(currentItem);
        } else {
            i++;
        }
    }
}

QuestPoint* Island::getQuestPoint(Vector3D* pos, float r) {
    for (QuestPoint* point : questPoints) {
        if (point->checkIfInRadius(pos, r)) {
            return point;
        }
    }
    return nullptr;
}

QuestPoint* Island::removeQuestItem(int id) {
    for (size_t i = 0; i < questPoints.size(); i++) {
        QuestPoint* point = questPoints[i];
        if (point->getId() == id) {
            questPoints.erase(questPoints.begin() + i);
            return point;
        }
    }
    return nullptr;
}

bool Island::isUnderwater(Vector3D* pos, float r) {
    if (waterPlanes.empty()) {
        return false;
    }
    return waterPlanes.front()->isInWater(pos, r);
}

// ---- collision queries, each in its fixed group order

static bool wallHitBySegment(Wall* wall, Vector3D* a, Vector3D* b) {
    bool hit = false;
    Polygon3D* triangle = wall->polygon;
    Vector3D point = triangle->getIntersection(a, b, hit);
    return hit && triangle->isPointWithinTriangle(&point);
}

Object* Island::doesSphereCollideWithObject(Vector3D* pos, float r) {
    if (Object* tree = nature->doesSphereCollide(pos, r)) {
        return tree;
    }
    for (Volcano* volcano : volcanoes) {
        if (volcano->doesSphereCollide(pos, r)) {
            return volcano;
        }
    }
    for (Object* object : otherStaticObjectsNoBuildings) {
        if (object->doesSphereCollide(pos, r)) {
            return object;
        }
    }
    for (size_t i = 0; i < buildings.size(); i++) {
        assert(buildings.at(i));
        if (buildings.at(i)->doesSphereCollide(pos, r)) {
            return buildings.at(i);
        }
    }
    if (EnemyForestSpirit* spirit = doesSphereCollideWithForrestSpirit(pos, r)) {
        return spirit;
    }
    for (Wall* wall : walls) {
        if (wall->polygon->doesSphereCollide(pos, r)) {
            return wall;
        }
    }
    for (IslandPortal* gate : islandPortals) {
        if (gate->doesSphereCollideWithSolid(pos, r)) {
            return gate;
        }
    }
    return nullptr;
}

Object* Island::doesLineCollideWithObjects(Vector3D* a, Vector3D* b) {
    if (Object* tree = nature->doesLineCollideWithObjects(a, b)) {
        return tree;
    }
    for (size_t i = 0; i < buildings.size(); i++) {
        assert(buildings.at(i));
        if (buildings.at(i)->doesLineCollide(a, b)) {
            return buildings.at(i);
        }
    }
    for (Object* object : otherStaticObjectsNoBuildings) {
        if (object->doesLineCollide(a, b)) {
            return object;
        }
    }
    for (Volcano* volcano : volcanoes) {
        if (volcano->doesLineCollide(a, b)) {
            return volcano;
        }
    }
    for (Wall* wall : walls) {
        if (wallHitBySegment(wall, a, b)) {
            return wall;
        }
    }
    for (IslandPortal* gate : islandPortals) {
        if (gate->doesLineCollideWithSolid(a, b)) {
            return gate;
        }
    }
    return nullptr;
}

bool Island::doesPortalIntersectObjects(Vector3D* pos, float r) {
    if (nature->doesPortalIntersectObjects(pos, r)) {
        return true;
    }
    for (Volcano* volcano : volcanoes) {
        if (volcano->doesSphereCollide(pos, r)) {
            return true;
        }
    }
    for (Object* object : otherStaticObjectsNoBuildings) {
        if (object->doesSphereCollide(pos, r)) {
            return true;
        }
    }
    for (size_t i = 0; i < buildings.size(); i++) {
        assert(buildings.at(i));
        if (buildings.at(i)->doesSphereCollide(pos, r)) {
            return true;
        }
    }
    for (IslandPortal* gate : islandPortals) {
        if (gate->doesSphereCollideWithSolid(pos, r)) {
            return true;
        }
    }
    return false;
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

IslandPortal* Island::getCollidingIslandPortal(Vector3D* pos, float r) {
    for (size_t i = 0; i < islandPortals.size(); i++) {
        assert(islandPortals.at(i));
        if (islandPortals.at(i)->doesSphereCollide(pos, r)) {
            return islandPortals.at(i);
        }
    }
    return nullptr;
}
