#ifndef WATERFALLPARTICLE_H
#define WATERFALLPARTICLE_H

#include "Particle/Particle.h"

// Spray falling from a waterfall's crest, large or small.
class WaterfallParticle : public Particle {
public:
    Vector3D velocity;
    Vector3D position;
    Vector3D gravity;
    bool small;

    WaterfallParticle(Vector3D* position, Vector3D* velocity, bool small);
    virtual ~WaterfallParticle();

    void draw(Billboard* billboard) override;
    void missileIsNull(Missile* missile) override;
    void update() override;
};

#endif
