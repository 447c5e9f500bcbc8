// The main menu with its pages and buttons, and the carousel screens of
// the inventory and the shops with their item descriptions.
#include <cmath>

#include "PictureFont.h"
#include "PictureNoise.h"
#include "PictureParts.h"
#include "PictureStyle.h"

namespace {

TextStyle shadowed(FontFace face, float size, Colour colour, float shadow = 2) {
    TextStyle style = textStyle(face, size, colour);
    style.shadow = shadow;
    style.shadowColour = shadowBrown;
    style.shadowOpacity = 0.85f;
    return style;
}

// ---- main menu

Image mainMenu() {
    Canvas c(screenW, screenH);
    TextStyle title = textStyle(FontFace::SerifBold, 112, goldText);
    title.outline = 6;
    title.outlineColour = shadowBrown;
    title.shadow = 6;
    title.shadowColour = rgb(0, 0, 0);
    drawText(c, 400, 150, "Tavir", title, Align::Centre);
    drawPanel(c, 270, 186, 530, 454, 16, 401);
    return c.keyedImage();
}

enum class ButtonState { Up, Over, Down };

Image button(const std::string& label, ButtonState state) {
    const int w = 220, h = 60;
    Canvas c(w, h);
    float x0 = 4, y0 = 4, x1 = w - 4.0f, y1 = h - 4.0f;
    Colour top = state == ButtonState::Over ? rgb(120, 88, 48) : (state == ButtonState::Down ? rgb(40, 28, 18) : rgb(88, 62, 38));
    Colour bottom = state == ButtonState::Over ? rgb(70, 48, 26) : (state == ButtonState::Down ? rgb(60, 42, 26) : rgb(48, 32, 20));
    c.fillShape(x0, y0, x1, y1, [=](float x, float y) { return sdRoundedBox(x, y, x0, y0, x1, y1, 12); },
                [=](float x, float y) {
                    float grain = fbm(x / 70, y / 8, 0, 3, 402);
                    return mix(top, bottom, (y - y0) / (y1 - y0)) * (0.85f + 0.3f * grain);
                });
    if (state == ButtonState::Down) {
        // Pressed in: a shadow under the upper rim.
        c.fillShape(x0, y0, x1, y1,
                    [=](float x, float y) {
                        return std::max(sdRoundedBox(x, y, x0, y0, x1, y1, 12), -sdRoundedBox(x, y, x0, y0 + 6, x1, y1 + 20, 12));
                    },
                    rgb(10, 6, 4), 0.6f);
    }
    Colour rimLight = state == ButtonState::Over ? rgb(255, 240, 170) : rgb(236, 196, 104);
    Colour rimDark = state == ButtonState::Over ? rgb(220, 170, 70) : rgb(150, 104, 40);
    float rim = state == ButtonState::Over ? 2.6f : 1.8f;
    c.fillShape(x0, y0, x1, y1,
                [=](float x, float y) { return std::fabs(sdRoundedBox(x, y, x0, y0, x1, y1, 12) + rim) - rim; },
                [=](float, float y) { return mix(rimLight, rimDark, (y - y0) / (y1 - y0)); });
    Colour text = state == ButtonState::Over ? rgb(255, 248, 220) : (state == ButtonState::Down ? rgb(214, 190, 140) : goldText);
    float offset = state == ButtonState::Down ? 2 : 0;
    drawText(c, w / 2.0f + offset, 40 + offset, label, shadowed(FontFace::SerifBold, 27, text), Align::Centre);
    return c.keyedImage();
}

// A full page of the menu with a title; the back button's place (x 450 to
// 670, y 500 to 560) stays plain.
Canvas menuPage(const std::string& title, uint32_t seed) {
    Canvas c(screenW, screenH);
    drawPanel(c, 24, 16, 776, 584, 20, seed);
    drawText(c, 400, 76, title, shadowed(FontFace::SerifBold, 46, goldText, 3), Align::Centre);
    c.strokeLine(120, 96, 680, 96, 2, rgb(200, 156, 70), 0.8f);
    return c;
}

struct Entry {
    const char* key;
    const char* action;
};

float drawEntries(Canvas& c, float x, float y, float width, const char* heading, const std::vector<Entry>& entries) {
    drawText(c, x, y + 19, heading, shadowed(FontFace::SerifBoldItalic, 20, rgb(250, 226, 150)));
    y += 30;
    TextStyle key = shadowed(FontFace::SansBold, 14.5f, goldText, 1);
    TextStyle action = shadowed(FontFace::Sans, 14.5f, paleText, 1);
    const float keyWidth = 122;
    for (const Entry& entry : entries) {
        float keyEnd = drawParagraph(c, x, y, keyWidth - 6, entry.key, key, 19);
        float end = drawParagraph(c, x + keyWidth, y, width - keyWidth, entry.action, action, 19);
        y = std::max(end, keyEnd) + 4;
    }
    return y + 8;
}

Image controlsPage() {
    Canvas c = menuPage("Controls", 403);
    float left = 48, right = 418, columnWidth = 346;
    float y = 112;
    y = drawEntries(c, left, y, columnWidth, "On the move",
                    {{"W, S", "walk forward, walk back"},
                     {"A, D", "step left, step right"},
                     {"Arrow keys", "turn, look up and down"},
                     {"Mouse", "turn and look around"},
                     {"Space", "jump"}});
    y = drawEntries(c, left, y, columnWidth, "Portals and items",
                    {{"Left button", "shoot the first portal"},
                     {"Right button", "shoot the second portal"},
                     {"Middle button", "pick up what lies near"},
                     {"Return", "pick up, or close a story picture"}});
    drawEntries(c, left, y, columnWidth, "The game",
                {{"P", "pause"}, {"Esc", "main menu"}, {"F12", "quit and show the frame statistics"}});
    y = 112;
    y = drawEntries(c, right, y, columnWidth, "Screens",
                    {{"I", "inventory: A, D turn it, Return uses or wears an item, I or Esc closes it"},
                     {"Return", "at a shop: go in; then Return buys, A, D turn, Esc leaves"},
                     {"M", "world map"},
                     {"C", "compass on or off"}});
    drawEntries(c, right, y, columnWidth, "The view",
                {{"Tab", "first or third person"},
                 {"Page Up", "free camera, flown with W, A, S, D and the arrow keys"},
                 {"B", "shadows on or off"}});
    return c.keyedImage();
}

Image creditsPage() {
    Canvas c = menuPage("Credits", 404);
    TextStyle body = shadowed(FontFace::Serif, 17, paleText, 1);
    float y = drawParagraph(c, 80, 112, 640,
                            "Tavir was made by the Tavir team: design, programming, pictures, meshes, sounds and "
                            "music. Every picture, mesh, map and sound in the game comes from the game's own "
                            "generator.",
                            body, 24, Align::Centre);
    drawText(c, 400, y + 30, "Built with", shadowed(FontFace::SerifBoldItalic, 22, rgb(250, 226, 150)), Align::Centre);
    y += 50;
    const Entry libraries[] = {
        {"SDL", "window, input, pictures and timing"},
        {"SDL_mixer", "music and sound effects"},
        {"OpenGL, GLU and Mesa", "3D drawing"},
        {"GLEW", "OpenGL extensions"},
        {"FreeType", "the lettering in these pictures"},
        {"DejaVu fonts", "the typefaces"},
        {"libsndfile", "sound files"},
        {"GoogleTest", "the game's tests"},
    };
    TextStyle name = shadowed(FontFace::SansBold, 17, goldText, 1);
    TextStyle what = shadowed(FontFace::Sans, 17, paleText, 1);
    for (const Entry& entry : libraries) {
        drawText(c, 390, y + 17, entry.key, name, Align::Right);
        drawText(c, 410, y + 17, entry.action, what);
        y += 27;
    }
    drawText(c, 250, 540, "Thank you for playing!", shadowed(FontFace::SerifBoldItalic, 22, goldText), Align::Centre);
    return c.keyedImage();
}

// ---- carousel screens

// Keep-clear places of the carousel: the current item, the hero or shop
// model, and the coin rows.
const float itemX = 584, itemY = 211, modelX = 255, modelY = 203;

Image room(bool shop, uint32_t seed) {
    Canvas c(screenW, screenH);
    c.paint([&](float x, float y) {
        float floorLine = 380;
        Colour col;
        if (y < floorLine) {
            int plank = (int)(x / 64);
            float grain = fbm(x / 40, y / 300 + plank, 0, 3, seed);
            col = mix(rgb(74, 48, 30), rgb(104, 70, 42), grain);
            float lx = std::fmod(x, 64.0f);
            col = col * (0.75f + 0.25f * smoothstep(0.0f, 3.0f, std::min(lx, 64 - lx)));
        } else {
            float board = std::fmod(y - floorLine, 40.0f);
            float grain = fbm(x / 200, y / 10, 0, 3, seed + 1);
            col = mix(rgb(60, 38, 22), rgb(92, 60, 34), grain) * (0.8f + 0.2f * smoothstep(0.0f, 2.0f, board));
        }
        // Warm light on the item and on the figure.
        float lightItem = std::exp(-((x - itemX) * (x - itemX) + (y - itemY) * (y - itemY)) / (2 * 150.0f * 150.0f));
        float lightModel = std::exp(-((x - modelX) * (x - modelX) + (y - modelY) * (y - modelY)) / (2 * 140.0f * 140.0f));
        float ex = x / screenW - 0.5f, ey = y / screenH - 0.5f;
        float vignette = 1 - 0.6f * smoothstep(0.3f, 0.75f, std::sqrt(ex * ex + ey * ey));
        return (col * (0.55f + 0.6f * lightItem + 0.5f * lightModel)) * vignette;
    });
    if (shop) {
        // Shelves with jars along the back wall, beside and above the goods.
        Rng rng(seed);
        for (float shelf : {130.0f, 250.0f, 360.0f}) {
            c.fillRect(0, shelf, screenW, shelf + 10, rgb(58, 36, 20));
            c.fillRect(0, shelf + 10, screenW, shelf + 14, rgb(30, 18, 10), 0.7f);
            for (float x = 20; x < screenW - 20; x += rng.range(26, 44)) {
                if (std::fabs(x - itemX) < 150 || std::fabs(x - modelX) < 130) continue;
                float hgt = rng.range(24, 44), wid = rng.range(12, 20);
                Colour glass = ramp({{0, rgb(90, 140, 90)}, {0.5f, rgb(160, 80, 60)}, {1, rgb(80, 90, 150)}}, rng.unit());
                c.fillRoundedRect(x - wid / 2, shelf - hgt, x + wid / 2, shelf, 4, glass);
                c.fillRect(x - wid / 4, shelf - hgt - 5, x + wid / 4, shelf - hgt + 1, rgb(120, 90, 60));
                c.fillRect(x - wid / 2 + 2, shelf - hgt + 4, x - wid / 2 + 5, shelf - 4, rgb(255, 255, 255), 0.35f);
            }
        }
        // The counter in front.
        c.fillRect(0, 540, screenW, screenH, rgb(70, 44, 24));
        c.fillRect(0, 536, screenW, 544, rgb(120, 84, 48));
    }
    const char* title = shop ? "Shop" : "Inventory";
    drawText(c, 400, 58, title, shadowed(FontFace::SerifBold, 40, goldText, 3), Align::Centre);
    drawText(c, 120, 400, "Your gold", shadowed(FontFace::SerifBoldItalic, 19, goldText), Align::Left);
    return c.opaqueImage();
}

Image inventoryBack() {
    Canvas c(screenW, screenH);
    c.fillShape(0, 0, screenW, screenH,
                [](float x, float y) { return -sdRoundedBox(x, y, 14, 14, screenW - 14.0f, screenH - 14.0f, 18); },
                [](float x, float y) { return mix(rgb(90, 62, 36), rgb(50, 34, 20), y / screenH) * (0.85f + 0.3f * fbm(x / 60, y / 60, 0, 3, 405)); });
    c.fillShape(0, 0, screenW, screenH,
                [](float x, float y) { return std::fabs(sdRoundedBox(x, y, 14, 14, screenW - 14.0f, screenH - 14.0f, 18)) - 2; },
                rgb(240, 204, 110));
    for (Point corner : std::vector<Point>{{14, 14}, {786, 14}, {14, 586}, {786, 586}}) {
        c.fillCircle(corner.x, corner.y, 11, rgb(240, 204, 110));
        c.fillCircle(corner.x, corner.y, 6, rgb(150, 40, 30));
    }
    return c.keyedImage();
}

Image arrow(bool left) {
    Canvas c(screenW, screenH);
    float cx = left ? 462 : 706, cy = itemY, dir = left ? -1 : 1;
    std::vector<Point> shape = {{cx + dir * 18, cy}, {cx - dir * 10, cy - 26}, {cx - dir * 10, cy - 10},
                                {cx - dir * 20, cy - 10}, {cx - dir * 20, cy + 10}, {cx - dir * 10, cy + 10},
                                {cx - dir * 10, cy + 26}};
    c.fillShape(cx - 30, cy - 34, cx + 30, cy + 34, [&shape](float x, float y) { return sdPolygon(x, y, shape) - 3; },
                shadowBrown);
    c.fillShape(cx - 30, cy - 34, cx + 30, cy + 34, [&shape](float x, float y) { return sdPolygon(x, y, shape); },
                [=](float, float y) { return mix(rgb(255, 236, 150), rgb(200, 140, 40), (y - cy + 26) / 52); });
    return c.keyedImage();
}

// A stack of coins topped by one showing its value.
Image coin(const std::string& value, Colour light, Colour dark, float size) {
    const int w = 32, h = 64;
    Canvas c(w, h);
    float cx = 16, rx = 13 * size, ry = 5 * size;
    for (int i = 0; i < 5; ++i) {
        float y = 58 - i * 4.5f;
        c.fillEllipse(cx, y, rx + 1, ry + 1, shadowBrown);
        c.fillEllipse(cx, y, rx, ry, i % 2 == 0 ? dark : mix(dark, light, 0.4f));
    }
    float faceY = 24, faceR = 13 * size;
    c.fillCircle(cx, faceY, faceR + 1.5f, shadowBrown);
    c.fillShape(cx - faceR, faceY - faceR, cx + faceR, faceY + faceR,
                [=](float x, float y) { return sdCircle(x, y, cx, faceY, faceR); },
                [=](float x, float y) { return mix(light, dark, clamp01(((x - cx) + (y - faceY)) / (2 * faceR) + 0.5f)); });
    c.fillRing(cx, faceY, faceR - 3, faceR - 2, dark);
    TextStyle style = textStyle(FontFace::SansCondensedBold, value.size() > 1 ? 12 : 15, shadowBrown);
    drawText(c, cx, faceY + (value.size() > 1 ? 4.5f : 5.5f), value, style, Align::Centre);
    return c.keyedImage();
}

// ---- item descriptions

struct Description {
    const char* path;
    const char* name;
    const char* text;
    const char* hint;
    int price;  // shop pictures only; 0 in the inventory
};

const char* const wearHint = "Return: put on or take off    A, D: turn    I, Esc: close";
const char* const showHint = "Return: look closer    A, D: turn    I, Esc: close";
const char* const useHint = "Return: use    A, D: turn    I, Esc: close";
const char* const shopHint = "Return: buy    A, D: turn    Esc: leave";

const Description descriptions[] = {
    {"Textures/inventoryVial.bmp", "Healing Vial",
     "A red draught that gives you back 50 life. It is used up when you drink it.",
     "Return: drink    A, D: turn    I, Esc: close", 0},
    {"Textures/inventoryRingRegen.bmp", "Ring of Renewal",
     "While you wear it, your wounds heal more than seven times as fast.", wearHint, 0},
    {"Textures/inventoryGauntlets.bmp", "Iron Gauntlets",
     "While you wear them, your portal shots fly 1.6 times as fast and as far.", wearHint, 0},
    {"Textures/inventoryBoots.bmp", "Winged Boots",
     "Feathered boots: while you wear them, you jump with 1.4 times the force.", wearHint, 0},
    {"Textures/inventoryHelmet.bmp", "Spirit Helmet",
     "Armour for a forest spirit: while you wear it, your life reaches 200 instead of 100. Putting it on fills "
     "your life.",
     wearHint, 0},
    {"Textures/inventoryOneRing.bmp", "The King's Ring",
     "The royal ring of Narok, carried off by the wizard's fire spirits. Bring it back to the king.", showHint, 0},
    {"Textures/inventoryCompassNew.bmp", "Compass",
     "Shows which way you are heading. Press C to show or hide it.", showHint, 0},
    {"Textures/inventoryMap.bmp", "Map of Tavir",
     "The thirteen islands and the gates between them. Press M to open or close it.", showHint, 0},
    {"Textures/inventorySword.bmp", "The Lady's Sword",
     "An old blade the village elder kept for the Lady of the Lake. Take it to her lake.", showHint, 0},
    {"Textures/inventoryRichTexture.bmp", "Gem of Riches",
     "Worth a fortune, and good for nothing else. Using it throws it away.", useHint, 0},
    {"Textures/princessDisplay.bmp", "The Princess",
     "The king's daughter, free at last from the wizard's castle.", showHint, 0},
    {"Textures/shopVial.bmp", "Healing Vial", "Gives you back 50 life when you drink it. The shop never runs out.",
     shopHint, 5},
    {"Textures/shopRingRegen.bmp", "Ring of Renewal",
     "Wear it and your wounds heal more than seven times as fast.", shopHint, 100},
    {"Textures/shopBoots.bmp", "Winged Boots", "Wear them and you jump with 1.4 times the force.", shopHint, 80},
    {"Textures/shopHelmet.bmp", "Spirit Helmet", "Wear it and your life reaches 200 instead of 100.", shopHint, 100},
    {"Textures/shopRichTexture.bmp", "Gem of Riches",
     "The costliest thing in all the islands. It does nothing, but everyone will see how rich you are.", shopHint,
     999},
};

Image description(const Description& d) {
    Canvas c(screenW, screenH);
    const float x0 = 420, y0 = 352, x1 = 790, y1 = 590;
    drawPanel(c, x0, y0, x1, y1, 16, 406);
    drawText(c, (x0 + x1) / 2, y0 + 44, d.name, shadowed(FontFace::SerifBold, 28, goldText, 2), Align::Centre);
    float y = y0 + 60;
    if (d.price > 0) {
        std::string price = "Price: " + std::to_string(d.price) + " gold";
        TextStyle style = shadowed(FontFace::SansBold, 20, rgb(255, 236, 160), 1);
        float width = textWidth(style, price);
        float cx = (x0 + x1) / 2;
        float coinX = cx - width / 2 - 12;
        c.fillCircle(coinX, y + 15, 10, shadowBrown);
        c.fillCircle(coinX, y + 15, 8.5f, rgb(240, 196, 70));
        c.fillRing(coinX, y + 15, 5, 6, rgb(170, 120, 30));
        drawText(c, cx + 10, y + 22, price, style, Align::Centre);
        y += 36;
    }
    drawParagraph(c, x0 + 24, y + 4, x1 - x0 - 48, d.text, shadowed(FontFace::Sans, 17, paleText, 1), 23, Align::Centre);
    c.strokeLine(x0 + 30, y1 - 42, x1 - 30, y1 - 42, 1.5f, rgb(200, 156, 70), 0.7f);
    drawText(c, (x0 + x1) / 2, y1 - 20, d.hint, shadowed(FontFace::Sans, 13, rgb(230, 214, 180), 1), Align::Centre);
    return c.keyedImage();
}

}  // namespace

void addScreenPictures(std::vector<PictureTask>& tasks) {
    auto add = [&](const std::string& path, std::function<Image()> paint) { tasks.push_back({path, std::move(paint)}); };
    add("Textures/MainMenu/mainMenu.bmp", mainMenu);
    add("Textures/MainMenu/controls.bmp", controlsPage);
    add("Textures/MainMenu/credits.bmp", creditsPage);
    const std::pair<const char*, const char*> buttons[] = {{"startButton", "Start"},     {"resumeButton", "Resume"},
                                                           {"controlButton", "Controls"}, {"creditsButton", "Credits"},
                                                           {"quitButton", "Quit"},        {"backButton", "Back"}};
    for (const auto& b : buttons) {
        std::string base = std::string("Textures/MainMenu/") + b.first;
        std::string label = b.second;
        add(base + "Up.bmp", [label] { return button(label, ButtonState::Up); });
        add(base + "Over.bmp", [label] { return button(label, ButtonState::Over); });
        add(base + "Down.bmp", [label] { return button(label, ButtonState::Down); });
    }
    add("Textures/inventoryBackground.bmp", [] { return room(false, 407); });
    add("Textures/shopBackground.bmp", [] { return room(true, 408); });
    add("Textures/inventoryBack.bmp", inventoryBack);
    add("Textures/leftArrow.bmp", [] { return arrow(true); });
    add("Textures/rightArrow.bmp", [] { return arrow(false); });
    add("Textures/goldIcon1.bmp", [] { return coin("1", rgb(236, 160, 110), rgb(150, 80, 40), 0.9f); });
    add("Textures/coinIcon.bmp", [] { return coin("5", rgb(236, 236, 240), rgb(130, 134, 146), 0.95f); });
    add("Textures/goldIcon10.bmp", [] { return coin("10", rgb(255, 226, 110), rgb(176, 120, 20), 1.0f); });
    add("Textures/goldIcon20.bmp", [] { return coin("20", rgb(255, 240, 160), rgb(200, 140, 30), 1.1f); });
    for (const Description& d : descriptions) add(d.path, [&d] { return description(d); });
}
