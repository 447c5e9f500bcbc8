#include "Inventory/ItemCollection.h"

#include <cassert>

#include "Object/HoldableItem/HoldableItem.h"

ItemCollection::ItemCollection(std::string) : sounds(nullptr), curr(0), displayObject(nullptr) {}

ItemCollection::~ItemCollection() {
    for (HoldableItem* item : holdableItems) {
        delete item;
    }
}

void ItemCollection::setSound(Sounds* sounds) { this->sounds = sounds; }

void ItemCollection::setDisplayObject(StaticObject* object) { displayObject = object; }

void ItemCollection::addItem(HoldableItem* item) {
    assert(item);
    holdableItems.push_back(item);
    curr = 0;
}

void ItemCollection::removeItemOfType(int type) {
    for (size_t i = 0; i < holdableItems.size(); i++) {
        if (holdableItems[i]->itemType == type) {
            holdableItems.erase(holdableItems.begin() + i);
            curr = 0;
            return;
        }
    }
}

HoldableItem* ItemCollection::getCurrentObject() {
    if (holdableItems.empty()) {
        return nullptr;
    }
    return holdableItems.at(curr);
}
