#ifndef DISSOLVEPARTICLE_H
#define DISSOLVEPARTICLE_H

#include "Particle/Particle.h"

// A puff flying apart where a spirit was struck or a quest item appears.
class DissolveParticle : public Particle {
public:
    Vector3D position;
    Vector3D velocity;

    explicit DissolveParticle(Vector3D* position);
    virtual ~DissolveParticle();

    void draw(Billboard* billboard) override;
    void missileIsNull(Missile* missile) override;
    void update() override;
};

#endif
