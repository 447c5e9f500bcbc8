#ifndef INVENTORYSCREEN_H
#define INVENTORYSCREEN_H

#include "Inventory/ItemCollection.h"

class Hero;
class HoldableItem;
class Sounds;
class TexturesMeshes;

// The hero's inventory. Minimal for now: it keeps the items; turning,
// equipping and the screen itself come with the inventory.
class InventoryScreen {
public:
    Sounds* sounds;
    ItemCollection itemCollection;
    Hero* hero;

    InventoryScreen();
    virtual ~InventoryScreen();

    void setHero(Hero* hero);
    void setSound(Sounds* sounds);
    void cycleItem(bool left);
    void addItem(HoldableItem* item);
    void removeItemOfType(int type);
    void equipOrUse(TexturesMeshes* texMesh);
    void draw(Hero* hero);
};

#endif
