#ifndef ENEMYFORESTSPIRIT_H
#define ENEMYFORESTSPIRIT_H

#include <vector>

#include "Object/Character/ForestSpirit/ForestSpirit.h"
#include "Vector3D/Vector3D.h"

class Controller;
class HeightMap;
class Texture;

// Walking speed, arrival radius and the slope a spirit keeps to.
const float ENEMY_WALK_STEP = 0.2f;
const float ENEMY_ARRIVAL_DISTANCE = 13.0f;
const float ENEMY_LEVEL_TOLERANCE = 0.1f;
const float ENEMY_OBSTACLE_PROBE = 3.0f;
// An enemy acts on a hero this close, or this far within its view cone.
const float ENEMY_NEAR_DISTANCE = 30.0f;
const float ENEMY_VIEW_DISTANCE = 50.0f;
const double ENEMY_VIEW_ANGLE = 1.0471975511965976;
// It chases only near an open local portal.
const float ENEMY_CHASE_PORTAL_DISTANCE = 40.0f;
const double ENEMY_AIM_RAISE = 0.1;
const int ENEMY_PAUSE_FRAMES = 20;

// An enemy (aggressive) or allied spirit, or the boss. The island creates
// it, picks its side and calls update once a frame. Both sides wander to
// random points of the island; an enemy also chases the hero near an open
// local portal and jumps, turns or throws fire balls when the hero is close
// or in front of it.
class EnemyForestSpirit : public ForestSpirit {
public:
    EnemyForestSpirit();
    virtual ~EnemyForestSpirit();

    // One frame: walking and deciding on the ground, or falling (and
    // deciding) in the air; then the limbs.
    void update(Controller* controller);

    void setIsBoss(bool boss);
    bool getIsBoss();
    void setAggresive(bool aggressive);
    bool getAggressive();
    // The new count.
    int incrementTimesHit();
    // The texture of the body mesh, or null without one.
    Texture* getTexture();

    void moveEnemy(Controller* controller);
    // Jump, turn or throw, by a roll out of 100, when the hero is near
    // enough; allies never act.
    void shootAtHero(float distance, Vector3D toHero, Controller* controller, Vector3D heroPosition);
    void shootAtHero(Controller* controller);
    // Walks on; a step into an object is taken back and costs a pause.
    void applyMovement(HeightMap* heightMap, Controller* controller);
    void walkOnPath(HeightMap* heightMap, Controller* controller);
    // A random point within 50, at the spirit's own height.
    void choseNewDestination();
    // Present for path finding; nothing calls it.
    void createAStarPathToHero(Vector3D* target, Controller* controller);
    // A side step that is taken back in an object; nothing calls it.
    void strafeAroundObstacle(Controller* controller);

protected:
    int timesHit;
    bool isBoss;
    bool aggressive;
    // Points still to walk to; the first is the current target.
    std::vector<Vector3D> wayPoints;
    // False makes the next walk choose a new destination.
    bool hasPath;
    // Frames in which the spirit neither walks nor shoots.
    int pauseCounter;
    // Which side strafeAroundObstacle steps to.
    bool strafeSide;
};

#endif
