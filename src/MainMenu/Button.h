#ifndef BUTTON_H
#define BUTTON_H

#include "Texture/Texture.h"

// An image button of the menu: an up, an over and a down picture chosen by
// where the pointer is. The rectangle includes all four edges, so
// neighbouring buttons share their boundary row.
class Button {
public:
    Texture upTexture;
    Texture downTexture;
    Texture overTexture;
    int x;
    int y;
    int w;
    int h;
    bool isMouseOver;
    bool isMouseDown;

    Button();
    // `name` is the path without its state: "Up.bmp", "Down.bmp" and
    // "Over.bmp" are appended.
    Button(const char* name, int x, int y, int w, int h);
    virtual ~Button();

    void setButton(const char* name, int x, int y, int w, int h);
    void setPosition(int x, int y);
    bool contains(int px, int py) const;

    void processMousePosition(int px, int py);
    void processMouseDown(int px, int py);
    // A release inside is a click wherever the press was.
    void processMouseUp(int px, int py, bool& clicked);
    void reset();

    // Expects the screen projection, origin top left.
    void draw();

private:
    Button(const Button&) = delete;
    Button& operator=(const Button&) = delete;
};

#endif
