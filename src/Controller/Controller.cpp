#include "Controller/Controller.h"

Controller::Controller() {}

Controller::~Controller() {}

// No islands yet, so nothing is in the way.
Polygon3D* Controller::getCollidingHeightMapPolygon(Vector3D*, Vector3D*) { return nullptr; }

Object* Controller::doesLineCollideWithObject(Vector3D*, Vector3D*) { return nullptr; }
