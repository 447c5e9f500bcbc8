#ifndef PORTALMISSILE_H
#define PORTALMISSILE_H

#include "Object/Missile/Missile.h"

// The hero's portal missile: alpha (left button) or beta (right button).
class PortalMissile : public Missile {
public:
    PortalMissile();
    virtual ~PortalMissile();

    void setIsAlphaPortalMissile(bool alpha);
    bool isAlphaPortalMissile() override;
    bool isBetaPortalMissile() override;

private:
    bool alpha;
};

#endif
