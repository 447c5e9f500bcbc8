#include "Object/Character/ForestSpirit/Hero/Hero.h"

#include <SDL.h>

#include <cassert>

#include "Controller/Controller.h"
#include "Mesh/Mesh.h"
#include "Object/HeightMap/HeightMap.h"
#include "Object/Missile/Missile.h"
#include "Object/StaticObject/StaticObject.h"
#include "OpenGL/OpenGL.h"
#include "Sounds/Sounds.h"

const float WALK_STEP = 0.5f;
const float BACK_STEP = -0.3f;
const float STRAFE_STEP = 0.2f;
const float TURN_STEP = 0.01f;
const float EYE_REACH = 0.33f + 1.0f;
const float BODY_GROUND_RADIUS = 1.0f;
const float PUSH_BACK = 2.0f;
const float LEVEL_PUSH_BACK = 0.001f;

static float flatDistance(Vector3D a, Vector3D b) {
    a.y = 0.0f;
    b.y = 0.0f;
    return a.subtract(&b).getLength();
}

Hero::Hero()
    : gold(5), health(100.0f), jumpConstant(1.0f), walkConstant(1.0f), missileConstant(1.0f), healthRegen(0.004f),
      armor(100.0f), lastMoveResult(false), bumped(false), bumpFrames(0), fame(0) {}

Hero::~Hero() {}

Vector3D Hero::eyePoint() {
    Vector3D offset = getEyeOffset();
    return position.add(&offset);
}

void Hero::pushBack(float distance) {
    Vector3D push = flatView().multiply(-1.0);
    push.setLength(distance);
    moveBy(push);
}

void Hero::bump() {
    bumped = true;
    bumpFrames = HERO_BUMP_FRAMES;
}

// ---- the frame

void Hero::updateHero(bool active, bool* keys, float dx, float dy, Controller* controller) {
    if (bumped) {
        bumpFrames -= 1;
        if (bumpFrames < 0) {
            bumped = false;
        }
    }
    if (position.y <= HERO_GAME_OVER_HEIGHT) {
        controller->gameOver();
    }
    if (position.y <= HERO_FREE_VIEW_HEIGHT) {
        controller->setFreeViewMode();
    }
    if (health <= 0) {
        controller->gameOver();
    }
    if (heightMap == nullptr) {
        applyGravity(controller);
        if (active && !bumped) {
            applyUserInput(keys, dx, dy, controller);
        }
    } else if (active) {
        applyUserInput(keys, dx, dy, controller);
    }
    updateArmsAndLegs();
    health += healthRegen;
    if (health > armor) {
        health = armor;
    }
}

void Hero::applyUserInput(bool* keys, float dx, float dy, Controller* controller) {
    Snapshot snapshot = takeSnapshot();
    // Each axis's turn waits for motion on the other axis.
    if (dy != 0) {
        tiltLeftRight(dx / 1000);
    }
    if (dx != 0) {
        tiltUpDown(dy / 1000);
    }
    lastMoveResult = moveUsingKey(keys);
    Vector3D eye = eyePoint();

    if (controller->getCollidingHeightMap(&eye, SPIRIT_EYE_RADIUS)) {
        restoreSnapshot(snapshot);
        velocity.clear();
        // Against a wall from a level step the hero only just backs off.
        pushBack(position.y == lastGroundY ? LEVEL_PUSH_BACK : PUSH_BACK);
        bump();
        heightMap = nullptr;
    } else if (controller->doesSphereCollideWithObject(&eye, SPIRIT_EYE_RADIUS) ||
               controller->doesSphereCollideWithObject(&position, SPIRIT_BODY_RADIUS)) {
        restoreSnapshot(snapshot);
        bump();
        velocity.x = 0.0f;
        velocity.z = 0.0f;
    } else if (controller->getCollidingHeightMap(&position, BODY_GROUND_RADIUS)) {
        restoreSnapshot(snapshot);
        velocity.clear();
    } else {
        if (!controller->checkAndProcessCollidingIslandPortal(&position, SPIRIT_BODY_RADIUS)) {
            controller->checkAndProcessCollidingIslandPortal(&eye, SPIRIT_SMALL_EYE_RADIUS);
        }
        applyLocalPortalCollisions(controller);
    }
}

void Hero::applyGravity(Controller* controller) {
    Snapshot snapshot = fallOneStep();
    applyLocalPortalCollisions(controller);
    if (landIfGrounded(snapshot, controller)) {
        bumped = false;
        return;
    }
    Vector3D eye = eyePoint();
    heightMap = controller->getCollidingHeightMap(&eye, SPIRIT_EYE_RADIUS);
    if (heightMap) {
        restoreSnapshot(snapshot);
        velocity.clear();
        forcePositionAboveGround();
        pushBack(PUSH_BACK);
        bump();
        return;
    }
    if (controller->getCollidingForestSpirit(&position, SPIRIT_BODY_RADIUS)) {
        restoreSnapshot(snapshot);
        velocity.clear();
        pushBack(PUSH_BACK);
        bump();
        return;
    }
    if (controller->doesSphereCollideWithObject(&eye, SPIRIT_EYE_RADIUS)) {
        restoreSnapshot(snapshot);
        velocity.x = 0.0f;
        velocity.z = 0.0f;
        bump();
    }
}

void Hero::applyLocalPortalCollisions(Controller* controller) {
    if (passThroughLocalPortals(controller) && sounds) {
        sounds->playEnterPortal(1);
    }
}

// ---- controls

bool Hero::moveUsingKey(bool* keys) {
    assert(keys && "key");
    if (keys[SDLK_SPACE] && !jumpKeyLatch && heightMap) {
        jumpKeyLatch = true;
        if (!jumping) {
            jumping = true;
            if (sounds) {
                sounds->playJump(1);
            }
        }
    }
    bool turning = false;
    if (keys[SDLK_RIGHT]) {
        tiltLeftRight(TURN_STEP);
        turning = true;
    }
    if (keys[SDLK_LEFT]) {
        tiltLeftRight(-TURN_STEP);
        turning = true;
    }
    if (keys[SDLK_UP]) {
        tiltUpDown(-TURN_STEP);
    }
    if (keys[SDLK_DOWN]) {
        tiltUpDown(TURN_STEP);
    }
    bool forward = keys[SDLK_w], left = keys[SDLK_a], back = keys[SDLK_s], right = keys[SDLK_d];
    if (forward) {
        moveStraight(WALK_STEP * walkConstant);
    }
    if (left) {
        strafeLeftRight(STRAFE_STEP * walkConstant);
    }
    if (back) {
        moveStraight(BACK_STEP * walkConstant);
    }
    if (right) {
        strafeLeftRight(-STRAFE_STEP * walkConstant);
    }
    if (back) {
        movingBackward = true;
    } else if (right) {
        strafingRight = true;
    } else if (left) {
        strafingLeft = true;
    }
    return back && !turning && !forward && !left && !right;
}

void Hero::moveStraight(float amount) {
    if (heightMap == nullptr) {
        Vector3D step = getViewDirection();
        step.setLength(amount);
        moveBy(step);
        return;
    }
    float foot = position.y - SPIRIT_FOOT_HEIGHT;
    movingForward = true;
    Vector3D h = flatView();
    Vector3D probe = position.add(&h);
    float ground = heightMap->getHeight(probe.x, probe.z);
    if (ground == UNDEFINED_HEIGHT) {
        heightMap = nullptr;
        moveBy(h);
        return;
    }
    float rise = ground - foot;
    if (rise < 0) {
        h.setLength(1.0);
        moveBy(h);
        heightMap = nullptr;
    } else if (rise < SPIRIT_MAX_FORWARD_RISE) {
        h.setLength(amount);
        moveBy(h);
        forcePositionAboveGround();
        lastGroundY = position.y;
        heightMap = nullptr;
    }
}

void Hero::moveUsingMouse(float dx, float dy) {
    if (dy != 0) {
        tiltLeftRight(dx / 1000);
    }
    if (dx != 0) {
        tiltUpDown(dy / 1000);
    }
}

void Hero::hitHeightMap(Controller*&) {
    forcePositionAboveGround();
    bumped = false;
}

// ---- hits

bool Hero::doesSphereCollide(Vector3D* centre, float radius) {
    Vector3D eye = eyePoint();
    if (centre->equals(&position) || centre->equals(&eye)) {
        return false;
    }
    return flatDistance(*centre, position) <= radius + SPIRIT_BODY_RADIUS ||
           flatDistance(*centre, eye) <= (radius + 0.33f) + 1.0f;
}

bool Hero::checkIfMissileCollides(Missile* missile, bool takeDamage) {
    Vector3D missilePosition = missile->getPosition();
    bool hit = position.subtract(&missilePosition).getLength() < HERO_MISSILE_HIT_DISTANCE;
    if (hit && takeDamage) {
        health -= HERO_MISSILE_DAMAGE;
    }
    return hit;
}

void Hero::setMissilePositionAndVel() {
    Vector3D view = getViewDirection();
    view.setLength(2.0);
    missileInHand->setPosition(position.add(&view));
    Vector3D speed = getViewDirection();
    speed.setLength(1.3 * missileConstant);
    missileInHand->setVelocity(speed);
    if (sounds) {
        sounds->playShoot(1);
    }
}

void Hero::jump() {
    Vector3D impulse(0.0f, SPIRIT_JUMP_SPEED * jumpConstant, 0.0f);
    velocity = velocity.add(&impulse);
    heightMap = nullptr;
    jumping = false;
    jumpCounter = 0;
}

void Hero::drawRotatingAt(Vector3D point, float angle) {
    glPushMatrix();
    glTranslatef(point.x, point.y, point.z);
    armsLegs.drawRotating(this, (int)angle);
    glRotatef(angle, 0.0f, 1.0f, 0.0f);
    if (drawBodyMesh) {
        if (bodyMesh) {
            bodyMesh->draw();
        }
        if (eyesMesh) {
            eyesMesh->draw();
        }
    }
    extras->draw();
    glPopMatrix();
}

// ---- statistics

double Hero::getLifeFraction() { return (double)health / armor; }

int Hero::getGold() { return gold; }

void Hero::setGold(int gold) { this->gold = gold; }

void Hero::addHealth(float amount) { health += amount; }

float Hero::getHealth() { return health; }

void Hero::setArmor(float armor) {
    this->armor = armor;
    health = armor;
}

void Hero::setHealthRegen(float regen) { healthRegen = regen; }

void Hero::setJumpConstant(float factor) { jumpConstant = factor; }

void Hero::setWalkConstant(float factor) { walkConstant = factor; }

void Hero::setMissileConstant(float factor) { missileConstant = factor; }

void Hero::incrementFame() { fame++; }

int Hero::getFame() { return fame; }

void Hero::setLegTexture(Texture* texture) { armsLegs.setlegTexture(texture); }

void Hero::setArmTexture(Texture* texture) { armsLegs.setArmTexture(texture); }
