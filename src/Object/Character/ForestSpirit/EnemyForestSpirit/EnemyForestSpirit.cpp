#include "Object/Character/ForestSpirit/EnemyForestSpirit/EnemyForestSpirit.h"

#include <cassert>
#include <cmath>

#include "Controller/Controller.h"
#include "GeneralMath/GeneralMath.h"
#include "Mesh/Mesh.h"
#include "Object/HeightMap/HeightMap.h"
#include "Object/Missile/FireBallMissile/FireBallMissile.h"
#include "Object/Missile/Missile.h"

EnemyForestSpirit::EnemyForestSpirit()
    : timesHit(0), isBoss(false), aggressive(false), hasPath(false), pauseCounter(0), strafeSide(false) {}

// Killed in the middle of a throw: the fire ball in the hand dies with the
// spirit rather than flying at the hero from where it fell. The controller
// owns it and destroys it at the end of its missile step.
EnemyForestSpirit::~EnemyForestSpirit() {
    if (missileInHand && !missileInHand->getLaunched()) {
        missileInHand->setDropped(true);
    }
}

void EnemyForestSpirit::update(Controller* controller) {
    if (heightMap) {
        moveEnemy(controller);
        applyLocalPortalCollisions(controller);
    } else {
        applyGravity(controller);
        // The pause only runs out on the ground.
        if (pauseCounter <= 0) {
            shootAtHero(controller);
        }
    }
    updateArmsAndLegs();
    // Once launched, the missile is the controller's to retire: forget it
    // now, while it surely still exists.
    if (missileInHand && missileInHand->getLaunched()) {
        clearMissileInHand();
    }
}

void EnemyForestSpirit::moveEnemy(Controller* controller) {
    if (pauseCounter > 0) {
        pauseCounter -= 1;
        return;
    }
    HeightMap* currentHeightMap = controller->getCurrentHeightMap();
    Vector3D heroPosition = controller->getHero()->getPosition();
    Vector3D toHero = heroPosition.subtract(&position);
    float distance = toHero.getLength();

    // The controller answers 99999 without an open portal.
    if (controller->getDistanceToLocalPortal(&position) < ENEMY_CHASE_PORTAL_DISTANCE && aggressive) {
        // Looking straight up or down would leave no way to face: keep the
        // old view then.
        if (toHero.x != 0.0f || toHero.z != 0.0f) {
            Vector3D look = toHero;
            look.setLength(1.0);
            center = position.add(&look);
        }
        hasPath = true;
        wayPoints.clear();
        wayPoints.push_back(heroPosition);
    }
    shootAtHero(distance, toHero, controller, heroPosition);
    if (pauseCounter > 0) {
        return;
    }
    applyMovement(currentHeightMap, controller);
}

void EnemyForestSpirit::shootAtHero(Controller* controller) {
    Vector3D heroPosition = controller->getHero()->getPosition();
    Vector3D toHero = heroPosition.subtract(&position);
    shootAtHero(toHero.getLength(), toHero, controller, heroPosition);
}

void EnemyForestSpirit::shootAtHero(float distance, Vector3D toHero, Controller* controller,
                                    Vector3D heroPosition) {
    if (!aggressive) {
        return;
    }
    Vector3D view = getViewDirection();
    float angle = toHero.getAngleBetween(&view);
    // The sentinel comes from rounding on parallel vectors: dead ahead.
    if (angle == ANGLE_UNDEFINED) {
        angle = 0.0f;
    }
    if (!(distance < ENEMY_NEAR_DISTANCE || (distance < ENEMY_VIEW_DISTANCE && angle < ENEMY_VIEW_ANGLE))) {
        return;
    }
    Vector3D flat(toHero.x, 0.0f, toHero.z);
    float flatLength = flat.getLength();
    int roll = GeneralMath::getRandomNumber(0, 100);
    if (roll <= 4) {
        if (heightMap) {
            jumping = true;
        }
        return;
    }
    // With the hero straight above or below there is nothing to face or aim
    // at horizontally: no turn and no throw this time.
    if (flatLength == 0.0f) {
        return;
    }
    if (roll <= 74) {
        int sideRoll = GeneralMath::getRandomNumber(0, 100);
        Vector3D face = flat;
        face.setLength(1.0);
        center = position.add(&face);
        if (sideRoll <= 9) {
            strafeSide = !strafeSide;
        }
        return;
    }
    double pitch = std::atan(toHero.y / flatLength) + ENEMY_AIM_RAISE;
    Vector3D side = flat.rotateAroundYAxis(-M_PI / 2.0);
    Vector3D aim = flat.rotateAroundVector(pitch, &side);
    hasPath = true;
    wayPoints.clear();
    wayPoints.push_back(heroPosition);
    aim.setLength(1.0);
    center = position.add(&aim);
    FireBallMissile* missile = nullptr;
    fireFireBallMissile(missile);
    // The controller owns it from now on, still in the hand.
    controller->addMissile(missile);
    pauseCounter = ENEMY_PAUSE_FRAMES;
}

void EnemyForestSpirit::applyMovement(HeightMap* currentHeightMap, Controller* controller) {
    Snapshot snapshot = takeSnapshot();
    walkOnPath(currentHeightMap, controller);
    if (controller->doesSphereCollideWithObject(&position, SPIRIT_BODY_RADIUS)) {
        restoreSnapshot(snapshot);
        velocity.clear();
        pauseCounter = ENEMY_PAUSE_FRAMES;
        hasPath = false;
    }
}

void EnemyForestSpirit::walkOnPath(HeightMap* currentHeightMap, Controller* controller) {
    if (!hasPath) {
        choseNewDestination();
    }
    assert(!wayPoints.empty() && "!wayPoints.empty()");
    Vector3D toPoint = wayPoints.front().subtract(&position);
    if (toPoint.getLength() < ENEMY_ARRIVAL_DISTANCE) {
        wayPoints.erase(wayPoints.begin());
        hasPath = !wayPoints.empty();
        if (!hasPath) {
            return;
        }
        // The rest of this frame still heads for the point just reached.
    }
    toPoint.y = 0.0f;
    // A point straight above or below: no way to face it.
    if (toPoint.getLength() == 0.0f) {
        hasPath = false;
        return;
    }
    toPoint.setLength(1.0);
    center = position.add(&toPoint);

    float foot = position.y - SPIRIT_FOOT_HEIGHT;
    Vector3D view = getViewDirection();
    Vector3D ahead(view.x, 0.0f, view.z);
    Vector3D probe = position.add(&ahead);
    float ground = currentHeightMap->getHeight(probe.x, probe.z);
    // Missing ground (-50) stops it too.
    if (ground < foot - ENEMY_LEVEL_TOLERANCE || ground > foot + ENEMY_LEVEL_TOLERANCE) {
        hasPath = false;
        return;
    }

    Vector3D step = ahead;
    step.setLength(ENEMY_OBSTACLE_PROBE);
    probe = position.add(&step);
    if (controller->doesSphereCollideWithObject(&probe, SPIRIT_BODY_RADIUS)) {
        // Round it: a point to the side, then the corner beyond it. The path
        // is one destination behind the detour points, and a detour replaces
        // the one not walked yet: boxed in, a spirit is blocked every frame,
        // and each frame's detour would leave a point behind for good.
        wayPoints.erase(wayPoints.begin(), wayPoints.end() - 1);
        Vector3D side = step.rotateAroundYAxis(M_PI / 2.0);
        Vector3D sidePoint = position.add(&side);
        Vector3D cornerPoint = sidePoint.add(&step);
        wayPoints.insert(wayPoints.begin(), sidePoint);
        wayPoints.insert(wayPoints.begin(), cornerPoint);
        return;
    }
    moveStraight(ENEMY_WALK_STEP);
}

void EnemyForestSpirit::choseNewDestination() {
    double distance = GeneralMath::getRandomNumber(0, 5000) / 100.0;
    float angle = (float)(GeneralMath::getRandomNumber(0, 628) / 100.0);
    Vector3D offset = Vector3D(0.0f, 0.0f, (float)distance).rotateAroundYAxis(angle);
    Vector3D target = position.add(&offset);
    wayPoints.clear();
    wayPoints.push_back(target);
    hasPath = true;
}

void EnemyForestSpirit::createAStarPathToHero(Vector3D* target, Controller*) {
    hasPath = true;
    wayPoints.clear();
    wayPoints.push_back(*target);
}

void EnemyForestSpirit::strafeAroundObstacle(Controller* controller) {
    Snapshot snapshot = takeSnapshot();
    strafeLeftRight(strafeSide ? -0.5f : 0.5f);
    if (controller->doesSphereCollideWithObject(&position, SPIRIT_BODY_RADIUS)) {
        restoreSnapshot(snapshot);
        velocity.clear();
        pauseCounter = ENEMY_PAUSE_FRAMES;
        hasPath = false;
    }
}

void EnemyForestSpirit::setIsBoss(bool boss) { isBoss = boss; }

bool EnemyForestSpirit::getIsBoss() { return isBoss; }

void EnemyForestSpirit::setAggresive(bool aggressive) { this->aggressive = aggressive; }

bool EnemyForestSpirit::getAggressive() { return aggressive; }

int EnemyForestSpirit::incrementTimesHit() { return ++timesHit; }

Texture* EnemyForestSpirit::getTexture() { return bodyMesh ? bodyMesh->getTexture() : nullptr; }
