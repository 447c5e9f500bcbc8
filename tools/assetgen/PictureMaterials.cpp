// Surface textures of terrain, meshes, missiles and particles. Tiles are
// built only from periodic noise and wrapped strokes, so they repeat
// without a seam; particle sprites stand on the colour key.
#include <cmath>

#include "PictureFont.h"
#include "PictureNoise.h"
#include "PictureParts.h"
#include "PictureStyle.h"

namespace {

// ---- terrain

Image grass(uint32_t seed) {
    const int n = 128;
    Canvas c(n, n);
    c.paint([&](float x, float y) {
        float u = x / n, v = y / n;
        float k = fbm(u * 4, v * 4, 4, 4, seed);
        float fine = valueNoise(u * 32, v * 32, 32, seed + 5);
        return mix(mix(rgb(46, 98, 32), rgb(92, 150, 52), k), rgb(70, 128, 44), fine * 0.3f);
    });
    Rng rng(seed);
    for (int i = 0; i < 900; ++i) {
        float x = rng.range(0, n), y = rng.range(0, n);
        float len = rng.range(4, 11), angle = rng.range(-0.6f, 0.6f);
        float t = rng.unit();
        Colour col = ramp({{0, rgb(34, 80, 24)}, {0.5f, rgb(78, 138, 46)}, {1, rgb(140, 190, 74)}}, t);
        float ex = x + std::sin(angle) * len, ey = y - std::cos(angle) * len;
        wrapped(n, [&](float dx, float dy) { c.strokeLine(x + dx, y + dy, ex + dx, ey + dy, 1.3f, col, 0.9f); });
    }
    for (int i = 0; i < 25; ++i) {
        float x = rng.range(0, n), y = rng.range(0, n);
        Colour col = rng.unit() < 0.5f ? rgb(230, 220, 120) : rgb(240, 240, 230);
        wrapped(n, [&](float dx, float dy) { c.fillCircle(x + dx, y + dy, 0.9f, col, 0.8f); });
    }
    return c.opaqueImage();
}

Image cliff(uint32_t seed) {
    const int n = 128;
    Canvas c(n, n);
    c.paint([&](float x, float y) {
        float u = x / n, v = y / n;
        float warp = fbm(u * 4, v * 4, 4, 3, seed) - 0.5f;
        float band = 0.5f + 0.5f * std::sin((v + warp * 0.15f) * 2 * pi * 6);
        float rough = fbm(u * 16, v * 16, 16, 3, seed + 3);
        float grain = valueNoise(u * 64, v * 64, 64, seed + 5);
        float tone = fbm(u * 2, v * 8, 2, 8, 3, seed + 4);
        float crack = smoothstep(0.8f, 0.95f, ridged(u * 8 + warp, v * 4, 8, 4, 2, seed + 1));
        Colour col = mix(rgb(96, 84, 70), rgb(150, 134, 112), 0.35f * band + 0.3f * tone + 0.35f * rough);
        col = col * (0.9f + 0.2f * grain);
        return mix(col, rgb(62, 52, 44), crack * 0.5f);
    });
    return c.opaqueImage();
}

Image lavaRockGround(uint32_t seed) {
    const int n = 128;
    Canvas c(n, n);
    c.paint([&](float x, float y) {
        float u = x / n, v = y / n;
        float k = fbm(u * 4, v * 4, 4, 5, seed);
        Cells pores = cells(u * 12, v * 12, 12, seed + 1);
        float pit = 1 - smoothstep(0.1f, 0.2f, pores.f1);
        bool isPore = (pores.id & 3) == 0;
        float glow = smoothstep(0.8f, 0.95f, ridged(u * 3, v * 3, 3, 3, seed + 2));
        Colour col = mix(rgb(40, 35, 36), rgb(84, 74, 70), k);
        if (isPore) col = mix(col, rgb(18, 14, 14), pit);
        return mix(col, rgb(150, 45, 20), glow * 0.7f);
    });
    return c.opaqueImage();
}

Image hotLava(uint32_t seed) {
    const int n = 128;
    Canvas c(n, n);
    c.paint([&](float x, float y) {
        float u = x / n, v = y / n;
        float flow = fbm(u * 4 + 0.3f * fbm(u * 2, v * 2, 2, 3, seed + 1), v * 4, 4, 5, seed);
        Cells plates = cells(u * 8, v * 8, 8, seed + 4);
        float patches = fbm(u * 8, v * 8, 8, 3, seed + 5);
        float crust = smoothstep(0.05f, 0.2f, plates.f2 - plates.f1) * smoothstep(0.5f, 0.68f, patches);
        Colour molten = ramp({{0.2f, rgb(170, 30, 5)}, {0.45f, rgb(230, 90, 10)}, {0.65f, rgb(252, 160, 30)},
                              {0.85f, rgb(255, 225, 110)}},
                             flow);
        return mix(molten, rgb(70, 22, 12), crust * 0.85f);
    });
    return c.opaqueImage();
}

Image snow(uint32_t seed) {
    const int n = 128;
    Canvas c(n, n);
    c.paint([&](float x, float y) {
        float u = x / n, v = y / n;
        float k = fbm(u * 4, v * 4, 4, 5, seed);
        float sparkle = hashUnit((int)x, (int)y, 0, seed + 3) > 0.985f ? 1.0f : 0.0f;
        Colour col = mix(rgb(204, 214, 232), rgb(246, 248, 252), k);
        return mix(col, rgb(255, 255, 255), sparkle);
    });
    return c.opaqueImage();
}

Image iceSide(uint32_t seed) {
    const int n = 128;
    Canvas c(n, n);
    c.paint([&](float x, float y) {
        float u = x / n, v = y / n;
        float streak = fbm(u * 16, v * 2, 16, 2, 4, seed);
        float k = fbm(u * 4, v * 4, 4, 4, seed + 1);
        float crack = smoothstep(0.8f, 0.93f, ridged(u * 4, v * 4, 4, 3, seed + 2));
        Colour col = mix(rgb(96, 156, 200), rgb(176, 220, 240), 0.6f * streak + 0.4f * k);
        return mix(col, rgb(236, 248, 255), crack * 0.8f);
    });
    return c.opaqueImage();
}

Image mysticTop(uint32_t seed) {
    const int n = 128;
    Canvas c(n, n);
    c.paint([&](float x, float y) {
        float u = x / n, v = y / n;
        float k = fbm(u * 4, v * 4, 4, 5, seed);
        float moss = smoothstep(0.5f, 0.7f, fbm(u * 8, v * 8, 8, 3, seed + 1));
        Colour col = mix(rgb(84, 48, 110), rgb(138, 82, 160), k);
        return mix(col, rgb(70, 96, 130), moss * 0.35f);
    });
    Rng rng(seed);
    for (int i = 0; i < 40; ++i) {
        float x = rng.range(0, n), y = rng.range(0, n);
        Colour col = rng.unit() < 0.5f ? rgb(120, 240, 230) : rgb(250, 150, 230);
        wrapped(n, [&](float dx, float dy) {
            c.fillCircle(x + dx, y + dy, 2.2f, col, 0.25f);
            c.fillCircle(x + dx, y + dy, 0.9f, col, 0.9f);
        });
    }
    return c.opaqueImage();
}

Image mysticSide(uint32_t seed) {
    const int n = 128;
    Canvas c(n, n);
    c.paint([&](float x, float y) {
        float u = x / n, v = y / n;
        float warp = fbm(u * 4, v * 4, 4, 3, seed) - 0.5f;
        float band = 0.5f + 0.5f * std::sin((v + warp * 0.3f) * 2 * pi * 4);
        float k = fbm(u * 8, v * 8, 8, 4, seed + 1);
        float vein = smoothstep(0.85f, 0.95f, ridged(u * 3, v * 3, 3, 4, seed + 2));
        Colour col = mix(rgb(52, 34, 72), rgb(96, 68, 118), 0.5f * band + 0.5f * k);
        return mix(col, rgb(90, 220, 200), vein * 0.85f);
    });
    return c.opaqueImage();
}

Image dirt(uint32_t seed, int n) {
    Canvas c(n, n);
    int scale = n / 32;
    c.paint([&](float x, float y) {
        float u = x / n, v = y / n;
        float k = fbm(u * 4, v * 4, 4, 5, seed);
        Cells stones = cells(u * 10 * scale, v * 10 * scale, 10 * scale, seed + 1);
        bool pebble = (stones.id % 5) == 0;
        float inPebble = 1 - smoothstep(0.16f, 0.24f, stones.f1);
        float speck = hashUnit((int)x, (int)y, 1, seed) > 0.97f ? 1.0f : 0.0f;
        Colour col = mix(rgb(96, 68, 42), rgb(146, 108, 70), k);
        if (pebble) col = mix(col, mix(rgb(150, 136, 118), rgb(110, 100, 90), stones.f1 * 4), inPebble);
        return mix(col, rgb(60, 42, 28), speck * 0.6f);
    });
    return c.opaqueImage();
}

Image clover(uint32_t seed) {
    const int n = 128;
    Canvas c(n, n);
    c.paint([&](float x, float y) {
        float k = fbm(x / n * 4, y / n * 4, 4, 4, seed);
        return mix(rgb(40, 90, 34), rgb(70, 130, 50), k);
    });
    Rng rng(seed);
    for (int i = 0; i < 70; ++i) {
        float x = rng.range(0, n), y = rng.range(0, n), turn = rng.range(0, 2 * pi), r = rng.range(2.5f, 4);
        Colour col = mix(rgb(60, 140, 50), rgb(120, 190, 80), rng.unit());
        wrapped(n, [&](float dx, float dy) {
            for (int leaf = 0; leaf < 3; ++leaf) {
                float a = turn + leaf * 2 * pi / 3;
                c.fillCircle(x + dx + std::cos(a) * r, y + dy + std::sin(a) * r, r, col);
            }
        });
    }
    return c.opaqueImage();
}

// ---- wood, bark and plants

Image bark(uint32_t seed, Colour dark, Colour light, float frost) {
    const int n = 128;
    Canvas c(n, n);
    c.paint([&](float x, float y) {
        float u = x / n, v = y / n;
        float warp = fbm(u * 2, v * 2, 2, 3, seed + 1) - 0.5f;
        float furrow = smoothstep(0.5f, 0.85f, ridged(u * 7 + warp * 1.5f, v * 1, 7, 1, 2, seed));
        Cells plate = cells(u * 8 + warp * 2, v * 3, 8, 3, seed + 4, 0.8f);
        float tone = (plate.id % 1000) / 1000.0f;
        float crack = 1 - smoothstep(0.0f, 0.06f, plate.f2 - plate.f1);
        float fibre = valueNoise(u * 64 + warp * 8, v * 4, 64, 4, seed + 2);
        float k = fbm(u * 8, v * 8, 8, 3, seed + 3);
        Colour col = mix(dark, light, 0.5f + 0.2f * tone + 0.2f * fibre + 0.1f * k);
        col = mix(col, dark * 0.4f, std::max(furrow, crack * 0.5f));
        if (frost > 0) col = mix(col, rgb(226, 238, 250), frost * (1 - furrow) * smoothstep(0.45f, 0.8f, k + 0.3f * fibre));
        return col;
    });
    return c.opaqueImage();
}

Image planks(uint32_t seed) {
    const int n = 128, count = 4, width = n / count;
    Canvas c(n, n);
    c.paint([&](float x, float y) {
        int plank = (int)(x / width);
        float local = x - plank * width;
        float shift = hashUnit(plank, 0, 0, seed) * n;
        float grain = fbm(x / n * 16, (y + shift) / n * 2, 16, 2, 3, seed + (uint32_t)plank);
        float rings = 0.5f + 0.5f * std::sin(grain * 18 + local * 0.2f);
        Colour col = mix(rgb(120, 78, 44), rgb(168, 118, 70), 0.5f * rings + 0.5f * grain);
        col = col * (0.8f + 0.3f * hashUnit(plank, 1, 0, seed));
        float edge = std::min(local, width - local);
        col = col * (0.55f + 0.45f * smoothstep(0, 2.5f, edge));
        return col;
    });
    for (int p = 0; p < count; ++p)
        for (float y : {10.0f, 74.0f}) {
            float x = p * width + width / 2.0f;
            c.fillCircle(x - 8, y, 1.8f, rgb(60, 56, 54));
            c.fillCircle(x + 8, y, 1.8f, rgb(60, 56, 54));
        }
    return c.opaqueImage();
}

Image leafSurface(uint32_t seed, Colour dark, Colour light, Colour vein, float frost) {
    const int n = 128;
    Canvas c(n, n);
    c.paint([&](float x, float y) {
        float u = x / n, v = y / n;
        float k = fbm(u * 4, v * 4, 4, 4, seed);
        float across = std::fabs(u - 0.5f);
        Colour col = mix(light, dark, 0.55f * k + 0.6f * across);
        if (frost > 0) col = mix(col, rgb(240, 250, 255), frost * smoothstep(0.6f, 0.8f, fbm(u * 8, v * 8, 8, 3, seed + 3)));
        return col;
    });
    // Midrib along the picture and side veins rising from it; the vein
    // pattern repeats four times down the tile.
    c.strokeLine(n / 2.0f, -2, n / 2.0f, n + 2.0f, 3, vein, 0.9f);
    for (int i = 0; i < 8; ++i) {
        float y = i * n / 8.0f + 6;
        for (float side : {-1.0f, 1.0f}) {
            c.strokeLine(n / 2.0f, y, n / 2.0f + side * 60, y - 22, 1.4f, vein, 0.6f);
            c.strokeLine(n / 2.0f, y + n, n / 2.0f + side * 60, y + n - 22, 1.4f, vein, 0.6f);
        }
    }
    return c.opaqueImage();
}

Image foliage(uint32_t seed) {
    const int n = 128;
    Canvas c(n, n, rgb(24, 62, 22));
    Rng rng(seed);
    for (int i = 0; i < 520; ++i) {
        float x = rng.range(0, n), y = rng.range(0, n), a = rng.range(0, 2 * pi);
        float len = rng.range(5, 9), wid = len * 0.45f;
        Colour col = mix(rgb(34, 90, 28), rgb(110, 175, 60), rng.unit());
        float ca = std::cos(a), sa = std::sin(a);
        wrapped(n, [&](float dx, float dy) {
            float cx = x + dx, cy = y + dy;
            c.fillShape(cx - len, cy - len, cx + len, cy + len,
                        [=](float px, float py) {
                            float ux = (px - cx) * ca + (py - cy) * sa, uy = -(px - cx) * sa + (py - cy) * ca;
                            return sdEllipse(ux, uy, 0, 0, len, wid);
                        },
                        [=](float px, float py) {
                            float ux = (px - cx) * ca + (py - cy) * sa;
                            return col * (0.8f + 0.3f * (ux / len));
                        });
        });
    }
    return c.opaqueImage();
}

Image basketWeave(uint32_t seed) {
    const int n = 128, strip = 16;
    Canvas c(n, n);
    c.paint([&](float x, float y) {
        int cx = (int)(x / strip), cy = (int)(y / strip);
        bool horizontalOnTop = ((cx + cy) % 2) == 0;
        float lx = (x - cx * strip) / strip, ly = (y - cy * strip) / strip;
        float across = horizontalOnTop ? ly : lx;
        float along = horizontalOnTop ? x : y;
        float round = std::sin(across * pi);
        float fibre = valueNoise(along / n * 32, across * 6, 32, 0, seed);
        Colour col = mix(rgb(150, 108, 52), rgb(214, 172, 98), round * 0.8f + fibre * 0.2f);
        float gap = smoothstep(0.0f, 0.12f, across) * smoothstep(1.0f, 0.88f, across);
        return mix(rgb(70, 46, 22), col, gap);
    });
    return c.opaqueImage();
}

Image thatch(uint32_t seed) {
    const int n = 128, rows = 4, rowHeight = n / rows;
    Canvas c(n, n);
    c.paint([&](float x, float y) {
        int row = (int)(y / rowHeight);
        float local = (y - row * rowHeight) / rowHeight;
        float straw = valueNoise(x / n * 64 + row * 7.0f, local * 2, 64, 0, seed);
        float tone = fbm(x / n * 8, y / n * 4, 8, 4, 3, seed + 1);
        Colour col = mix(rgb(150, 112, 50), rgb(222, 184, 100), straw * 0.6f + tone * 0.4f);
        return col * (0.55f + 0.45f * smoothstep(0.0f, 0.35f, local)) * (1 - 0.25f * smoothstep(0.7f, 1.0f, local));
    });
    Rng rng(seed);
    for (int row = 0; row < rows; ++row)
        for (int i = 0; i < 50; ++i) {
            float x = rng.range(0, n), y = row * rowHeight + rng.range(rowHeight * 0.6f, rowHeight * 1.05f);
            Colour col = mix(rgb(120, 86, 36), rgb(236, 200, 118), rng.unit());
            float x1 = x + rng.range(-2, 2);
            wrapped(n, [&](float dx, float dy) { c.strokeLine(x + dx, y - 10 + dy, x1 + dx, y + dy, 1.1f, col, 0.8f); });
        }
    return c.opaqueImage();
}

Image petals(uint32_t seed) {
    const int n = 128;
    Canvas c(n, n);
    c.paint([&](float x, float y) {
        float dx = x / n - 0.5f, dy = y / n - 0.5f;
        float r = std::sqrt(dx * dx + dy * dy) * 2;
        float a = std::atan2(dy, dx);
        float streak = valueNoise((a / (2 * pi) + 0.5f) * 48, r * 2, 48, 0, seed);
        Colour col = ramp({{0, rgb(255, 236, 246)}, {0.35f, rgb(246, 160, 214)}, {1, rgb(160, 66, 180)}}, r);
        return col * (0.88f + 0.2f * streak);
    });
    return c.opaqueImage();
}

Image feathers(uint32_t seed) {
    const int n = 128, cols = 4, rows = 8;
    float fw = (float)n / cols, fh = (float)n / rows;
    Canvas c(n, n, rgb(150, 150, 158));
    Rng rng(seed);
    for (int row = 0; row < rows; ++row)
        for (int col = 0; col < cols; ++col) {
            float cx = (col + (row % 2) * 0.5f) * fw, cy = row * fh;
            Colour tone = mix(rgb(236, 234, 226), rgb(196, 204, 216), rng.unit());
            wrapped(n, [&](float dx, float dy) {
                float x = cx + dx, y = cy + dy;
                c.fillShape(x - fw, y - fh, x + fw, y + 2.6f * fh,
                            [=](float px, float py) { return sdEllipse(px, py, x, y + fh * 0.9f, fw * 0.55f, fh * 1.5f); },
                            [=](float px, float py) {
                                float side = std::fabs(px - x) / (fw * 0.55f);
                                float barb = 0.5f + 0.5f * std::sin((py - y - std::fabs(px - x) * 0.8f) * 1.6f);
                                return tone * (0.78f + 0.14f * barb + 0.12f * (1 - side));
                            });
                c.strokeLine(x, y - fh * 0.2f, x, y + fh * 2.2f, 1.2f, rgb(170, 160, 140));
            });
        }
    return c.opaqueImage();
}

// ---- skins

Image skin(uint32_t seed, Colour dark, Colour light, Colour mark, float marks, int n) {
    Canvas c(n, n);
    c.paint([&](float x, float y) {
        float u = x / n, v = y / n;
        float k = fbm(u * 4, v * 4, 4, 5, seed);
        Cells spots = cells(u * 8, v * 8, 8, seed + 1);
        float edge = 1 - smoothstep(0.0f, 0.08f, spots.f2 - spots.f1);
        Colour col = mix(dark, light, k);
        return mix(col, mark, edge * marks);
    });
    return c.opaqueImage();
}

Image enemySkin(uint32_t seed) {
    const int n = 128;
    Canvas c(n, n);
    c.paint([&](float x, float y) {
        float u = x / n, v = y / n;
        float k = fbm(u * 4, v * 4, 4, 5, seed);
        float flame = ridged(u * 4, v * 2, 4, 2, 4, seed + 1);
        Colour col = mix(rgb(70, 20, 14), rgb(128, 42, 26), k);
        col = mix(col, rgb(24, 8, 6), smoothstep(0.7f, 0.9f, flame) * 0.8f);
        return mix(col, rgb(200, 80, 30), smoothstep(0.93f, 1.0f, flame) * 0.6f);
    });
    return c.opaqueImage();
}

Image ladySkin(uint32_t seed) {
    const int n = 128;
    Canvas c(n, n);
    c.paint([&](float x, float y) {
        float u = x / n, v = y / n;
        float k = fbm(u * 4, v * 4, 4, 4, seed);
        Cells ripple = cells(u * 6, v * 6, 6, seed + 1);
        float caustic = 1 - smoothstep(0.0f, 0.12f, ripple.f2 - ripple.f1);
        return mix(mix(rgb(176, 202, 236), rgb(226, 238, 252), k), rgb(250, 254, 255), caustic * 0.7f);
    });
    return c.opaqueImage();
}

Image eye() {
    const int n = 64;
    Canvas c(n, n);
    c.paint([&](float x, float y) {
        float dx = x / n - 0.5f, dy = y / n - 0.5f;
        return mix(rgb(250, 250, 246), rgb(200, 200, 196), clamp01(std::sqrt(dx * dx + dy * dy) * 1.6f));
    });
    float m = n / 2.0f;
    c.fillShape(0, 0, n, n, [=](float x, float y) { return sdCircle(x, y, m, m, n * 0.27f); },
                [=](float x, float y) {
                    float r = std::sqrt((x - m) * (x - m) + (y - m) * (y - m)) / (n * 0.27f);
                    float a = std::atan2(y - m, x - m);
                    float fibre = 0.5f + 0.5f * std::sin(a * 24);
                    return mix(rgb(70, 140, 60), rgb(30, 70, 30), r) * (0.85f + 0.2f * fibre);
                });
    c.fillCircle(m, m, n * 0.13f, rgb(10, 12, 10));
    c.fillCircle(m - n * 0.08f, m - n * 0.09f, n * 0.05f, rgb(255, 255, 255));
    return c.opaqueImage();
}

// ---- stone and metal

Image granite(uint32_t seed) {
    const int n = 128;
    Canvas c(n, n);
    c.paint([&](float x, float y) {
        float u = x / n, v = y / n;
        float k = fbm(u * 4, v * 4, 4, 4, seed);
        Cells grain = cells(u * 40, v * 40, 40, seed + 1, 1.0f);
        float pick = (grain.id % 100) / 100.0f;
        Colour col = mix(rgb(118, 118, 116), rgb(160, 158, 154), k);
        if (pick < 0.18f) col = mix(col, rgb(40, 40, 44), 0.55f);
        else if (pick < 0.3f) col = mix(col, rgb(225, 222, 216), 0.45f);
        else if (pick < 0.38f) col = mix(col, rgb(180, 130, 120), 0.4f);
        return col;
    });
    return c.opaqueImage();
}

Image castleStone(uint32_t seed) {
    const int n = 256, rows = 8, rowHeight = n / rows, blockWidth = 64;
    Canvas c(n, n);
    c.paint([&](float x, float y) {
        int row = (int)(y / rowHeight);
        float offset = (row % 2) * blockWidth / 2.0f;
        float bx = std::fmod(x + offset, (float)n);
        int block = (int)(bx / blockWidth);
        float lx = bx - block * blockWidth, ly = y - row * rowHeight;
        float edge = std::min(std::min(lx, blockWidth - lx), std::min(ly, rowHeight - ly));
        float tone = hashUnit(block, row, 0, seed);
        float k = fbm(x / n * 8, y / n * 8, 8, 4, seed + 1);
        Colour stone = mix(rgb(112, 106, 100), rgb(156, 148, 136), 0.6f * tone + 0.4f * k);
        stone = stone * (0.75f + 0.25f * smoothstep(1.5f, 6.0f, edge));
        return mix(rgb(70, 64, 58), stone, smoothstep(1.0f, 2.2f, edge));
    });
    return c.opaqueImage();
}

Image cobblestones(uint32_t seed) {
    const int n = 256, p = 10;
    Canvas c(n, n);
    c.paint([&](float x, float y) {
        float u = x / n * p, v = y / n * p;
        Cells stone = cells(u, v, p, seed, 0.8f);
        float gap = stone.f2 - stone.f1;
        float tone = (stone.id % 1000) / 1000.0f;
        float k = fbm(x / n * 16, y / n * 16, 16, 3, seed + 1);
        Colour col = mix(rgb(112, 104, 94), rgb(168, 158, 140), 0.6f * tone + 0.4f * k);
        col = col * (1.05f - 0.5f * stone.f1);
        return mix(rgb(64, 58, 50), col, smoothstep(0.04f, 0.12f, gap));
    });
    return c.opaqueImage();
}

Image volcanicStone(uint32_t seed) {
    const int n = 128;
    Canvas c(n, n);
    c.paint([&](float x, float y) {
        float u = x / n, v = y / n;
        float k = fbm(u * 4, v * 4, 4, 5, seed);
        float vein = smoothstep(0.86f, 0.96f, ridged(u * 2, v * 2, 2, 4, seed + 1));
        Colour col = mix(rgb(54, 46, 46), rgb(98, 84, 80), k);
        return mix(col, rgb(160, 70, 50), vein * 0.6f);
    });
    return c.opaqueImage();
}

Image gold(uint32_t seed) {
    const int n = 128;
    Canvas c(n, n);
    c.paint([&](float x, float y) {
        float u = x / n, v = y / n;
        float sheen = fbm(u * 2 + v * 2, v * 8, 2, 8, 4, seed);
        float fine = valueNoise(u * 64, v * 4, 64, 4, seed + 1);
        return ramp({{0, rgb(130, 86, 16)}, {0.4f, rgb(214, 160, 42)}, {0.7f, rgb(246, 204, 80)}, {1, rgb(255, 244, 176)}},
                    sheen * 0.85f + fine * 0.15f);
    });
    return c.opaqueImage();
}

Image armour(uint32_t seed) {
    const int n = 128, plate = 64;
    Canvas c(n, n);
    c.paint([&](float x, float y) {
        float u = x / n, v = y / n;
        float brush = valueNoise(u * 4, v * 96, 4, 96, seed);
        float k = fbm(u * 4, v * 4, 4, 3, seed + 1);
        float lx = std::fmod(x, (float)plate), ly = std::fmod(y, (float)plate);
        float edge = std::min(std::min(lx, plate - lx), std::min(ly, plate - ly));
        Colour col = mix(rgb(136, 142, 152), rgb(196, 202, 212), 0.3f * brush + 0.7f * k);
        col = col * (0.7f + 0.3f * smoothstep(0.5f, 3.0f, edge));
        return col;
    });
    for (int py = 0; py < 2; ++py)
        for (int px = 0; px < 2; ++px)
            for (float ox : {7.0f, 57.0f})
                for (float oy : {7.0f, 57.0f}) {
                    float x = px * plate + ox, y = py * plate + oy;
                    c.fillCircle(x + 0.6f, y + 0.8f, 2.8f, rgb(60, 62, 70));
                    c.fillCircle(x, y, 2.4f, rgb(210, 214, 222));
                    c.fillCircle(x - 0.7f, y - 0.7f, 0.9f, rgb(250, 250, 255));
                }
    return c.opaqueImage();
}

Image mudWall(uint32_t seed) {
    const int n = 128;
    Canvas c(n, n);
    c.paint([&](float x, float y) {
        float u = x / n, v = y / n;
        float k = fbm(u * 4, v * 4, 4, 5, seed);
        float smear = fbm(u * 4 + v, v * 8, 4, 8, 3, seed + 1);
        float crack = smoothstep(0.88f, 0.96f, ridged(u * 3, v * 3, 3, 4, seed + 2));
        float grit = valueNoise(u * 64, v * 64, 64, seed + 3);
        Colour col = mix(rgb(142, 108, 74), rgb(206, 174, 128), 0.5f * k + 0.5f * smear);
        col = col * (0.9f + 0.18f * grit);
        return mix(col, rgb(90, 64, 42), crack * 0.75f);
    });
    Rng rng(seed);
    for (int i = 0; i < 60; ++i) {
        float x = rng.range(0, n), y = rng.range(0, n), a = rng.range(0, pi), len = rng.range(2, 5);
        float ex = x + std::cos(a) * len, ey = y + std::sin(a) * len;
        Colour col = mix(rgb(200, 170, 90), rgb(150, 120, 60), rng.unit());
        wrapped(n, [&](float dx, float dy) { c.strokeLine(x + dx, y + dy, ex + dx, ey + dy, 0.9f, col, 0.8f); });
    }
    return c.opaqueImage();
}

Image diamond(uint32_t seed) {
    const int n = 128;
    Canvas c(n, n);
    c.paint([&](float x, float y) {
        float u = x / n * 5, v = y / n * 5;
        Cells facet = cells(u, v, 5, seed, 1.0f);
        float tone = (facet.id % 1000) / 1000.0f;
        Colour col = ramp({{0, rgb(150, 190, 230)}, {0.4f, rgb(210, 235, 250)}, {0.7f, rgb(236, 226, 252)},
                           {1, rgb(255, 255, 255)}},
                          tone);
        float edge = 1 - smoothstep(0.0f, 0.05f, facet.f2 - facet.f1);
        return mix(col, rgb(255, 255, 255), edge);
    });
    return c.opaqueImage();
}

Image apple(uint32_t seed) {
    const int n = 128;
    Canvas c(n, n);
    c.paint([&](float x, float y) {
        float u = x / n, v = y / n;
        float streak = fbm(u * 16, v * 2, 16, 2, 3, seed);
        float k = fbm(u * 4, v * 4, 4, 4, seed + 1);
        Colour col = mix(rgb(150, 14, 20), rgb(222, 44, 36), 0.5f * k + 0.5f * streak);
        return mix(col, rgb(236, 170, 60), smoothstep(0.7f, 0.9f, streak) * 0.35f);
    });
    Rng rng(seed);
    for (int i = 0; i < 70; ++i) {
        float x = rng.range(0, n), y = rng.range(0, n);
        wrapped(n, [&](float dx, float dy) { c.fillCircle(x + dx, y + dy, 0.8f, rgb(240, 200, 150), 0.5f); });
    }
    return c.opaqueImage();
}

Image charcoal(uint32_t seed) {
    const int n = 128;
    Canvas c(n, n);
    c.paint([&](float x, float y) {
        float u = x / n, v = y / n;
        float k = fbm(u * 4, v * 4, 4, 5, seed);
        Cells chunk = cells(u * 8, v * 8, 8, seed + 1);
        float crack = 1 - smoothstep(0.0f, 0.06f, chunk.f2 - chunk.f1);
        float ember = (chunk.id % 23) == 0 ? 1 - smoothstep(0.05f, 0.2f, chunk.f1) : 0;
        Colour col = mix(rgb(24, 24, 26), rgb(74, 72, 70), k);
        col = mix(col, rgb(8, 8, 8), crack);
        return mix(col, rgb(210, 80, 20), ember * 0.8f);
    });
    return c.opaqueImage();
}

Image wizardCloth(uint32_t seed) {
    const int n = 128;
    Canvas c(n, n);
    c.paint([&](float x, float y) {
        float u = x / n, v = y / n;
        float fold = fbm(u * 4, v * 2, 4, 2, 4, seed);
        return mix(rgb(22, 16, 50), rgb(58, 40, 104), fold);
    });
    Rng rng(seed);
    for (int i = 0; i < 14; ++i) {
        float x = rng.range(0, n), y = rng.range(0, n), r = rng.range(3.5f, 7), turn = rng.range(0, pi);
        wrapped(n, [&](float dx, float dy) { fillStar(c, x + dx, y + dy, r, r * 0.42f, turn, rgb(250, 216, 90)); });
    }
    for (int i = 0; i < 3; ++i) {
        float x = rng.range(0, n), y = rng.range(0, n);
        wrapped(n, [&](float dx, float dy) {
            c.fillCircle(x + dx, y + dy, 6, rgb(236, 226, 170));
            c.fillCircle(x + dx + 3, y + dy - 1.5f, 5.2f, mix(rgb(22, 16, 50), rgb(58, 40, 104), 0.5f));
        });
    }
    return c.opaqueImage();
}

// ---- glowing things: missiles and the gate's light

Image fire(uint32_t seed) {
    const int n = 128;
    Canvas c(n, n);
    c.paint([&](float x, float y) {
        float u = x / n, v = y / n;
        float warp = fbm(u * 2, v * 2, 2, 3, seed + 1);
        float flame = fbm(u * 6 + warp, v * 3, 6, 3, 5, seed);
        return ramp({{0.25f, rgb(140, 16, 4)}, {0.45f, rgb(230, 70, 10)}, {0.6f, rgb(255, 150, 20)},
                     {0.75f, rgb(255, 220, 80)}, {0.9f, rgb(255, 250, 200)}},
                    flame);
    });
    return c.opaqueImage();
}

Image plasma(uint32_t seed) {
    const int n = 128;
    Canvas c(n, n);
    c.paint([&](float x, float y) {
        float u = x / n, v = y / n;
        float arc = ridged(u * 3, v * 3, 3, 5, seed);
        float glow = fbm(u * 4, v * 4, 4, 3, seed + 1);
        return ramp({{0, rgb(10, 30, 120)}, {0.45f, rgb(30, 90, 220)}, {0.75f, rgb(90, 190, 255)}, {1, rgb(230, 250, 255)}},
                    arc * 0.75f + glow * 0.25f);
    });
    return c.opaqueImage();
}

// ---- sprites on the colour key

// A puff: a blob with a ragged edge, shaded from a bright core outwards.
Image puff(uint32_t seed, int n, Colour core, Colour rim, float ragged) {
    Canvas c(n, n);
    float m = n / 2.0f, radius = n * 0.42f;
    c.fillShape(0, 0, n, n,
                [=](float x, float y) {
                    float a = std::atan2(y - m, x - m);
                    float edge = radius * (1 - ragged + ragged * valueNoise((a / (2 * pi) + 0.5f) * 9, 0.5f, 9, seed));
                    return std::sqrt((x - m) * (x - m) + (y - m) * (y - m)) - edge;
                },
                [=](float x, float y) {
                    float r = std::sqrt((x - m) * (x - m) + (y - m) * (y - m)) / radius;
                    float k = fbm(x / n * 4, y / n * 4, 4, 3, seed + 1);
                    return mix(core, rim, clamp01(r * 0.9f + (k - 0.5f) * 0.5f));
                });
    return c.keyedImage();
}

Image droplet() {
    const int n = 32;
    Canvas c(n, n);
    c.fillShape(0, 0, n, n,
                [=](float x, float y) {
                    float round = sdCircle(x, y, 16, 19, 9);
                    float tip = sdPolygon(x, y, {{16, 3}, {24, 17}, {8, 17}});
                    return std::min(round, tip);
                },
                [=](float x, float y) { return mix(rgb(210, 236, 255), rgb(90, 150, 220), clamp01((x - 8) / 18 + (y - 6) / 40)); });
    c.fillEllipse(13, 18, 2, 3.5f, rgb(255, 255, 255), 0.9f);
    return c.keyedImage();
}

Image spray(uint32_t seed) {
    const int n = 64;
    Canvas c(n, n);
    Rng rng(seed);
    for (int i = 0; i < 14; ++i) {
        float a = rng.range(0, 2 * pi), d = i == 0 ? 0 : rng.range(0, 15), r = i == 0 ? 12 : rng.range(6, 11);
        float x = 32 + std::cos(a) * d, y = 32 + std::sin(a) * d;
        c.fillShape(x - r, y - r, x + r, y + r, [=](float px, float py) { return sdCircle(px, py, x, y, r); },
                    [=](float px, float py) {
                        float k = clamp01(((px - x) + (py - y)) / (2 * r) + 0.5f);
                        return mix(rgb(250, 253, 255), rgb(150, 196, 236), k);
                    });
    }
    return c.keyedImage();
}

Image dirtPatch(uint32_t seed) {
    const int n = 256;
    Image tile = dirt(seed, 256);
    Canvas c(n, n);
    float m = n / 2.0f;
    c.fillShape(0, 0, n, n,
                [=](float x, float y) {
                    float a = std::atan2(y - m, x - m);
                    float wobble = valueNoise((a / (2 * pi) + 0.5f) * 12, 0.5f, 12, seed);
                    float dx = std::fabs(x - m) / m, dy = std::fabs(y - m) / m;
                    // A rounded square, so the patch covers most of its plane.
                    float r = std::pow(std::pow(dx, 4.0f) + std::pow(dy, 4.0f), 0.25f);
                    return (r - (0.9f + 0.08f * wobble)) * m;
                },
                [&](float x, float y) {
                    const uint8_t* p = tile.at(std::min(n - 1, (int)x), std::min(n - 1, (int)y));
                    return rgb(p[0], p[1], p[2]);
                });
    return c.keyedImage();
}

// ---- pictures with a design

// The sign board is nearly four times as wide as high.
Image shopSign(uint32_t seed) {
    const int w = 512, h = 128;
    Canvas c(w, h);
    c.paint([&](float x, float y) {
        int board = (int)(y / 32);
        float grain = fbm(x / w * 4, y / h * 16 + board, 4, 16, 3, seed);
        float ly = std::fmod(y, 32.0f);
        Colour col = mix(rgb(108, 70, 38), rgb(156, 108, 62), grain);
        return col * (0.7f + 0.3f * smoothstep(0.0f, 3.0f, std::min(ly, 32 - ly)));
    });
    c.strokeRoundedRect(6, 6, w - 6.0f, h - 6.0f, 6, 5, rgb(64, 40, 20));
    TextStyle style = textStyle(FontFace::SerifBold, 84, rgb(244, 226, 170));
    style.shadow = 3;
    style.shadowColour = rgb(40, 24, 10);
    drawText(c, w / 2.0f, h / 2.0f + 28, "SHOP", style, Align::Centre);
    return c.opaqueImage();
}

Image compassFace() {
    const int n = 256;
    float m = n / 2.0f;
    Canvas c(n, n, rgb(120, 84, 30));
    c.fillCircle(m, m, 124, rgb(170, 124, 44));
    c.fillShape(0, 0, n, n, [=](float x, float y) { return sdCircle(x, y, m, m, 116); },
                [=](float x, float y) { return parchment(x, y, (float)n, (float)n, 31); });
    c.fillRing(m, m, 96, 98, rgb(90, 60, 30));
    for (int i = 0; i < 32; ++i) {
        float a = i * pi / 16;
        float inner = i % 4 == 0 ? 88 : 92;
        c.strokeLine(m + std::cos(a) * inner, m + std::sin(a) * inner, m + std::cos(a) * 98, m + std::sin(a) * 98,
                     i % 4 == 0 ? 2.0f : 1.0f, rgb(90, 60, 30));
    }
    // An eight-pointed rose: long points to the four quarters.
    for (int i = 0; i < 8; ++i) {
        float a = i * pi / 4 - pi / 2;
        float len = i % 2 == 0 ? 84 : 48, half = i % 2 == 0 ? 14 : 10;
        Point tip{m + std::cos(a) * len, m + std::sin(a) * len};
        Point left{m + std::cos(a - pi / 2) * half, m + std::sin(a - pi / 2) * half};
        Point right{m + std::cos(a + pi / 2) * half, m + std::sin(a + pi / 2) * half};
        Colour light = i == 0 ? rgb(210, 40, 30) : rgb(70, 60, 54);
        Colour dark = i == 0 ? rgb(140, 20, 16) : rgb(30, 26, 24);
        c.fillPolygon({{m, m}, left, tip}, light);
        c.fillPolygon({{m, m}, tip, right}, dark);
    }
    c.fillCircle(m, m, 7, rgb(200, 160, 60));
    TextStyle letters = textStyle(FontFace::SerifBold, 26, rgb(50, 34, 20));
    TextStyle north = letters;
    north.colour = rgb(190, 24, 20);
    drawText(c, m, m - 100 + 26, "N", north, Align::Centre);
    drawText(c, m, m + 100 - 2, "S", letters, Align::Centre);
    drawText(c, m + 100 - 10, m + 10, "E", letters, Align::Centre);
    drawText(c, m - 100 + 11, m + 10, "W", letters, Align::Centre);
    return c.opaqueImage();
}

Image vial() {
    const int n = 64;
    Canvas c(n, n);
    c.paint([&](float x, float y) {
        float across = x / n;
        float shine = std::exp(-std::pow((across - 0.3f) * 9, 2.0f));
        Colour liquid = mix(rgb(220, 30, 60), rgb(120, 8, 30), std::fabs(across - 0.45f) * 1.8f);
        Colour glass = rgb(210, 220, 230);
        Colour col = y < n * 0.25f ? mix(glass, liquid, 0.35f) : liquid;
        return mix(col, rgb(255, 240, 245), shine * 0.7f);
    });
    return c.opaqueImage();
}

// The statue's plaque is twice as wide as high.
Image statueFront(uint32_t seed) {
    const int w = 256, h = 128;
    float mx = w / 2.0f, my = h / 2.0f;
    // A carved relief: a raised border, the face of a forest spirit and a
    // spray of leaves on either side.
    auto height = [=](float x, float y) {
        float v = 0;
        float border = sdRoundedBox(x, y, 6, 6, w - 6.0f, h - 6.0f, 12);
        float inner = sdRoundedBox(x, y, 16, 16, w - 16.0f, h - 16.0f, 8);
        if (border < 0 && inner > 0) v = 5;
        float face = sdEllipse(x, y, mx, my + 4, 36, 40);
        v += 9 * smoothstep(2.0f, -8.0f, face) * (1 - 0.3f * clamp01(-face / 40));
        for (float side : {-1.0f, 1.0f}) {
            float eye = sdEllipse(x, y, mx + side * 14, my - 2, 8, 10);
            v += 3 * smoothstep(1.0f, -3.0f, eye);
            v -= 5 * smoothstep(1.0f, -1.5f, sdCircle(x, y, mx + side * 13, my, 3.5f));
            for (int i = 0; i < 3; ++i) {
                float a = side * (0.7f + i * 0.3f);
                float lx = mx + side * (60 + i * 17), ly = my + 8 - i * 4.0f;
                float ca = std::cos(a), sa = std::sin(a);
                float dx = x - lx, dy = y - ly;
                float lu = dx * ca + dy * sa, lv = -dx * sa + dy * ca;
                float leaf = sdEllipse(lu, lv, 0, -9, 7, 14);
                v = std::max(v, 8 * smoothstep(1.0f, -4.0f, leaf) - 2 * smoothstep(1.2f, 0.0f, std::fabs(lu)));
            }
        }
        float mouth = std::fabs(sdCircle(x, y, mx, my + 8, 15)) - 1.6f;
        if (y > my + 18) v -= 3 * smoothstep(1.0f, -1.0f, mouth);
        return v;
    };
    Canvas c(w, h);
    c.paint([&](float x, float y) {
        float dhdx = (height(x + 1, y) - height(x - 1, y)) / 2, dhdy = (height(x, y + 1) - height(x, y - 1)) / 2;
        float light = clamp01(lambert(dhdx, dhdy));
        float k = fbm(x / w * 8, y / h * 4, 8, 4, 4, seed);
        Colour stone = mix(rgb(86, 76, 72), rgb(140, 126, 116), k);
        return stone * (0.55f + 0.7f * light);
    });
    return c.opaqueImage();
}

}  // namespace

void addMaterialPictures(std::vector<PictureTask>& tasks) {
    auto add = [&](const char* path, std::function<Image()> paint) { tasks.push_back({path, std::move(paint)}); };
    add("Textures/ground1.bmp", [] { return grass(101); });
    add("Textures/cliffTexture.bmp", [] { return cliff(102); });
    add("Textures/lavaRock.bmp", [] { return lavaRockGround(103); });
    add("Textures/hotLava.bmp", [] { return hotLava(104); });
    add("Textures/snowTexture.bmp", [] { return snow(105); });
    add("Textures/iceTextureSide.bmp", [] { return iceSide(106); });
    add("Textures/mysticTop.bmp", [] { return mysticTop(107); });
    add("Textures/mysticSide.bmp", [] { return mysticSide(108); });
    add("Textures/dirt.bmp", [] { return dirt(109, 128); });
    add("Textures/clover2.bmp", [] { return clover(110); });

    add("Textures/trunk.bmp", [] { return bark(111, rgb(52, 36, 24), rgb(118, 88, 58), 0); });
    add("Textures/trunk2.bmp", [] { return bark(112, rgb(78, 52, 32), rgb(150, 110, 70), 0); });
    add("Textures/icyTree.bmp", [] { return bark(113, rgb(70, 66, 74), rgb(140, 140, 150), 0.55f); });
    add("Textures/porchTexture.bmp", [] { return planks(114); });
    add("Textures/leves1.bmp", [] { return foliage(115); });
    add("Textures/leafTexture2.bmp",
        [] { return leafSurface(116, rgb(36, 96, 30), rgb(96, 170, 58), rgb(150, 206, 100), 0); });
    add("Textures/leafIceTexture.bmp",
        [] { return leafSurface(117, rgb(90, 140, 190), rgb(180, 220, 245), rgb(236, 248, 255), 0.5f); });
    add("Textures/charcoal.bmp", [] { return charcoal(118); });
    add("Textures/basketTexture.bmp", [] { return basketWeave(119); });
    add("Textures/thatch.bmp", [] { return thatch(120); });
    add("Textures/flowerPetals.bmp", [] { return petals(121); });
    add("Textures/feathers.bmp", [] { return feathers(122); });

    add("Textures/fsTexture.bmp", [] { return skin(123, rgb(52, 120, 46), rgb(104, 180, 84), rgb(40, 96, 36), 0.35f, 256); });
    add("Textures/allyTexture.bmp",
        [] { return skin(124, rgb(100, 176, 196), rgb(156, 222, 200), rgb(80, 150, 170), 0.12f, 128); });
    add("Textures/enemyTexture.bmp", [] { return enemySkin(125); });
    add("Textures/ladyTexture.bmp", [] { return ladySkin(126); });
    add("Textures/heroEye.bmp", [] { return eye(); });

    add("Textures/granite.bmp", [] { return granite(127); });
    add("Textures/castleTexture.bmp", [] { return castleStone(128); });
    add("Textures/cobblestones.bmp", [] { return cobblestones(129); });
    add("Textures/lavaRockTexture.bmp", [] { return volcanicStone(130); });
    add("Textures/statueFrontTexture.bmp", [] { return statueFront(131); });
    add("Textures/gold.bmp", [] { return gold(132); });
    add("Textures/armourTexture.bmp", [] { return armour(133); });
    add("Textures/mud.bmp", [] { return mudWall(134); });
    add("Textures/diamondTexture.bmp", [] { return diamond(135); });
    add("Textures/appleTexture.bmp", [] { return apple(136); });
    add("Textures/wizardHat.bmp", [] { return wizardCloth(137); });
    add("Textures/vialTexture.bmp", [] { return vial(); });
    add("Textures/shopSignTexture.bmp", [] { return shopSign(138); });
    add("Textures/compassFace.bmp", [] { return compassFace(); });

    add("Textures/fireTexture.bmp", [] { return fire(139); });
    add("Textures/plasma.bmp", [] { return plasma(140); });

    add("Textures/waterTexture1.bmp", [] { return spray(141); });
    add("Textures/waterTexture3.bmp", [] { return droplet(); });
    add("Textures/fireBallParticleTexture.bmp",
        [] { return puff(142, 64, rgb(255, 240, 150), rgb(230, 70, 10), 0.3f); });
    add("Textures/lavaParticleTexture.bmp", [] { return puff(143, 64, rgb(255, 210, 80), rgb(190, 40, 8), 0.2f); });
    add("Textures/enemyExplode.bmp", [] { return puff(144, 64, rgb(250, 140, 60), rgb(60, 16, 12), 0.35f); });
    add("Textures/allyExplodeTexture.bmp", [] { return puff(145, 64, rgb(240, 255, 230), rgb(90, 200, 150), 0.35f); });
    add("Textures/dirtPatch.bmp", [] { return dirtPatch(146); });
}
