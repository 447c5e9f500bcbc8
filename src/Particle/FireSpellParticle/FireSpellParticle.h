#ifndef FIRESPELLPARTICLE_H
#define FIRESPELLPARTICLE_H

#include "Particle/Particle.h"

// A flame licking round a flying missile: it runs along a flame profile
// behind the missile, turned by its own angle about the flight direction.
class FireSpellParticle : public Particle {
public:
    // Progress along the flame profile.
    float x;
    // Borrowed; none once the missile is gone.
    Missile* missile;
    // Radians about the flight direction.
    float angle;

    FireSpellParticle();
    explicit FireSpellParticle(Missile* missile);
    virtual ~FireSpellParticle();

    void draw(Billboard* billboard) override;
    void missileIsNull(Missile* missile) override;
    void update() override;
    // The flame profile at x.
    float getY();
};

#endif
