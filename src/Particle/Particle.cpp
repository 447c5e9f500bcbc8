#include "Particle/Particle.h"

Particle::Particle() : lifeTime(0) {}

Particle::~Particle() {}

int Particle::getLifeTimeLeft() { return lifeTime; }
