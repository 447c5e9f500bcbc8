#include "Object/Portal/IslandPortal/IslandPortal.h"

IslandPortal::IslandPortal(Vector3D position, Plane3D plane, int islandIndex)
    : plane(plane), islandIndex(islandIndex), size(6.0f), enabled(true), rotationAngleDegrees(0.0f),
      otherIslandPortal(nullptr) {
    this->position = position;
    normal = plane.getNormal();
}

IslandPortal::~IslandPortal() {}

void IslandPortal::setRotationAngleDegrees(float degrees) { rotationAngleDegrees = degrees; }

float IslandPortal::getRotationAngleDegrees() { return rotationAngleDegrees; }

void IslandPortal::addMesh(Mesh* mesh) { meshes.push_back(mesh); }

std::vector<Mesh*>* IslandPortal::getMeshes() { return &meshes; }

void IslandPortal::setEnabled(bool enabled) { this->enabled = enabled; }

bool IslandPortal::isEnabled() { return enabled; }

void IslandPortal::setIslandIndex(int index) { islandIndex = index; }

int IslandPortal::getIslandIndex() { return islandIndex; }

void IslandPortal::setOtherIslandPortal(IslandPortal* partner) { otherIslandPortal = partner; }

IslandPortal* IslandPortal::getOtherIslandPortal() { return otherIslandPortal; }

Plane3D IslandPortal::getPlane() { return plane; }

Vector3D IslandPortal::getPortalCenterOffset() {
    Vector3D lift(0.0f, 3.5f, 0.0f);
    return normal.getUnitVector().add(&lift);
}

bool IslandPortal::doesSphereCollide(Vector3D*, float) { return false; }

bool IslandPortal::doesSphereCollideWithSolid(Vector3D*, float) { return false; }

bool IslandPortal::doesLineCollideWithSolid(Vector3D*, Vector3D*) { return false; }

void IslandPortal::drawMesh(Controller*) {}

void IslandPortal::drawOpening(Controller*) {}
