#include "Object/Missile/PortalMissile/PortalMissile.h"

#include <iostream>

const float PORTAL_MISSILE_SPIN = 0.4f;
const float PORTAL_MISSILE_GRAVITY = 0.027f;

PortalMissile::PortalMissile() : isAlpha(true) {
    std::cout << "The default PortalMissile constructor should not be used: 1" << std::endl;
}

PortalMissile::PortalMissile(Vector3D* position, Vector3D* velocity, Vector3D* up) : isAlpha(true) {
    initialize(position, velocity, up);
}

PortalMissile::PortalMissile(Vector3D* position, Vector3D* velocity, Vector3D* up, bool alpha) : isAlpha(alpha) {
    initialize(position, velocity, up);
}

PortalMissile::~PortalMissile() {}

void PortalMissile::move(Controller* controller) { fly(controller, PORTAL_MISSILE_SPIN, PORTAL_MISSILE_GRAVITY); }

void PortalMissile::setIsAlphaPortalMissile(bool alpha) { isAlpha = alpha; }

bool PortalMissile::isAlphaPortalMissile() { return isAlpha; }

bool PortalMissile::isBetaPortalMissile() { return !isAlpha; }
