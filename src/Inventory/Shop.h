#ifndef SHOP_H
#define SHOP_H

#include "Inventory/ItemCollection.h"

class Hero;
class HoldableItem;
class InventoryScreen;
class Sounds;
class StaticObject;
class TexturesMeshes;

// A shop screen. Minimal for now: it keeps its goods; turning, buying and
// the screen itself come with the shops.
class Shop {
public:
    Sounds* sounds;
    ItemCollection itemCollection;

    explicit Shop(Sounds* sounds);
    virtual ~Shop();

    void setDisplayObject(StaticObject* object);
    void addItem(HoldableItem* item);
    void cycleItem(bool left);
    void buy(Hero* hero, InventoryScreen* inventory, TexturesMeshes* texMesh);
    void draw(int gold);
};

#endif
