#ifndef OCTREEOBJECT_H
#define OCTREEOBJECT_H

#include "Object/Object.h"

// The probe sphere of the octree's collider query; it draws nothing.
class OctreeObject : public Object {
public:
    OctreeObject();
    virtual ~OctreeObject();

    void draw() override;
};

#endif
