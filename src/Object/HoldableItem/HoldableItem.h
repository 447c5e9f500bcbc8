#ifndef HOLDABLEITEM_H
#define HOLDABLEITEM_H

#include "Object/Object.h"
#include "Vector3D/Vector3D.h"

class Hero;
class Sounds;
class StaticObject;
class TexturesMeshes;

// Value 7 is never made.
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

// An item the hero can pick up, buy, equip or consume. Its look is a static
// object that the item owns; its effect on the hero is applied by
// useOrEquip. An item is never both equippable and consumable.
class HoldableItem : public Object {
public:
    int itemType;

    HoldableItem(bool equippable, bool consumable, bool isMoney, int itemType);
    virtual ~HoldableItem();

    // Equips or takes off an equippable item, or uses a vial; each effect
    // has an exact undo.
    void useOrEquip(Hero* hero, TexturesMeshes* texturesMeshes, Sounds* sounds);
    // The look at the item's position, at the display scale.
    void draw() override;
    // The look at p, at the display scale (the heads-up display's signal).
    void drawAtPosition(Vector3D* p);
    // The look at the item's position at the inventory scale, turned by
    // angle degrees about y, drawn even while switched off; nothing while
    // the item is worn.
    void drawRotating(float angle);
    void setStaticObject(StaticObject* object);
    StaticObject* getStaticObject();
    // Switches the look, and so every one of its shared meshes, on or off.
    void setEnabledDrawing(bool enabled);
    bool getIsMoney();
    bool isEquippable();
    bool isConsumable();
    int getValue();
    void setPrice(int price);
    void setDisplayScale(float scale);
    void setinventoryScale(float scale);
    // Buying is the shop's business.
    void buy(Hero* hero);

protected:
    int price;
    bool isMoney;
    bool equipped;
    bool equippable;
    bool consumable;
    StaticObject* object;
    float displayScale;
    float inventoryScale;

private:
    // The look with its origin at p, scaled about p.
    void drawLook(Vector3D p, float scale, float angle, bool inInventory);

    HoldableItem(const HoldableItem&) = delete;
    HoldableItem& operator=(const HoldableItem&) = delete;
};

#endif
