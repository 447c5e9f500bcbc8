#ifndef VOLCANOPARTICLE_H
#define VOLCANOPARTICLE_H

#include "Particle/Particle.h"

// Lava thrown up from a volcano's crater, 4 units above its position.
class VolcanoParticle : public Particle {
public:
    Vector3D gravity;
    Vector3D position;
    Vector3D velocity;
    // Unused; stays (0, 0, 0).
    Vector3D spare;

    explicit VolcanoParticle(Vector3D* position);
    virtual ~VolcanoParticle();

    void draw(Billboard* billboard) override;
    void missileIsNull(Missile* missile) override;
    void update() override;
};

#endif
