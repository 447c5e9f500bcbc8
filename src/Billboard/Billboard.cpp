#include "Billboard/Billboard.h"

#include "Camera/Camera.h"
#include "Object/Character/ForestSpirit/Hero/Hero.h"

Billboard::Billboard(Camera* camera, Hero* hero) {
    if (camera->isCameraLockedToHero()) {
        Vector3D center = hero->getCenter();
        Vector3D offset = hero->getEyeOffset();
        eye = center.add(&offset);
        up = hero->getUp();
    } else {
        eye = camera->getEye();
        up = camera->getUp();
    }
}

Billboard::~Billboard() {}
