#include "Object/Character/ForestSpirit/Hero/Hero.h"

static float flatDistance(Vector3D a, Vector3D b) {
    a.y = 0.0f;
    b.y = 0.0f;
    return a.subtract(&b).getLength();
}

Hero::Hero()
    : gold(5), health(100.0f), jumpConstant(1.0f), walkConstant(1.0f), missileConstant(1.0f), healthRegen(0.004f),
      armor(100.0f), fame(0) {}

Hero::~Hero() {}

void Hero::updateHero(bool, bool*, float, float, Controller*) {}

bool Hero::doesSphereCollide(Vector3D* centre, float radius) {
    Vector3D offset = getEyeOffset();
    Vector3D eye = position.add(&offset);
    if (centre->equals(&position) || centre->equals(&eye)) {
        return false;
    }
    return flatDistance(*centre, position) <= radius + 1.65f || flatDistance(*centre, eye) <= (radius + 0.33f) + 1.0f;
}

int Hero::getGold() { return gold; }

void Hero::setGold(int gold) { this->gold = gold; }

void Hero::incrementFame() { fame++; }

int Hero::getFame() { return fame; }

float Hero::getHealth() { return health; }
