#include "Particle/FireSpellParticle/FireSpellParticle.h"

#include <cassert>
#include <cmath>

#include "GeneralMath/GeneralMath.h"
#include "Object/Missile/Missile.h"

FireSpellParticle::FireSpellParticle() : x(0.0f), missile(nullptr), angle(0.0f) { assert(false); }

FireSpellParticle::FireSpellParticle(Missile* missile) : x(0.0f), missile(missile) {
    lifeTimeLeft = GeneralMath::getRandomNumber(20, 80);
    size = 0.07f;
    angle = GeneralMath::getRandomNumber(0, 628) / 100.0f;
}

FireSpellParticle::~FireSpellParticle() {}

// An arc of radius 0.52, then past 0.78 a falling line where it lies above
// the arc; beyond the arc's end (x over 1.04) only the line.
static float flameProfile(float x) {
    float arc = std::sqrt(0.2704f - (x - 0.52f) * (x - 0.52f));
    if (x < 0.78f) {
        return arc;
    }
    float line = 0.45033321f - 0.10671402f * (x - 0.78f);
    return arc > line ? arc : line;
}

float FireSpellParticle::getY() { return flameProfile(x); }

void FireSpellParticle::draw(Billboard* billboard) {
    if (!(size > 0)) {
        return;
    }
    float y = flameProfile(x);
    if (y < 0) {
        lifeTimeLeft = 0;
        return;
    }
    if (missile == nullptr) {
        return;
    }
    Vector3D p = missile->getPosition();
    Vector3D v = missile->getVelocity();
    Vector3D back = v;
    back.setLength(0.5 - x);
    Vector3D offset(0.0f, 1.0f, 0.0f);
    offset.setLength(y);
    offset = offset.rotateAroundVector(angle, &v);
    Vector3D at = p.add(&back);
    at = at.add(&offset);
    drawParticleTurned(billboard, &at);
}

void FireSpellParticle::missileIsNull(Missile* missile) {
    if (missile == this->missile) {
        this->missile = nullptr;
    }
}

void FireSpellParticle::update() {
    size -= 0.005f;
    lifeTimeLeft -= 1;
    x += GeneralMath::getRandomNumber(0, 100) / 100.0f;
}
