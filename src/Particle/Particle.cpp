#include "Particle/Particle.h"

#include <cassert>

#include "Billboard/Billboard.h"
#include "OpenGL/OpenGL.h"
#include "Particle/ParticleBatch/ParticleBatch.h"
#include "Texture/Texture.h"

const double QUARTER_TURN = 1.5707963267948966;

Particle::Particle() : lifeTimeLeft(0), size(0.0f), texture(nullptr) {}

Particle::~Particle() {}

int Particle::getLifeTimeLeft() { return lifeTimeLeft; }

void Particle::setTexture(Texture* texture) { this->texture = texture; }

void Particle::drawParticleTurned(Billboard* billboard, Vector3D* position) {
    Vector3D towards = position->subtract(&billboard->eye);
    Vector3D up = billboard->up;
    Vector3D side = up.rotateAroundVector(QUARTER_TURN, &towards);
    if (billboard->batch) {
        assert(size != 0);
        up.setLength(size);
        side.setLength(size);
        billboard->batch->addQuad(texture, *position, up, side);
        return;
    }
    glColor4f(1.0f, 1.0f, 1.0f, 0.9f);
    if (texture) {
        glEnable(GL_TEXTURE_2D);
        texture->bindGLTexture();
    }
    assert(size != 0);
    up.setLength(size);
    side.setLength(size);
    glPushMatrix();
    glTranslatef(position->x, position->y, position->z);
    glBegin(GL_QUADS);
    glTexCoord2f(0.0f, 0.0f);
    glVertex3f(up.x - side.x, up.y - side.y, up.z - side.z);
    glTexCoord2f(0.0f, 1.0f);
    glVertex3f(up.x + side.x, up.y + side.y, up.z + side.z);
    glTexCoord2f(1.0f, 1.0f);
    glVertex3f(side.x - up.x, side.y - up.y, side.z - up.z);
    glTexCoord2f(1.0f, 0.0f);
    glVertex3f(-up.x - side.x, -up.y - side.y, -up.z - side.z);
    glEnd();
    glPopMatrix();
    if (texture) {
        glDisable(GL_TEXTURE_2D);
    }
}
