#ifndef PARTICLE_H
#define PARTICLE_H

#include "Vector3D/Vector3D.h"

class Billboard;
class Missile;
class Texture;

// A short-lived square turned towards the viewer. The controller's particle
// list owns the live ones: it updates each once a frame and deletes those
// whose life has run out. Each kind sets the three fields itself.
class Particle {
public:
    int lifeTimeLeft;
    // Half the square's width; it shrinks every update and may go negative,
    // after which the particle is no longer drawn.
    float size;
    // Borrowed from the asset registry.
    Texture* texture;

    Particle();

    virtual void draw(Billboard* billboard) = 0;
    // The missile is gone.
    virtual void missileIsNull(Missile* missile) = 0;
    virtual void update() = 0;
    virtual ~Particle();

    int getLifeTimeLeft();
    void setTexture(Texture* texture);
    // One square of half-width size centred on position, in white at alpha
    // 0.9 (a texture's bind makes it opaque).
    void drawParticleTurned(Billboard* billboard, Vector3D* position);
};

#endif
