#include "Object/Character/ForestSpirit/EnemyForestSpirit/EnemyForestSpirit.h"

EnemyForestSpirit::EnemyForestSpirit() {}

EnemyForestSpirit::~EnemyForestSpirit() {}

void EnemyForestSpirit::update(Controller*) {}
