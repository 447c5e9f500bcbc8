#include "Object/HoldableItem/HoldableItem.h"

#include <cassert>
#include <cstddef>

#include "Object/StaticObject/StaticObject.h"

HoldableItem::HoldableItem(bool equippable, bool consumable, bool isMoney, int itemType)
    : itemType(itemType), equippable(equippable), consumable(consumable), isMoney(isMoney), equipped(false),
      price(0), displayScale(1.0f), object(nullptr) {
    assert(!(equippable && consumable));
}

HoldableItem::~HoldableItem() { delete object; }

void HoldableItem::draw() {}

void HoldableItem::setStaticObject(StaticObject* object) {
    assert(this->object == NULL);
    this->object = object;
    equipped = false;
}

StaticObject* HoldableItem::getStaticObject() { return object; }

void HoldableItem::setDisplayScale(float scale) { displayScale = scale; }

void HoldableItem::setPrice(int price) { this->price = price; }

int HoldableItem::getValue() { return price; }

bool HoldableItem::getIsMoney() { return isMoney; }

bool HoldableItem::isEquippable() { return equippable; }

bool HoldableItem::isConsumable() { return consumable; }

void HoldableItem::setEnabledDrawing(bool enabled) {
    if (object) {
        object->setEnabledDrawing(enabled);
    }
}
