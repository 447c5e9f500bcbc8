#ifndef ASTARNODE_H
#define ASTARNODE_H

#include "Vector3D/Vector3D.h"

// A node record for a path search.
class AStarNode {
public:
    Vector3D position;
    float cost;
    bool closed;

    AStarNode(Vector3D position, float cost);
    virtual ~AStarNode();
};

#endif
