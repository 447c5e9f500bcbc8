// The heads-up display: the frame around the life bar, mini map and fame
// bar, the bars, the map icons, the prompts, the region banners and the
// world map. Overlays are drawn over the whole 800x600 screen, so they
// stand on the colour key wherever the world must show.
#include <cmath>

#include "PictureFont.h"
#include "PictureNoise.h"
#include "PictureParts.h"
#include "PictureStyle.h"

namespace {

// Where the game draws the standard set.
const float lifeX0 = 1, lifeX1 = 172, lifeY0 = 400, lifeY1 = 438;
const float fameY0 = 559, fameY1 = 597;
const float mapCx = 85, mapCy = 496, mapHalf = 65;

TextStyle labelStyle(float size) {
    TextStyle style = textStyle(FontFace::SansBold, size, goldText);
    style.shadow = 2;
    style.shadowColour = shadowBrown;
    style.shadowOpacity = 0.9f;
    return style;
}

// Text standing directly on the colour key: a dark stroke keeps the
// letters crisp where they meet the transparent area.
TextStyle keyedStyle(FontFace face, float size, Colour colour) {
    TextStyle style = textStyle(face, size, colour);
    style.outline = std::max(2.0f, size / 14);
    style.outlineColour = shadowBrown;
    return style;
}

Image hudFrame() {
    Canvas c(screenW, screenH);
    drawPanel(c, -20, 386, 250, 620, 16, 201);
    for (float y0 : {lifeY0, fameY0}) {
        float y1 = y0 + 38;
        c.fillRoundedRect(lifeX0 - 1, y0 - 1, lifeX1 + 1, y1 + 1, 3, rgb(16, 12, 8));
        c.fillRect(lifeX0, y0, lifeX1, y1, rgb(34, 28, 22));
    }
    c.fillRoundedRect(mapCx - mapHalf - 3, mapCy - mapHalf - 3, mapCx + mapHalf + 3, mapCy + mapHalf + 3, 8,
                      rgb(16, 12, 8));
    drawText(c, 212, 426, "LIFE", labelStyle(17), Align::Centre);
    drawText(c, 212, 585, "FAME", labelStyle(17), Align::Centre);
    // A leaf emblem beside the mini map.
    for (int i = 0; i < 3; ++i) {
        float a = (i - 1) * 0.6f;
        float lx = 205 + std::sin(a) * 6, ly = 500 - std::cos(a) * 6;
        float ca = std::cos(a), sa = std::sin(a);
        c.fillShape(lx - 30, ly - 40, lx + 30, ly + 10,
                    [=](float x, float y) {
                        float dx = x - lx, dy = y - ly;
                        float u = dx * ca + dy * sa, v = -dx * sa + dy * ca;
                        return sdEllipse(u, v, 0, -16, 7, 17);
                    },
                    i == 1 ? rgb(120, 180, 70) : rgb(80, 140, 50));
    }
    return c.keyedImage();
}

Image minimapBack() {
    Canvas c(screenW, screenH);
    c.fillShape(mapCx - 70, mapCy - 70, mapCx + 70, mapCy + 70,
                [](float x, float y) { return sdCircle(x, y, mapCx, mapCy, 66); },
                [](float x, float y) {
                    float wave = fbm(x / 12, y / 12, 0, 3, 202);
                    float r = std::sqrt((x - mapCx) * (x - mapCx) + (y - mapCy) * (y - mapCy)) / 66;
                    return mix(rgb(36, 78, 120), rgb(16, 36, 64), r * 0.8f) * (0.85f + 0.3f * wave);
                });
    return c.keyedImage();
}

Image minimapFront() {
    Canvas c(screenW, screenH);
    // Covers the corners of the square mini map so it reads as a disc.
    c.fillShape(mapCx - mapHalf - 4, mapCy - mapHalf - 4, mapCx + mapHalf + 4, mapCy + mapHalf + 4,
                [](float x, float y) {
                    float box = sdRoundedBox(x, y, mapCx - mapHalf - 3, mapCy - mapHalf - 3, mapCx + mapHalf + 3,
                                             mapCy + mapHalf + 3, 8);
                    return std::max(box, -sdCircle(x, y, mapCx, mapCy, 62));
                },
                [](float x, float y) {
                    float k = (y - (mapCy - mapHalf)) / (2 * mapHalf);
                    return mix(rgb(62, 44, 28), rgb(34, 24, 16), k) * (0.85f + 0.3f * fbm(x / 30, y / 6, 0, 3, 203));
                });
    c.fillShape(mapCx - 70, mapCy - 70, mapCx + 70, mapCy + 70,
                [](float x, float y) { return std::fabs(sdCircle(x, y, mapCx, mapCy, 64.5f)) - 3; },
                [](float, float y) { return mix(rgb(250, 220, 130), rgb(160, 112, 44), (y - mapCy + 68) / 136); });
    // The view points up the screen: a marker at the top of the ring.
    c.fillPolygon({{mapCx, mapCy - 61}, {mapCx - 5, mapCy - 52}, {mapCx + 5, mapCy - 52}}, rgb(250, 236, 180));
    return c.keyedImage();
}

Image bar(Colour light, Colour dark, int segments) {
    const int w = 256, h = 64;
    Canvas c(w, h);
    c.paint([&](float x, float y) {
        float v = y / h;
        Colour col = mix(light, dark, smoothstep(0.0f, 1.0f, v));
        float gloss = std::exp(-std::pow((v - 0.22f) * 7, 2.0f));
        col = mix(col, rgb(255, 255, 255), gloss * 0.35f);
        float edge = std::min(v, 1 - v);
        col = col * (0.6f + 0.4f * smoothstep(0.0f, 0.12f, edge));
        float pattern = fbm(x / 40, y / 20, 0, 3, 204);
        return col * (0.92f + 0.12f * pattern);
    });
    for (int i = 1; i < segments; ++i) {
        float x = (float)w * i / segments;
        c.strokeLine(x, 4, x, h - 4.0f, 2, dark * 0.6f, 0.7f);
    }
    return c.opaqueImage();
}

// Map icons are tinted by the game, so they are pale shapes with a dark
// edge on the colour key.
template <class Distance>
Image icon(Distance shape, std::function<void(Canvas&)> details = nullptr) {
    const int n = 32;
    Canvas c(n, n);
    c.fillShape(0, 0, n, n, [&](float x, float y) { return shape(x, y) - 2; }, rgb(40, 40, 40));
    c.fillShape(0, 0, n, n, shape, [](float, float y) { return mix(rgb(255, 255, 255), rgb(200, 200, 200), y / 32); });
    if (details) details(c);
    return c.keyedImage();
}

void iconEyes(Canvas& c, float y, bool angry) {
    for (float side : {-1.0f, 1.0f}) {
        c.fillCircle(16 + side * 5, y, 2.6f, rgb(30, 30, 30));
        if (angry) c.strokeLine(16 + side * 9, y - 6, 16 + side * 2, y - 3, 1.6f, rgb(30, 30, 30));
    }
}

Image heroIcon() {
    return icon([](float x, float y) { return sdEllipse(x, y, 16, 17, 10, 12); },
                [](Canvas& c) {
                    iconEyes(c, 14, false);
                    c.fillShape(10, 0, 22, 10,
                                [](float x, float y) { return sdEllipse(x, y, 17, 4, 3.5f, 5); }, rgb(160, 160, 160));
                });
}

Image allyIcon() {
    return icon([](float x, float y) { return sdCircle(x, y, 16, 16, 11); },
                [](Canvas& c) {
                    iconEyes(c, 14, false);
                    c.fillShape(0, 0, 32, 32,
                                [](float x, float y) {
                                    return y < 18 ? 10.0f : std::fabs(sdCircle(x, y, 16, 16, 6)) - 1;
                                },
                                rgb(30, 30, 30));
                });
}

Image enemyIcon() {
    std::vector<Point> spikes;
    for (int i = 0; i < 16; ++i) {
        float a = i * pi / 8;
        float r = i % 2 == 0 ? 14 : 9;
        spikes.push_back({16 + r * std::cos(a), 16 + r * std::sin(a)});
    }
    return icon([spikes](float x, float y) { return sdPolygon(x, y, spikes); },
                [](Canvas& c) { iconEyes(c, 15, true); });
}

Image portalIcon() {
    return icon([](float x, float y) {
        float arch = std::max(sdRoundedBox(x, y, 6, 4, 26, 29, 9), -sdRoundedBox(x, y, 11, 9, 21, 29, 5));
        return arch;
    });
}

Image houseIcon() {
    std::vector<Point> house = {{16, 3}, {29, 15}, {25, 15}, {25, 28}, {7, 28}, {7, 15}, {3, 15}};
    return icon([house](float x, float y) { return sdPolygon(x, y, house); },
                [](Canvas& c) { c.fillRect(13, 19, 19, 28, rgb(60, 60, 60)); });
}

Image questIcon() {
    return icon([](float x, float y) {
        float bar = sdRoundedBox(x, y, 12.5f, 3, 19.5f, 20, 3);
        float dot = sdCircle(x, y, 16, 26, 3.6f);
        return std::min(bar, dot);
    });
}

Image locationIcon() {
    const int n = 32;
    Canvas c(n, n);
    fillStar(c, 16, 17, 16, 7.5f, 0, rgb(40, 20, 10));
    fillStar(c, 16, 17, 13, 5.8f, 0, rgb(255, 236, 120));
    fillStar(c, 16, 17, 8, 3.6f, 0, rgb(230, 50, 30));
    return c.keyedImage();
}

// A panel centred on (cx, cy) sized to its text: a title and an optional
// line below it.
Image plate(float cx, float cy, const std::string& title, float titleSize, const std::string& line, float lineSize,
            uint32_t seed) {
    Canvas c(screenW, screenH);
    TextStyle big = textStyle(FontFace::SerifBold, titleSize, goldText);
    big.shadow = 3;
    big.shadowColour = shadowBrown;
    TextStyle small = textStyle(FontFace::Sans, lineSize, paleText);
    float width = std::max(textWidth(big, title), line.empty() ? 0.0f : textWidth(small, line)) + 56;
    float height = titleSize * 1.5f + (line.empty() ? 0 : lineSize * 1.8f) + 16;
    float x0 = cx - width / 2, y0 = cy - height / 2;
    drawPanel(c, x0, y0, x0 + width, y0 + height, 14, seed);
    float baseline = y0 + 12 + titleSize * 1.1f;
    drawText(c, cx, baseline, title, big, Align::Centre);
    if (!line.empty()) drawText(c, cx, baseline + lineSize * 1.9f, line, small, Align::Centre);
    return c.keyedImage();
}

Image itemProximityFrame() {
    Canvas c(screenW, screenH);
    drawPanel(c, 636, 442, 786, 592, 18, 205);
    c.fillShape(646, 452, 776, 582, [](float x, float y) { return sdCircle(x, y, 711, 517, 60); },
                [](float x, float y) {
                    float r = std::sqrt((x - 711) * (x - 711) + (y - 517) * (y - 517)) / 60;
                    return mix(rgb(90, 140, 90), rgb(26, 34, 24), r);
                });
    return c.keyedImage();
}

Image itemProximityFrameFront() {
    Canvas c(screenW, screenH);
    TextStyle style = textStyle(FontFace::SansBold, 15, paleText);
    const char* hint = "Return or middle mouse button: pick up";
    float width = textWidth(style, hint) + 32;
    drawPanel(c, 790 - width, 404, 790, 436, 10, 206);
    drawText(c, 790 - width / 2, 425, hint, style, Align::Centre);
    c.fillRing(711, 517, 60, 63, rgb(240, 206, 110));
    return c.keyedImage();
}

struct Region {
    const char* name;
    const char* subtitle;
    Colour light, dark;
};

Image banner(const Region& region, uint32_t seed) {
    Canvas c(screenW, screenH);
    float x0 = 170, x1 = 630, y0 = 64, y1 = 196, notch = 34;
    // Ribbon tails behind the banner.
    for (float side : {-1.0f, 1.0f}) {
        float inner = side < 0 ? x0 + 30 : x1 - 30, outer = side < 0 ? x0 - 60 : x1 + 60;
        c.fillPolygon({{inner, y0 + 30}, {outer, y0 + 30}, {outer + side * -notch, (y0 + y1) / 2 + 15},
                       {outer, y1 + 20}, {inner, y1 + 20}},
                      region.dark * 0.8f);
    }
    c.fillShape(x0, y0, x1, y1, [=](float x, float y) { return sdRoundedBox(x, y, x0, y0, x1, y1, 12); },
                [=](float x, float y) {
                    float k = (y - y0) / (y1 - y0);
                    float cloth = fbm(x / 60, y / 8, 0, 3, seed);
                    return mix(region.light, region.dark, k) * (0.85f + 0.25f * cloth);
                });
    c.fillShape(x0, y0, x1, y1,
                [=](float x, float y) { return std::fabs(sdRoundedBox(x, y, x0, y0, x1, y1, 12) + 6) - 2; },
                rgb(246, 214, 120));
    TextStyle name = keyedStyle(FontFace::SerifBold, 66, rgb(255, 244, 210));
    name.shadow = 4;
    name.shadowColour = rgb(0, 0, 0);
    drawText(c, 400, 148, region.name, name, Align::Centre);
    TextStyle sub = textStyle(FontFace::SerifItalic, 22, rgb(255, 236, 190));
    drawText(c, 400, 182, region.subtitle, sub, Align::Centre);
    return c.keyedImage();
}

// ---- the world map

struct MapIsland {
    float x, y;  // marker centre
    int side;    // height-map side, for the island's size
    int kind;    // 0 grass, 1 lava, 2 snow, 3 mystic
};

// Marker top-left corners plus 8: the centre of each island's marker.
const MapIsland islands[13] = {
    {79, 442, 200, 0},  {194, 417, 300, 0}, {281, 356, 200, 0}, {139, 303, 300, 0}, {280, 551, 250, 0},
    {441, 291, 317, 0}, {534, 410, 252, 2}, {491, 500, 200, 2}, {646, 495, 281, 2}, {646, 163, 381, 1},
    {479, 195, 212, 1}, {660, 381, 234, 3}, {741, 254, 277, 3},
};

// The gates join these islands.
const int links[12][2] = {{0, 1}, {1, 2}, {1, 3}, {2, 5}, {2, 4}, {5, 6}, {6, 7}, {5, 10}, {6, 8}, {10, 9}, {8, 11}, {11, 12}};

float islandRadius(const MapIsland& island) { return 18 + island.side / 14.0f; }

float islandDistance(int index, float x, float y) {
    const MapIsland& island = islands[index];
    float dx = x - island.x, dy = y - island.y;
    float a = std::atan2(dy, dx);
    float wobble = fbm((a / (2 * pi) + 0.5f) * 6, 0.5f, 6, 3, 300 + (uint32_t)index);
    float r = islandRadius(island) * (0.86f + 0.28f * wobble);
    return std::sqrt(dx * dx + dy * dy) - r;
}

Colour landColour(int kind, float x, float y, float depth, uint32_t seed) {
    float k = fbm(x / 18, y / 18, 0, 4, seed);
    switch (kind) {
        case 1: return mix(rgb(70, 46, 40), rgb(120, 66, 44), k);
        case 2: return mix(rgb(206, 216, 226), rgb(248, 250, 252), k * 0.7f + depth * 0.3f);
        case 3: return mix(rgb(120, 64, 140), rgb(168, 96, 176), k);
        default: return mix(rgb(62, 120, 44), rgb(120, 168, 70), k * 0.7f + depth * 0.3f);
    }
}

Image worldMap() {
    Canvas c(screenW, screenH);
    c.paint([](float x, float y) {
        float wave = fbm(x / 40, y / 14, 0, 4, 310);
        float deep = fbm(x / 200, y / 200, 0, 3, 311);
        return mix(rgb(24, 62, 112), rgb(54, 102, 150), 0.6f * deep + 0.4f * wave);
    });
    // Shallow water round every coast.
    for (int i = 0; i < 13; ++i) {
        float r = islandRadius(islands[i]) * 1.3f + 12;
        c.fillShape(islands[i].x - r, islands[i].y - r, islands[i].x + r, islands[i].y + r,
                    [i](float x, float y) { return islandDistance(i, x, y) - 9; }, rgb(80, 138, 178), 0.8f);
    }
    // Gate paths.
    for (const auto& link : links) {
        const MapIsland& a = islands[link[0]];
        const MapIsland& b = islands[link[1]];
        float len = std::sqrt((b.x - a.x) * (b.x - a.x) + (b.y - a.y) * (b.y - a.y));
        int dashes = (int)(len / 12);
        for (int d = 0; d < dashes; d += 1) {
            float t0 = (d + 0.15f) / dashes, t1 = (d + 0.65f) / dashes;
            c.strokeLine(a.x + (b.x - a.x) * t0, a.y + (b.y - a.y) * t0, a.x + (b.x - a.x) * t1,
                         a.y + (b.y - a.y) * t1, 3, rgb(244, 214, 130));
        }
    }
    for (int i = 0; i < 13; ++i) {
        const MapIsland& island = islands[i];
        float r = islandRadius(island) * 1.2f + 4;
        // Beach, then land.
        c.fillShape(island.x - r, island.y - r, island.x + r, island.y + r,
                    [i](float x, float y) { return islandDistance(i, x, y); },
                    island.kind == 1 ? rgb(44, 30, 28) : (island.kind == 3 ? rgb(90, 60, 110) : rgb(222, 204, 150)));
        c.fillShape(island.x - r, island.y - r, island.x + r, island.y + r,
                    [i](float x, float y) { return islandDistance(i, x, y) + 4; },
                    [i, &island](float x, float y) {
                        float depth = clamp01(-islandDistance(i, x, y) / islandRadius(island));
                        return landColour(island.kind, x, y, depth, 320 + (uint32_t)i);
                    });
    }
    // What stands on some islands.
    auto volcano = [&](float x, float y, float size) {
        c.fillPolygon({{x - size, y + size * 0.6f}, {x - size * 0.25f, y - size * 0.6f}, {x + size * 0.25f, y - size * 0.6f},
                       {x + size, y + size * 0.6f}},
                      rgb(60, 40, 36));
        c.fillEllipse(x, y - size * 0.6f, size * 0.27f, size * 0.12f, rgb(255, 120, 30));
    };
    volcano(620, 150, 11);
    volcano(668, 180, 9);
    volcano(632, 190, 8);
    volcano(664, 140, 8);
    volcano(470, 180, 9);
    volcano(498, 214, 8);
    auto house = [&](float x, float y) {
        c.fillPolygon({{x - 5, y}, {x, y - 5}, {x + 5, y}}, rgb(150, 90, 50));
        c.fillRect(x - 4, y, x + 4, y + 5, rgb(230, 210, 170));
    };
    for (Point p : std::vector<Point>{{420, 276}, {462, 280}, {430, 310}, {456, 306}, {60, 432}, {98, 454}}) house(p.x, p.y);
    auto peak = [&](float x, float y) {
        c.fillPolygon({{x - 9, y + 6}, {x, y - 8}, {x + 9, y + 6}}, rgb(150, 160, 176));
        c.fillPolygon({{x - 3.6f, y - 2.4f}, {x, y - 8}, {x + 3.6f, y - 2.4f}}, rgb(255, 255, 255));
    };
    for (Point p : std::vector<Point>{{520, 396}, {552, 422}, {478, 488}, {664, 480}, {632, 512}}) peak(p.x, p.y);
    c.fillEllipse(296, 566, 12, 8, rgb(70, 130, 196));  // the lake
    // The castle.
    c.fillRect(730, 230, 752, 246, rgb(60, 50, 70));
    for (float x : {728.0f, 748.0f}) c.fillRect(x, 222, x + 6, 246, rgb(70, 58, 84));
    for (int i = 0; i < 13; ++i) {
        const MapIsland& island = islands[i];
        if (island.kind != 0 || i == 4 || i == 5) continue;
        Rng rng(330 + (uint32_t)i);
        for (int t = 0; t < 6; ++t) {
            float a = rng.range(0, 2 * pi), d = rng.range(10, islandRadius(island) * 0.7f);
            float x = island.x + std::cos(a) * d, y = island.y + std::sin(a) * d;
            if (islandDistance(i, x, y) > -6) continue;
            c.fillCircle(x, y, 3.5f, rgb(36, 84, 30));
        }
    }
    // Labels, on the sea beside their islands.
    TextStyle region = keyedStyle(FontFace::SerifBoldItalic, 19, rgb(255, 242, 204));
    region.outlineColour = rgb(20, 30, 50);
    drawText(c, 79, 500, "Home", region, Align::Centre);
    drawText(c, 194, 478, "Msitu", region, Align::Centre);
    drawText(c, 441, 356, "Narok", region, Align::Centre);
    drawText(c, 540, 364, "Njeve", region, Align::Centre);
    drawText(c, 479, 142, "Uzulu", region, Align::Centre);
    drawText(c, 730, 432, "Endelea", region, Align::Centre);
    // Title and compass rose.
    TextStyle title = textStyle(FontFace::SerifBold, 28, goldText);
    title.shadow = 2;
    title.shadowColour = shadowBrown;
    float titleWidth = textWidth(title, "The Islands of Tavir") + 44;
    drawPanel(c, 20, 18, 20 + titleWidth, 76, 12, 340);
    drawText(c, 20 + titleWidth / 2, 57, "The Islands of Tavir", title, Align::Centre);
    float rx = 748, ry = 548;
    c.fillCircle(rx, ry, 34, rgb(30, 50, 80), 0.6f);
    for (int i = 0; i < 4; ++i) {
        float a = i * pi / 2 - pi / 2;
        Point tip{rx + std::cos(a) * 30, ry + std::sin(a) * 30};
        Point l{rx + std::cos(a - pi / 2) * 7, ry + std::sin(a - pi / 2) * 7};
        Point r{rx + std::cos(a + pi / 2) * 7, ry + std::sin(a + pi / 2) * 7};
        c.fillPolygon({{rx, ry}, l, tip}, i == 0 ? rgb(230, 60, 40) : rgb(240, 230, 200));
        c.fillPolygon({{rx, ry}, tip, r}, i == 0 ? rgb(150, 30, 20) : rgb(170, 160, 140));
    }
    TextStyle n = keyedStyle(FontFace::SerifBold, 16, rgb(255, 240, 200));
    drawText(c, rx, ry - 34, "N", n, Align::Centre);
    // A frame round the whole map.
    c.fillShape(0, 0, screenW, screenH,
                [](float x, float y) { return -sdRoundedBox(x, y, 8, 8, screenW - 8.0f, screenH - 8.0f, 4); },
                rgb(96, 66, 36));
    c.fillShape(0, 0, screenW, screenH,
                [](float x, float y) { return std::fabs(sdRoundedBox(x, y, 8, 8, screenW - 8.0f, screenH - 8.0f, 4)) - 1.5f; },
                rgb(240, 206, 120));
    return c.opaqueImage();
}

Image windowIcon() {
    const int n = 32;
    Canvas c(n, n);
    c.fillShape(0, 0, n, n, [](float x, float y) { return sdEllipse(x, y, 16, 18, 12, 13); },
                [](float x, float y) { return mix(rgb(140, 210, 110), rgb(40, 120, 40), clamp01((x + y - 16) / 32)); });
    for (float side : {-1.0f, 1.0f}) {
        c.fillEllipse(16 + side * 5, 15, 3.4f, 4, rgb(255, 255, 255));
        c.fillCircle(16 + side * 5, 16, 1.8f, rgb(20, 20, 20));
    }
    c.fillShape(10, 0, 24, 8, [](float x, float y) { return sdEllipse(x, y, 18, 4, 4, 3); }, rgb(90, 170, 60));
    return c.keyedImage();
}

}  // namespace

void addHudPictures(std::vector<PictureTask>& tasks) {
    auto add = [&](const char* path, std::function<Image()> paint) { tasks.push_back({path, std::move(paint)}); };
    add("Textures/HUD/mainMap.bmp", worldMap);
    add("Textures/HUD/hudFrame.bmp", hudFrame);
    add("Textures/HUD/minimapBack.bmp", minimapBack);
    add("Textures/HUD/minimapFront.bmp", minimapFront);
    add("Textures/HUD/greenHealthBar.bmp", [] { return bar(rgb(150, 236, 110), rgb(30, 120, 36), 10); });
    add("Textures/HUD/redHealthBar.bmp", [] { return bar(rgb(255, 130, 110), rgb(150, 20, 20), 10); });
    add("Textures/HUD/bottomBar.bmp", [] { return bar(rgb(255, 230, 130), rgb(170, 110, 20), 6); });
    add("Textures/HUD/itemProximityFrame.bmp", itemProximityFrame);
    add("Textures/HUD/itemProximityFrameFront.bmp", itemProximityFrameFront);
    add("Textures/HUD/shopDisplay.bmp",
        [] { return plate(400, 506, "Press Return to visit the shop", 26, "", 0, 207); });
    add("Textures/pausedImage.bmp", [] { return plate(400, 300, "PAUSED", 60, "Press P to resume", 22, 208); });
    add("Textures/HUD/locationIcon.bmp", locationIcon);
    add("Textures/HUD/fsIcon.bmp", heroIcon);
    add("Textures/HUD/allyIcon.bmp", allyIcon);
    add("Textures/HUD/enemyIcon.bmp", enemyIcon);
    add("Textures/HUD/portalIcon.bmp", portalIcon);
    add("Textures/HUD/houseIcon.bmp", houseIcon);
    add("Textures/HUD/ePointIcon.bmp", questIcon);
    add("Textures/HUD/msituTexture.bmp",
        [] { return banner({"Msitu", "the forest", rgb(70, 150, 60), rgb(24, 70, 24)}, 210); });
    add("Textures/HUD/narokTexture.bmp",
        [] { return banner({"Narok", "the king's town", rgb(190, 50, 50), rgb(90, 16, 24)}, 211); });
    add("Textures/HUD/njeveTexture.bmp",
        [] { return banner({"Njeve", "the snow lands", rgb(120, 170, 220), rgb(40, 70, 130)}, 212); });
    add("Textures/HUD/uzuluTexture.bmp",
        [] { return banner({"Uzulu", "the lava lands", rgb(230, 110, 30), rgb(90, 26, 10)}, 213); });
    add("Textures/HUD/endeleaTexture.bmp",
        [] { return banner({"Endelea", "the enemy town", rgb(140, 70, 170), rgb(50, 20, 70)}, 214); });
    add("Textures/icon.bmp", windowIcon);
}
