#ifndef SCREENPROJECTION_H
#define SCREENPROJECTION_H

class Texture;

// The screen every 2D overlay draws in: origin at the top left, y pointing
// down. The 3D projection waits on the stack until pop.
class ScreenProjection {
public:
    static const int WIDTH = 800;
    static const int HEIGHT = 600;

    static void push();
    static void pop();
    // One quad over the whole screen; textured, the picture's top left at the
    // screen's. Untextured, it leaves the texture coordinate as it was.
    static void quad(bool textured);
    // Binds the picture and draws it over the whole screen, GL_TEXTURE_2D as
    // the caller set it. A picture that failed to load (reported once, by the
    // texture) is skipped, so it does not cover the screen in white: false.
    static bool drawPicture(Texture& picture);
};

#endif
