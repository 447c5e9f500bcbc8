#ifndef PLANE3D_H
#define PLANE3D_H

#include "Vector3D/Vector3D.h"

// The plane a*x + b*y + c*z + d = 0; (a, b, c) is not normalised unless the
// caller passed a unit normal. Plain data: embedded by value, no vtable.
class Plane3D {
public:
    float a;
    float b;
    float c;
    float d;

    Plane3D();
    Plane3D(float a, float b, float c, float d);
    Plane3D(Vector3D* normal, Vector3D* point);

    void setNormalAndPoint(Vector3D* normal, Vector3D* point);
    void setCoefficients(float a, float b, float c, float d);
    Vector3D getNormal();
    // NaN for a vertical plane.
    float getHeight(float x, float z);
    float getDistanceFromPoint(Vector3D* p);
    // The crossing of the line through p1 and p2; hit tells whether it lies
    // on the segment (both ends included).
    Vector3D getIntersectionBetweenPoints(Vector3D* p1, Vector3D* p2, bool& hit);
    // Never implemented: ends the program.
    bool equals(Plane3D* other);
    void output();
};

#endif
