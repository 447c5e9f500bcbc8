#include "ScreenProjection/ScreenProjection.h"

#include "OpenGL/OpenGL.h"

void ScreenProjection::push() {
    glMatrixMode(GL_PROJECTION);
    glPushMatrix();
    glLoadIdentity();
    gluOrtho2D(0, 800, 0, 600);
    glScalef(1.0f, -1.0f, 1.0f);
    glTranslatef(0.0f, -600.0f, 0.0f);
    glMatrixMode(GL_MODELVIEW);
}

void ScreenProjection::pop() {
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
}
