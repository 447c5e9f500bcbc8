#ifndef ASSETGEN_PICTURESTYLE_H
#define ASSETGEN_PICTURESTYLE_H

#include <cstdint>
#include <initializer_list>
#include <utility>

#include "PictureCanvas.h"

const float pi = 3.14159265358979f;

// The game's screen: overlays, menus and pages are drawn over all of it.
const int screenW = 800, screenH = 600;

// Colour at t along a ramp of (position, colour) stops in increasing order.
Colour ramp(std::initializer_list<std::pair<float, Colour>> stops, float t);

// Calls draw(dx, dy) for the nine copies of a shape on a tile of the given
// size, so strokes crossing an edge come back in on the other side.
template <class Draw>
void wrapped(int size, Draw draw) {
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx) draw((float)(dx * size), (float)(dy * size));
}

// Simple light from the upper left on a height field given by its slopes.
inline float lambert(float dhdx, float dhdy) {
    float nx = -dhdx, ny = -dhdy, nz = 1;
    float len = std::sqrt(nx * nx + ny * ny + nz * nz);
    return (nx * -0.5f + ny * -0.6f + nz * 0.62f) / len;
}

// A forest spirit as the game shows it: an egg-shaped body with two eyes,
// round hands and feet, seen from the front. Head wear is drawn by callers
// relative to the returned head top.
struct FigureLook {
    Colour body, bodyShade;
    bool angry = false;
};
struct FigureFrame {
    float cx, top, scale;  // centre x, y of the head top, pixels per body unit
};
FigureFrame drawFigure(Canvas& canvas, float cx, float groundY, float height, const FigureLook& look);
void drawLeafWreath(Canvas& canvas, const FigureFrame& f);
void drawCrown(Canvas& canvas, const FigureFrame& f);
void drawCirclet(Canvas& canvas, const FigureFrame& f, Colour gem);
void drawWizardHat(Canvas& canvas, const FigureFrame& f);
void drawEyelashes(Canvas& canvas, const FigureFrame& f);

// Five-pointed star.
void fillStar(Canvas& canvas, float cx, float cy, float outer, float inner, float turn, Colour c, float opacity = 1);

// Parchment for story pages and panels.
Colour parchment(float x, float y, float width, float height, uint32_t seed);

// The game's panel: dark wood under a gold rim, for text over the world.
void drawPanel(Canvas& canvas, float x0, float y0, float x1, float y1, float radius, uint32_t seed);

// Colours shared by the screens.
const Colour goldText = {0.96f, 0.83f, 0.47f};
const Colour paleText = {0.96f, 0.93f, 0.84f};
const Colour inkText = {0.2f, 0.13f, 0.07f};
const Colour shadowBrown = {0.12f, 0.07f, 0.03f};

#endif
