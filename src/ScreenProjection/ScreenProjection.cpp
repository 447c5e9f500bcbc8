#include "ScreenProjection/ScreenProjection.h"

#include "OpenGL/OpenGL.h"
#include "Texture/Texture.h"

void ScreenProjection::push() {
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    gluOrtho2D(0, WIDTH, 0, HEIGHT);
    glScalef(1.0f, -1.0f, 1.0f);
    glTranslatef(0.0f, -(float)HEIGHT, 0.0f);
    glMatrixMode(GL_MODELVIEW);
}

void ScreenProjection::pop() {
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
}

void ScreenProjection::quad(bool textured) {
    const float corners[4][2] = {{0, 0}, {0, 1}, {1, 1}, {1, 0}};
    glBegin(GL_QUADS);
    for (const auto& corner : corners) {
        if (textured) {
            glTexCoord2f(corner[0], corner[1]);
        }
        glVertex2f(corner[0] * WIDTH, corner[1] * HEIGHT);
    }
    glEnd();
}

bool ScreenProjection::drawPicture(Texture& picture) {
    picture.bindGLTexture();
    if (picture.textureFailed) {
        return false;
    }
    quad(true);
    return true;
}
