#ifndef HOLDABLEITEM_H
#define HOLDABLEITEM_H

#include "Object/Object.h"

class StaticObject;

enum HoldableItemType {
    ITEM_VIAL = 0,
    ITEM_REGEN_RING = 1,
    ITEM_GAUNTLETS = 2,
    ITEM_BOOTS = 3,
    ITEM_HELMET = 4,
    ITEM_MONEY = 5,
    ITEM_ONE_RING = 6,
    ITEM_COMPASS = 8,
    ITEM_MAP = 9,
    ITEM_SWORD = 10,
    ITEM_RICH = 11,
    ITEM_PRINCESS = 12
};

// An item the hero can pick up, buy, equip or consume, shown through a
// static object it owns. Minimal for now: effects on the hero and drawing
// come with the items.
class HoldableItem : public Object {
public:
    int itemType;

    HoldableItem(bool equippable, bool consumable, bool isMoney, int itemType);
    virtual ~HoldableItem();

    void draw() override;
    void setStaticObject(StaticObject* object);
    StaticObject* getStaticObject();
    void setDisplayScale(float scale);
    void setPrice(int price);
    int getValue();
    bool getIsMoney();
    bool isEquippable();
    bool isConsumable();
    void setEnabledDrawing(bool enabled);

protected:
    bool equippable;
    bool consumable;
    bool isMoney;
    bool equipped;
    int price;
    float displayScale;
    StaticObject* object;
};

#endif
