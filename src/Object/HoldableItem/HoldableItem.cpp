#include "Object/HoldableItem/HoldableItem.h"

#include <cassert>
#include <cstddef>

#include "Mesh/Mesh.h"
#include "Object/Character/ForestSpirit/Hero/Hero.h"
#include "Object/StaticObject/StaticObject.h"
#include "OpenGL/OpenGL.h"
#include "Sounds/Sounds.h"
#include "TexturesMeshes/TexturesMeshes.h"

const float VIAL_HEALTH = 50.0f;
const float GAUNTLETS_MISSILE_FACTOR = 1.6f;
const float BOOTS_JUMP_FACTOR = 1.4f;
const float HELMET_ARMOR = 200.0f;
const float REGEN_RING_REGEN = 0.03f;
// What the hero has without the items.
const float PLAIN_FACTOR = 1.0f;
const float PLAIN_ARMOR = 100.0f;
const float PLAIN_REGEN = 0.004f;

HoldableItem::HoldableItem(bool equippable, bool consumable, bool isMoney, int itemType)
    : itemType(itemType), price(0), isMoney(isMoney), equipped(false), equippable(equippable),
      consumable(consumable), object(nullptr), displayScale(1.0f), inventoryScale(1.0f) {
    assert(!(equippable && consumable));
}

HoldableItem::~HoldableItem() { delete object; }

void HoldableItem::useOrEquip(Hero* hero, TexturesMeshes* texturesMeshes, Sounds* sounds) {
    if (itemType == ITEM_ONE_RING) {
        return;
    }
    if (equippable && !equipped) {
        equipped = true;
        if (sounds) sounds->playGetItem(1);
        switch (itemType) {
        case ITEM_GAUNTLETS:
            hero->setArmTexture(texturesMeshes->armourTexture);
            hero->setMissileConstant(GAUNTLETS_MISSILE_FACTOR);
            break;
        case ITEM_BOOTS:
            hero->setLegTexture(texturesMeshes->feathersTexture);
            hero->setJumpConstant(BOOTS_JUMP_FACTOR);
            break;
        case ITEM_HELMET:
            hero->toggleDrawingBodyMesh(false);
            if (texturesMeshes->helmetMesh) texturesMeshes->helmetMesh->enableDrawing(true);
            hero->setArmor(HELMET_ARMOR);
            break;
        case ITEM_REGEN_RING:
            hero->setHealthRegen(REGEN_RING_REGEN);
            break;
        default:
            break;
        }
    } else if (equippable && equipped) {
        equipped = false;
        if (sounds) sounds->playUnequip(1);
        switch (itemType) {
        case ITEM_GAUNTLETS:
            hero->setArmTexture(nullptr);
            hero->setMissileConstant(PLAIN_FACTOR);
            break;
        case ITEM_BOOTS:
            hero->setLegTexture(nullptr);
            hero->setJumpConstant(PLAIN_FACTOR);
            break;
        case ITEM_HELMET:
            hero->toggleDrawingBodyMesh(true);
            if (texturesMeshes->helmetMesh) texturesMeshes->helmetMesh->enableDrawing(false);
            hero->setArmor(PLAIN_ARMOR);
            break;
        case ITEM_REGEN_RING:
            hero->setHealthRegen(PLAIN_REGEN);
            break;
        default:
            break;
        }
    } else if (consumable && itemType == ITEM_VIAL) {
        if (sounds) sounds->playHeal(1);
        // The hero's frame caps it at the maximum.
        hero->addHealth(VIAL_HEALTH);
    }
}

void HoldableItem::drawLook(Vector3D p, float scale, float angle, bool inInventory) {
    assert(object != nullptr && "object != NULL");
    // The look draws itself at its own position: cancel that, so that it
    // stands at p and grows or shrinks about p.
    Vector3D own = object->getPosition();
    glPushMatrix();
    glTranslatef(p.x, p.y, p.z);
    glRotatef(angle, 0.0f, 1.0f, 0.0f);
    glScalef(scale, scale, scale);
    glTranslatef(-own.x, -own.y, -own.z);
    if (inInventory) {
        object->drawInInventory();
    } else {
        object->draw();
    }
    glPopMatrix();
}

// The world uses the display scale too, as the heads-up display does: the
// item on the ground and its signal are the same size.
void HoldableItem::draw() { drawLook(position, displayScale, 0.0f, false); }

void HoldableItem::drawAtPosition(Vector3D* p) { drawLook(*p, displayScale, 0.0f, false); }

// A worn item leaves the carousel. Its look's drawing flag cannot say so: the
// meshes are shared (the helmet's with the hero's own, whose shop item
// starts switched off), and the carousel draws meshes whatever their flags.
void HoldableItem::drawRotating(float angle) {
    if (equipped) return;
    drawLook(position, inventoryScale, angle, true);
}

void HoldableItem::setStaticObject(StaticObject* object) {
    assert(this->object == nullptr && "this->object == NULL");
    this->object = object;
    equipped = false;
}

StaticObject* HoldableItem::getStaticObject() { return object; }

void HoldableItem::setEnabledDrawing(bool enabled) {
    if (object) {
        object->setEnabledDrawing(enabled);
    }
}

bool HoldableItem::getIsMoney() { return isMoney; }

bool HoldableItem::isEquippable() { return equippable; }

bool HoldableItem::isConsumable() { return consumable; }

int HoldableItem::getValue() { return price; }

void HoldableItem::setPrice(int price) { this->price = price; }

void HoldableItem::setDisplayScale(float scale) { displayScale = scale; }

void HoldableItem::setinventoryScale(float scale) { inventoryScale = scale; }

void HoldableItem::buy(Hero*) {}
