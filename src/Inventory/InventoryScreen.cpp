#include "Inventory/InventoryScreen.h"

#include <cassert>

#include "Object/Character/ForestSpirit/Hero/Hero.h"
#include "Object/HoldableItem/HoldableItem.h"
#include "Object/StaticObject/StaticObject.h"
#include "OpenGL/OpenGL.h"

InventoryScreen::InventoryScreen()
    : sounds(nullptr), itemCollection("inventoryBackground"), hero(nullptr),
      inventoryVial("Textures/inventoryVial.bmp"), inventoryRingRegen("Textures/inventoryRingRegen.bmp"),
      inventoryGauntlets("Textures/inventoryGauntlets.bmp"), inventoryBoots("Textures/inventoryBoots.bmp"),
      inventoryHelmet("Textures/inventoryHelmet.bmp"), inventoryOneRing("Textures/inventoryOneRing.bmp"),
      inventoryCompass("Textures/inventoryCompassNew.bmp"), inventoryMap("Textures/inventoryMap.bmp"),
      inventorySword("Textures/inventorySword.bmp"), inventoryRich("Textures/inventoryRichTexture.bmp"),
      princessDisplay("Textures/princessDisplay.bmp") {}

InventoryScreen::~InventoryScreen() {}

void InventoryScreen::setHero(Hero* hero) {
    assert(hero && "hero");
    this->hero = hero;
}

void InventoryScreen::setSound(Sounds* sounds) {
    this->sounds = sounds;
    itemCollection.setSound(sounds);
}

void InventoryScreen::setDisplayObject(StaticObject* object) { itemCollection.setDisplayObject(object); }

void InventoryScreen::cycleItem(bool left) { itemCollection.cycleItem(left); }

void InventoryScreen::addItem(HoldableItem* item) {
    assert(item && "item");
    itemCollection.addItem(item);
}

void InventoryScreen::removeItemOfType(int type) { itemCollection.removeItemOfType(type); }

HoldableItem* InventoryScreen::equipOrUse(TexturesMeshes* texMesh) {
    HoldableItem* item = itemCollection.getCurrentObject();
    assert(item && "item");
    StaticObject* toEnable = item->getStaticObject();
    assert(toEnable && "toEnable");
    assert(hero && "hero");
    assert(texMesh && "texMesh");
    assert(sounds && "sounds");
    if (item->isEquippable()) {
        item->useOrEquip(hero, texMesh, sounds);
        // Worn items leave the carousel's ring; taken off, they come back.
        toEnable->setEnabledDrawing(!toEnable->isEnabledDrawing());
        return nullptr;
    }
    if (item->isConsumable()) {
        item->useOrEquip(hero, texMesh, sounds);
        itemCollection.removeCurrentItem();
        return item;
    }
    itemCollection.toggleZoom();
    return nullptr;
}

Texture* InventoryScreen::descriptionOf(int itemType) {
    switch (itemType) {
    case ITEM_VIAL:
        return &inventoryVial;
    case ITEM_REGEN_RING:
        return &inventoryRingRegen;
    case ITEM_GAUNTLETS:
        return &inventoryGauntlets;
    case ITEM_BOOTS:
        return &inventoryBoots;
    case ITEM_HELMET:
        return &inventoryHelmet;
    case ITEM_ONE_RING:
        return &inventoryOneRing;
    case ITEM_COMPASS:
        return &inventoryCompass;
    case ITEM_MAP:
        return &inventoryMap;
    case ITEM_SWORD:
        return &inventorySword;
    case ITEM_RICH:
        return &inventoryRich;
    case ITEM_PRINCESS:
        return &princessDisplay;
    default:
        return nullptr;
    }
}

void InventoryScreen::draw(Hero* hero) {
    gluLookAt(0.0, 0.0, 0.0, 0.0, 0.0, -1.0, 0.0, 1.0, 0.0);
    assert(hero && "hero");
    itemCollection.draw(hero->getGold());
    glEnable(GL_DEPTH_TEST);
    hero->drawRotatingAt(Vector3D(-3.0f, 2.0f, -15.0f), 0.0f);
    HoldableItem* item = itemCollection.getCurrentObject();
    if (item) {
        Texture* picture = descriptionOf(item->itemType);
        if (picture) {
            ItemCollection::drawDescription(*picture);
        }
    }
}
