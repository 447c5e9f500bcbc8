#include "PictureCanvas.h"

#include <cstdint>

Canvas::Canvas(int width, int height) : w(width), h(height), px((size_t)width * height * 4, 0.0f) {}

Canvas::Canvas(int width, int height, Colour colour) : Canvas(width, height) {
    for (size_t i = 0; i < px.size(); i += 4) {
        px[i] = colour.r;
        px[i + 1] = colour.g;
        px[i + 2] = colour.b;
        px[i + 3] = 1;
    }
}

Colour Canvas::colourAt(int x, int y) const {
    const float* p = &px[((size_t)y * w + x) * 4];
    if (p[3] <= 0) return {0, 0, 0};
    return {p[0] / p[3], p[1] / p[3], p[2] / p[3]};
}

float sdEllipse(float x, float y, float cx, float cy, float rx, float ry) {
    float px = (x - cx) / rx, py = (y - cy) / ry;
    float k0 = std::sqrt(px * px + py * py);
    float qx = (x - cx) / (rx * rx), qy = (y - cy) / (ry * ry);
    float k1 = std::sqrt(qx * qx + qy * qy);
    if (k1 < 1e-6f) return -std::min(rx, ry);
    return k0 * (k0 - 1) / k1;
}

float sdRoundedBox(float x, float y, float x0, float y0, float x1, float y1, float radius) {
    float cx = (x0 + x1) / 2, cy = (y0 + y1) / 2;
    float hx = (x1 - x0) / 2 - radius, hy = (y1 - y0) / 2 - radius;
    float qx = std::fabs(x - cx) - hx, qy = std::fabs(y - cy) - hy;
    float ox = std::max(qx, 0.0f), oy = std::max(qy, 0.0f);
    return std::sqrt(ox * ox + oy * oy) + std::min(std::max(qx, qy), 0.0f) - radius;
}

float sdSegment(float x, float y, float ax, float ay, float bx, float by) {
    float px = x - ax, py = y - ay, dx = bx - ax, dy = by - ay;
    float len2 = dx * dx + dy * dy;
    float t = len2 > 0 ? clamp01((px * dx + py * dy) / len2) : 0;
    float ex = px - dx * t, ey = py - dy * t;
    return std::sqrt(ex * ex + ey * ey);
}

float sdPolygon(float x, float y, const std::vector<Point>& points) {
    size_t n = points.size();
    float best = 1e30f;
    bool inside = false;
    for (size_t i = 0, j = n - 1; i < n; j = i++) {
        const Point& a = points[i];
        const Point& b = points[j];
        best = std::min(best, sdSegment(x, y, a.x, a.y, b.x, b.y));
        if ((a.y > y) != (b.y > y) && x < (b.x - a.x) * (y - a.y) / (b.y - a.y) + a.x) inside = !inside;
    }
    return inside ? -best : best;
}

void Canvas::fillCircle(float cx, float cy, float r, Colour c, float opacity) {
    fillShape(cx - r, cy - r, cx + r, cy + r, [=](float x, float y) { return sdCircle(x, y, cx, cy, r); }, c,
              opacity);
}

void Canvas::fillEllipse(float cx, float cy, float rx, float ry, Colour c, float opacity) {
    fillShape(cx - rx, cy - ry, cx + rx, cy + ry, [=](float x, float y) { return sdEllipse(x, y, cx, cy, rx, ry); },
              c, opacity);
}

void Canvas::fillRoundedRect(float x0, float y0, float x1, float y1, float radius, Colour c, float opacity) {
    fillShape(x0, y0, x1, y1, [=](float x, float y) { return sdRoundedBox(x, y, x0, y0, x1, y1, radius); }, c,
              opacity);
}

void Canvas::strokeRoundedRect(float x0, float y0, float x1, float y1, float radius, float width, Colour c,
                               float opacity) {
    float half = width / 2;
    fillShape(x0 - half, y0 - half, x1 + half, y1 + half,
              [=](float x, float y) { return std::fabs(sdRoundedBox(x, y, x0, y0, x1, y1, radius)) - half; }, c,
              opacity);
}

void Canvas::fillRing(float cx, float cy, float r0, float r1, Colour c, float opacity) {
    float mid = (r0 + r1) / 2, half = (r1 - r0) / 2;
    fillShape(cx - r1, cy - r1, cx + r1, cy + r1,
              [=](float x, float y) { return std::fabs(sdCircle(x, y, cx, cy, mid)) - half; }, c, opacity);
}

void Canvas::strokeLine(float ax, float ay, float bx, float by, float width, Colour c, float opacity) {
    float half = width / 2;
    fillShape(std::min(ax, bx) - half, std::min(ay, by) - half, std::max(ax, bx) + half, std::max(ay, by) + half,
              [=](float x, float y) { return sdSegment(x, y, ax, ay, bx, by) - half; }, c, opacity);
}

void Canvas::fillPolygon(const std::vector<Point>& points, Colour c, float opacity) {
    if (points.size() < 3) return;
    float x0 = 1e30f, y0 = 1e30f, x1 = -1e30f, y1 = -1e30f;
    for (const Point& p : points) {
        x0 = std::min(x0, p.x);
        y0 = std::min(y0, p.y);
        x1 = std::max(x1, p.x);
        y1 = std::max(y1, p.y);
    }
    fillShape(x0, y0, x1, y1, [&points](float x, float y) { return sdPolygon(x, y, points); }, c, opacity);
}

void Canvas::draw(const Canvas& source, int dx, int dy, float opacity) {
    for (int y = 0; y < source.h; ++y) {
        int ty = y + dy;
        if (ty < 0 || ty >= h) continue;
        for (int x = 0; x < source.w; ++x) {
            int tx = x + dx;
            if (tx < 0 || tx >= w) continue;
            const float* s = &source.px[((size_t)y * source.w + x) * 4];
            float* p = &px[((size_t)ty * w + tx) * 4];
            float a = s[3] * opacity;
            p[0] = s[0] * opacity + p[0] * (1 - a);
            p[1] = s[1] * opacity + p[1] * (1 - a);
            p[2] = s[2] * opacity + p[2] * (1 - a);
            p[3] = a + p[3] * (1 - a);
        }
    }
}

static uint8_t toByte(float v) { return (uint8_t)std::lround(clamp01(v) * 255.0f); }

// The colour key must only ever appear where transparency is meant.
static void avoidKey(uint8_t* p) {
    if (p[0] == 255 && p[1] == 0 && p[2] == 255) p[1] = 1;
}

Image Canvas::opaqueImage() const {
    Image image(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const float* s = &px[((size_t)y * w + x) * 4];
            uint8_t* p = image.at(x, y);
            p[0] = toByte(s[0]);
            p[1] = toByte(s[1]);
            p[2] = toByte(s[2]);
            avoidKey(p);
        }
    return image;
}

Image Canvas::keyedImage() const {
    Image image(w, h, 255, 0, 255);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            const float* s = &px[((size_t)y * w + x) * 4];
            if (s[3] < 0.5f) continue;
            uint8_t* p = image.at(x, y);
            p[0] = toByte(s[0] / s[3]);
            p[1] = toByte(s[1] / s[3]);
            p[2] = toByte(s[2] / s[3]);
            avoidKey(p);
        }
    return image;
}
