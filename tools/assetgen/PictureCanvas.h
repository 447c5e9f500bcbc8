#ifndef ASSETGEN_PICTURECANVAS_H
#define ASSETGEN_PICTURECANVAS_H

#include <algorithm>
#include <cmath>
#include <vector>

#include "AssetWriter.h"

// Colour channels 0..1.
struct Colour {
    float r = 0, g = 0, b = 0;
};

inline Colour rgb(int r, int g, int b) { return {r / 255.0f, g / 255.0f, b / 255.0f}; }
inline Colour mix(Colour a, Colour b, float t) {
    return {a.r + (b.r - a.r) * t, a.g + (b.g - a.g) * t, a.b + (b.b - a.b) * t};
}
inline Colour operator*(Colour c, float k) { return {c.r * k, c.g * k, c.b * k}; }
inline Colour operator+(Colour a, Colour b) { return {a.r + b.r, a.g + b.g, a.b + b.b}; }
inline float clamp01(float v) { return v < 0 ? 0 : (v > 1 ? 1 : v); }
inline float smoothstep(float a, float b, float v) {
    float t = clamp01((v - a) / (b - a));
    return t * t * (3 - 2 * t);
}

struct Point {
    float x, y;
};

// A picture being painted: premultiplied RGBA, so shapes with soft
// (anti-aliased) edges composite over each other. Keyed pictures turn what
// stays mostly transparent into the colour key at the end.
class Canvas {
public:
    Canvas(int width, int height);                 // fully transparent
    Canvas(int width, int height, Colour colour);  // opaque
    int width() const { return w; }
    int height() const { return h; }

    // Composites colour with the given coverage over the pixel.
    void blend(int x, int y, Colour c, float coverage) {
        if (x < 0 || y < 0 || x >= w || y >= h || coverage <= 0) return;
        float* p = &px[((size_t)y * w + x) * 4];
        float a = coverage > 1 ? 1 : coverage;
        p[0] = c.r * a + p[0] * (1 - a);
        p[1] = c.g * a + p[1] * (1 - a);
        p[2] = c.b * a + p[2] * (1 - a);
        p[3] = a + p[3] * (1 - a);
    }
    Colour colourAt(int x, int y) const;  // un-premultiplied

    // Paints every pixel opaquely from a function of its centre.
    template <class Shade>
    void paint(Shade shade) {
        for (int y = 0; y < h; ++y)
            for (int x = 0; x < w; ++x) {
                Colour c = shade(x + 0.5f, y + 0.5f);
                float* p = &px[((size_t)y * w + x) * 4];
                p[0] = c.r;
                p[1] = c.g;
                p[2] = c.b;
                p[3] = 1;
            }
    }

    // Fills a shape given by its signed distance in pixels (negative
    // inside), with a colour from a function of the position; the edge is
    // anti-aliased over one pixel.
    template <class Distance, class Shade>
    void fillShape(float x0, float y0, float x1, float y1, Distance distance, Shade shade, float opacity = 1) {
        int ix0 = std::max(0, (int)std::floor(x0) - 1), iy0 = std::max(0, (int)std::floor(y0) - 1);
        int ix1 = std::min(w - 1, (int)std::ceil(x1) + 1), iy1 = std::min(h - 1, (int)std::ceil(y1) + 1);
        for (int y = iy0; y <= iy1; ++y)
            for (int x = ix0; x <= ix1; ++x) {
                float fx = x + 0.5f, fy = y + 0.5f;
                float cover = clamp01(0.5f - distance(fx, fy));
                if (cover > 0) blend(x, y, shade(fx, fy), cover * opacity);
            }
    }
    template <class Distance>
    void fillShape(float x0, float y0, float x1, float y1, Distance distance, Colour c, float opacity = 1) {
        fillShape(x0, y0, x1, y1, distance, [c](float, float) { return c; }, opacity);
    }

    void fillCircle(float cx, float cy, float r, Colour c, float opacity = 1);
    void fillEllipse(float cx, float cy, float rx, float ry, Colour c, float opacity = 1);
    void fillRect(float x0, float y0, float x1, float y1, Colour c, float opacity = 1) {
        fillRoundedRect(x0, y0, x1, y1, 0, c, opacity);
    }
    void fillRoundedRect(float x0, float y0, float x1, float y1, float radius, Colour c, float opacity = 1);
    void strokeRoundedRect(float x0, float y0, float x1, float y1, float radius, float width, Colour c,
                           float opacity = 1);
    void fillRing(float cx, float cy, float r0, float r1, Colour c, float opacity = 1);
    void strokeLine(float ax, float ay, float bx, float by, float width, Colour c, float opacity = 1);
    void fillPolygon(const std::vector<Point>& points, Colour c, float opacity = 1);

    // Composites another canvas with its top-left corner at (dx, dy).
    void draw(const Canvas& source, int dx, int dy, float opacity = 1);

    // The finished picture: opaque pictures never contain the colour key;
    // keyed ones have it wherever the canvas stayed mostly transparent.
    Image opaqueImage() const;
    Image keyedImage() const;

private:
    int w, h;
    std::vector<float> px;
};

// Signed distances (negative inside), in pixels.
inline float sdCircle(float x, float y, float cx, float cy, float r) {
    return std::sqrt((x - cx) * (x - cx) + (y - cy) * (y - cy)) - r;
}
float sdEllipse(float x, float y, float cx, float cy, float rx, float ry);
float sdRoundedBox(float x, float y, float x0, float y0, float x1, float y1, float radius);
float sdSegment(float x, float y, float ax, float ay, float bx, float by);
float sdPolygon(float x, float y, const std::vector<Point>& points);

#endif
