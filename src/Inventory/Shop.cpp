#include "Inventory/Shop.h"

#include <cassert>

#include "Inventory/InventoryScreen.h"
#include "Object/Character/ForestSpirit/Hero/Hero.h"
#include "Object/HoldableItem/HoldableItem.h"
#include "Object/StaticObject/StaticObject.h"
#include "Sounds/Sounds.h"
#include "TexturesMeshes/TexturesMeshes.h"

const int VIAL_PRICE = 5;
const float VIAL_DISPLAY_SCALE = 0.3f;

Shop::Shop(Sounds* sounds)
    : sounds(sounds), itemCollection("shopBackground"), shopVial("Textures/shopVial.bmp"),
      shopRingRegen("Textures/shopRingRegen.bmp"), shopBoots("Textures/shopBoots.bmp"),
      shopHelmet("Textures/shopHelmet.bmp"), shopRich("Textures/shopRichTexture.bmp") {
    itemCollection.setSound(sounds);
}

Shop::~Shop() {}

void Shop::setDisplayObject(StaticObject* object) { itemCollection.setDisplayObject(object); }

void Shop::addItem(HoldableItem* item) {
    assert(item && "item");
    itemCollection.addItem(item);
}

void Shop::cycleItem(bool left) { itemCollection.cycleItem(left); }

void Shop::buy(Hero* hero, InventoryScreen* inventory, TexturesMeshes* texMesh, std::vector<HoldableItem*>& items) {
    HoldableItem* item = itemCollection.getCurrentObject();
    assert(item && "item");
    assert(sounds && "sounds");
    assert(hero && "hero");
    assert(texMesh && "texMesh");
    int price = item->getValue();
    if (price > hero->getGold()) {
        sounds->playError(1);
        return;
    }
    assert(inventory && "inventory");
    sounds->playGetCoins(1);
    hero->setGold(hero->getGold() - price);
    if (item->itemType == ITEM_VIAL) {
        // The shop's vial stays for the next customer; the hero gets a new one.
        StaticObject* vial = new StaticObject();
        vial->addMesh(texMesh->vialMesh);
        HoldableItem* newItem = new HoldableItem(false, true, false, ITEM_VIAL);
        newItem->setStaticObject(vial);
        newItem->setDisplayScale(VIAL_DISPLAY_SCALE);
        newItem->setPrice(VIAL_PRICE);
        assert(vial && "vial");
        assert(newItem && "newItem");
        items.push_back(newItem);
        inventory->addItem(newItem);
    } else {
        itemCollection.removeCurrentItem();
        inventory->addItem(item);
    }
}

Texture* Shop::descriptionOf(int itemType) {
    switch (itemType) {
    case ITEM_VIAL:
        return &shopVial;
    case ITEM_REGEN_RING:
        return &shopRingRegen;
    case ITEM_BOOTS:
        return &shopBoots;
    case ITEM_HELMET:
        return &shopHelmet;
    case ITEM_RICH:
        return &shopRich;
    default:
        return nullptr;
    }
}

void Shop::draw(int gold) {
    itemCollection.draw(gold);
    HoldableItem* item = itemCollection.getCurrentObject();
    if (item) {
        Texture* picture = descriptionOf(item->itemType);
        if (picture) {
            ItemCollection::drawDescription(*picture);
        }
    }
}
