#include "AStarNode/AStarNode.h"

AStarNode::AStarNode(Vector3D position, float cost) : position(position), cost(cost), closed(false) {}

AStarNode::~AStarNode() {}
