#include "SkyBox/SkyBox.h"

#include "OpenGL/OpenGL.h"

const float SKY_HALF_SIZE = 260.0f;

SkyBox::SkyBox()
    : north("skybox/sunset_north.bmp"),
      south("skybox/sunset_south.bmp"),
      east("skybox/sunset_east.bmp"),
      west("skybox/sunset_west.bmp"),
      up("skybox/sunset_up.bmp"),
      down("skybox/sunset_down.bmp") {}

SkyBox::~SkyBox() {}

void SkyBox::draw() { drawFromPosition(position); }

void SkyBox::drawFromPosition(Vector3D centre) {
    glEnable(GL_TEXTURE_2D);
    glDisable(GL_LIGHTING);
    glDisable(GL_BLEND);
    glPushMatrix();
    glTranslatef(centre.x, centre.y, centre.z);
    glColor3f(1.0f, 1.0f, 1.0f);
    glEnable(GL_TEXTURE_2D);
    drawWest();
    drawNorth();
    drawEast();
    drawSouth();
    drawDown();
    drawUp();
    glDisable(GL_TEXTURE_2D);
    glPopMatrix();
    glDisable(GL_TEXTURE_2D);
    glEnable(GL_LIGHTING);
    glEnable(GL_BLEND);
}

bool SkyBox::isHeightMap() { return false; }

// One quad: four texture coordinates and corners in units of the half-size.
static void drawFace(Texture* texture, const float corners[4][5]) {
    texture->bindGLTexture();
    glBegin(GL_QUADS);
    for (int i = 0; i < 4; i++) {
        glTexCoord2f(corners[i][0], corners[i][1]);
        glVertex3f(corners[i][2] * SKY_HALF_SIZE, corners[i][3] * SKY_HALF_SIZE, corners[i][4] * SKY_HALF_SIZE);
    }
    glEnd();
}

void SkyBox::drawNorth() {
    static const float corners[4][5] = {{0, 1, -1, -1, -1}, {1, 1, 1, -1, -1}, {1, 0, 1, 1, -1}, {0, 0, -1, 1, -1}};
    drawFace(&north, corners);
}

void SkyBox::drawSouth() {
    static const float corners[4][5] = {{0, 1, 1, -1, 1}, {1, 1, -1, -1, 1}, {1, 0, -1, 1, 1}, {0, 0, 1, 1, 1}};
    drawFace(&south, corners);
}

void SkyBox::drawEast() {
    static const float corners[4][5] = {{1, 0, 1, 1, 1}, {0, 0, 1, 1, -1}, {0, 1, 1, -1, -1}, {1, 1, 1, -1, 1}};
    drawFace(&east, corners);
}

void SkyBox::drawWest() {
    static const float corners[4][5] = {{1, 0, -1, 1, -1}, {0, 0, -1, 1, 1}, {0, 1, -1, -1, 1}, {1, 1, -1, -1, -1}};
    drawFace(&west, corners);
}

void SkyBox::drawUp() {
    static const float corners[4][5] = {{0, 1, 1, 1, 1}, {1, 1, -1, 1, 1}, {1, 0, -1, 1, -1}, {0, 0, 1, 1, -1}};
    drawFace(&up, corners);
}

void SkyBox::drawDown() {
    static const float corners[4][5] = {{1, 0, -1, -1, 1}, {0, 0, 1, -1, 1}, {0, 1, 1, -1, -1}, {1, 1, -1, -1, -1}};
    drawFace(&down, corners);
}
