#ifndef UPTURN_H
#define UPTURN_H

#include "Vector3D/Vector3D.h"

// The turn that brings +y onto a direction: about cross(direction, +y) by
// the angle between the two, in the sense of Vector3D::rotateAroundVector.
// Worked out once, so a whole mesh can be turned cheaply.
class UpTurn {
public:
    explicit UpTurn(Vector3D direction);
    virtual ~UpTurn();

    Vector3D apply(Vector3D p) const;

private:
    double m[3][3];
};

#endif
