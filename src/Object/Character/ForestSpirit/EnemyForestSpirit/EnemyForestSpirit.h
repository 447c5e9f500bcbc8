#ifndef ENEMYFORESTSPIRIT_H
#define ENEMYFORESTSPIRIT_H

#include "Object/Character/ForestSpirit/ForestSpirit.h"

class Controller;
class Texture;

// An enemy (aggressive) or allied spirit, or the boss. Minimal for now:
// wandering, chasing and shooting come with the spirits; the island sets the
// side and counts the boss's hits.
class EnemyForestSpirit : public ForestSpirit {
public:
    EnemyForestSpirit();
    virtual ~EnemyForestSpirit();

    void update(Controller* controller);

    void setIsBoss(bool boss);
    bool getIsBoss();
    void setAggresive(bool aggressive);
    bool getAggressive();
    // The new count.
    int incrementTimesHit();
    // The texture of the body mesh, or null without one.
    Texture* getTexture();

protected:
    int timesHit;
    bool isBoss;
    bool aggressive;
};

#endif
