#include "Octree/OctNode.h"

OctNode::OctNode(float x, float y, float z, float width) : centre(x, y, z), width(width) {}

OctNode::~OctNode() {}

float OctNode::getX() { return centre.x; }

float OctNode::getY() { return centre.y; }

float OctNode::getZ() { return centre.z; }

float OctNode::getWidth() { return width; }

std::vector<OctNode*>* OctNode::getChildren() { return &children; }

std::vector<Object*>* OctNode::getObjects() { return &objects; }

void OctNode::addChild(OctNode* child) { children.push_back(child); }

void OctNode::addObject(Object* object) { objects.push_back(object); }
