#ifndef CONTROLLER_H
#define CONTROLLER_H

#include "Vector3D/Vector3D.h"

class Object;
class Polygon3D;

// The game controller. Minimal for now: it grows into the real controller,
// with the islands behind these queries, later.
class Controller {
public:
    Controller();
    virtual ~Controller();

    // The terrain triangle crossed by the segment from end - direction to
    // end, or null.
    Polygon3D* getCollidingHeightMapPolygon(Vector3D* direction, Vector3D* end);
    // An object of the current island that the segment meets, or null.
    Object* doesLineCollideWithObject(Vector3D* from, Vector3D* to);
};

#endif
