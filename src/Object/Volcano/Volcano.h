#ifndef VOLCANO_H
#define VOLCANO_H

#include <vector>

#include "Object/Object.h"

class Mesh;
class Particle;
class Texture;

// A solid volcano that throws lava particles from its crater every frame of
// its island. Collision meets a circle of radius 7 around it.
class Volcano : public Object {
public:
    // Borrowed, like the mesh.
    Texture* particleTexture;
    // Unused; stays (0, 0, 0).
    Vector3D spare;
    Mesh* mesh;

    Volcano();
    Volcano(Vector3D position, Mesh* mesh, Texture* particleTexture);
    virtual ~Volcano();

    void draw() override;
    // 10 to 19 new particles.
    void update(std::vector<Particle*>* particles);
};

#endif
