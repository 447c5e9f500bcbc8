#include "Object/Character/Character.h"

Character::Character() : up(0.0f, 0.0f, 0.0f), center(0.0f, 0.0f, 0.0f), velocity(0.0f, 0.0f, 0.0f) {}

Character::~Character() {}

Vector3D Character::getUp() { return up; }

Vector3D Character::getCenter() { return center; }

void Character::setUp(Vector3D up) { this->up = up; }

void Character::setCenter(Vector3D center) { this->center = center; }

Vector3D Character::getViewDirection() { return center.subtract(&position); }

bool Character::isHeightMap() { return false; }
