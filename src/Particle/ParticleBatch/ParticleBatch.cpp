#include "Particle/ParticleBatch/ParticleBatch.h"

#include "OpenGL/OpenGL.h"
#include "Texture/Texture.h"

ParticleBatch::ParticleBatch() : texture(nullptr) {}

ParticleBatch::~ParticleBatch() {}

int ParticleBatch::getQuadCount() const { return (int)(vertices.size() / 12); }

void ParticleBatch::addQuad(Texture* texture, const Vector3D& centre, const Vector3D& up, const Vector3D& side) {
    if (!vertices.empty() && texture != this->texture) {
        flush();
    }
    this->texture = texture;
    // The corners and texture coordinates in the order a single square
    // gives them.
    const float corners[4][3] = {
        {up.x - side.x, up.y - side.y, up.z - side.z},
        {up.x + side.x, up.y + side.y, up.z + side.z},
        {side.x - up.x, side.y - up.y, side.z - up.z},
        {-up.x - side.x, -up.y - side.y, -up.z - side.z},
    };
    const float coords[8] = {0.0f, 0.0f, 0.0f, 1.0f, 1.0f, 1.0f, 1.0f, 0.0f};
    for (int k = 0; k < 4; k++) {
        vertices.push_back(centre.x + corners[k][0]);
        vertices.push_back(centre.y + corners[k][1]);
        vertices.push_back(centre.z + corners[k][2]);
    }
    texCoords.insert(texCoords.end(), coords, coords + 8);
}

void ParticleBatch::flush() {
    if (vertices.empty()) {
        return;
    }
    glColor4f(1.0f, 1.0f, 1.0f, 0.9f);
    if (texture) {
        glEnable(GL_TEXTURE_2D);
        texture->bindGLTexture();
    }
    glBindBufferARB(GL_ARRAY_BUFFER_ARB, 0);
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_TEXTURE_COORD_ARRAY);
    glVertexPointer(3, GL_FLOAT, 0, vertices.data());
    glTexCoordPointer(2, GL_FLOAT, 0, texCoords.data());
    glDrawArrays(GL_QUADS, 0, (GLsizei)(vertices.size() / 3));
    glDisableClientState(GL_VERTEX_ARRAY);
    glDisableClientState(GL_TEXTURE_COORD_ARRAY);
    // The current texture coordinate a single square leaves behind.
    glTexCoord2f(1.0f, 0.0f);
    if (texture) {
        glDisable(GL_TEXTURE_2D);
    }
    vertices.clear();
    texCoords.clear();
}
