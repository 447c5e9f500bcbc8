#ifndef BILLBOARD_H
#define BILLBOARD_H

#include "Vector3D/Vector3D.h"

class Camera;
class Hero;
class ParticleBatch;

// The viewpoint particles turn their quads towards, built once a frame.
// While the camera follows the hero it is the hero's own eye, so in the
// orbiting view particles face the hero rather than the camera.
class Billboard {
public:
    Vector3D up;
    Vector3D eye;
    // When set, particles add their squares to it instead of drawing them.
    ParticleBatch* batch = nullptr;

    Billboard(Camera* camera, Hero* hero);
    virtual ~Billboard();
};

#endif
