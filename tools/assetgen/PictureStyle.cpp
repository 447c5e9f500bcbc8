#include "PictureStyle.h"

#include "PictureNoise.h"

Colour ramp(std::initializer_list<std::pair<float, Colour>> stops, float t) {
    const std::pair<float, Colour>* previous = stops.begin();
    if (t <= previous->first) return previous->second;
    for (const auto* stop = stops.begin() + 1; stop != stops.end(); ++stop) {
        if (t <= stop->first) {
            float k = (t - previous->first) / (stop->first - previous->first);
            return mix(previous->second, stop->second, k);
        }
        previous = stop;
    }
    return previous->second;
}

void fillStar(Canvas& canvas, float cx, float cy, float outer, float inner, float turn, Colour c, float opacity) {
    std::vector<Point> points;
    for (int i = 0; i < 10; ++i) {
        float a = turn + i * pi / 5 - pi / 2;
        float r = i % 2 == 0 ? outer : inner;
        points.push_back({cx + r * std::cos(a), cy + r * std::sin(a)});
    }
    canvas.fillPolygon(points, c, opacity);
}

Colour parchment(float x, float y, float width, float height, uint32_t seed) {
    float n = fbm(x / 90, y / 90, 0, 5, seed);
    float fibres = fbm(x / 6, y / 60, 0, 2, seed + 7);
    float stain = smoothstep(0.62f, 0.8f, fbm(x / 160 + 3, y / 160, 0, 4, seed + 11));
    float ex = (x / width - 0.5f) * 2, ey = (y / height - 0.5f) * 2;
    float vignette = smoothstep(0.55f, 1.35f, std::sqrt(ex * ex * 0.8f + ey * ey * 0.9f));
    Colour c = mix(rgb(236, 220, 182), rgb(214, 190, 142), n);
    c = mix(c, rgb(196, 166, 118), fibres * 0.25f);
    c = mix(c, rgb(180, 140, 90), stain * 0.35f);
    return mix(c, rgb(120, 84, 48), vignette * 0.7f);
}

// Body units: the body spans y -1.0 .. 1.1 around the eye point, the ground
// lies at -1.3; the picture's y grows downwards.
struct Mapper {
    float cx, groundY, scale;
    float x(float u) const { return cx + u * scale; }
    float y(float v) const { return groundY - (v + 1.3f) * scale; }
};

FigureFrame drawFigure(Canvas& canvas, float cx, float groundY, float height, const FigureLook& look) {
    Mapper m{cx, groundY, height / 2.45f};
    float s = m.scale;
    Colour limb = rgb(235, 40, 130);
    Colour limbShade = rgb(160, 20, 90);
    // Shadow on the ground.
    canvas.fillEllipse(cx, groundY - 0.02f * s, 1.25f * s, 0.18f * s, rgb(0, 0, 0), 0.3f);
    // Feet behind the body.
    for (float side : {-1.0f, 1.0f}) {
        float fx = m.x(side * 0.65f), fy = m.y(-1.0f);
        canvas.fillShape(fx - 0.4f * s, fy - 0.4f * s, fx + 0.4f * s, fy + 0.4f * s,
                         [=](float x, float y) { return sdCircle(x, y, fx, fy, 0.35f * s); },
                         [=](float x, float y) {
                             float k = clamp01(((x - fx) + (y - fy)) / (0.7f * s) + 0.5f);
                             return mix(limb, limbShade, k);
                         });
    }
    // The body: an egg, wider below.
    float bx = m.x(0), by = m.y(0.05f);
    float rx = 0.95f * s, ryTop = 1.05f * s, ryBottom = 1.05f * s;
    auto egg = [=](float x, float y) {
        float ry = y < by ? ryTop : ryBottom;
        float widen = y < by ? 1 - 0.18f * clamp01((by - y) / ryTop) : 1;
        return sdEllipse(x, y, bx, by, rx * widen, ry);
    };
    Colour body = look.body, shade = look.bodyShade;
    canvas.fillShape(bx - rx, by - ryTop, bx + rx, by + ryBottom, egg, [=](float x, float y) {
        float dx = (x - (bx - 0.35f * rx)) / rx, dy = (y - (by - 0.45f * ryTop)) / ryTop;
        float k = clamp01(std::sqrt(dx * dx + dy * dy) / 1.5f);
        return mix(mix(body, rgb(255, 255, 255), 0.25f), shade, k);
    });
    // Hands at the sides.
    for (float side : {-1.0f, 1.0f}) {
        float hx = m.x(side * 1.2f), hy = m.y(0);
        canvas.fillShape(hx - 0.25f * s, hy - 0.25f * s, hx + 0.25f * s, hy + 0.25f * s,
                         [=](float x, float y) { return sdCircle(x, y, hx, hy, 0.2f * s); },
                         [=](float x, float y) {
                             float k = clamp01(((x - hx) + (y - hy)) / (0.4f * s) + 0.5f);
                             return mix(limb, limbShade, k);
                         });
    }
    // Eyes.
    for (float side : {-1.0f, 1.0f}) {
        float ex = m.x(side * 0.3f), ey = m.y(0.4f);
        canvas.fillEllipse(ex, ey, 0.2f * s, 0.24f * s, rgb(250, 250, 245));
        float px = ex - side * 0.03f * s, py = ey + 0.04f * s;
        canvas.fillCircle(px, py, 0.1f * s, rgb(20, 25, 20));
        canvas.fillCircle(px - 0.04f * s, py - 0.05f * s, 0.035f * s, rgb(255, 255, 255));
        if (look.angry) {
            float x0 = ex - 0.26f * s * side, x1 = ex + 0.22f * s * side;
            canvas.strokeLine(x0, ey - 0.34f * s, x1, ey - 0.2f * s, 0.09f * s, rgb(200, 40, 30));
        }
    }
    return FigureFrame{cx, m.y(1.1f), s};
}

void drawLeafWreath(Canvas& canvas, const FigureFrame& f) {
    float s = f.scale, y = f.top + 0.28f * s;
    canvas.fillRoundedRect(f.cx - 0.72f * s, y - 0.06f * s, f.cx + 0.72f * s, y + 0.08f * s, 0.06f * s,
                           rgb(110, 72, 40));
    for (int i = 0; i < 9; ++i) {
        float t = (i - 4) / 4.0f;
        float lx = f.cx + t * 0.68f * s, ly = y - 0.05f * s - (1 - t * t) * 0.04f * s;
        float angle = t * 0.9f;
        float ca = std::cos(angle), sa = std::sin(angle);
        canvas.fillShape(lx - 0.3f * s, ly - 0.3f * s, lx + 0.3f * s, ly + 0.3f * s,
                         [=](float x, float yy) {
                             float dx = x - lx, dy = yy - ly;
                             float u = dx * ca + dy * sa, v = -dx * sa + dy * ca;
                             return sdEllipse(u, v, 0, -0.1f * s, 0.09f * s, 0.19f * s);
                         },
                         i % 2 == 0 ? rgb(60, 150, 50) : rgb(90, 175, 60));
    }
}

void drawCrown(Canvas& canvas, const FigureFrame& f) {
    float s = f.scale, base = f.top + 0.35f * s, top = f.top - 0.45f * s;
    std::vector<Point> crown = {{f.cx - 0.6f * s, base}, {f.cx - 0.66f * s, top},     {f.cx - 0.33f * s, base - 0.35f * s},
                                {f.cx, top - 0.12f * s}, {f.cx + 0.33f * s, base - 0.35f * s}, {f.cx + 0.66f * s, top},
                                {f.cx + 0.6f * s, base}};
    canvas.fillPolygon(crown, rgb(238, 190, 50));
    canvas.fillRoundedRect(f.cx - 0.62f * s, base - 0.16f * s, f.cx + 0.62f * s, base, 0.04f * s, rgb(200, 150, 30));
    for (float t : {-0.66f, 0.0f, 0.66f}) {
        float y = t == 0.0f ? top - 0.12f * s : top;
        canvas.fillCircle(f.cx + t * s, y, 0.08f * s, rgb(250, 230, 120));
    }
    canvas.fillCircle(f.cx, base - 0.08f * s, 0.07f * s, rgb(200, 20, 40));
}

void drawCirclet(Canvas& canvas, const FigureFrame& f, Colour gem) {
    float s = f.scale, y = f.top + 0.36f * s;
    canvas.fillRoundedRect(f.cx - 0.74f * s, y - 0.05f * s, f.cx + 0.74f * s, y + 0.05f * s, 0.05f * s,
                           rgb(230, 185, 60));
    canvas.fillShape(f.cx - 0.15f * s, y - 0.2f * s, f.cx + 0.15f * s, y + 0.12f * s,
                     [=](float x, float yy) {
                         return sdPolygon(x, yy, {{f.cx, y - 0.16f * s},
                                                  {f.cx + 0.11f * s, y - 0.02f * s},
                                                  {f.cx, y + 0.1f * s},
                                                  {f.cx - 0.11f * s, y - 0.02f * s}});
                     },
                     gem);
}

void drawWizardHat(Canvas& canvas, const FigureFrame& f) {
    float s = f.scale, brim = f.top + 0.3f * s;
    canvas.fillEllipse(f.cx, brim, 1.0f * s, 0.16f * s, rgb(30, 22, 60));
    std::vector<Point> cone = {{f.cx - 0.62f * s, brim}, {f.cx + 0.15f * s, brim - 1.75f * s},
                               {f.cx + 0.62f * s, brim}};
    canvas.fillPolygon(cone, rgb(40, 28, 80));
    fillStar(canvas, f.cx - 0.05f * s, brim - 0.55f * s, 0.14f * s, 0.06f * s, 0.2f, rgb(250, 220, 90));
    fillStar(canvas, f.cx + 0.22f * s, brim - 0.2f * s, 0.09f * s, 0.04f * s, 0.5f, rgb(250, 220, 90));
    fillStar(canvas, f.cx + 0.06f * s, brim - 1.05f * s, 0.08f * s, 0.035f * s, 0.1f, rgb(250, 220, 90));
}

void drawEyelashes(Canvas& canvas, const FigureFrame& f) {
    float s = f.scale;
    for (float side : {-1.0f, 1.0f}) {
        float ex = f.cx + side * 0.3f * s, ey = f.top + 0.7f * s - 0.24f * s;
        for (int k = -1; k <= 1; ++k) {
            float x0 = ex + k * 0.08f * s;
            canvas.strokeLine(x0, ey, x0 + k * 0.05f * s + side * 0.03f * s, ey - 0.12f * s, 0.035f * s,
                              rgb(15, 10, 10));
        }
    }
}

void drawPanel(Canvas& canvas, float x0, float y0, float x1, float y1, float radius, uint32_t seed) {
    canvas.fillShape(x0, y0, x1, y1, [=](float x, float y) { return sdRoundedBox(x, y, x0, y0, x1, y1, radius); },
                     [=](float x, float y) {
                         float grain = fbm(x / 240, y / 24, 0, 4, seed);
                         float k = (y - y0) / std::max(1.0f, y1 - y0);
                         Colour c = mix(rgb(66, 46, 30), rgb(36, 24, 16), k);
                         return c * (0.8f + 0.4f * grain);
                     });
    canvas.fillShape(x0, y0, x1, y1,
                     [=](float x, float y) { return std::fabs(sdRoundedBox(x, y, x0, y0, x1, y1, radius) + 2.5f) - 2; },
                     [=](float, float y) { return mix(rgb(246, 212, 120), rgb(170, 120, 50), (y - y0) / std::max(1.0f, y1 - y0)); });
    canvas.fillShape(x0, y0, x1, y1,
                     [=](float x, float y) { return std::fabs(sdRoundedBox(x, y, x0, y0, x1, y1, radius) + 8) - 0.6f; },
                     rgb(150, 110, 50), 0.8f);
}
