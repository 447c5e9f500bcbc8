#ifndef ENEMYFORESTSPIRIT_H
#define ENEMYFORESTSPIRIT_H

#include "Object/Character/ForestSpirit/ForestSpirit.h"

class Controller;

// An enemy or allied spirit. Minimal for now: wandering, chasing and
// shooting come with the spirits.
class EnemyForestSpirit : public ForestSpirit {
public:
    EnemyForestSpirit();
    virtual ~EnemyForestSpirit();

    void update(Controller* controller);
};

#endif
