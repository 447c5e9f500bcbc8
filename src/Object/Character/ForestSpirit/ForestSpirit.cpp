#include "Object/Character/ForestSpirit/ForestSpirit.h"

#include <cmath>

ForestSpirit::ForestSpirit() : heightMap(nullptr) { resetPosition(); }

ForestSpirit::~ForestSpirit() {}

void ForestSpirit::draw() {}

Vector3D ForestSpirit::getEyeOffset() {
    up = up.getUnitVector();
    Vector3D view = getViewDirection().getUnitVector();
    Vector3D halfUp = up.multiply(0.5);
    return view.add(&halfUp);
}

void ForestSpirit::setLocation(Vector3D* point) {
    Vector3D view = getViewDirection();
    position = *point;
    center = point->add(&view);
}

void ForestSpirit::resetPosition() {
    position.setCoords(5.789f, 6.3f, -0.786f);
    up.setCoords(0.0f, 1.0f, 0.0f);
    center.setCoords(5.789f, 6.3f, -1.786f);
    groundNormal.setCoords(0.0f, 1.0f, 0.0f);
    Vector3D view = getViewDirection();
    Vector3D axis = view.rotateAroundVector(M_PI / 2, &up);
    groundForward = groundNormal.rotateAroundVector(-M_PI / 2, &axis);
    groundForward.setLength(1.0);
    heightMap = nullptr;
}
