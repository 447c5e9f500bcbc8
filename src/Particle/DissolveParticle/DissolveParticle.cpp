#include "Particle/DissolveParticle/DissolveParticle.h"

#include "GeneralMath/GeneralMath.h"

DissolveParticle::DissolveParticle(Vector3D* position) {
    lifeTimeLeft = 20;
    size = 0.5f;
    this->position = *position;
    float x = GeneralMath::getRandomNumber(-100, 100) / 100.0f;
    float y = GeneralMath::getRandomNumber(-100, 100) / 100.0f;
    float z = GeneralMath::getRandomNumber(-100, 100) / 100.0f;
    velocity = Vector3D(x, y, z);
}

DissolveParticle::~DissolveParticle() {}

void DissolveParticle::draw(Billboard* billboard) {
    if (size > 0) {
        drawParticleTurned(billboard, &position);
    }
}

void DissolveParticle::missileIsNull(Missile*) {}

// The size passes below zero after the sixth update; the particle then stays
// undrawn until its life is up.
void DissolveParticle::update() {
    size -= 0.1f;
    lifeTimeLeft -= 1;
    position = position.add(&velocity);
}
