#ifndef HERO_H
#define HERO_H

#include "Object/Character/ForestSpirit/ForestSpirit.h"

class Controller;
class Missile;
class Texture;

const int HERO_BUMP_FRAMES = 20;
const float HERO_MISSILE_HIT_DISTANCE = 2.15f;
const float HERO_MISSILE_DAMAGE = 20.0f;
// Below these heights the camera lets the hero go, and the game ends.
const float HERO_FREE_VIEW_HEIGHT = -20.0f;
const float HERO_GAME_OVER_HEIGHT = -400.0f;

// The player's figure: a spirit with the player's statistics, steered by
// the held keys and the mouse once a frame.
class Hero : public ForestSpirit {
public:
    Hero();
    virtual ~Hero();

    // One frame: bump, fall limits, gravity or input, limbs, regeneration.
    // `active` is false while the camera is detached from the hero.
    void updateHero(bool active, bool* keys, float dx, float dy, Controller* controller);
    void applyUserInput(bool* keys, float dx, float dy, Controller* controller);
    void applyGravity(Controller* controller);
    void applyLocalPortalCollisions(Controller* controller);

    // Reads the held keys; true only when s alone moved the hero.
    bool moveUsingKey(bool* keys);
    // The hero's own ground step: it re-stands the hero after each step.
    void moveStraight(float amount);
    void moveUsingMouse(float dx, float dy);
    void hitHeightMap(Controller*& controller);

    // Never the hero's own position or eye; otherwise the body (1.65) or the
    // eye (1.33) within reach, heights ignored.
    bool doesSphereCollide(Vector3D* centre, float radius) override;
    // Strictly within 2.15 of the position; a hit with damage costs 20.
    bool checkIfMissileCollides(Missile* missile, bool takeDamage);
    void setMissilePositionAndVel() override;
    void jump() override;
    void drawRotatingAt(Vector3D point, float angle);

    double getLifeFraction();
    int getGold();
    void setGold(int gold);
    void addHealth(float amount);
    float getHealth();
    void setArmor(float armor);
    void setHealthRegen(float regen);
    void setJumpConstant(float factor);
    void setWalkConstant(float factor);
    void setMissileConstant(float factor);
    void incrementFame();
    int getFame();
    void setLegTexture(Texture* texture);
    void setArmTexture(Texture* texture);
    bool isBumped() { return bumped; }

protected:
    int gold;
    float health;
    float jumpConstant;
    float walkConstant;
    float missileConstant;
    float healthRegen;
    float armor;
    bool lastMoveResult;
    bool bumped;
    int bumpFrames;
    int fame;

private:
    Vector3D eyePoint();
    // Back off 2.0 (or `distance`) against the flattened view.
    void pushBack(float distance);
    void bump();
};

#endif
