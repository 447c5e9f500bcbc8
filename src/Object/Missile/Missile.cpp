#include "Object/Missile/Missile.h"

#include <algorithm>
#include <cmath>

#include "ArmsLegs/SphereList.h"
#include "Controller/Controller.h"
#include "Object/Portal/Portal.h"
#include "OpenGL/OpenGL.h"
#include "Texture/Texture.h"

const float MISSILE_RADIUS = 0.5f;
const float MISSILE_EXIT_MARGIN = 0.1f;

Missile::Missile() : launched(false), dropped(false), texture(nullptr), spin(0.0f) {}

Missile::Missile(Vector3D* position, Vector3D* velocity, Vector3D* up) : Missile() {
    initialize(position, velocity, up);
}

Missile::~Missile() {}

void Missile::initialize(Vector3D* position, Vector3D* velocity, Vector3D* up) {
    launched = false;
    dropped = false;
    texture = nullptr;
    this->position = *position;
    this->velocity = *velocity;
    spin = 0.0f;
    spinAxis = up->rotateAroundVector(M_PI / 2.0, velocity);
}

void Missile::fly(Controller* controller, float spinStep, float gravity) {
    spin -= spinStep;
    Vector3D fall(0.0f, -gravity, 0.0f);
    velocity = velocity.add(&fall);
    position = position.add(&velocity);
    applyPortalCollisions(controller);
}

void Missile::draw() {
    glPushMatrix();
    if (texture) {
        glColor3f(1.0f, 1.0f, 1.0f);
        glEnable(GL_TEXTURE_2D);
        texture->bindGLTexture();
    } else {
        glColor3f(0.7f, 0.4f, 0.4f);
    }
    glTranslatef(position.x, position.y, position.z);
    glRotatef((float)(spin * 180.0 / M_PI), spinAxis.x, spinAxis.y, spinAxis.z);
    SphereList::draw(MISSILE_RADIUS);
    glDisable(GL_TEXTURE_2D);
    glPopMatrix();
}

void Missile::setTexture(Texture* texture) { this->texture = texture; }

bool Missile::getLaunched() { return launched; }

void Missile::setLaunched(bool launched) { this->launched = launched; }

bool Missile::getDropped() { return dropped; }

void Missile::setDropped(bool dropped) { this->dropped = dropped; }

void Missile::setVelocity(Vector3D velocity) { this->velocity = velocity; }

Vector3D Missile::getVelocity() { return velocity; }

bool Missile::isOffBoard() { return position.getLength() >= 1000.0f; }

bool Missile::isHeightMap() { return false; }

void Missile::applyPortalCollisions(Controller* controller) {
    // A ball covers its speed in a frame: a smaller probe would let it
    // cross the opening between two frames and strike the ground behind.
    float reach = std::max(MISSILE_RADIUS, velocity.getLength());
    Portal* in = nullptr;
    Portal* out = nullptr;
    controller->getCollidingPortal(&position, reach, in, out);
    if (in == nullptr || out == nullptr) {
        return;
    }
    // Only what flies into the opening goes through.
    Vector3D entryNormal = in->getNormal();
    if (Vector3D::getDotProduct(&velocity, &entryNormal) >= 0.0f) {
        return;
    }
    movePositionThroughPortal(in, out);
}

void Missile::movePositionThroughPortal(Portal* in, Portal* out) {
    velocity = in->carryDirection(out, velocity);
    spinAxis = in->carryDirection(out, spinAxis);
    Vector3D exitNormal = out->getNormal().getUnitVector();
    Vector3D clear = exitNormal.multiply(MISSILE_RADIUS + MISSILE_EXIT_MARGIN);
    Vector3D exitPosition = out->getPosition();
    position = exitPosition.add(&clear);
    // One step on, so that the step just flown starts in front of the exit
    // and does not strike the ground the exit lies on.
    if (Vector3D::getDotProduct(&velocity, &exitNormal) > 0.0f) {
        position = position.add(&velocity);
    }
}
