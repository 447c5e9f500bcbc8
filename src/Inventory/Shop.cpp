#include "Inventory/Shop.h"

#include <cassert>

Shop::Shop(Sounds* sounds) : sounds(sounds), itemCollection("shopBackground") { itemCollection.setSound(sounds); }

Shop::~Shop() {}

void Shop::setDisplayObject(StaticObject* object) { itemCollection.setDisplayObject(object); }

void Shop::addItem(HoldableItem* item) {
    assert(item);
    itemCollection.addItem(item);
}

// Minimal: the carousel does not turn yet.
void Shop::cycleItem(bool) {}

// Minimal: nothing can be bought yet.
void Shop::buy(Hero*, InventoryScreen*, TexturesMeshes*) {}

// Minimal: the screen is not drawn yet.
void Shop::draw(int) {}
