#ifndef WALL_H
#define WALL_H

#include "Object/Object.h"

class Polygon3D;

// An invisible collision triangle; two make one vertical panel. Islands and
// gates test movement against the polygon directly. Both radii are 0, so
// the inherited tests never report a hit. The polygon is borrowed: it is
// not in the object's own polygon list and outlives the wall.
class Wall : public Object {
public:
    Polygon3D* polygon;

    Wall();
    virtual ~Wall();

    void setPolygon(Polygon3D* polygon);
    // Translucent blue; nothing in the game draws walls.
    void draw() override;
};

#endif
