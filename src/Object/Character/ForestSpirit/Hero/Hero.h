#ifndef HERO_H
#define HERO_H

#include "Object/Character/ForestSpirit/ForestSpirit.h"

// The player's figure. Minimal for now: stats and controls come later.
class Hero : public ForestSpirit {
public:
    Hero();
    virtual ~Hero();
};

#endif
