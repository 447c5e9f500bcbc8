#ifndef HERO_H
#define HERO_H

#include "Object/Character/ForestSpirit/ForestSpirit.h"

class Controller;

// The player's figure. Minimal for now: the stats are kept, but the frame
// update (walking, turning, gravity) comes with the hero's controls.
class Hero : public ForestSpirit {
public:
    Hero();
    virtual ~Hero();

    // One frame of the hero. Minimal for now: the hero stands still.
    void updateHero(bool active, bool* keys, float mouseDx, float mouseDy, Controller* controller);
    // Never the hero's own position or eye; otherwise the body (1.65) or the
    // eye (1.33) within reach, heights ignored.
    bool doesSphereCollide(Vector3D* centre, float radius) override;

    int getGold();
    void setGold(int gold);
    void incrementFame();
    int getFame();
    float getHealth();

protected:
    int gold;
    float health;
    float jumpConstant;
    float walkConstant;
    float missileConstant;
    float healthRegen;
    float armor;
    int fame;
};

#endif
