#include "Object/Character/ForestSpirit/ForestSpirit.h"

#include <cmath>

ForestSpirit::ForestSpirit()
    : heightMap(nullptr), eyesMesh(nullptr), bodyMesh(nullptr), leftFootMesh(nullptr), rightFootMesh(nullptr),
      leftArmMesh(nullptr), rightArmMesh(nullptr), sounds(nullptr), texture(nullptr), fireballTexture(nullptr) {
    resetPosition();
}

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

void ForestSpirit::setMeshes(Mesh* eyes, Mesh* body, Mesh* leftFoot, Mesh* rightFoot, Mesh* leftArm,
                             Mesh* rightArm) {
    eyesMesh = eyes;
    bodyMesh = body;
    leftFootMesh = leftFoot;
    rightFootMesh = rightFoot;
    leftArmMesh = leftArm;
    rightArmMesh = rightArm;
}

void ForestSpirit::setSounds(Sounds* sounds) { this->sounds = sounds; }

void ForestSpirit::setTexture(Texture* texture) { this->texture = texture; }

void ForestSpirit::setFireballTexture(Texture* texture) { fireballTexture = texture; }

void ForestSpirit::addMeshToExtras(Mesh* mesh) { extras.push_back(mesh); }

std::vector<Mesh*>* ForestSpirit::getExtras() { return &extras; }

bool ForestSpirit::isCurrentlyAnimating() { return false; }

void ForestSpirit::firePortalMissile(PortalMissile*& missile) { missile = nullptr; }
