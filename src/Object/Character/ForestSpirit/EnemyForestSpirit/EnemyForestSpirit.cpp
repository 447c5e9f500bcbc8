#include "Object/Character/ForestSpirit/EnemyForestSpirit/EnemyForestSpirit.h"

#include "Mesh/Mesh.h"

EnemyForestSpirit::EnemyForestSpirit() : timesHit(0), isBoss(false), aggressive(false) {}

EnemyForestSpirit::~EnemyForestSpirit() {}

void EnemyForestSpirit::update(Controller*) {}

void EnemyForestSpirit::setIsBoss(bool boss) { isBoss = boss; }

bool EnemyForestSpirit::getIsBoss() { return isBoss; }

void EnemyForestSpirit::setAggresive(bool aggressive) { this->aggressive = aggressive; }

bool EnemyForestSpirit::getAggressive() { return aggressive; }

int EnemyForestSpirit::incrementTimesHit() { return ++timesHit; }

Texture* EnemyForestSpirit::getTexture() { return bodyMesh ? bodyMesh->getTexture() : nullptr; }
