#ifndef SNOW_H
#define SNOW_H

#include "Particle/Particle.h"

// A snow flake falling from height y somewhere over a square of the given
// width centred on the origin.
class Snow : public Particle {
public:
    Vector3D velocity;
    Vector3D position;

    Snow(float y, float width);
    virtual ~Snow();

    void draw(Billboard* billboard) override;
    void missileIsNull(Missile* missile) override;
    void update() override;
};

#endif
