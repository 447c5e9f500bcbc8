#include "Object/Volcano/Volcano.h"

#include <cassert>

#include "GeneralMath/GeneralMath.h"
#include "Mesh/Mesh.h"
#include "OpenGL/OpenGL.h"
#include "Particle/VolcanoParticle/VolcanoParticle.h"

Volcano::Volcano() : particleTexture(nullptr), mesh(nullptr) { assert(false); }

Volcano::Volcano(Vector3D position, Mesh* mesh, Texture* particleTexture)
    : particleTexture(particleTexture), mesh(mesh) {
    setPosition(position);
    collisionRadius = 7.0f;
    boundingRadius = 10.0f;
}

Volcano::~Volcano() {}

void Volcano::draw() {
    assert(mesh);
    glPushMatrix();
    glTranslatef(position.x, position.y, position.z);
    mesh->draw();
    glPopMatrix();
}

void Volcano::update(std::vector<Particle*>* particles) {
    int count = GeneralMath::getRandomNumber(10, 20);
    for (int i = 0; i < count; i++) {
        VolcanoParticle* particle = new VolcanoParticle(&position);
        particle->setTexture(particleTexture);
        particles->push_back(particle);
    }
}
