// The story pictures: the intro, game over and the six quest stories,
// each a parchment page with a small scene, what is said and what it
// changes.
#include <cmath>

#include "PictureFont.h"
#include "PictureNoise.h"
#include "PictureParts.h"
#include "PictureStyle.h"

namespace {

// ---- scene pieces, drawn into a scene canvas of their own

void sky(Canvas& c, Colour top, Colour horizon) {
    c.paint([&](float, float y) { return mix(top, horizon, y / c.height()); });
}

void hills(Canvas& c, float base, float height, Colour light, Colour dark, uint32_t seed) {
    float w = (float)c.width(), h = (float)c.height();
    c.fillShape(0, base - height, w, h,
                [=](float x, float y) {
                    float ridge = base - height * fbm(x / 90, 0.5f, 0, 3, seed);
                    return ridge - y;
                },
                [=](float x, float y) { return mix(light, dark, clamp01((y - base + height) / (h - base + height))) * (0.9f + 0.2f * fbm(x / 20, y / 20, 0, 3, seed + 1)); });
}

void house(Canvas& c, float x, float ground, float size) {
    c.fillRect(x - size, ground - size * 1.1f, x + size, ground, rgb(196, 160, 112));
    c.fillPolygon({{x - size * 1.3f, ground - size * 1.05f}, {x, ground - size * 2.2f}, {x + size * 1.3f, ground - size * 1.05f}},
                  rgb(210, 170, 80));
    c.fillRoundedRect(x - size * 0.3f, ground - size * 0.75f, x + size * 0.3f, ground, size * 0.15f, rgb(110, 70, 40));
}

void tree(Canvas& c, float x, float ground, float size) {
    c.fillRect(x - size * 0.12f, ground - size, x + size * 0.12f, ground, rgb(100, 70, 40));
    c.fillCircle(x, ground - size * 1.2f, size * 0.55f, rgb(50, 120, 44));
    c.fillCircle(x - size * 0.35f, ground - size * 0.95f, size * 0.4f, rgb(64, 140, 52));
    c.fillCircle(x + size * 0.35f, ground - size * 1.0f, size * 0.42f, rgb(40, 104, 36));
}

void castle(Canvas& c, float x, float ground, float size, Colour colour) {
    c.fillRect(x - size, ground - size * 1.2f, x + size, ground, colour);
    for (float tx : {-1.0f, 1.0f}) {
        float cx = x + tx * size;
        c.fillRect(cx - size * 0.3f, ground - size * 2.0f, cx + size * 0.3f, ground, colour);
        c.fillPolygon({{cx - size * 0.4f, ground - size * 2.0f}, {cx, ground - size * 2.7f}, {cx + size * 0.4f, ground - size * 2.0f}},
                      colour * 0.8f);
    }
    for (int i = 0; i < 5; ++i) {
        float bx = x - size * 0.8f + i * size * 0.4f;
        c.fillRect(bx - size * 0.1f, ground - size * 1.4f, bx + size * 0.1f, ground - size * 1.15f, colour);
    }
    c.fillRoundedRect(x - size * 0.25f, ground - size * 0.7f, x + size * 0.25f, ground, size * 0.25f, colour * 0.4f);
}

void sword(Canvas& c, float x, float y, float length, float angle) {
    float ca = std::cos(angle), sa = std::sin(angle);
    auto at = [&](float along, float across) { return Point{x + ca * along - sa * across, y + sa * along + ca * across}; };
    Point tip = at(length, 0);
    c.fillPolygon({at(length * 0.28f, -length * 0.05f), at(length * 0.9f, -length * 0.04f), tip,
                   at(length * 0.9f, length * 0.04f), at(length * 0.28f, length * 0.05f)},
                  rgb(214, 220, 230));
    c.strokeLine(at(length * 0.3f, 0).x, at(length * 0.3f, 0).y, at(length * 0.92f, 0).x, at(length * 0.92f, 0).y,
                 length * 0.015f, rgb(150, 156, 170));
    Point g0 = at(length * 0.27f, -length * 0.16f), g1 = at(length * 0.27f, length * 0.16f);
    c.strokeLine(g0.x, g0.y, g1.x, g1.y, length * 0.05f, rgb(232, 186, 60));
    Point h0 = at(length * 0.05f, 0), h1 = at(length * 0.26f, 0);
    c.strokeLine(h0.x, h0.y, h1.x, h1.y, length * 0.05f, rgb(120, 70, 30));
    c.fillCircle(h0.x, h0.y, length * 0.045f, rgb(232, 186, 60));
}

void sparkle(Canvas& c, float x, float y, float size, Colour colour) {
    c.fillPolygon({{x, y - size}, {x + size * 0.22f, y - size * 0.22f}, {x + size, y}, {x + size * 0.22f, y + size * 0.22f},
                   {x, y + size}, {x - size * 0.22f, y + size * 0.22f}, {x - size, y}, {x - size * 0.22f, y - size * 0.22f}},
                  colour);
}

void floatingIsland(Canvas& c, float cx, float top, float halfWidth, float depth, Colour grass, uint32_t seed) {
    c.fillShape(cx - halfWidth, top - 10, cx + halfWidth, top + depth,
                [=](float x, float y) {
                    float u = (x - cx) / halfWidth;
                    float bottom = top + depth * (1 - u * u) * (0.75f + 0.35f * fbm(x / 14, 0.5f, 0, 2, seed));
                    float surface = top - 4 * (1 - u * u);
                    if (std::fabs(u) > 1) return std::fabs(u) * halfWidth - halfWidth;
                    return std::max(surface - y, y - bottom);
                },
                [=](float x, float y) {
                    float k = fbm(x / 10, y / 10, 0, 3, seed + 1);
                    return y < top + 5 ? grass * (0.9f + 0.2f * k) : mix(rgb(120, 90, 70), rgb(60, 44, 40), clamp01((y - top) / depth)) * (0.85f + 0.3f * k);
                });
}

void clouds(Canvas& c, float y, Colour colour, float opacity, uint32_t seed) {
    Rng rng(seed);
    for (int i = 0; i < 9; ++i) {
        float x = rng.range(0, (float)c.width()), yy = y + rng.range(-10, 10), r = rng.range(14, 30);
        c.fillEllipse(x, yy, r * 2.2f, r * 0.6f, colour, opacity);
    }
}

// ---- the pages

struct Page {
    const char* title;
    const char* speaker;
    const char* words;
    const char* outcome;
    const char* footer;
};

Canvas parchmentPage(uint32_t seed) {
    Canvas c(screenW, screenH);
    c.paint([&](float x, float y) { return parchment(x, y, (float)screenW, (float)screenH, seed); });
    c.strokeRoundedRect(16, 16, screenW - 16.0f, screenH - 16.0f, 10, 3, rgb(110, 70, 36));
    c.strokeRoundedRect(24, 24, screenW - 24.0f, screenH - 24.0f, 6, 1.2f, rgb(110, 70, 36), 0.8f);
    return c;
}

// Copies a scene into a framed window of the page.
void placeScene(Canvas& page, const Canvas& scene, float x0, float y0) {
    float x1 = x0 + scene.width(), y1 = y0 + scene.height();
    page.fillRoundedRect(x0 - 5, y0 - 5, x1 + 5, y1 + 5, 14, rgb(96, 62, 32));
    page.fillShape(x0, y0, x1, y1, [=](float x, float y) { return sdRoundedBox(x, y, x0, y0, x1, y1, 10); },
                   [&scene, x0, y0](float x, float y) {
                       int sx = std::min(scene.width() - 1, std::max(0, (int)(x - x0)));
                       int sy = std::min(scene.height() - 1, std::max(0, (int)(y - y0)));
                       return scene.colourAt(sx, sy);
                   });
}

Image questPage(const Page& page, const Canvas& scene, uint32_t seed) {
    Canvas c = parchmentPage(seed);
    drawText(c, 400, 76, page.title, textStyle(FontFace::SerifBold, 40, inkText), Align::Centre);
    c.strokeLine(200, 94, 600, 94, 1.5f, rgb(120, 80, 40), 0.8f);
    placeScene(c, scene, 44, 118);
    float x = 360, width = 396;
    drawText(c, x, 140, page.speaker, textStyle(FontFace::SerifItalic, 19, rgb(110, 60, 30)));
    drawParagraph(c, x, 156, width, page.words, textStyle(FontFace::Serif, 19.5f, inkText), 27);
    c.fillRoundedRect(44, 486, 756, 544, 10, rgb(120, 150, 80), 0.35f);
    c.strokeRoundedRect(44, 486, 756, 544, 10, 1.5f, rgb(80, 100, 50), 0.9f);
    drawParagraph(c, 64, 497, 672, page.outcome, textStyle(FontFace::SansBold, 16.5f, rgb(40, 50, 20)), 21, Align::Centre);
    drawText(c, 400, 574, page.footer, textStyle(FontFace::SerifItalic, 18, rgb(110, 60, 30)), Align::Centre);
    return c.opaqueImage();
}

const char* const questFooter = "Press Return to continue";
const int sceneW = 290, sceneH = 350;

FigureLook allyLook() { return {rgb(150, 220, 200), rgb(70, 140, 160)}; }

Canvas elderScene() {
    Canvas s(sceneW, sceneH);
    sky(s, rgb(120, 170, 230), rgb(230, 220, 190));
    hills(s, 250, 60, rgb(110, 170, 70), rgb(60, 110, 40), 501);
    house(s, 60, 240, 22);
    tree(s, 240, 250, 36);
    s.fillRect(0, 290, sceneW, sceneH, rgb(84, 146, 56));
    FigureFrame f = drawFigure(s, 130, 320, 170, allyLook());
    drawLeafWreath(s, f);
    sword(s, 230, 300, 90, -1.2f);
    sparkle(s, 255, 215, 8, rgb(255, 250, 210));
    return s;
}

Canvas ladyScene() {
    Canvas s(sceneW, sceneH);
    sky(s, rgb(70, 120, 170), rgb(170, 210, 220));
    hills(s, 200, 40, rgb(70, 130, 80), rgb(40, 90, 60), 502);
    FigureFrame f = drawFigure(s, 145, 300, 170, {rgb(226, 238, 252), rgb(150, 180, 220)});
    drawCirclet(s, f, rgb(220, 30, 40));
    // The lake covers her feet.
    s.fillShape(0, 230, sceneW, sceneH, [](float, float y) { return 250 - y; },
                [](float x, float y) {
                    float ripple = 0.5f + 0.5f * std::sin(y * 0.9f + std::sin(x * 0.05f) * 2);
                    return mix(rgb(60, 120, 170), rgb(30, 70, 120), (y - 250) / 100) * (0.9f + 0.15f * ripple);
                },
                0.92f);
    for (int i = 0; i < 5; ++i) s.fillEllipse(145, 252 + i * 3.0f, 70.0f + i * 18, 3, rgb(200, 230, 250), 0.3f);
    sword(s, 60, 120, 80, -0.6f);
    sparkle(s, 70, 70, 9, rgb(255, 255, 230));
    return s;
}

Canvas kingScene(bool withRing) {
    Canvas s(sceneW, sceneH);
    sky(s, rgb(110, 150, 210), rgb(236, 206, 170));
    if (withRing) {
        // Snowy peaks far off: the way north.
        hills(s, 200, 90, rgb(236, 240, 248), rgb(150, 170, 200), 503);
    } else {
        // A glow of lava far off: the lava lands.
        s.fillEllipse(230, 200, 120, 40, rgb(255, 120, 40), 0.35f);
        s.fillPolygon({{160, 210}, {210, 150}, {240, 150}, {290, 210}}, rgb(80, 50, 46));
        s.fillEllipse(225, 150, 16, 5, rgb(255, 140, 40));
    }
    hills(s, 250, 40, rgb(120, 170, 80), rgb(70, 120, 50), 504);
    for (float x : {30.0f, 260.0f}) s.fillRect(x - 9, 150, x + 9, 290, rgb(170, 166, 160));
    s.fillRect(0, 280, sceneW, sceneH, rgb(150, 140, 126));
    for (float x = 0; x < sceneW; x += 30) s.strokeLine(x, 280, x - 12, sceneH, 1, rgb(110, 100, 90), 0.6f);
    FigureFrame f = drawFigure(s, 140, 320, 175, allyLook());
    drawCrown(s, f);
    if (withRing) {
        s.fillRing(230, 250, 13, 19, rgb(240, 196, 60));
        sparkle(s, 244, 232, 8, rgb(255, 250, 220));
    }
    return s;
}

Canvas wizardScene() {
    Canvas s(sceneW, sceneH);
    sky(s, rgb(40, 10, 30), rgb(170, 50, 30));
    castle(s, 200, 260, 50, rgb(30, 24, 40));
    s.fillRect(0, 260, sceneW, sceneH, rgb(60, 34, 60));
    s.strokeLine(60, 0, 40, 60, 3, rgb(255, 240, 200), 0.8f);
    s.strokeLine(40, 60, 70, 90, 3, rgb(255, 240, 200), 0.8f);
    FigureFrame f = drawFigure(s, 130, 330, 160, {rgb(40, 36, 44), rgb(6, 4, 8), true});
    drawWizardHat(s, f);
    for (Point p : std::vector<Point>{{240, 300}, {30, 250}}) {
        s.fillCircle(p.x, p.y, 16, rgb(255, 120, 20), 0.6f);
        s.fillCircle(p.x, p.y, 10, rgb(255, 220, 120));
    }
    return s;
}

Canvas princessScene() {
    Canvas s(sceneW, sceneH);
    sky(s, rgb(90, 70, 140), rgb(250, 180, 130));
    castle(s, 150, 230, 60, rgb(120, 100, 130));
    s.fillRect(0, 230, sceneW, sceneH, rgb(110, 84, 130));
    FigureFrame f = drawFigure(s, 145, 330, 165, {rgb(110, 190, 90), rgb(40, 110, 40)});
    drawCirclet(s, f, rgb(0, 230, 150));
    drawEyelashes(s, f);
    Rng rng(505);
    for (int i = 0; i < 12; ++i) sparkle(s, rng.range(10, 280), rng.range(20, 200), rng.range(4, 9), rgb(255, 246, 200));
    return s;
}

Image introPage() {
    Canvas c = parchmentPage(510);
    drawText(c, 400, 80, "Tavir", textStyle(FontFace::SerifBold, 52, inkText), Align::Centre);
    Canvas s(712, 176);
    s.paint([&](float x, float y) {
        Colour col = ramp({{0, rgb(60, 50, 120)}, {0.6f, rgb(220, 120, 110)}, {1, rgb(255, 190, 120)}}, y / 176);
        float glow = std::exp(-((x - 140) * (x - 140) + (y - 150) * (y - 150)) / 3000.0f);
        return col + rgb(255, 200, 120) * (0.5f * glow);
    });
    clouds(s, 165, rgb(180, 120, 140), 0.8f, 511);
    floatingIsland(s, 110, 120, 80, 60, rgb(80, 150, 60), 512);
    floatingIsland(s, 330, 90, 60, 45, rgb(90, 160, 70), 513);
    floatingIsland(s, 500, 130, 55, 40, rgb(230, 236, 246), 514);
    floatingIsland(s, 640, 80, 65, 50, rgb(130, 80, 150), 515);
    castle(s, 640, 78, 20, rgb(40, 30, 50));
    tree(s, 80, 118, 18);
    tree(s, 340, 88, 14);
    drawFigure(s, 130, 122, 32, {rgb(110, 190, 90), rgb(40, 110, 40)});
    placeScene(c, s, 44, 104);
    TextStyle body = textStyle(FontFace::Serif, 18, inkText);
    float y = drawParagraph(c, 60, 304, 680,
                            "Thirteen islands float above the clouds, joined by ancient gates. For as long as anyone "
                            "remembers, the forest spirits have lived on them in peace.",
                            body, 25);
    y = drawParagraph(c, 60, y + 10, 680,
                      "But now an evil wizard has come. He has carried the princess, the king's daughter, off to his "
                      "castle on the farthest island, and his fire spirits roam the lands.",
                      body, 25);
    drawParagraph(c, 60, y + 10, 680,
                  "You are a young forest spirit of the home island. Find the village elder: he will know what to "
                  "do. Wherever someone has a task for you, a red mark floats in the air.",
                  body, 25);
    drawText(c, 400, 574, "Press Esc to continue", textStyle(FontFace::SerifItalic, 18, rgb(110, 60, 30)), Align::Centre);
    return c.opaqueImage();
}

Image gameOverPage() {
    Canvas c(screenW, screenH);
    c.paint([](float x, float y) {
        float ex = x / screenW - 0.5f, ey = y / screenH - 0.45f;
        float r = std::sqrt(ex * ex + ey * ey);
        float smoke = fbm(x / 120, y / 120, 0, 5, 520);
        return mix(rgb(90, 20, 16), rgb(8, 4, 6), clamp01(r * 1.6f)) * (0.7f + 0.5f * smoke);
    });
    Rng rng(521);
    for (int i = 0; i < 60; ++i) {
        float x = rng.range(20, 780), y = rng.range(300, 590), r = rng.range(1, 2.6f);
        c.fillCircle(x, y, r * 3, rgb(255, 120, 30), 0.15f);
        c.fillCircle(x, y, r, rgb(255, 190, 90), 0.8f);
    }
    // A spirit fading away.
    Canvas spirit(screenW, screenH);
    drawFigure(spirit, 400, 330, 120, {rgb(120, 120, 130), rgb(50, 50, 60)});
    c.draw(spirit, 0, 0, 0.45f);
    TextStyle title = textStyle(FontFace::SerifBold, 84, rgb(240, 200, 120));
    title.outline = 4;
    title.outlineColour = rgb(40, 6, 4);
    title.shadow = 6;
    title.shadowColour = rgb(0, 0, 0);
    drawText(c, 400, 150, "Game over", title, Align::Centre);
    drawParagraph(c, 120, 380, 560,
                  "Your spirit fades into the mist below the islands, and the wizard's shadow spreads over Tavir.",
                  textStyle(FontFace::SerifItalic, 22, rgb(240, 220, 190)), 30, Align::Centre);
    drawText(c, 400, 540, "Press Esc to quit", textStyle(FontFace::SerifBold, 24, rgb(250, 214, 140)), Align::Centre);
    return c.opaqueImage();
}

}  // namespace

void addStoryPictures(std::vector<PictureTask>& tasks) {
    tasks.push_back({"Story/IntroStory.bmp", introPage});
    tasks.push_back({"Story/GameOverStory.bmp", gameOverPage});
    tasks.push_back({"Story/VillageElderStory.bmp", [] {
                         Page page{"The Village Elder", "The village elder speaks:",
                                   "\u201CSo the wizard has taken the princess. Then the old tale comes true, little "
                                   "one. Take this sword. It belongs to the Lady of the Lake, who lives deep in a "
                                   "lake beyond the forest of Msitu. Bring it back to her, and she will help you on "
                                   "your way. I have opened the gate to Msitu. Beware of the fire spirits there!\u201D",
                                   "You receive the Lady's sword. The gate from the home island to Msitu is open.",
                                   questFooter};
                         return questPage(page, elderScene(), 530);
                     }});
    tasks.push_back({"Story/LadyOfTheLakeStory.bmp", [] {
                         Page page{"The Lady of the Lake", "The Lady of the Lake speaks:",
                                   "\u201CMy sword! It has waited long for my hand, and you have carried it far, brave "
                                   "spirit. In return I open the way to Narok, the town of the king. Go to him: he "
                                   "knows how to reach the wizard's castle.\u201D",
                                   "The Lady takes back her sword. The sealed gate on the island you came through "
                                   "now leads to Narok.",
                                   questFooter};
                         return questPage(page, ladyScene(), 531);
                     }});
    tasks.push_back({"Story/KingIntroStory.bmp", [] {
                         Page page{"The King of Narok", "The king speaks:",
                                   "\u201CA forest spirit! Then there is hope for my daughter. The wizard's fire "
                                   "spirits stole my royal ring and carried it off to the lava lands of Uzulu. "
                                   "Find my ring and bring it back to me, and I will show you the way to his castle. "
                                   "I have opened the gate to Uzulu. Mind the lava: it burns spirits to nothing!\u201D",
                                   "The gate to Uzulu is open. Find the king's ring in the lava lands.", questFooter};
                         return questPage(page, kingScene(false), 532);
                     }});
    tasks.push_back({"Story/KingReturnStory.bmp", [] {
                         Page page{"The King's Ring", "The king speaks:",
                                   "\u201CMy ring! You have done what my knights could not. The wizard's castle lies "
                                   "beyond the snow lands of Njeve and Endelea, the town of his fire spirits. I have "
                                   "opened the gate to Njeve. Go now, and bring my daughter home.\u201D",
                                   "The king takes back his ring. The gate to Njeve is open.", questFooter};
                         return questPage(page, kingScene(true), 533);
                     }});
    tasks.push_back({"Story/EvilWizardIntroStory.bmp", [] {
                         Page page{"The Evil Wizard", "The evil wizard sneers:",
                                   "\u201CSo the little tree spirit has found its way to my castle. The princess is "
                                   "mine, and so are these islands! My fire will turn you to ashes!\u201D",
                                   "The wizard comes out to fight you. Defeat him to free the princess!", questFooter};
                         return questPage(page, wizardScene(), 534);
                     }});
    tasks.push_back({"Story/PrincessStory.bmp", [] {
                         Page page{"The Princess", "The princess speaks:",
                                   "\u201CYou came for me! The wizard is gone and his spell is broken. Thank you, "
                                   "brave forest spirit: the islands of Tavir are free again. Now let us go "
                                   "home.\u201D",
                                   "You have rescued the princess. Peace returns to the islands.", questFooter};
                         return questPage(page, princessScene(), 535);
                     }});
}
