#include <gtest/gtest.h>

#include <SDL.h>

#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "Controller/Controller.h"
#include "CutScene/CutScene.h"
#include "Island/Island.h"
#include "Object/HoldableItem/HoldableItem.h"
#include "Object/Portal/IslandPortal/IslandPortal.h"
#include "Object/Portal/Portal.h"
#include "Object/StaticObject/StaticObject.h"
#include "Particle/DissolveParticle/DissolveParticle.h"
#include "QuestPoint/QuestPoint.h"
#include "support/GameFolder.h"
#include "support/Shapes.h"
#include "support/VectorExpect.h"

namespace {

// Flat ground at level 1, and a level pad round the home island's gate at
// the gate's own height, wide enough to walk round it.
uint8_t homeGatePad(int island, int i, int j) {
    if (island == 0 && std::hypot(i - 100 + 46.45, j - 100 - 40.07) < 16.0) return 13 * 5;
    return 5;
}

class IslandGateTest : public ::testing::Test {
protected:
    IslandGateTest() : folder(homeGatePad) {}

    void SetUp() override {
        testing::internal::CaptureStdout();
        c = keepForTheProcess(new Controller());
        testing::internal::GetCapturedStdout();
        c->inMainMenu = false;
    }

    // The centre of a gate's opening, stood in by a body-sized sphere,
    // from the gate's own island.
    bool stepInto(int g) {
        IslandPortal* gate = c->islandPortals[g];
        c->currentIsland = gate->getIslandIndex();
        Vector3D centre = gate->getPosition();
        centre.y += 3.5f;
        return c->checkAndProcessCollidingIslandPortal(&centre, 1.65f);
    }

    // The hero walks along the wall line into the gate from beyond its
    // right end, with Forward held, as far as the gate lets it.
    void walkAlongTheWall(int g) {
        IslandPortal* gate = c->islandPortals[g];
        double a = gate->getRotationAngleDegrees() * M_PI / 180.0;
        Vector3D along((float)std::cos(a), 0, (float)-std::sin(a)), out = gate->getNormal();
        Vector3D start = gate->getPosition().add(&out);
        Vector3D beyond = along.multiply(9.0);
        start = start.add(&beyond);
        start.y += 2.0f;
        c->hero.resetPosition();
        c->hero.setPosition(start);
        Vector3D back = along.multiply(-1.0);
        c->hero.setCenter(start.add(&back));
        for (int k = 0; k < 100 && c->hero.getHeightMap() == nullptr; ++k) frame();
        ASSERT_NE(c->hero.getHeightMap(), nullptr);
        c->keys[SDLK_w] = true;
        for (int k = 0; k < 40 && c->currentIsland == gate->getIslandIndex(); ++k) frame();
        c->keys[SDLK_w] = false;
    }
    void frame() { c->hero.updateHero(true, c->keys, 0, 0, c); }

    GameFolder folder;
    Controller* c = nullptr;
};

std::vector<int> inventoryTypes(Controller& c) {
    std::vector<int> types;
    for (HoldableItem* item : c.inventoryScreen.itemCollection.holdableItems) types.push_back(item->itemType);
    return types;
}

int pointsWithId(Island* island, int id) {
    int n = 0;
    for (QuestPoint* point : *island->getQuestPoints()) n += point->getId() == id;
    return n;
}

}  // namespace

// The hero comes out 2.75 in front of the partner's foot and 3.5 above it,
// looking straight out of its opening, whichever way the partner is turned.
TEST_F(IslandGateTest, TheHeroLeavesThePartnersOpeningLookingOut) {
    struct Case {
        int gate;
        int partnerIsland;
        float partnerAngle;
    };
    const Case cases[] = {{2, 2, 45.0f}, {12, 7, 20.0f}, {22, 12, -40.0f}, {15, 5, 250.0f}, {1, 0, 130.0f}};
    for (const Case& k : cases) {
        ASSERT_TRUE(stepInto(k.gate)) << "gate " << k.gate;
        EXPECT_EQ(c->currentIsland, k.partnerIsland) << "gate " << k.gate;
        double a = k.partnerAngle * M_PI / 180.0;
        Vector3D out((float)std::sin(a), 0.0f, (float)std::cos(a));
        Vector3D foot = c->islandPortals[k.gate ^ 1]->getPosition();
        Vector3D want(foot.x + 2.75f * out.x, foot.y + 3.5f, foot.z + 2.75f * out.z);
        EXPECT_TRUE(vectorNear(c->hero.getPosition(), want, 1e-4f)) << "gate " << k.gate;
        EXPECT_TRUE(vectorNear(c->hero.getViewDirection(), out, 1e-4f)) << "gate " << k.gate;
        EXPECT_EQ(c->hero.getHeightMap(), nullptr) << "it falls from there";
    }
}

// What lives only on one island does not follow the hero: the local
// portals, every missile (also the one in the hand), every particle and
// the shop.
TEST_F(IslandGateTest, PassingAGateLeavesPortalsMissilesParticlesAndTheShopBehind) {
    std::unique_ptr<Polygon3D> ground(makePolygon({{0, 1, 0}, {0, 1, 1}, {1, 1, 0}}));
    c->alphaPortal = new Portal(ground.get(), Vector3D(0.2f, 1.0f, 0.2f), Vector3D(0, -1, 0), nullptr, nullptr);
    c->betaPortal = new Portal(ground.get(), Vector3D(0.3f, 1.0f, 0.3f), Vector3D(0, -1, 0), nullptr, nullptr);
    SDL_Event click = {};
    click.type = SDL_MOUSEBUTTONDOWN;
    click.button.button = SDL_BUTTON_LEFT;
    c->eventMessage(click);
    ASSERT_EQ(c->missiles.size(), 1u);
    ASSERT_NE(c->hero.getMissileInHand(), nullptr);
    Vector3D spot(0, 2, 0);
    c->particles.push_back(new DissolveParticle(&spot));
    c->nearShop = true;

    ASSERT_TRUE(stepInto(4));
    EXPECT_EQ(c->alphaPortal, nullptr);
    EXPECT_EQ(c->betaPortal, nullptr);
    EXPECT_TRUE(c->missiles.empty());
    EXPECT_EQ(c->hero.getMissileInHand(), nullptr);
    EXPECT_TRUE(c->particles.empty());
    EXPECT_FALSE(c->nearShop);
    for (int k = 0; k < 10; ++k) c->updateWorld();  // the throw runs on with an empty hand
}

// Banners come with the first entry into islands 1, 5, 6, 10 and 11 only;
// island 5's flight with its first entry; islands 9 and 12 ask for their
// flights on every entry, but a flight never starts over: once done it is
// over again at once.
TEST_F(IslandGateTest, BannersAndFlightsOverFirstAndLaterEntries) {
    for (IslandPortal* gate : c->islandPortals) gate->setEnabled(true);
    const int none = -1;
    struct Entry {
        int gate, island, banner, flight;
    };
    const Entry entries[] = {
        {0, 1, LAND_MSITU, none},  {1, 0, none, none},       {0, 1, none, none},
        {2, 2, none, none},        {4, 3, none, none},       {8, 4, none, none},
        {6, 5, LAND_NAROK, 2},     {7, 2, none, none},       {6, 5, none, none},
        {10, 6, LAND_NJEVE, none}, {12, 7, none, none},      {16, 8, none, none},
        {20, 11, LAND_ENDELEA, none}, {22, 12, none, 3},     {23, 11, none, none},
        {14, 10, LAND_UZULU, none}, {18, 9, none, 1},        {19, 10, none, none},
        {18, 9, none, 1},           {21, 8, none, none},     {20, 11, none, none},
    };
    int entryIntoNine = 0;
    for (const Entry& e : entries) {
        std::string what = "through gate " + std::to_string(e.gate);
        c->headsUpDisplay.newLand = false;
        c->cutScenePlaying = false;
        ASSERT_TRUE(stepInto(e.gate)) << what;
        EXPECT_EQ(c->currentIsland, e.island) << what;
        EXPECT_EQ(c->headsUpDisplay.newLand, e.banner != none) << what;
        if (e.banner != none) {
            EXPECT_EQ(c->headsUpDisplay.landCode, e.banner) << what;
        }
        EXPECT_EQ(c->cutScenePlaying, e.flight != none) << what;
        if (e.flight == none) continue;
        EXPECT_EQ(c->currentCutScene, e.flight) << what;
        if (e.island != 9) continue;
        if (++entryIntoNine == 1) {
            // Fly the whole scene the first time.
            for (int k = 0; k < 10000 && c->cutScenePlaying; ++k) c->updateCamera();
            EXPECT_FALSE(c->cutScenePlaying) << what;
        } else {
            c->updateCamera();
            EXPECT_FALSE(c->cutScenePlaying) << what << ": the second time the flight is already over";
        }
    }
}

TEST_F(IslandGateTest, ADisabledGateBlocksAndTakesNobodyUntilTheElderOpensIt) {
    c->setCurrentIsland(0);
    IslandPortal* gate = c->islandPortals[0];
    ASSERT_FALSE(gate->isEnabled());
    EXPECT_FALSE(stepInto(0));
    EXPECT_EQ(c->currentIsland, 0);

    Vector3D offset = gate->getCornerOffset(0);
    Vector3D pillar = gate->getPosition().add(&offset);
    pillar.y += 1.3f;
    EXPECT_EQ(c->doesSphereCollideWithObject(&pillar, 1.65f), gate);

    walkAlongTheWall(0);
    EXPECT_EQ(c->currentIsland, 0) << "walked into the closed gate";
    Vector3D here = c->hero.getPosition();
    EXPECT_LT(std::hypot(here.x - gate->getPosition().x, here.z - gate->getPosition().z), 7.65f)
        << "the hero reached the opening";

    c->processQuestPoint(VILLAGE_ELDER_QUEST);
    walkAlongTheWall(0);
    EXPECT_EQ(c->currentIsland, 1) << "the opened gate takes the hero";
}

// Each quest's effects, in the order the game's story meets them: gates it
// opens, fame, what it gives or takes, the boss; then exactly its own point
// is gone from the island.
TEST_F(IslandGateTest, EachQuestAppliesItsEffectsAndRemovesItsPoint) {
    c->currentIsland = 5;
    Island* island = c->islands[5];
    HoldableItem* ring = new HoldableItem(false, false, false, ITEM_ONE_RING);
    c->allHoldableItems.push_back(ring);
    const int none = -1;
    struct Quest {
        int id;
        HoldableItem* given;
        int opens;
        int fame;
        std::vector<int> inventory;
        bool boss;
    };
    const Quest quests[] = {
        {VILLAGE_ELDER_QUEST, nullptr, 0, 1, {ITEM_COMPASS, ITEM_MAP, ITEM_SWORD}, false},
        {KING_INTRO_QUEST, nullptr, 14, 0, {ITEM_COMPASS, ITEM_MAP, ITEM_SWORD}, false},
        {KING_RETURN_QUEST, ring, 10, 1, {ITEM_COMPASS, ITEM_MAP, ITEM_SWORD}, false},
        {PRINCESS_QUEST, nullptr, none, 1, {ITEM_COMPASS, ITEM_MAP, ITEM_SWORD}, false},
        {LADY_OF_THE_LAKE_QUEST, nullptr, 6, 1, {ITEM_COMPASS, ITEM_MAP}, false},
        {EVIL_WIZARD_INTRO_QUEST, nullptr, none, 1, {ITEM_COMPASS, ITEM_MAP}, true},
        {42, nullptr, none, 0, {ITEM_COMPASS, ITEM_MAP}, false},
    };
    for (const Quest& q : quests) {
        std::string what = "quest " + std::to_string(q.id);
        if (q.given) c->inventoryScreen.addItem(q.given);
        bool wasOpen[ISLAND_PORTAL_COUNT];
        for (int g = 0; g < ISLAND_PORTAL_COUNT; ++g) wasOpen[g] = c->islandPortals[g]->isEnabled();
        if (q.id <= EVIL_WIZARD_INTRO_QUEST) {
            island->getQuestPoints()->push_back(new QuestPoint(c->hero.getPosition(), nullptr, q.id));
        }
        int ownPoints = pointsWithId(island, q.id);
        size_t allPoints = island->getQuestPoints()->size();
        int fame = c->hero.getFame();
        size_t spirits = island->forestSpirits.size();

        c->processQuestPoint(q.id);

        for (int g = 0; g < ISLAND_PORTAL_COUNT; ++g) {
            EXPECT_EQ(c->islandPortals[g]->isEnabled(), wasOpen[g] || g == q.opens) << what << ", gate " << g;
        }
        EXPECT_EQ(c->hero.getFame(), fame + q.fame) << what;
        EXPECT_EQ(inventoryTypes(*c), q.inventory) << what;
        EXPECT_EQ(island->forestSpirits.size(), spirits + (q.boss ? 1 : 0)) << what;
        int gone = q.id <= EVIL_WIZARD_INTRO_QUEST ? 1 : 0;
        EXPECT_EQ(pointsWithId(island, q.id), ownPoints - gone) << what;
        EXPECT_EQ(island->getQuestPoints()->size(), allPoints - gone) << what;
    }
    EXPECT_EQ(ring->itemType, ITEM_ONE_RING) << "the ring handed over still exists";
    // The elder's sword is the handle and blade meshes, in that order.
    HoldableItem* sword = c->allHoldableItems.back();
    ASSERT_EQ(sword->itemType, ITEM_SWORD);
    std::vector<Mesh*> blade = {c->texturesMeshes.swordHandleMesh, c->texturesMeshes.swordMainMesh};
    EXPECT_EQ(sword->getStaticObject()->meshes, blade);
}

// Picking up the ring is what sends the hero back to the king; money only
// ever adds to the gold.
TEST_F(IslandGateTest, TheRingBringsTheKingsReturnPointAndMoneyStaysOutOfTheInventory) {
    Island* five = c->islands[5];
    int returnPoints = pointsWithId(five, KING_RETURN_QUEST);
    int fame = c->hero.getFame(), gold = c->hero.getGold();
    std::vector<int> before = inventoryTypes(*c);

    HoldableItem* coins = new HoldableItem(false, false, true, ITEM_MONEY);
    coins->setPrice(7);
    c->allHoldableItems.push_back(coins);
    c->addItemToInventory(coins);
    EXPECT_EQ(c->hero.getGold(), gold + 7);
    EXPECT_EQ(inventoryTypes(*c), before);
    EXPECT_EQ(pointsWithId(five, KING_RETURN_QUEST), returnPoints);

    HoldableItem* ring = new HoldableItem(false, false, false, ITEM_ONE_RING);
    c->allHoldableItems.push_back(ring);
    c->currentIsland = 3;
    c->addItemToInventory(ring);
    before.push_back(ITEM_ONE_RING);
    EXPECT_EQ(inventoryTypes(*c), before);
    EXPECT_EQ(c->hero.getFame(), fame + 1);
    ASSERT_EQ(pointsWithId(five, KING_RETURN_QUEST), returnPoints + 1) << "on island 5, wherever the ring was found";
    EXPECT_TRUE(vectorNear(five->getQuestPoints()->back()->getPosition(), Vector3D(78.5978f, 44.5306f, -103.045f)));
}
