#ifndef CHARACTER_H
#define CHARACTER_H

#include "Object/Object.h"
#include "Vector3D/Vector3D.h"

// Base of every walking figure. The inherited position is the figure's eye
// point; the view direction runs from it to the look-at point.
class Character : public Object {
public:
    Character();
    virtual ~Character();

    Vector3D getUp();
    Vector3D getCenter();
    void setUp(Vector3D up);
    void setCenter(Vector3D center);
    // center - position, not normalised.
    Vector3D getViewDirection();
    Vector3D getVelocity() { return velocity; }
    void setVelocity(Vector3D v) { velocity = v; }
    bool isHeightMap();

protected:
    Vector3D up;
    Vector3D center;
    // Per-frame motion while airborne.
    Vector3D velocity;
};

#endif
