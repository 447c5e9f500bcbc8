#include "Object/Missile/PortalMissile/PortalMissile.h"

PortalMissile::PortalMissile() : alpha(true) {}

PortalMissile::~PortalMissile() {}

void PortalMissile::setIsAlphaPortalMissile(bool alpha) { this->alpha = alpha; }

bool PortalMissile::isAlphaPortalMissile() { return alpha; }

bool PortalMissile::isBetaPortalMissile() { return !alpha; }
