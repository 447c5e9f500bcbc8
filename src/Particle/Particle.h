#ifndef PARTICLE_H
#define PARTICLE_H

// A short-lived sprite; the controller's particle list owns the live ones.
// Minimal for now: the particle kinds and their drawing come later.
class Particle {
public:
    Particle();
    virtual ~Particle();

    // One frame of life.
    virtual void update() = 0;
    int getLifeTimeLeft();

protected:
    int lifeTime;
};

#endif
