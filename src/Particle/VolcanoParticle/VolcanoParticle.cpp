#include "Particle/VolcanoParticle/VolcanoParticle.h"

#include "GeneralMath/GeneralMath.h"

const float VOLCANO_CRATER_HEIGHT = 4.0f;

VolcanoParticle::VolcanoParticle(Vector3D* position) {
    // The draws come in this order: gravity, life, x, z, speed.
    gravity = Vector3D(0.0f, (GeneralMath::getRandomNumber(1, 5) / 100.0f) / -10.0f, 0.0f);
    lifeTimeLeft = GeneralMath::getRandomNumber(20, 90);
    size = 0.4f;
    this->position = Vector3D(position->x, position->y + VOLCANO_CRATER_HEIGHT, position->z);
    float x = GeneralMath::getRandomNumber(-30, 30) / 100.0f;
    float z = GeneralMath::getRandomNumber(-30, 30) / 100.0f;
    velocity = Vector3D(x, 1.0f, z);
    velocity.setLength(GeneralMath::getRandomNumber(10, 30) / 100.0f);
}

VolcanoParticle::~VolcanoParticle() {}

void VolcanoParticle::draw(Billboard* billboard) {
    if (size > 0) {
        drawParticleTurned(billboard, &position);
    }
}

void VolcanoParticle::missileIsNull(Missile*) {}

void VolcanoParticle::update() {
    size -= 0.008f;
    lifeTimeLeft -= 1;
    velocity = velocity.add(&gravity);
    position = position.add(&velocity);
}
