#include "Object/StaticObject/StaticObject.h"

#include <algorithm>
#include <cassert>

#include "Mesh/Mesh.h"
#include "OpenGL/OpenGL.h"

StaticObject::StaticObject() : enabledDrawing(true), rotationAngleDegrees(0.0f) {}

StaticObject::~StaticObject() {}

// Hiding works through the meshes' own flags, not through enabledDrawing.
void StaticObject::draw() { drawMeshes(false); }

void StaticObject::drawInInventory() { drawMeshes(true); }

void StaticObject::drawMeshes(bool inInventory) {
    glPushMatrix();
    glTranslatef(position.x, position.y, position.z);
    glRotatef(rotationAngleDegrees, 0.0f, 1.0f, 0.0f);
    for (size_t i = 0; i < meshes.size(); i++) {
        assert(meshes.at(i));
        if (inInventory) {
            meshes.at(i)->drawForInventory();
        } else {
            meshes.at(i)->draw();
        }
    }
    glPopMatrix();
}

void StaticObject::addMesh(Mesh* mesh) { meshes.push_back(mesh); }

// The turn is about the y axis through the position: distances keep.
float StaticObject::getDrawnRadius() {
    float radius = 0.0f;
    for (Mesh* mesh : meshes) {
        radius = std::max(radius, mesh->vertexBuffer.getExtent());
    }
    return radius;
}

void StaticObject::setRotationAngleDegrees(float degrees) { rotationAngleDegrees = degrees; }

float StaticObject::getRotationAngleDegrees() const { return rotationAngleDegrees; }

void StaticObject::setEnabledDrawing(bool enabled) {
    enabledDrawing = enabled;
    for (Mesh* mesh : meshes) {
        mesh->enableDrawing(enabled);
    }
}

bool StaticObject::isEnabledDrawing() { return enabledDrawing; }

bool StaticObject::isHeightMap() { return false; }
