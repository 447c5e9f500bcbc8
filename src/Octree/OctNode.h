#ifndef OCTNODE_H
#define OCTNODE_H

#include <vector>

#include "Vector3D/Vector3D.h"

class Object;

// A cube of the octree: a leaf holds objects, an inner node exactly eight
// children. It owns neither.
class OctNode {
public:
    OctNode(float x, float y, float z, float width);
    virtual ~OctNode();

    float getX();
    float getY();
    float getZ();
    // The full edge length: the cube spans the centre +/- width / 2.
    float getWidth();
    std::vector<OctNode*>* getChildren();
    std::vector<Object*>* getObjects();
    void addChild(OctNode* child);
    void addObject(Object* object);

private:
    Vector3D centre;
    std::vector<OctNode*> children;
    std::vector<Object*> objects;
    float width;
};

#endif
