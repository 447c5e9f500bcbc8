#include "MainMenu/Button.h"

#include <string>

#include "OpenGL/OpenGL.h"

Button::Button() : x(0), y(0), w(0), h(0), isMouseOver(false), isMouseDown(false) {}

Button::Button(const char* name, int x, int y, int w, int h)
    : x(0), y(0), w(0), h(0), isMouseOver(false), isMouseDown(false) {
    setButton(name, x, y, w, h);
}

Button::~Button() {}

void Button::setButton(const char* name, int x, int y, int w, int h) {
    std::string base(name);
    upTexture.setFile((base + "Up.bmp").c_str());
    downTexture.setFile((base + "Down.bmp").c_str());
    overTexture.setFile((base + "Over.bmp").c_str());
    this->x = x;
    this->y = y;
    this->w = w;
    this->h = h;
}

void Button::setPosition(int x, int y) {
    this->x = x;
    this->y = y;
}

bool Button::contains(int px, int py) const { return px >= x && px <= x + w && py >= y && py <= y + h; }

void Button::processMousePosition(int px, int py) { isMouseOver = contains(px, py); }

void Button::processMouseDown(int px, int py) { isMouseDown = contains(px, py); }

void Button::processMouseUp(int px, int py, bool& clicked) {
    clicked = contains(px, py);
    isMouseDown = false;
}

void Button::reset() {
    isMouseDown = false;
    isMouseOver = false;
}

void Button::draw() {
    glEnable(GL_TEXTURE_2D);
    if (isMouseDown) {
        downTexture.bindGLTexture();
    } else if (isMouseOver) {
        overTexture.bindGLTexture();
    } else {
        upTexture.bindGLTexture();
    }
    glBegin(GL_QUADS);
    glTexCoord2f(0.0f, 0.0f);
    glVertex2i(x, y);
    glTexCoord2f(0.0f, 1.0f);
    glVertex2i(x, y + h);
    glTexCoord2f(1.0f, 1.0f);
    glVertex2i(x + w, y + h);
    glTexCoord2f(1.0f, 0.0f);
    glVertex2i(x + w, y);
    glEnd();
    glDisable(GL_TEXTURE_2D);
}
