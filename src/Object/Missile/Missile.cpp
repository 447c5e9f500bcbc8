#include "Object/Missile/Missile.h"

Missile::Missile() : launched(false), texture(nullptr) {}

Missile::~Missile() {}

void Missile::draw() {}

void Missile::move(Controller*) {}

bool Missile::isAlphaPortalMissile() { return false; }

bool Missile::isBetaPortalMissile() { return false; }

bool Missile::getLaunched() { return launched; }

Vector3D Missile::getVelocity() { return velocity; }

void Missile::setTexture(Texture* texture) { this->texture = texture; }

bool Missile::isOffBoard() { return position.getLength() >= 1000.0f; }
