#include "Particle/WaterfallParticle/WaterfallParticle.h"

#include "GeneralMath/GeneralMath.h"

WaterfallParticle::WaterfallParticle(Vector3D* position, Vector3D* velocity, bool small) : small(small) {
    gravity = Vector3D(0.0f, -GeneralMath::getRandomNumber(10, 30) / 100.0f, 0.0f);
    lifeTimeLeft = GeneralMath::getRandomNumber(5, 50);
    size = small ? 0.4f : 0.7f;
    this->position = *position;
    this->velocity = *velocity;
}

WaterfallParticle::~WaterfallParticle() {}

void WaterfallParticle::draw(Billboard* billboard) {
    if (size > 0) {
        drawParticleTurned(billboard, &position);
    }
}

void WaterfallParticle::missileIsNull(Missile*) {}

void WaterfallParticle::update() {
    size -= small ? 0.0005f : 0.0105f;
    lifeTimeLeft -= 1;
    velocity = velocity.add(&gravity);
    position = position.add(&velocity);
}
