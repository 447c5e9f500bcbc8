#ifndef FIREBALLMISSILE_H
#define FIREBALLMISSILE_H

#include "Object/Missile/Missile.h"

// The fire ball enemy spirits throw: slower to spin and to fall than a
// portal missile, and of neither portal kind.
class FireBallMissile : public Missile {
public:
    // Never meant to be used: prints a warning and leaves the missile unset.
    FireBallMissile();
    FireBallMissile(Vector3D* position, Vector3D* velocity, Vector3D* up);
    virtual ~FireBallMissile();

    void move(Controller* controller) override;
    bool isAlphaPortalMissile() override;
    bool isBetaPortalMissile() override;
};

#endif
