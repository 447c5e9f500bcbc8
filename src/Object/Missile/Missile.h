#ifndef MISSILE_H
#define MISSILE_H

#include "Object/Object.h"
#include "Vector3D/Vector3D.h"

class Controller;
class Texture;

// A projectile: a portal missile or a fire ball. Minimal for now: flight,
// throwing and drawing come with the missiles.
class Missile : public Object {
public:
    Missile();
    virtual ~Missile();

    void draw() override;
    virtual void move(Controller* controller);
    virtual bool isAlphaPortalMissile();
    virtual bool isBetaPortalMissile();

    // False while the missile is still in a thrower's hand.
    bool getLaunched();
    Vector3D getVelocity();
    void setTexture(Texture* texture);
    // 1000 units or more from the origin.
    bool isOffBoard();

protected:
    bool launched;
    Vector3D velocity;
    Texture* texture;
};

#endif
