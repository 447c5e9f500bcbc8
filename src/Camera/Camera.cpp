#include "Camera/Camera.h"

#include <SDL.h>

#include "Controller/Controller.h"
#include "Object/Character/ForestSpirit/Hero/Hero.h"
#include "OpenGL/OpenGL.h"

const float ORBIT_RADIUS = 10.0f;
const float ORBIT_RADIUS_STEP = 0.2f;
const float ORBIT_RADIUS_MIN = 5.0f;
const double ORBIT_LIFT = 0.3;
const double QUARTER_TURN = 1.5707963267948966;
const float KEY_TILT = 0.1f;
const float KEY_STEP = 1.0f;

Camera::Camera() : eye(0.0f, 0.0f, 10.0f), center(0.0f, 0.0f, -1.0f), up(0.0f, 1.0f, 0.0f), mode(CAMERA_FREE_VIEW) {}

Vector3D Camera::getEye() const { return eye; }

Vector3D Camera::getCenter() const { return center; }

Vector3D Camera::getUp() const { return up; }

void Camera::setEye(Vector3D eye) { this->eye = eye; }

void Camera::setCenter(Vector3D center) { this->center = center; }

void Camera::setUp(Vector3D up) { this->up = up; }

void Camera::setCameraMode(CameraMode mode) { this->mode = mode; }

bool Camera::isCameraLockedToHero() { return mode != CAMERA_FREE_VIEW; }

void Camera::toggleMode() {
    mode = mode == CAMERA_THIRD_PERSON ? CAMERA_FIRST_PERSON : CAMERA_THIRD_PERSON;
}

void Camera::toggleFreeView(Hero* hero, bool moveHero) {
    if (mode != CAMERA_FREE_VIEW) {
        mode = CAMERA_FREE_VIEW;
        return;
    }
    mode = CAMERA_THIRD_PERSON;
    if (moveHero) {
        hero->setLocation(&eye);
    }
}

void Camera::lookAt() {
    gluLookAt(eye.x, eye.y, eye.z, center.x, center.y, center.z, up.x, up.y, up.z);
}

void Camera::heroMoved(Hero* hero, Controller* controller) {
    switch (mode) {
    case CAMERA_FIRST_PERSON:
        lookAtHeroFirstPerson(hero);
        break;
    case CAMERA_THIRD_PERSON: {
        float radius = ORBIT_RADIUS;
        for (;;) {
            lookAtHeroFromRadius(hero, radius);
            Vector3D heroPosition = hero->getPosition();
            Vector3D direction = heroPosition.subtract(&eye);
            bool blocked = controller->getCollidingHeightMapPolygon(&direction, &heroPosition) != nullptr ||
                           controller->doesLineCollideWithObject(&eye, &heroPosition) != nullptr;
            if (!blocked) {
                break;
            }
            radius = (float)((double)radius - ORBIT_RADIUS_STEP);
            if (radius < ORBIT_RADIUS_MIN) {
                // This frame only: the mode stays third person.
                lookAtHeroFirstPerson(hero);
                break;
            }
        }
        break;
    }
    case CAMERA_FREE_VIEW:
        break;
    }
}

void Camera::lookAtHeroFirstPerson(Hero* hero) {
    Vector3D offset = hero->getEyeOffset();
    up = hero->getUp();
    Vector3D position = hero->getPosition();
    Vector3D heroCenter = hero->getCenter();
    eye = position.add(&offset);
    center = heroCenter.add(&offset);
}

void Camera::lookAtHeroFromRadius(Hero* const& hero, float radius) {
    center = hero->getPosition();
    Vector3D back = hero->getViewDirection().multiply(-1.0);
    Vector3D heroUp = hero->getUp();
    Vector3D side = heroUp.rotateAroundVector(QUARTER_TURN, &back);
    back = back.rotateAroundVector(ORBIT_LIFT, &side).getUnitVector().multiply(radius);
    eye = center.add(&back);
    up = back.rotateAroundVector(QUARTER_TURN, &side);
}

void Camera::processKeyPressed(bool* keys) {
    if (mode != CAMERA_FREE_VIEW) {
        return;
    }
    if (keys[SDLK_RIGHT]) tiltLeftRight(KEY_TILT);
    if (keys[SDLK_LEFT]) tiltLeftRight(-KEY_TILT);
    if (keys[SDLK_UP]) tiltUpDown(-KEY_TILT);
    if (keys[SDLK_DOWN]) tiltUpDown(KEY_TILT);
    if (keys[SDLK_w]) moveStraight(KEY_STEP);
    if (keys[SDLK_a]) strafeLeftRight(KEY_STEP);
    if (keys[SDLK_s]) moveStraight(-KEY_STEP);
    if (keys[SDLK_d]) strafeLeftRight(-KEY_STEP);
}

void Camera::processMouseEvent(float dx, float dy, unsigned char) {
    if (mode != CAMERA_FREE_VIEW) {
        return;
    }
    // Each delta guards its own turn, so a still axis changes nothing.
    if (dy != 0.0f) tiltUpDown(dy);
    if (dx != 0.0f) tiltLeftRight(dx);
}

void Camera::tiltUpDown(float angle) {
    Vector3D view = eye.getDirectionTo(&center);
    Vector3D side = up.rotateAroundVector(QUARTER_TURN, &view);
    view = view.rotateAroundVector(-angle, &side);
    up = up.rotateAroundVector(-angle, &side);
    center = eye.add(&view);
}

void Camera::tiltLeftRight(float angle) {
    Vector3D view = eye.getDirectionTo(&center).rotateAroundYAxis(angle);
    center = eye.add(&view);
    up = up.rotateAroundYAxis(angle);
}

void Camera::moveStraight(float distance) {
    Vector3D step = eye.getDirectionTo(&center).getUnitVector().multiply(distance);
    eye = eye.add(&step);
    center = center.add(&step);
}

void Camera::strafeLeftRight(float distance) {
    Vector3D view = eye.getDirectionTo(&center);
    Vector3D step = view.rotateAroundVector(-QUARTER_TURN, &up).getUnitVector().multiply(distance);
    eye = eye.add(&step);
    center = center.add(&step);
}
