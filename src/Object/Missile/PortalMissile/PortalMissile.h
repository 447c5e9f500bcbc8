#ifndef PORTALMISSILE_H
#define PORTALMISSILE_H

#include "Object/Missile/Missile.h"

// The hero's portal missile: alpha (left button) or beta (right button).
// Where it strikes the terrain a local portal of its kind opens.
class PortalMissile : public Missile {
public:
    // Never meant to be used: prints a warning and leaves the missile unset.
    PortalMissile();
    PortalMissile(Vector3D* position, Vector3D* velocity, Vector3D* up);
    PortalMissile(Vector3D* position, Vector3D* velocity, Vector3D* up, bool alpha);
    virtual ~PortalMissile();

    void move(Controller* controller) override;
    void setIsAlphaPortalMissile(bool alpha);
    bool isAlphaPortalMissile() override;
    bool isBetaPortalMissile() override;

private:
    bool isAlpha;
};

#endif
