#ifndef MISSILE_H
#define MISSILE_H

#include "Object/Object.h"
#include "Vector3D/Vector3D.h"

class Controller;
class Portal;
class Texture;

// A thrown ball: a portal missile or a fire ball. It is held in the
// thrower's hand until the limb animation launches it; from then on the
// controller moves it once a frame and retires it.
class Missile : public Object {
public:
    Missile(Vector3D* position, Vector3D* velocity, Vector3D* up);
    virtual ~Missile();

    // A ball of radius 0.5 spinning about its axis, textured or reddish.
    void draw() override;
    // One frame of flight: spin, gravity, velocity, then the local portals.
    virtual void move(Controller* controller) = 0;
    virtual bool isAlphaPortalMissile() = 0;
    virtual bool isBetaPortalMissile() = 0;

    void initialize(Vector3D* position, Vector3D* velocity, Vector3D* up);
    void setTexture(Texture* texture);
    // False while the missile is still in a thrower's hand.
    bool getLaunched();
    void setLaunched(bool launched);
    // Its thrower died with it still in the hand: it is never launched, and
    // the controller takes it out of its list and destroys it.
    bool getDropped();
    void setDropped(bool dropped);
    void setVelocity(Vector3D velocity);
    Vector3D getVelocity();
    float getSpin() { return spin; }
    Vector3D getSpinAxis() { return spinAxis; }
    // 1000 units or more from the origin.
    bool isOffBoard();
    bool isHeightMap();

    // Passage through the local portal pair.
    void applyPortalCollisions(Controller* controller);
    void movePositionThroughPortal(Portal* in, Portal* out);

protected:
    Missile();
    // The frame's flight with the kind's spin and gravity.
    void fly(Controller* controller, float spinStep, float gravity);

    Vector3D spinAxis;
    Vector3D velocity;
    bool launched;
    bool dropped;
    Texture* texture;
    float spin;
};

#endif
