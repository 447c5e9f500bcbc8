// The island's factories: one call per placed thing, used by the levels and
// by the running game (spirits on every entry, drops, quest items).
#include <SDL.h>

#include <cassert>
#include <initializer_list>
#include <cstdio>

#include "GeneralMath/GeneralMath.h"
#include "Inventory/Shop.h"
#include "Island/Island.h"
#include "Island/IslandScenery.h"
#include "Object/Character/ForestSpirit/EnemyForestSpirit/EnemyForestSpirit.h"
#include "Object/HeightMap/GreyPicture.h"
#include "Object/HeightMap/HeightMap.h"
#include "Object/HoldableItem/HoldableItem.h"
#include "Object/StaticObject/StaticObject.h"
#include "TexturesMeshes/TexturesMeshes.h"

static void addMeshes(StaticObject* object, std::initializer_list<Mesh*> meshes) {
    for (Mesh* mesh : meshes) {
        object->addMesh(mesh);
    }
}

static void place(StaticObject* object, Vector3D pos, float angleDegrees, float collisionRadius,
                  float boundingRadius) {
    object->setPosition(pos);
    object->setRotationAngleDegrees(angleDegrees);
    object->setCollisionRadius(collisionRadius);
    object->setBoundingRadius(boundingRadius);
}

static void addHouseMeshes(StaticObject* object, TexturesMeshes* t) {
    addMeshes(object, {t->houseMainMesh, t->doorMesh, t->doorKnobMesh, t->chimneyMesh, t->houseRoofMesh});
}

// ---- buildings and props

void Island::createHouse(Vector3D pos, float angleDegrees) {
    StaticObject* house = new StaticObject();
    addHouseMeshes(house, texMesh);
    place(house, pos, angleDegrees, 5.0f, 12.0f);
    buildings.push_back(house);
}

void Island::createTreeHouse(Vector3D pos, float angleDegrees) {
    StaticObject* tree = new StaticObject();
    addMeshes(tree, {texMesh->treeHouseBaseMesh, texMesh->treeHouseLeavesMesh, texMesh->treeHousePorchMesh});
    place(tree, pos, angleDegrees, 5.6f, 30.0f);
    otherStaticObjectsNoBuildings.push_back(tree);
    // The hut's offset is in world terms: it does not turn with the tree.
    StaticObject* hut = new StaticObject();
    addHouseMeshes(hut, texMesh);
    place(hut, Vector3D(pos.x, pos.y + 18.0f, pos.z - 3.0f), angleDegrees, 5.5f, 12.0f);
    buildings.push_back(hut);
}

void Island::createPillar(Vector3D pos, float angleDegrees, bool large) {
    StaticObject* pillar = new StaticObject();
    pillar->addMesh(large ? texMesh->pillarMesh : texMesh->pillarSmallMesh);
    place(pillar, pos, angleDegrees, 2.5f, 2.5f);
    otherStaticObjectsNoBuildings.push_back(pillar);
}

void Island::createBasket(Vector3D pos, float angleDegrees) {
    StaticObject* basket = new StaticObject();
    addMeshes(basket, {texMesh->basketMesh, texMesh->stemsMesh, texMesh->applesMesh});
    place(basket, pos, angleDegrees, 1.3f, 1.3f);
    otherStaticObjectsNoBuildings.push_back(basket);
}

void Island::createStillForestSpirit(Vector3D pos, float angleDegrees, int kind) {
    TexturesMeshes* t = texMesh;
    StaticObject* figure = new StaticObject();
    switch (kind) {
    case 0:
    case 1: figure->addMesh(t->heroBodyAllyMesh); break;
    case 2: figure->addMesh(t->heroBodyMesh); break;
    case 3: figure->addMesh(t->heroBodyLadyMesh); break;
    case 4: figure->addMesh(t->enemyBodyBlackMesh); break;
    default: break;
    }
    addMeshes(figure, {t->heroEyesMesh, t->handsMesh, t->feetMesh});
    switch (kind) {
    case 0: figure->addMesh(t->crownMesh); break;
    case 1: addMeshes(figure, {t->crownLeavesMesh, t->crownMainMesh}); break;
    case 2: figure->addMesh(t->princessHatPinkMesh); break;
    case 3: addMeshes(figure, {t->circletGemRedMesh, t->circletMainMesh}); break;
    case 4: figure->addMesh(t->princessHatMesh); break;
    default: break;
    }
    figure->setPosition(pos);
    figure->setRotationAngleDegrees(angleDegrees);
    figure->setCollisionRadius(1.3f);
    otherStaticObjectsNoBuildings.push_back(figure);
}

void Island::createShop(Vector3D pos, float angleDegrees) {
    TexturesMeshes* t = texMesh;
    shopBuilding = new ShopStaticObject();
    addMeshes(shopBuilding, {t->shopMainMesh, t->shopDoorMesh, t->shopRoofMesh, t->shopChimneyMesh,
                             t->shopSignMesh, t->shopTableMesh, t->shopTeapotMesh});
    shopBuilding->setPosition(pos);
    shopBuilding->setRotationAngleDegrees(angleDegrees);
    // The small model of the shop shown on the shop screen.
    StaticObject* model = new StaticObject();
    addMeshes(model, {t->shopMainMesh, t->shopDoorMesh, t->shopRoofMesh, t->shopChimneyMesh, t->shopSignMesh});
    model->setPosition(Vector3D(0.0f, -5.0f, -20.0f));
    shop = new Shop(sounds);
    shop->setDisplayObject(model);
    shopBuilding->setCollisionRadius(6.0f);
    shopBuilding->setBoundingRadius(25.0f);
    buildings.push_back(shopBuilding);
}

void Island::createWall(Vector3D a, Vector3D b, float height) {
    Vector3D up(0.0f, height, 0.0f);
    Vector3D zero(0.0f, 0.0f, 0.0f);
    Vector3D aTop = a.add(&up);
    Vector3D bTop = b.add(&up);
    // Each triangle owns its own corners, so each is freed once.
    Polygon3D* first = new Polygon3D();
    first->addVertex(new Vertex(a, up, zero));
    first->addVertex(new Vertex(b, up, zero));
    first->addVertex(new Vertex(aTop, up, zero));
    Polygon3D* second = new Polygon3D();
    second->addVertex(new Vertex(b, up, zero));
    second->addVertex(new Vertex(aTop, up, zero));
    second->addVertex(new Vertex(bTop, up, zero));
    for (Polygon3D* triangle : {first, second}) {
        Wall* wall = new Wall();
        wall->setPolygon(triangle);
        walls.push_back(wall);
    }
}

// ---- spirits

void Island::createEnemyForestSpirit(Vector3D pos, bool aggressive, bool isBoss, Mesh* extra) {
    TexturesMeshes* t = texMesh;
    EnemyForestSpirit* spirit = new EnemyForestSpirit();
    assert(sounds);
    spirit->setSounds(sounds);
    spirit->setPosition(pos);
    spirit->setUp(Vector3D(0.0f, 1.0f, 0.0f));
    spirit->setCenter(Vector3D(pos.x, pos.y, pos.z + 1.0f));
    spirit->setFireballTexture(t->fireTexture);
    if (extra) {
        spirit->addMeshToExtras(extra);
        if (extra == t->crownMainMesh) {
            spirit->addMeshToExtras(t->crownLeavesMesh);
        }
    }
    Mesh* eyes = t->heroEyesMesh;
    Mesh* body = t->heroBodyAllyMesh;
    if (aggressive) {
        eyes = t->enemyEyesMesh;
        switch (worldType) {
        case GRASS_WORLD: body = t->enemyBodyMesh; break;
        case LAVA_WORLD: body = t->enemyBodyLavaMesh; break;
        case SNOW_WORLD: body = t->enemyBodyIceMesh; break;
        case MYSTIC_WORLD: body = index == 12 ? t->enemyBodyBlackMesh : t->enemyBodyGoldMesh; break;
        default: body = nullptr; break;
        }
    }
    spirit->setMeshes(eyes, body, t->leftFootMesh, t->rightFootMesh, t->leftArmMesh, t->rightArmMesh);
    spirit->setTexture(t->enemyTexture);
    spirit->setAggresive(aggressive);
    if (isBoss) {
        spirit->addMeshToExtras(t->princessHatMesh);
        spirit->setIsBoss(true);
    }
    spirit->setBoundingRadius(1.65f);
    forestSpirits.push_back(spirit);
}

// ---- items lying on the island

static HoldableItem* newItem(bool equippable, bool consumable, bool isMoney, int type,
                             std::initializer_list<Mesh*> meshes, float displayScale) {
    HoldableItem* item = new HoldableItem(equippable, consumable, isMoney, type);
    StaticObject* look = new StaticObject();
    addMeshes(look, meshes);
    item->setStaticObject(look);
    item->setDisplayScale(displayScale);
    return item;
}

static void putDown(HoldableItem* item, Vector3D pos, float raise, std::vector<HoldableItem*>& items,
                    std::vector<HoldableItem*>& islandItems) {
    pos.y += raise;
    item->setPosition(pos);
    items.push_back(item);
    islandItems.push_back(item);
}

void Island::createVialHoldableItem(TexturesMeshes*& t, std::vector<HoldableItem*>& items, Vector3D pos) {
    putDown(newItem(false, true, false, ITEM_VIAL, {t->vialMesh}, 0.3f), pos, 1.0f, items, islandHoldableItems);
}

void Island::createGloveHoldableItem(TexturesMeshes*& t, std::vector<HoldableItem*>& items, Vector3D pos) {
    putDown(newItem(true, false, false, ITEM_GAUNTLETS, {t->leftGloveMesh}, 0.3f), pos, 1.0f, items,
            islandHoldableItems);
}

void Island::createMoneyHoldableItem(TexturesMeshes*& t, std::vector<HoldableItem*>& items, Vector3D pos,
                                     int value) {
    HoldableItem* coin = newItem(false, false, true, ITEM_MONEY, {t->coinsMesh}, 0.3f);
    coin->setPrice(value);
    putDown(coin, pos, 0.6f, items, islandHoldableItems);
}

// ---- shop goods

static void stock(Shop* shop, HoldableItem* item, int price, std::vector<HoldableItem*>& items) {
    item->setPrice(price);
    items.push_back(item);
    shop->addItem(item);
}

void Island::createVialShopItem(TexturesMeshes*& t, int, std::vector<HoldableItem*>& items) {
    assert(shop != nullptr);
    stock(shop, newItem(false, true, false, ITEM_VIAL, {t->vialMesh}, 0.3f), 5, items);
}

void Island::createRingShopItem(TexturesMeshes*& t, int, std::vector<HoldableItem*>& items) {
    assert(shop != nullptr);
    stock(shop, newItem(true, false, false, ITEM_REGEN_RING, {t->ringMainMesh, t->ringGemMesh}, 0.5f), 100, items);
}

void Island::createHelmetShopItem(TexturesMeshes*& t, int, std::vector<HoldableItem*>& items) {
    assert(shop != nullptr);
    HoldableItem* helmet = newItem(true, false, false, ITEM_HELMET, {t->helmetMesh}, 0.3f);
    helmet->setPrice(100);
    helmet->setEnabledDrawing(false);
    items.push_back(helmet);
    shop->addItem(helmet);
}

void Island::createBootsShopItem(TexturesMeshes*& t, int, std::vector<HoldableItem*>& items) {
    assert(shop != nullptr);
    stock(shop, newItem(true, false, false, ITEM_BOOTS, {t->boots1Mesh, t->boots2Mesh}, 0.3f), 80, items);
}

void Island::createRichShopItem(TexturesMeshes*& t, int, std::vector<HoldableItem*>& items) {
    assert(shop != nullptr);
    stock(shop, newItem(false, true, false, ITEM_RICH, {t->iAmRichGemMesh}, 0.3f), 999, items);
}

// ---- quest items

void Island::addKingRecieveRingQuestItem() { addQuestPoint(Vector3D(78.5978f, 44.5306f, -103.045f), 2); }

void Island::addPrincessQuestItem(std::vector<Particle*>* particles, std::vector<HoldableItem*>& items) {
    const float x = 9.33125f, z = 74.2513f;
    float h = heightMap->getHeight(x, z);
    Vector3D questPosition(x, h + 5.0f, z);
    Vector3D itemPosition(x, h + 1.3f, z);
    for (int k = 0; k < 200; k++) {
        Particle* particle = new DissolveParticle(&itemPosition);
        particle->setTexture(texMesh->ladyTexture);
        particles->push_back(particle);
    }
    addQuestPoint(questPosition, 3);
    TexturesMeshes* t = texMesh;
    HoldableItem* princess = newItem(false, false, false, ITEM_PRINCESS,
                                     {t->heroBodyMesh, t->handsMesh, t->feetMesh, t->heroEyesMesh, t->circletMainMesh,
                                      t->circletGemGreenMesh, t->eyelashesMesh},
                                     0.2f);
    princess->setPosition(itemPosition);
    items.push_back(princess);
    princess->getStaticObject()->setRotationAngleDegrees(180.0f);
    islandHoldableItems.push_back(princess);
}

// ---- gold

// A broken overlay costs the island its coins, not the game.
static void reportMoneyOverlay(const char* path, const char* problem) {
    std::fprintf(stderr, "Money overlay \"%s\": %s; no gold is placed\n", path, problem);
    std::fflush(stderr);
}

void Island::loadGold(const char* path, std::vector<HoldableItem*>& items, TexturesMeshes*& t) {
    GreyPicture picture(path);
    const SDL_Surface* bmpFile = picture.surface();
    if (bmpFile == nullptr) {
        reportMoneyOverlay(path, picture.problem().c_str());
        return;
    }
    assert(bmpFile->w >= heightMap->getSize());
    float size = (float)heightMap->getSize();
    bool placing = true;
    for (int c = 0; placing && (float)c < size; c++) {
        for (int r = 0; (float)r < size; r++) {
            // Rows the image does not have count as empty.
            if (picture.at(c, r) == 0) {
                continue;
            }
            float x = (float)c - 0.5f * size;
            float z = (float)r - 0.5f * size;
            float h = heightMap->getHeight(x, z);
            if (h == UNDEFINED_HEIGHT) {
                placing = false;
                break;
            }
            createMoneyHoldableItem(t, items, Vector3D(x, h, z), GeneralMath::getRandomNumber(5, 50));
        }
    }
}
