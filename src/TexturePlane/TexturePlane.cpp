#include "TexturePlane/TexturePlane.h"

#include <cassert>

#include "OpenGL/OpenGL.h"
#include "Texture/Texture.h"

TexturePlane::TexturePlane(float x, float y, float z, float size, float angle)
    : x(x), y(y), z(z), size(size), angle(angle), texture(nullptr) {}

TexturePlane::~TexturePlane() {}

void TexturePlane::setTexture(Texture* texture) { this->texture = texture; }

void TexturePlane::draw() {
    assert(texture);
    glEnable(GL_TEXTURE_2D);
    texture->bindGLTexture();
    glPushMatrix();
    glTranslatef(x, y, z);
    glRotatef(angle, 0, 1, 0);
    float h = size / 2;
    // Counter-clockwise seen from above.
    glBegin(GL_QUADS);
    glNormal3i(0, 1, 0);
    glTexCoord2i(0, 0);
    glVertex3f(-h, 0, -h);
    glNormal3i(0, 1, 0);
    glTexCoord2i(0, 1);
    glVertex3f(-h, 0, h);
    glNormal3i(0, 1, 0);
    glTexCoord2i(1, 1);
    glVertex3f(h, 0, h);
    glNormal3i(0, 1, 0);
    glTexCoord2i(1, 0);
    glVertex3f(h, 0, -h);
    glEnd();
    glPopMatrix();
    glDisable(GL_TEXTURE_2D);
}
