#include <gtest/gtest.h>

#include <SDL.h>

#include "Controller/Controller.h"
#include "Inventory/Shop.h"
#include "Island/Island.h"
#include "Object/HoldableItem/HoldableItem.h"
#include "QuestPoint/QuestPointId.h"
#include "support/GameFolder.h"

namespace {

void tap(Controller* c, int sym) {
    SDL_Event event = {};
    event.type = event.key.type = SDL_KEYDOWN;
    event.key.keysym.sym = (SDLKey)sym;
    c->eventMessage(event);
    event.type = event.key.type = SDL_KEYUP;
    c->eventMessage(event);
}

int indexOfType(ItemCollection& items, int type) {
    for (size_t i = 0; i < items.holdableItems.size(); i++) {
        if (items.holdableItems[i]->itemType == type) return (int)i;
    }
    return -1;
}

}  // namespace

// The game frees its world at exit. Items pass between the islands, the
// shops, the inventory and the quests, so each must be freed exactly once
// whichever way it went; the sanitizer build turns a double free or a leak
// into a failure here.
TEST(ControllerTeardown, FreesEveryPieceOfTheWorldOnceWhateverThePlayerDid) {
    GameFolder folder;
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    Controller* c = new Controller();
    testing::internal::GetCapturedStderr();
    testing::internal::GetCapturedStdout();
    c->inMainMenu = false;
    c->gameStarted = true;

    // Given by a quest, then taken back by another.
    c->processQuestPoint(VILLAGE_ELDER_QUEST);
    c->processQuestPoint(LADY_OF_THE_LAKE_QUEST);
    EXPECT_EQ(indexOfType(c->inventoryScreen.itemCollection, ITEM_SWORD), -1);

    // Bought: a fresh vial, then used up; the ring moves out of the shop.
    Shop* shop = c->islands[0]->getShop();
    ASSERT_NE(shop, nullptr);
    c->hero.setGold(1000);
    ASSERT_EQ(shop->itemCollection.getCurrentObject()->itemType, ITEM_VIAL);
    shop->buy(&c->hero, &c->inventoryScreen, &c->texturesMeshes, c->allHoldableItems);
    int ring = indexOfType(shop->itemCollection, ITEM_REGEN_RING);
    ASSERT_GE(ring, 0);
    shop->itemCollection.setCurrentObject(ring);
    shop->buy(&c->hero, &c->inventoryScreen, &c->texturesMeshes, c->allHoldableItems);
    ItemCollection& carried = c->inventoryScreen.itemCollection;
    tap(c, SDLK_i);
    ASSERT_TRUE(c->inventoryOpen);
    int vial = indexOfType(carried, ITEM_VIAL);
    ASSERT_GE(vial, 0);
    carried.setCurrentObject(vial);
    tap(c, SDLK_RETURN);
    EXPECT_EQ(indexOfType(carried, ITEM_VIAL), -1) << "the vial was used up";
    tap(c, SDLK_i);

    // Picked up from the ground: a coin (gold only) and a vial.
    TexturesMeshes* t = &c->texturesMeshes;
    Vector3D spot = c->hero.getPosition();
    c->islands[0]->createMoneyHoldableItem(t, c->allHoldableItems, spot, 5);
    c->islands[0]->createVialHoldableItem(t, c->allHoldableItems, spot);
    c->islands[0]->pickUpItems(c, &spot);
    EXPECT_GE(indexOfType(carried, ITEM_VIAL), 0);

    // A missile in the hero's hand, the islands' particles and spirits.
    c->fireMissile(ALPHA_PORTAL_MISSILE);
    EXPECT_FALSE(c->missiles.empty());
    for (int frame = 0; frame < 10; frame++) {
        for (Island* island : c->islands) {
            island->update(&c->particles, c);
        }
    }
    EXPECT_FALSE(c->particles.empty());
    delete c;
}
