#include "Object/StaticObject/Wall/Wall.h"

#include <cassert>

#include "Geometry/Polygon3D.h"
#include "OpenGL/OpenGL.h"

Wall::Wall() : polygon(nullptr) {
    collisionRadius = 0.0f;
    boundingRadius = 0.0f;
}

Wall::~Wall() {}

void Wall::setPolygon(Polygon3D* polygon) { this->polygon = polygon; }

void Wall::draw() {
    assert(polygon);
    glColor4f(0.0f, 0.0f, 1.0f, 0.5f);
    polygon->draw();
}
