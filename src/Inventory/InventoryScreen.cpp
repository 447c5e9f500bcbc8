#include "Inventory/InventoryScreen.h"

#include <cassert>

InventoryScreen::InventoryScreen() : sounds(nullptr), itemCollection("inventoryBackground"), hero(nullptr) {}

InventoryScreen::~InventoryScreen() {}

void InventoryScreen::setHero(Hero* hero) {
    assert(hero);
    this->hero = hero;
}

void InventoryScreen::setSound(Sounds* sounds) {
    this->sounds = sounds;
    itemCollection.setSound(sounds);
}

// Minimal: the carousel does not turn yet.
void InventoryScreen::cycleItem(bool) {}

void InventoryScreen::addItem(HoldableItem* item) {
    assert(item);
    itemCollection.addItem(item);
}

void InventoryScreen::removeItemOfType(int type) { itemCollection.removeItemOfType(type); }

// Minimal: items cannot be equipped or used yet.
void InventoryScreen::equipOrUse(TexturesMeshes*) {}

// Minimal: the screen is not drawn yet.
void InventoryScreen::draw(Hero*) {}
