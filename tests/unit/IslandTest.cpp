#include <gtest/gtest.h>

#include <SDL.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "Controller/Controller.h"
#include "GeneralMath/GeneralMath.h"
#include "Inventory/Shop.h"
#include "Island/Island.h"
#include "Island/IslandScenery.h"
#include "Mesh/Mesh.h"
#include "Object/Character/ForestSpirit/EnemyForestSpirit/EnemyForestSpirit.h"
#include "Object/HeightMap/HeightMap.h"
#include "Object/HoldableItem/HoldableItem.h"
#include "Object/Missile/PortalMissile/PortalMissile.h"
#include "Object/Portal/IslandPortal/IslandPortal.h"
#include "Particle/Particle.h"
#include "support/GameFolder.h"
#include "support/VectorExpect.h"

namespace {

// One world for the whole suite, on flat ground at height 1 and without
// overlays: what the levels place does not depend on the terrain's shape.
// Island 2 has a strip without ground, columns 150 to 159 (world x 50 to
// 59). Tests that change an island put it back as they found it.
class IslandTest : public ::testing::Test {
protected:
    static GameFolder* folder;
    static Controller* controller;

    static void SetUpTestSuite() {
        folder = new GameFolder([](int island, int i, int) -> uint8_t {
            return island == 2 && i >= 150 && i < 160 ? 0 : 5;
        });
        testing::internal::CaptureStdout();
        testing::internal::CaptureStderr();
        controller = keepForTheProcess(new Controller());
        testing::internal::GetCapturedStdout();
        testing::internal::GetCapturedStderr();
    }
    static void TearDownTestSuite() {
        delete folder;
        folder = nullptr;
    }
    void TearDown() override {
        for (Particle* particle : controller->particles) delete particle;
        controller->particles.clear();
    }

    Island& island(int index) { return *controller->islands[index]; }
    TexturesMeshes& meshes() { return controller->texturesMeshes; }

    // A fresh set of spirits, as on entering the island.
    Island& entered(int index) {
        island(index).killAllEnemies();
        island(index).spawnEnemies();
        return island(index);
    }

    bool hit(Island& target, Vector3D at) {
        Vector3D still(0.0f, 0.0f, 0.0f), up(0.0f, 1.0f, 0.0f);
        PortalMissile missile(&at, &still, &up);
        return target.checkIfMissileHitsEnemys(&missile, controller->particles, controller->allHoldableItems);
    }

    // The shop, its small model and its building, as the island would free
    // them; the building stays in the island's list for the caller.
    static void removeShop(Island& island) {
        delete island.shop->itemCollection.displayObject;
        delete island.shop;
        delete island.shopBuilding;
        island.shop = nullptr;
        island.shopBuilding = nullptr;
    }

    static int countWithMesh(const std::vector<StaticObject*>& objects, Mesh* first) {
        int n = 0;
        for (StaticObject* object : objects)
            if (!object->meshes.empty() && object->meshes.front() == first) n++;
        return n;
    }
    static int countWithMesh(const std::vector<Object*>& objects, Mesh* first) {
        int n = 0;
        for (Object* object : objects) {
            StaticObject* s = dynamic_cast<StaticObject*>(object);
            if (s && !s->meshes.empty() && s->meshes.front() == first) n++;
        }
        return n;
    }
};

GameFolder* IslandTest::folder = nullptr;
Controller* IslandTest::controller = nullptr;

// What each level places, counted by kind; spirits as spawned on entry.
TEST_F(IslandTest, EachIslandHoldsItsLevel) {
    struct Counts {
        int houses, treeHouses, pillars, baskets, stillSpirits, allies, enemies, water, volcanoes, walls, quests,
            planes, items, goods;
        bool shop, waterfall;
        int worldType;
        Vector3D start;
    };
    const Vector3D village(5.789f, 6.3f, -0.786f), west(-96.0f, 6.3f, -16.2075f);
    const Counts expected[13] = {
        // hs th pi ba st al en wa vo wl qu pl it go shop   fall
        {6, 1, 0, 5, 1, 5, 0, 0, 0, 0, 1, 1, 0, 5, true, false, GRASS_WORLD, village},
        {0, 0, 5, 0, 0, 0, 6, 1, 0, 0, 0, 0, 1, 0, false, true, GRASS_WORLD, village},
        {0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, false, false, GRASS_WORLD, village},
        {0, 0, 0, 0, 0, 0, 2, 0, 0, 0, 0, 0, 0, 0, false, false, GRASS_WORLD, west},
        {0, 0, 0, 0, 1, 0, 1, 2, 0, 0, 1, 0, 0, 0, false, true, GRASS_WORLD, west},
        {13, 5, 11, 5, 1, 9, 0, 0, 0, 0, 1, 3, 0, 4, true, false, GRASS_WORLD, west},
        {1, 0, 0, 0, 0, 0, 2, 0, 0, 0, 0, 0, 0, 0, false, false, SNOW_WORLD, west},
        {0, 0, 0, 0, 0, 0, 3, 1, 0, 10, 0, 0, 1, 0, false, true, SNOW_WORLD, west},
        {1, 0, 0, 0, 0, 0, 2, 1, 0, 0, 0, 0, 0, 0, false, true, SNOW_WORLD, west},
        {0, 0, 0, 0, 0, 0, 6, 1, 6, 0, 0, 0, 1, 0, false, false, LAVA_WORLD, Vector3D(-0.793974f, 18.9255f, 160.49f)},
        {0, 0, 0, 0, 0, 0, 3, 1, 2, 0, 0, 0, 0, 0, false, false, LAVA_WORLD, Vector3D(-8.61068f, 16.4276f, 25.7749f)},
        {6, 1, 0, 0, 0, 0, 5, 0, 0, 0, 0, 0, 0, 5, true, false, MYSTIC_WORLD, west},
        {0, 0, 0, 0, 0, 0, 0, 0, 0, 78, 1, 0, 0, 0, false, false, MYSTIC_WORLD, west},
    };
    TexturesMeshes& t = meshes();
    for (int i = 0; i < 13; i++) {
        SCOPED_TRACE("island " + std::to_string(i));
        Island& is = entered(i);
        const Counts& e = expected[i];
        int huts = countWithMesh(is.otherStaticObjectsNoBuildings, t.treeHouseBaseMesh);
        EXPECT_EQ(countWithMesh(is.buildings, t.houseMainMesh) - huts, e.houses);
        EXPECT_EQ(huts, e.treeHouses);
        EXPECT_EQ(countWithMesh(is.otherStaticObjectsNoBuildings, t.pillarMesh) +
                      countWithMesh(is.otherStaticObjectsNoBuildings, t.pillarSmallMesh),
                  e.pillars);
        EXPECT_EQ(countWithMesh(is.otherStaticObjectsNoBuildings, t.basketMesh), e.baskets);
        EXPECT_EQ(countWithMesh(is.otherStaticObjectsNoBuildings, t.heroBodyAllyMesh) +
                      countWithMesh(is.otherStaticObjectsNoBuildings, t.heroBodyLadyMesh),
                  e.stillSpirits);
        int allies = 0, enemies = 0;
        for (EnemyForestSpirit* spirit : is.forestSpirits) (spirit->getAggressive() ? enemies : allies)++;
        EXPECT_EQ(allies, e.allies);
        EXPECT_EQ(enemies, e.enemies);
        EXPECT_EQ((int)is.waterPlanes.size(), e.water);
        EXPECT_EQ((int)is.volcanoes.size(), e.volcanoes);
        EXPECT_EQ((int)is.walls.size(), e.walls);
        EXPECT_EQ((int)is.questPoints.size(), e.quests);
        EXPECT_EQ((int)is.texturePlanes.size(), e.planes);
        EXPECT_EQ((int)is.islandHoldableItems.size(), e.items);
        EXPECT_EQ(is.shop != nullptr, e.shop);
        EXPECT_EQ(is.shopBuilding != nullptr, e.shop);
        EXPECT_EQ(is.shop ? (int)is.shop->itemCollection.holdableItems.size() : 0, e.goods);
        EXPECT_EQ(is.waterfall != nullptr, e.waterfall);
        EXPECT_EQ(is.getWorldType(), e.worldType);
        EXPECT_EQ(is.getHeightMap()->getSize(), (float)GameFolder::side(i));
        EXPECT_TRUE(vectorNear(is.getHeroInitialPosition(), e.start));
        int gates = 0;
        for (int g = 0; g < ISLAND_PORTAL_COUNT; g++) gates += controller->islandPortals[g]->getIslandIndex() == i;
        EXPECT_EQ((int)is.islandPortals.size(), gates);
    }
    EXPECT_EQ(island(1).waterPlanes.front()->height, 2.5f);
    EXPECT_EQ(island(11).shop->itemCollection.holdableItems.at(1)->itemType, ITEM_VIAL);
    EXPECT_EQ(island(11).shop->itemCollection.holdableItems.at(4)->itemType, ITEM_VIAL);
}

// The octree culls only gates, trees, flowers, buildings and volcanoes.
TEST_F(IslandTest, TheOctreeHoldsOnlyWhatItCulls) {
    for (int i : {0, 7, 9, 12}) {
        Island& is = island(i);
        size_t expected = is.islandPortals.size() + is.buildings.size() + is.volcanoes.size() +
                          is.nature->getProceduralTrees()->size() + is.nature->getFlowers()->size();
        EXPECT_EQ(is.octree.objects.size(), expected) << "island " << i;
    }
}

TEST_F(IslandTest, IslandsTwoAndTwelveSpawnNoSpirits) {
    Island& castle = island(12);
    castle.createBoss();
    EXPECT_EQ(castle.forestSpirits.size(), 1u);
    EXPECT_TRUE(entered(12).forestSpirits.empty());
    EXPECT_TRUE(entered(2).forestSpirits.empty());
}

// Spawned spirits stand where the tables put them, dressed as listed.
TEST_F(IslandTest, SpiritsWearTheirExtrasAndTheirIslandsBodies) {
    TexturesMeshes& t = meshes();
    Island& town = entered(5);
    std::vector<Mesh*>* crowned = town.forestSpirits.at(1)->getExtras();
    ASSERT_EQ(crowned->size(), 2u);
    EXPECT_EQ(crowned->at(0), t.crownMainMesh);
    EXPECT_EQ(crowned->at(1), t.crownLeavesMesh);
    EXPECT_EQ(town.forestSpirits.at(2)->getExtras()->size(), 1u);
    EXPECT_EQ(town.forestSpirits.at(0)->getTexture(), t.allyTexture);
    EXPECT_TRUE(vectorNear(town.forestSpirits.at(0)->getPosition(), Vector3D(-100.0f, 10.0f, -40.0f)));
    EXPECT_TRUE(vectorNear(town.forestSpirits.at(0)->getCenter(), Vector3D(-100.0f, 10.0f, -39.0f)));

    // The body an enemy gets depends on its island's world.
    const struct {
        int island;
        Mesh* body;
    } bodies[] = {{1, t.enemyBodyMesh}, {6, t.enemyBodyIceMesh}, {9, t.enemyBodyLavaMesh},
                  {11, t.enemyBodyGoldMesh}, {12, t.enemyBodyBlackMesh}};
    for (const auto& b : bodies) {
        Island& is = island(b.island);
        is.createEnemyForestSpirit(Vector3D(0, 5, 0), true, false, nullptr);
        EXPECT_EQ(is.forestSpirits.back()->getTexture(), b.body->getTexture()) << "island " << b.island;
        entered(b.island);
    }
    Island& seven = entered(7);
    EXPECT_TRUE(vectorNear(seven.forestSpirits.at(0)->getPosition(), seven.forestSpirits.at(1)->getPosition()));
    entered(12);
}

TEST_F(IslandTest, AMissileHitsASpiritCloserThanTwoPointOneFive) {
    Island& two = island(2);
    two.createEnemyForestSpirit(Vector3D(0.0f, 0.0f, 0.0f), true, false, nullptr);
    EXPECT_FALSE(hit(two, Vector3D(2.15f, 0.0f, 0.0f)));
    EXPECT_FALSE(hit(two, Vector3D(0.0f, -2.15f, 0.0f)));
    EXPECT_EQ(two.forestSpirits.size(), 1u);
    EXPECT_TRUE(controller->particles.empty());
    EXPECT_TRUE(hit(two, Vector3D(0.0f, 2.149f, 0.0f)));
    EXPECT_TRUE(two.forestSpirits.empty());
    EXPECT_EQ(controller->particles.size(), 200u);
    for (Particle* particle : controller->particles) EXPECT_EQ(particle->texture, meshes().enemyExplodeTexture);
    ASSERT_EQ(two.islandHoldableItems.size(), 1u);
    EXPECT_FLOAT_EQ(two.islandHoldableItems[0]->getPosition().y - (two.islandHoldableItems[0]->getIsMoney() ? 0.6f : 1.0f),
                    1.2f);
    two.islandHoldableItems.clear();
}

// Every fatal hit draws its roll first: 1 to 4 drop a coin worth 1 to 14,
// 5 a vial, both over the ground under the spirit (here at height 1).
TEST_F(IslandTest, AFallenSpiritDropsByItsRoll) {
    int coins = 0, vials = 0;
    for (unsigned seed = 1; seed <= 40; seed++) {
        srand(seed);
        int roll = GeneralMath::getRandomNumber(1, 6);
        int worth = GeneralMath::getRandomNumber(1, 15);
        Island& one = entered(1);
        Vector3D at = one.forestSpirits.at(2)->getPosition();
        size_t items = one.islandHoldableItems.size();
        srand(seed);
        ASSERT_TRUE(hit(one, at));
        ASSERT_EQ(one.islandHoldableItems.size(), items + 1);
        HoldableItem* drop = one.islandHoldableItems.back();
        EXPECT_EQ(controller->allHoldableItems.back(), drop);
        if (roll <= 4) {
            coins++;
            EXPECT_TRUE(drop->getIsMoney());
            EXPECT_EQ(drop->getValue(), worth);
            EXPECT_TRUE(vectorNear(drop->getPosition(), Vector3D(at.x, 1.0f + 0.2f + 0.6f, at.z)));
        } else {
            vials++;
            EXPECT_EQ(drop->itemType, ITEM_VIAL);
            EXPECT_TRUE(vectorNear(drop->getPosition(), Vector3D(at.x, 1.0f + 0.2f + 1.0f, at.z)));
        }
        one.islandHoldableItems.pop_back();
        TearDown();
    }
    EXPECT_GT(coins, 0);
    EXPECT_GT(vials, 0);
    entered(1);
}

TEST_F(IslandTest, KillingAnAllyTurnsTheOthersHostile) {
    Island& town = entered(5);
    Vector3D first = town.forestSpirits.front()->getPosition();
    ASSERT_TRUE(hit(town, first));
    EXPECT_EQ(controller->particles.front()->texture, meshes().allyExplodeTexture);
    ASSERT_EQ(town.forestSpirits.size(), 8u);
    for (EnemyForestSpirit* spirit : town.forestSpirits) EXPECT_TRUE(spirit->getAggressive());
    town.islandHoldableItems.clear();

    Island& one = entered(1);
    one.forestSpirits.at(1)->setAggresive(false);
    ASSERT_TRUE(hit(one, one.forestSpirits.front()->getPosition()));
    EXPECT_FALSE(one.forestSpirits.front()->getAggressive());
    entered(1);
    entered(5);
}

// The boss lives through twelve hits and falls to the thirteenth, leaving
// the princess and her quest point instead of gold.
TEST_F(IslandTest, TheBossFallsOnTheThirteenthHit) {
    Island& castle = entered(12);
    castle.createBoss();
    EnemyForestSpirit* boss = castle.forestSpirits.front();
    EXPECT_TRUE(boss->getIsBoss());
    EXPECT_TRUE(boss->getAggressive());
    EXPECT_EQ(boss->getExtras()->back(), meshes().princessHatMesh);
    Vector3D at = boss->getPosition();
    float red = boss->getBodyColor().getRed();
    for (int k = 1; k <= 12; k++) {
        ASSERT_TRUE(hit(castle, at));
        ASSERT_EQ(castle.forestSpirits.size(), 1u) << "hit " << k;
        EXPECT_NEAR(boss->getBodyColor().getRed(), red + k / 13.0f, 1e-5f) << "hit " << k;
    }
    EXPECT_TRUE(controller->particles.empty());
    size_t items = controller->allHoldableItems.size();
    ASSERT_TRUE(hit(castle, at));
    EXPECT_TRUE(castle.forestSpirits.empty());
    ASSERT_EQ(controller->allHoldableItems.size(), items + 1);
    HoldableItem* princess = castle.islandHoldableItems.back();
    EXPECT_EQ(princess->itemType, ITEM_PRINCESS);
    EXPECT_TRUE(vectorNear(princess->getPosition(), Vector3D(9.33125f, 1.0f + 1.3f, 74.2513f)));
    EXPECT_EQ(princess->getStaticObject()->getRotationAngleDegrees(), 180.0f);
    ASSERT_EQ(castle.questPoints.size(), 2u);
    EXPECT_EQ(castle.questPoints.back()->getId(), PRINCESS_QUEST);
    EXPECT_TRUE(vectorNear(castle.questPoints.back()->getPosition(), Vector3D(9.33125f, 6.0f, 74.2513f)));
    EXPECT_EQ(controller->particles.size(), 400u);
    delete castle.removeQuestItem(PRINCESS_QUEST);
    castle.islandHoldableItems.pop_back();
}

TEST_F(IslandTest, EveryItemWithinFiveIsPickedUpAtOnce) {
    Island& two = island(2);
    TexturesMeshes* t = &meshes();
    // Vials stand 1 above the point given.
    two.createVialHoldableItem(t, controller->allHoldableItems, Vector3D(50.0f, -1.0f, 0.0f));   // 5.0 away
    two.createVialHoldableItem(t, controller->allHoldableItems, Vector3D(52.0f, -1.0f, 0.0f));   // 3.0
    two.createVialHoldableItem(t, controller->allHoldableItems, Vector3D(60.01f, -1.0f, 0.0f));  // 5.01
    two.createVialHoldableItem(t, controller->allHoldableItems, Vector3D(55.0f, -1.0f, 0.0f));   // 0
    std::vector<HoldableItem*> placed = two.islandHoldableItems;
    controller->hero.setPosition(Vector3D(55.0f, 0.0f, 0.0f));
    // The first in list order within reach, not the closest.
    EXPECT_EQ(two.getNearItem(&controller->hero), placed[0]);
    Vector3D hero = controller->hero.getPosition();
    size_t carried = controller->inventoryScreen.itemCollection.holdableItems.size();
    two.pickUpItems(controller, &hero);
    ASSERT_EQ(two.islandHoldableItems.size(), 1u);
    EXPECT_EQ(two.islandHoldableItems[0], placed[2]);
    EXPECT_EQ(controller->inventoryScreen.itemCollection.holdableItems.size(), carried + 3);
    EXPECT_EQ(two.getNearItem(&controller->hero), nullptr);
    two.islandHoldableItems.clear();
}

TEST_F(IslandTest, TheShopIsNearWithinTen) {
    Island& two = island(2);
    Hero& hero = controller->hero;
    hero.setPosition(Vector3D(6.0f, 1.0f, 8.0f));
    EXPECT_FALSE(two.isNearShop(&hero));
    two.createShop(Vector3D(0.0f, 1.0f, 0.0f), 0.0f);
    EXPECT_TRUE(two.isNearShop(&hero));
    hero.setPosition(Vector3D(6.0f, 1.0f, 8.01f));
    EXPECT_FALSE(two.isNearShop(&hero));
    EXPECT_TRUE(island(0).isNearShop(&hero) == false);
    removeShop(two);
    two.buildings.clear();
}

// Island 4's lower lake is its second plane; only the first counts.
TEST_F(IslandTest, OnlyTheFirstWaterPlaneCountsForUnderWater) {
    Island& four = island(4);
    ASSERT_EQ(four.waterPlanes.size(), 2u);
    float first = four.waterPlanes[0]->height, second = four.waterPlanes[1]->height;
    ASSERT_NE(first, second);
    Vector3D between(0.0f, (first + second) / 2 + 1.0f, 0.0f);
    EXPECT_EQ(four.isUnderwater(&between, 1.0f), four.waterPlanes[0]->isInWater(&between, 1.0f));
    EXPECT_NE(four.isUnderwater(&between, 1.0f), four.waterPlanes[1]->isInWater(&between, 1.0f));
    Vector3D dry(0.0f, -30.0f, 0.0f);
    EXPECT_FALSE(island(2).isUnderwater(&dry, 1.0f));
}

TEST_F(IslandTest, AQuestPointLeavesTheIslandIntoTheCallersHands) {
    Island& five = island(5);
    ASSERT_EQ(five.removeQuestItem(PRINCESS_QUEST), nullptr);
    EXPECT_EQ(five.questPoints.size(), 1u);
    five.addKingRecieveRingQuestItem();
    five.addKingRecieveRingQuestItem();
    QuestPoint* taken = five.removeQuestItem(KING_RETURN_QUEST);
    ASSERT_NE(taken, nullptr);
    EXPECT_EQ(taken->getId(), KING_RETURN_QUEST);
    ASSERT_EQ(five.questPoints.size(), 2u);
    EXPECT_EQ(five.questPoints.back()->getId(), KING_RETURN_QUEST);
    EXPECT_NE(five.questPoints.back(), taken);
    delete taken;
    delete five.removeQuestItem(KING_RETURN_QUEST);
    // The king's quest point answers within 8 of the hero.
    Vector3D nearKing(78.5978f, 44.5306f + 7.9f, -103.045f);
    EXPECT_EQ(five.getQuestPoint(&nearKing, 0.0f), five.questPoints.front());
}

// A probe touching objects of two groups answers the earlier group: props
// before spirits before walls; the segment test never sees spirits and the
// portal test sees neither spirits nor walls.
TEST_F(IslandTest, QueriesAnswerTheFirstGroupTouched) {
    Island& home = entered(0);
    Object* basket = home.otherStaticObjectsNoBuildings.at(1);
    Vector3D at = basket->getPosition();
    home.createEnemyForestSpirit(Vector3D(at.x - 2.0f, at.y, at.z), true, false, nullptr);
    EnemyForestSpirit* spirit = home.forestSpirits.back();
    Vector3D probe(at.x - 1.0f, at.y, at.z);
    EXPECT_EQ(home.doesSphereCollideWithObject(&probe, 0.5f), basket);
    EXPECT_EQ(home.doesSphereCollideWithForrestSpirit(&probe, 0.5f), spirit);
    Vector3D beside(at.x - 4.0f, at.y, at.z);
    EXPECT_EQ(home.doesSphereCollideWithObject(&beside, 0.5f), spirit);
    EXPECT_FALSE(home.doesPortalIntersectObjects(&beside, 0.5f));
    Vector3D a(at.x - 3.0f, at.y, at.z - 5.0f), b(at.x - 3.0f, at.y, at.z + 5.0f);
    EXPECT_EQ(home.doesLineCollideWithObjects(&a, &b), nullptr);
    entered(0);

    // The cave's walls on island 7, with a spirit standing on one.
    Island& seven = entered(7);
    Vector3D wallMiddle(37.1575f, 15.0f, 78.1432f);
    seven.createEnemyForestSpirit(Vector3D(36.8f, 15.0f, 77.8f), true, false, nullptr);
    Object* hitObject = seven.doesSphereCollideWithObject(&wallMiddle, 0.5f);
    EXPECT_EQ(hitObject, seven.forestSpirits.back());
    seven.killAllEnemies();
    hitObject = seven.doesSphereCollideWithObject(&wallMiddle, 0.5f);
    EXPECT_TRUE(hitObject == seven.walls[0] || hitObject == seven.walls[1]);
    EXPECT_FALSE(seven.doesPortalIntersectObjects(&wallMiddle, 0.5f));
    Vector3D inFront(30.0f, 15.0f, 85.0f), behind(45.0f, 15.0f, 70.0f);
    EXPECT_EQ(seven.doesLineCollideWithObjects(&inFront, &behind), seven.walls[0]);
    entered(7);
}

// What each factory builds: its radii, the price and the flags of its goods.
TEST_F(IslandTest, FactoriesGiveTheirRadiiAndPrices) {
    Island& two = island(2);
    TexturesMeshes* t = &meshes();
    two.createHouse(Vector3D(1, 2, 3), 40);
    two.createTreeHouse(Vector3D(1, 2, 3), 90);
    two.createPillar(Vector3D(1, 2, 3), 0, true);
    two.createPillar(Vector3D(1, 2, 3), 0, false);
    two.createBasket(Vector3D(1, 2, 3), 0);
    two.createStillForestSpirit(Vector3D(1, 2, 3), 0, 9);
    two.createShop(Vector3D(1, 2, 3), 0);
    struct Built {
        Object* object;
        float collision, bounding;
        Vector3D position;
        const char* what;
    };
    const Built built[] = {
        {two.buildings.at(0), 5.0f, 12.0f, Vector3D(1, 2, 3), "house"},
        {two.otherStaticObjectsNoBuildings.at(0), 5.6f, 30.0f, Vector3D(1, 2, 3), "tree house"},
        {two.buildings.at(1), 5.5f, 12.0f, Vector3D(1, 20, 0), "hut, not turned with its tree"},
        {two.otherStaticObjectsNoBuildings.at(1), 2.5f, 2.5f, Vector3D(1, 2, 3), "pillar"},
        {two.otherStaticObjectsNoBuildings.at(2), 2.5f, 2.5f, Vector3D(1, 2, 3), "small pillar"},
        {two.otherStaticObjectsNoBuildings.at(3), 1.3f, 1.3f, Vector3D(1, 2, 3), "basket"},
        {two.otherStaticObjectsNoBuildings.at(4), 1.3f, 4.0f, Vector3D(1, 2, 3), "still spirit"},
        {two.buildings.at(2), 6.0f, 25.0f, Vector3D(1, 2, 3), "shop"},
    };
    for (const Built& b : built) {
        EXPECT_EQ(b.object->getCollisionRadius(), b.collision) << b.what;
        EXPECT_EQ(b.object->getBoundingRadius(), b.bounding) << b.what;
        EXPECT_TRUE(vectorNear(b.object->getPosition(), b.position)) << b.what;
    }
    EXPECT_EQ(two.shopBuilding, two.buildings.at(2));
    // A still spirit of an unknown kind has no body and no head wear.
    StaticObject* figure = (StaticObject*)two.otherStaticObjectsNoBuildings.at(4);
    EXPECT_EQ(figure->meshes, (std::vector<Mesh*>{t->heroEyesMesh, t->handsMesh, t->feetMesh}));

    std::vector<HoldableItem*>& all = controller->allHoldableItems;
    two.createVialShopItem(t, 30, all);
    two.createRingShopItem(t, 30, all);
    two.createBootsShopItem(t, 30, all);
    two.createHelmetShopItem(t, 30, all);
    two.createRichShopItem(t, 30, all);
    struct Good {
        int type, price;
        bool equippable, consumable, drawn;
    };
    const Good goods[] = {{ITEM_VIAL, 5, false, true, true},
                          {ITEM_REGEN_RING, 100, true, false, true},
                          {ITEM_BOOTS, 80, true, false, true},
                          {ITEM_HELMET, 100, true, false, false},
                          {ITEM_RICH, 999, false, true, true}};
    std::vector<HoldableItem*>& stock = two.shop->itemCollection.holdableItems;
    ASSERT_EQ(stock.size(), 5u);
    for (int k = 0; k < 5; k++) {
        SCOPED_TRACE("good " + std::to_string(k));
        EXPECT_EQ(stock[k]->itemType, goods[k].type);
        EXPECT_EQ(stock[k]->getValue(), goods[k].price);
        EXPECT_EQ(stock[k]->isEquippable(), goods[k].equippable);
        EXPECT_EQ(stock[k]->isConsumable(), goods[k].consumable);
        EXPECT_EQ(stock[k]->getStaticObject()->isEnabledDrawing(), goods[k].drawn);
        EXPECT_EQ(all[all.size() - 5 + k], stock[k]);
    }
    EXPECT_TRUE(two.islandHoldableItems.empty());
    t->helmetMesh->enableDrawing(false);

    // Items lying on the ground stand above the point given.
    two.createMoneyHoldableItem(t, all, Vector3D(0, 1, 0), 7);
    two.createVialHoldableItem(t, all, Vector3D(0, 1, 0));
    two.createGloveHoldableItem(t, all, Vector3D(0, 1, 0));
    ASSERT_EQ(two.islandHoldableItems.size(), 3u);
    EXPECT_EQ(two.islandHoldableItems[0]->getPosition().y, 1.6f);
    EXPECT_EQ(two.islandHoldableItems[0]->getValue(), 7);
    EXPECT_EQ(two.islandHoldableItems[1]->getPosition().y, 2.0f);
    EXPECT_EQ(two.islandHoldableItems[2]->getPosition().y, 2.0f);
    EXPECT_EQ(two.islandHoldableItems[2]->itemType, ITEM_GAUNTLETS);

    // Put island 2 back as its level left it.
    two.islandHoldableItems.clear();
    for (StaticObject* building : two.buildings)
        if (building != two.shopBuilding) delete building;
    removeShop(two);
    for (Object* object : two.otherStaticObjectsNoBuildings) delete object;
    two.buildings.clear();
    two.otherStaticObjectsNoBuildings.clear();
}

// One call makes one panel of two triangles, reaching `height` above both
// ends.
TEST_F(IslandTest, AWallIsAPanelOfTwoTriangles) {
    Island& two = island(2);
    two.createWall(Vector3D(0, 0, 0), Vector3D(10, 0, 0), 5);
    ASSERT_EQ(two.walls.size(), 2u);
    const Vector3D corners[2][3] = {{{0, 0, 0}, {10, 0, 0}, {0, 5, 0}}, {{10, 0, 0}, {0, 5, 0}, {10, 5, 0}}};
    for (int w = 0; w < 2; w++) {
        Polygon3D* triangle = two.walls[w]->polygon;
        ASSERT_EQ(triangle->vertices.size(), 3u);
        for (int k = 0; k < 3; k++) EXPECT_TRUE(vectorNear(triangle->getPoint(k), corners[w][k]));
        EXPECT_EQ(two.walls[w]->getCollisionRadius(), 0.0f);
    }
    Vector3D front(5, 2, 3), back(5, 2, -3), above(5, 6, 3), aboveBack(5, 6, -3);
    EXPECT_NE(two.doesLineCollideWithObjects(&front, &back), nullptr);
    EXPECT_EQ(two.doesLineCollideWithObjects(&above, &aboveBack), nullptr);
    for (Wall* wall : two.walls) {
        delete wall->polygon;
        delete wall;
    }
    two.walls.clear();
}

// Coins are read column by column; the first coin over no ground ends the
// scan. A broken overlay names itself once and places nothing.
TEST_F(IslandTest, GoldComesFromTheMoneyOverlay) {
    Island& two = island(2);  // flat ground, 200 samples a side
    TexturesMeshes* t = &meshes();
    std::vector<HoldableItem*>& all = controller->allHoldableItems;
    auto write = [&](const char* name, int w, int h, int bits, std::vector<std::pair<int, int>> coins) {
        SDL_Surface* image = SDL_CreateRGBSurface(SDL_SWSURFACE, w, h, bits, 0, 0, 0, 0);
        SDL_LockSurface(image);
        for (auto c : coins) ((Uint8*)image->pixels)[c.first * (bits / 8) + c.second * image->pitch] = 9;
        SDL_UnlockSurface(image);
        SDL_SaveBMP(image, name);
        SDL_FreeSurface(image);
    };
    // Column 155 lies over no ground: the scan ends there.
    write("coins.bmp", 200, 200, 8, {{10, 20}, {3, 150}, {155, 0}, {170, 5}, {5, 30}});
    srand(3);
    std::vector<int> worths;
    for (int k = 0; k < 3; k++) worths.push_back(GeneralMath::getRandomNumber(5, 50));
    srand(3);
    testing::internal::CaptureStderr();
    two.loadGold("coins.bmp", all, t);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    ASSERT_EQ(two.islandHoldableItems.size(), 3u);
    const Vector3D expected[3] = {{-97, 1.6f, 50}, {-95, 1.6f, -70}, {-90, 1.6f, -80}};
    for (int k = 0; k < 3; k++) {
        EXPECT_TRUE(vectorNear(two.islandHoldableItems[k]->getPosition(), expected[k]));
        EXPECT_EQ(two.islandHoldableItems[k]->getValue(), worths[k]);
    }
    two.islandHoldableItems.clear();

    // Rows the image does not have count as empty.
    write("short.bmp", 200, 40, 8, {{7, 39}});
    two.loadGold("short.bmp", all, t);
    ASSERT_EQ(two.islandHoldableItems.size(), 1u);
    EXPECT_TRUE(vectorNear(two.islandHoldableItems[0]->getPosition(), Vector3D(-93, 1.6f, -61)));
    two.islandHoldableItems.clear();

    write("colour.bmp", 200, 200, 24, {{7, 7}});
    const struct {
        const char* file;
        const char* problem;
    } broken[] = {{"missing.bmp", "cannot be opened"}, {"colour.bmp", "not an 8-bit image"}};
    for (const auto& b : broken) {
        testing::internal::CaptureStderr();
        two.loadGold(b.file, all, t);
        std::string said = testing::internal::GetCapturedStderr();
        EXPECT_NE(said.find(std::string("Money overlay \"") + b.file + "\""), std::string::npos) << said;
        EXPECT_NE(said.find(b.problem), std::string::npos) << said;
        EXPECT_EQ(std::count(said.begin(), said.end(), '\n'), 1) << said;
        EXPECT_TRUE(two.islandHoldableItems.empty());
    }
}

}  // namespace

namespace {

// An island frees all it made: its terrain and plants, buildings, props,
// shop, walls, water, volcanoes, quest points and spirits. The gates stay
// with the controller, and the items, on the ground or in the shop, with
// the world item list.
TEST_F(IslandTest, AnIslandFreesWhatItMade) {
    for (int index : {0, 7, 9, 12}) {
        std::vector<HoldableItem*> items;
        Island* island = new Island(&meshes(), items, index, controller->islandPortals, &controller->sounds);
        island->createBoss();
        island->addKingRecieveRingQuestItem();
        std::vector<HoldableItem*> lying = island->islandHoldableItems;
        size_t goods = island->shop ? island->shop->itemCollection.holdableItems.size() : 0;
        EXPECT_EQ(items.size(), lying.size() + goods);
        delete island;
        for (HoldableItem* item : items) delete item;
    }
    for (int g = 0; g < ISLAND_PORTAL_COUNT; g++) EXPECT_NE(controller->islandPortals[g]->getMeshes(), nullptr);
}

}  // namespace
