#include "Particle/Snow/Snow.h"

#include "GeneralMath/GeneralMath.h"

// An offset of 0 to steps - 1 hundredths; with no step to draw from there
// is no offset (a width under 0.01 would otherwise divide by zero).
static float randomHundredths(int steps) {
    if (steps < 1) {
        return 0.0f;
    }
    return GeneralMath::getRandomNumber(0, steps) / 100.0f;
}

Snow::Snow(float y, float width) {
    lifeTimeLeft = 40;
    size = 0.4f;
    int steps = (int)(100 * width);
    float x = randomHundredths(steps) - width / 2;
    float z = randomHundredths(steps) - width / 2;
    position = Vector3D(x, y, z);
    velocity = Vector3D(0.0f, -0.5f, 0.0f);
}

Snow::~Snow() {}

void Snow::draw(Billboard* billboard) {
    if (size > 0) {
        drawParticleTurned(billboard, &position);
    }
}

void Snow::missileIsNull(Missile*) {}

void Snow::update() {
    size -= 0.005f;
    lifeTimeLeft -= 1;
    position = position.add(&velocity);
}
