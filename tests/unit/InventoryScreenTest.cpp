#include <gtest/gtest.h>

#include <SDL.h>
#include <SDL_mixer.h>

#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "Controller/Controller.h"
#include "Inventory/InventoryScreen.h"
#include "Inventory/Shop.h"
#include "Island/Island.h"
#include "Mesh/Mesh.h"
#include "Object/Character/ForestSpirit/Hero/Hero.h"
#include "Object/HoldableItem/HoldableItem.h"
#include "Object/StaticObject/StaticObject.h"
#include "TexturesMeshes/TexturesMeshes.h"
#include "support/GameFolder.h"
#include "support/HeardSounds.h"
#include "support/VectorExpect.h"

namespace {

typedef std::vector<std::string> Heard;
const Heard NOTHING;

// An item as the islands make them: its look is a static object of its own.
HoldableItem* newItem(int type, int price = 0, Mesh* mesh = nullptr) {
    bool equippable = type == ITEM_REGEN_RING || type == ITEM_GAUNTLETS || type == ITEM_BOOTS || type == ITEM_HELMET;
    bool consumable = type == ITEM_VIAL || type == ITEM_RICH;
    HoldableItem* item = new HoldableItem(equippable, consumable, false, type);
    StaticObject* look = new StaticObject();
    if (mesh) look->addMesh(mesh);
    item->setStaticObject(look);
    item->setPrice(price);
    return item;
}

std::vector<int> typesIn(ItemCollection& carousel) {
    std::vector<int> types;
    for (HoldableItem* item : carousel.holdableItems) types.push_back(item->itemType);
    return types;
}

// Runs a turn to its end, as the frames drawn while the screen is open do.
void finishTurn(ItemCollection& carousel) {
    for (int f = 0; f < 100 && (carousel.turningLeft || carousel.turningRight); f++) carousel.rotateItems();
}

// Every item on its place round the ring, the first in front.
::testing::AssertionResult aligned(ItemCollection& carousel) {
    int n = (int)carousel.holdableItems.size();
    if (carousel.turningLeft || carousel.turningRight) return ::testing::AssertionFailure() << "still turning";
    for (int i = 0; i < n; i++) {
        Vector3D want = Vector3D(0.0f, 0.0f, -2.0f).rotateAroundYAxis(M_PI + (i - carousel.curr) * 2.0 * M_PI / n);
        ::testing::AssertionResult near = vectorNear(carousel.holdableItems[i]->getPosition(), want, 1e-4f);
        if (!near) return near << " (item " << i << " of " << n << ")";
    }
    return ::testing::AssertionSuccess();
}

class Screens : public ::testing::Test {
protected:
    HeardSounds heard;
    TempFolder folder;
    std::unique_ptr<TexturesMeshes> registry;
    Hero hero;
    InventoryScreen inventory;
    std::unique_ptr<Shop> shop;
    // Owns the items, as the game's item list does; the screens refer to them.
    std::vector<HoldableItem*> items;

    HoldableItem* make(int type, int price = 0, Mesh* mesh = nullptr) {
        items.push_back(newItem(type, price, mesh));
        return items.back();
    }

    void SetUp() override {
        ASSERT_TRUE(heard.isOpen()) << heard.getError();
        {
            // Every mesh slot is there, empty.
            WorkingDirectory inFolder(folder.path());
            testing::internal::CaptureStderr();
            registry.reset(new TexturesMeshes());
            testing::internal::GetCapturedStderr();
        }
        inventory.setSound(&heard.sounds);
        inventory.setHero(&hero);
        inventory.addItem(make(ITEM_COMPASS));
        inventory.addItem(make(ITEM_MAP));
        shop.reset(new Shop(&heard.sounds));
    }
    void TearDown() override {
        for (HoldableItem* item : items) delete item;
    }

    void stock(std::vector<std::pair<int, int>> goods) {
        for (auto& good : goods) shop->addItem(make(good.first, good.second));
    }
    void buy() { shop->buy(&hero, &inventory, registry.get(), items); }
    void equipOrUse() { inventory.equipOrUse(registry.get()); }
};

}  // namespace

TEST_F(Screens, AnItemIsBoughtOnlyWithAtLeastItsPriceInGold) {
    struct Case {
        int gold, price;
        bool bought;
        int goldAfter;
        Heard heard;
    } cases[] = {
        {4, 5, false, 4, {"error"}},
        {99, 100, false, 99, {"error"}},
        {5, 5, true, 0, {"coins"}},
        {400, 100, true, 300, {"coins"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::to_string(c.gold) + " gold for a price of " + std::to_string(c.price));
        shop.reset(new Shop(&heard.sounds));
        stock({{ITEM_REGEN_RING, c.price}, {ITEM_BOOTS, 80}});
        HoldableItem* ring = shop->itemCollection.getCurrentObject();
        size_t owned = inventory.itemCollection.holdableItems.size();
        hero.setGold(c.gold);
        buy();
        EXPECT_EQ(heard.take(), c.heard);
        EXPECT_EQ(hero.getGold(), c.goldAfter);
        if (c.bought) {
            EXPECT_EQ(typesIn(shop->itemCollection), (std::vector<int>{ITEM_BOOTS}));
            ASSERT_EQ(inventory.itemCollection.holdableItems.size(), owned + 1);
            EXPECT_EQ(inventory.itemCollection.holdableItems.back(), ring) << "not the shop's own item";
        } else {
            EXPECT_EQ(typesIn(shop->itemCollection), (std::vector<int>{ITEM_REGEN_RING, ITEM_BOOTS}));
            EXPECT_EQ(inventory.itemCollection.holdableItems.size(), owned);
        }
    }
}

// The shop's vial is never sold: each purchase makes the hero a new one.
TEST_F(Screens, AVialStaysInTheShopAndEachPurchaseGivesANewOne) {
    stock({{ITEM_REGEN_RING, 100}, {ITEM_VIAL, 5}, {ITEM_BOOTS, 80}});
    shop->cycleItem(false);
    finishTurn(shop->itemCollection);
    HoldableItem* shelfVial = shop->itemCollection.getCurrentObject();
    ASSERT_EQ(shelfVial->itemType, ITEM_VIAL);
    hero.setGold(10);
    buy();
    buy();
    EXPECT_EQ(heard.take(), (Heard{"turn", "coins", "coins"}));
    EXPECT_EQ(hero.getGold(), 0);
    EXPECT_EQ(typesIn(shop->itemCollection), (std::vector<int>{ITEM_REGEN_RING, ITEM_VIAL, ITEM_BOOTS}));
    EXPECT_EQ(shop->itemCollection.curr, 1);
    EXPECT_EQ(shop->itemCollection.getCurrentObject(), shelfVial);

    std::vector<HoldableItem*>& owned = inventory.itemCollection.holdableItems;
    ASSERT_EQ(typesIn(inventory.itemCollection), (std::vector<int>{ITEM_COMPASS, ITEM_MAP, ITEM_VIAL, ITEM_VIAL}));
    EXPECT_NE(owned[2], owned[3]);
    for (HoldableItem* vial : {owned[2], owned[3]}) {
        EXPECT_NE(vial, shelfVial);
        EXPECT_EQ(vial->getValue(), 5);
        EXPECT_TRUE(vial->isConsumable());
        EXPECT_FALSE(vial->isEquippable());
        EXPECT_FALSE(vial->getIsMoney());
        ASSERT_NE(vial->getStaticObject(), nullptr);
        EXPECT_EQ(vial->getStaticObject()->meshes, (std::vector<Mesh*>{registry->vialMesh}));
        EXPECT_NE(vial->getStaticObject(), shelfVial->getStaticObject());
    }
    EXPECT_EQ(inventory.itemCollection.curr, 0);

    buy();
    EXPECT_EQ(heard.take(), (Heard{"error"}));
}

TEST_F(Screens, AnyOtherItemMovesAndBothCarouselsGoBackToTheirFirstItem) {
    stock({{ITEM_VIAL, 5}, {ITEM_REGEN_RING, 100}, {ITEM_BOOTS, 80}});
    shop->cycleItem(false);
    finishTurn(shop->itemCollection);
    inventory.cycleItem(false);
    finishTurn(inventory.itemCollection);
    ASSERT_EQ(inventory.itemCollection.curr, 1);
    HoldableItem* ring = shop->itemCollection.getCurrentObject();
    hero.setGold(400);
    buy();
    EXPECT_EQ(hero.getGold(), 300);
    EXPECT_EQ(typesIn(shop->itemCollection), (std::vector<int>{ITEM_VIAL, ITEM_BOOTS}));
    EXPECT_EQ(shop->itemCollection.curr, 0);
    EXPECT_TRUE(aligned(shop->itemCollection));
    EXPECT_EQ(typesIn(inventory.itemCollection), (std::vector<int>{ITEM_COMPASS, ITEM_MAP, ITEM_REGEN_RING}));
    EXPECT_EQ(inventory.itemCollection.holdableItems[2], ring);
    EXPECT_EQ(inventory.itemCollection.curr, 0);
    EXPECT_TRUE(aligned(inventory.itemCollection));
    heard.take();
}

// A buy one frame into a turn of the shop, with the inventory's own turn
// frozen half way while it was closed: once the screens are drawn again
// both rings stand with their first item in front.
TEST_F(Screens, ABuyDuringATurnLeavesBothCarouselsAligned) {
    stock({{ITEM_VIAL, 5}, {ITEM_REGEN_RING, 100}, {ITEM_BOOTS, 80}});
    inventory.cycleItem(false);
    for (int f = 0; f < 10; f++) inventory.itemCollection.rotateItems();
    shop->cycleItem(false);
    shop->itemCollection.rotateItems();
    hero.setGold(400);
    buy();
    finishTurn(shop->itemCollection);
    finishTurn(inventory.itemCollection);
    EXPECT_TRUE(aligned(shop->itemCollection));
    EXPECT_TRUE(aligned(inventory.itemCollection));
    EXPECT_EQ(shop->itemCollection.curr, 0);
    EXPECT_EQ(inventory.itemCollection.curr, 0);
    heard.take();
}

TEST_F(Screens, EquippingHidesTheItemsLookAndTakingItOffShowsItAgain) {
    inventory.addItem(make(ITEM_REGEN_RING, 100, registry->ringMainMesh));
    inventory.cycleItem(true);
    finishTurn(inventory.itemCollection);
    heard.take();
    HoldableItem* ring = inventory.itemCollection.getCurrentObject();
    ASSERT_EQ(ring->itemType, ITEM_REGEN_RING);
    ASSERT_TRUE(ring->getStaticObject()->isEnabledDrawing());
    equipOrUse();
    EXPECT_EQ(heard.take(), (Heard{"getItem"}));
    EXPECT_FALSE(ring->getStaticObject()->isEnabledDrawing());
    EXPECT_FALSE(registry->ringMainMesh->isEnabledToDraw());
    EXPECT_EQ(inventory.itemCollection.getCurrentObject(), ring);
    equipOrUse();
    EXPECT_EQ(heard.take(), (Heard{"unequip"}));
    EXPECT_TRUE(ring->getStaticObject()->isEnabledDrawing());
    EXPECT_TRUE(registry->ringMainMesh->isEnabledToDraw());
    EXPECT_FALSE(inventory.itemCollection.zoom);
}

// A used-up item leaves the carousel, the first becomes current, and the
// item is handed back, not deleted.
TEST_F(Screens, UsingAConsumableRemovesItFromTheCarousel) {
    for (int type : {ITEM_VIAL, ITEM_RICH}) {
        SCOPED_TRACE(type);
        inventory.addItem(make(type));
        inventory.cycleItem(true);
        finishTurn(inventory.itemCollection);
        HoldableItem* used = inventory.itemCollection.getCurrentObject();
        ASSERT_EQ(used->itemType, type);
        heard.take();
        equipOrUse();
        EXPECT_EQ(heard.take(), type == ITEM_VIAL ? Heard{"heal"} : NOTHING);
        EXPECT_EQ(typesIn(inventory.itemCollection), (std::vector<int>{ITEM_COMPASS, ITEM_MAP}));
        EXPECT_EQ(inventory.itemCollection.curr, 0);
        EXPECT_FALSE(inventory.itemCollection.zoom);
    }
}

TEST_F(Screens, AnythingElseIsZoomedInAndOutAndNothingTurnsWhileZoomed) {
    for (int type : {ITEM_COMPASS, ITEM_MAP, ITEM_SWORD, ITEM_ONE_RING, ITEM_PRINCESS}) {
        SCOPED_TRACE(type);
        inventory.addItem(make(type));
        HoldableItem* item = inventory.itemCollection.getCurrentObject();
        heard.take();
        equipOrUse();
        EXPECT_EQ(heard.take(), (Heard{"bringUp"}));
        EXPECT_TRUE(inventory.itemCollection.zoom);
        inventory.cycleItem(false);
        EXPECT_EQ(heard.take(), NOTHING);
        equipOrUse();
        EXPECT_EQ(heard.take(), (Heard{"unequip"}));
        EXPECT_FALSE(inventory.itemCollection.zoom);
        EXPECT_EQ(inventory.itemCollection.getCurrentObject(), item);
        EXPECT_TRUE(item->getStaticObject()->isEnabledDrawing());
    }
}

TEST_F(Screens, EachTypeHasItsOwnDescriptionAndAShopOnlyItsFive) {
    struct Case {
        int type;
        const char* inventoryPicture;
        const char* shopPicture;
    } cases[] = {
        {ITEM_VIAL, "Textures/inventoryVial.bmp", "Textures/shopVial.bmp"},
        {ITEM_REGEN_RING, "Textures/inventoryRingRegen.bmp", "Textures/shopRingRegen.bmp"},
        {ITEM_GAUNTLETS, "Textures/inventoryGauntlets.bmp", nullptr},
        {ITEM_BOOTS, "Textures/inventoryBoots.bmp", "Textures/shopBoots.bmp"},
        {ITEM_HELMET, "Textures/inventoryHelmet.bmp", "Textures/shopHelmet.bmp"},
        {ITEM_MONEY, nullptr, nullptr},
        {ITEM_ONE_RING, "Textures/inventoryOneRing.bmp", nullptr},
        {7, nullptr, nullptr},
        {ITEM_COMPASS, "Textures/inventoryCompassNew.bmp", nullptr},
        {ITEM_MAP, "Textures/inventoryMap.bmp", nullptr},
        {ITEM_SWORD, "Textures/inventorySword.bmp", nullptr},
        {ITEM_RICH, "Textures/inventoryRichTexture.bmp", "Textures/shopRichTexture.bmp"},
        {ITEM_PRINCESS, "Textures/princessDisplay.bmp", nullptr},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.type);
        Texture* own = inventory.descriptionOf(c.type);
        Texture* sold = shop->descriptionOf(c.type);
        EXPECT_EQ(own ? own->file : "none", c.inventoryPicture ? c.inventoryPicture : "none");
        EXPECT_EQ(sold ? sold->file : "none", c.shopPicture ? c.shopPicture : "none");
    }
    EXPECT_EQ(inventory.itemCollection.background.file, "Textures/inventoryBackground.bmp");
    EXPECT_EQ(shop->itemCollection.background.file, "Textures/shopBackground.bmp");
}

// The player's keys on the screens: a or Left brings the next item, d or
// Right the previous one; the music is paused while a screen is open.
TEST(ScreenKeys, TurnBuyAndCloseWithTheMusicPausedWhileOpen) {
    HeardSounds heard;
    ASSERT_TRUE(heard.isOpen()) << heard.getError();
    TempFolder music;
    music.writeWav("track.wav", std::vector<int16_t>(22050 * 4, 800), 1);
    Mix_Music* track = Mix_LoadMUS(music.path("track.wav").c_str());
    ASSERT_NE(track, nullptr) << Mix_GetError();
    ASSERT_EQ(Mix_PlayMusic(track, -1), 0);

    GameFolder folder;
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    Controller* c = keepForTheProcess(new Controller());
    testing::internal::GetCapturedStderr();
    testing::internal::GetCapturedStdout();
    c->inMainMenu = false;
    c->gameStarted = true;
    auto tap = [&](int sym) {
        SDL_Event event = {};
        event.type = event.key.type = SDL_KEYDOWN;
        event.key.keysym.sym = (SDLKey)sym;
        c->eventMessage(event);
        event.type = event.key.type = SDL_KEYUP;
        c->eventMessage(event);
    };

    ItemCollection& owned = c->inventoryScreen.itemCollection;
    HoldableItem* sword = newItem(ITEM_SWORD);
    c->allHoldableItems.push_back(sword);
    c->inventoryScreen.addItem(sword);
    tap(SDLK_i);
    ASSERT_TRUE(c->inventoryOpen);
    EXPECT_EQ(Mix_PausedMusic(), 1);
    struct Turn {
        int key, curr;
    } turns[] = {{SDLK_a, 1}, {SDLK_LEFT, 1}, {SDLK_d, 2}, {SDLK_RIGHT, 2}};
    for (const Turn& turn : turns) {
        SCOPED_TRACE(turn.key);
        tap(turn.key);
        EXPECT_EQ(owned.curr, turn.curr);
        finishTurn(owned);
        HoldableItem* extra = newItem(ITEM_PRINCESS);
        owned.addItem(extra);  // back to the first item
        owned.removeItemOfType(ITEM_PRINCESS);
        delete extra;  // no list owns it but the test
    }
    tap(SDLK_i);
    EXPECT_FALSE(c->inventoryOpen);
    EXPECT_EQ(Mix_PausedMusic(), 0);

    Shop* home = c->islands[0]->getShop();
    ASSERT_NE(home, nullptr);
    c->nearShop = true;
    c->currShop = home;
    tap(SDLK_RETURN);
    ASSERT_TRUE(c->inShop);
    EXPECT_EQ(Mix_PausedMusic(), 1);
    EXPECT_EQ(home->itemCollection.getCurrentObject()->itemType, ITEM_VIAL);
    tap(SDLK_a);
    EXPECT_EQ(home->itemCollection.getCurrentObject()->itemType, ITEM_REGEN_RING);
    finishTurn(home->itemCollection);
    tap(SDLK_RETURN);
    EXPECT_EQ(c->hero.getGold(), 5) << "the ring costs more than the starting gold";
    tap(SDLK_PAGEDOWN);
    tap(SDLK_RETURN);
    EXPECT_EQ(c->hero.getGold(), 300);
    EXPECT_EQ(owned.holdableItems.back()->itemType, ITEM_REGEN_RING);
    EXPECT_EQ(home->itemCollection.getCurrentObject()->itemType, ITEM_VIAL);
    tap(SDLK_ESCAPE);
    EXPECT_FALSE(c->inShop);
    EXPECT_FALSE(c->inMainMenu);
    EXPECT_EQ(Mix_PausedMusic(), 0);
    Mix_HaltMusic();
    Mix_FreeMusic(track);
}
