#include "Octree/OctreeObject.h"

OctreeObject::OctreeObject() {}

OctreeObject::~OctreeObject() {}

void OctreeObject::draw() {}
