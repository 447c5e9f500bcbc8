#ifndef SHOP_H
#define SHOP_H

#include <vector>

#include "Inventory/ItemCollection.h"
#include "Texture/Texture.h"

class Hero;
class HoldableItem;
class InventoryScreen;
class Sounds;
class StaticObject;
class TexturesMeshes;

// A shop screen: the goods on a carousel beside the shop's model, with a
// description of the current one. Vials never run out; anything else
// bought moves to the hero's inventory.
class Shop {
public:
    Sounds* sounds;
    ItemCollection itemCollection;
    Texture shopVial;
    Texture shopRingRegen;
    Texture shopBoots;
    Texture shopHelmet;
    Texture shopRich;

    explicit Shop(Sounds* sounds);
    virtual ~Shop();

    void setDisplayObject(StaticObject* object);
    void addItem(HoldableItem* item);
    // true brings the previous item to the front, false the next one.
    void cycleItem(bool left);
    // With too little gold only the error sound plays. A new vial goes to
    // `items`, the list that owns every item.
    void buy(Hero* hero, InventoryScreen* inventory, TexturesMeshes* texMesh, std::vector<HoldableItem*>& items);
    void draw(int gold);

    // The description picture of an item type; null for a type a shop has
    // no picture for (no shop sells one).
    Texture* descriptionOf(int itemType);

private:
    Shop(const Shop&) = delete;
    Shop& operator=(const Shop&) = delete;
};

#endif
