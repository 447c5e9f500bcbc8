#include "Object/Missile/FireBallMissile/FireBallMissile.h"

#include <iostream>

const float FIRE_BALL_SPIN = 0.5f;
const float FIRE_BALL_GRAVITY = 0.008f;

FireBallMissile::FireBallMissile() { std::cout << "dont do it!" << std::endl; }

FireBallMissile::FireBallMissile(Vector3D* position, Vector3D* velocity, Vector3D* up) {
    initialize(position, velocity, up);
}

FireBallMissile::~FireBallMissile() {}

void FireBallMissile::move(Controller* controller) { fly(controller, FIRE_BALL_SPIN, FIRE_BALL_GRAVITY); }

bool FireBallMissile::isAlphaPortalMissile() { return false; }

bool FireBallMissile::isBetaPortalMissile() { return false; }
