#include "Object/Portal/Portal.h"

#include <cassert>

Portal::Portal() {}

Portal::~Portal() {}

void Portal::draw() { assert(false); }

Vector3D Portal::getNormal() { return normal; }
