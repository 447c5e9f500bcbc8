#include "Object/StaticObject/StaticObject.h"

StaticObject::StaticObject() : enabledDrawing(true), rotationAngleDegrees(0.0f) {}

StaticObject::~StaticObject() {}

void StaticObject::draw() {}

void StaticObject::addMesh(Mesh* mesh) { meshes.push_back(mesh); }

void StaticObject::setRotationAngleDegrees(float degrees) { rotationAngleDegrees = degrees; }

float StaticObject::getRotationAngleDegrees() const { return rotationAngleDegrees; }

void StaticObject::setEnabledDrawing(bool enabled) { enabledDrawing = enabled; }

bool StaticObject::isEnabledDrawing() { return enabledDrawing; }
