#ifndef INVENTORYSCREEN_H
#define INVENTORYSCREEN_H

#include "Inventory/ItemCollection.h"
#include "Texture/Texture.h"

class Hero;
class HoldableItem;
class Sounds;
class StaticObject;
class TexturesMeshes;

// The hero's inventory: the item carousel with the hero beside it and a
// description of the current item. Return equips, uses or inspects it.
class InventoryScreen {
public:
    Sounds* sounds;
    ItemCollection itemCollection;
    Hero* hero;
    Texture inventoryVial;
    Texture inventoryRingRegen;
    Texture inventoryGauntlets;
    Texture inventoryBoots;
    Texture inventoryHelmet;
    Texture inventoryOneRing;
    Texture inventoryCompass;
    Texture inventoryMap;
    Texture inventorySword;
    Texture inventoryRich;
    Texture princessDisplay;

    InventoryScreen();
    virtual ~InventoryScreen();

    void setHero(Hero* hero);
    void setSound(Sounds* sounds);
    void setDisplayObject(StaticObject* object);
    // true brings the previous item to the front, false the next one.
    void cycleItem(bool left);
    void addItem(HoldableItem* item);
    void removeItemOfType(int type);
    // Equips or takes off an equippable item, uses up a consumable one, and
    // zooms in on or out of anything else. Returns the item used up, which
    // has left the carousel, else null.
    HoldableItem* equipOrUse(TexturesMeshes* texMesh);
    void draw(Hero* hero);

    // The description picture of an item type; null for a type without one.
    Texture* descriptionOf(int itemType);

private:
    InventoryScreen(const InventoryScreen&) = delete;
    InventoryScreen& operator=(const InventoryScreen&) = delete;
};

#endif
