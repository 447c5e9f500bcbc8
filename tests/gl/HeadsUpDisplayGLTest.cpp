#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>

#include "Controller/Controller.h"
#include "Geometry/Plane3D.h"
#include "HeadsUpDisplay/HeadsUpDisplay.h"
#include "Island/Island.h"
#include "Object/Character/ForestSpirit/EnemyForestSpirit/EnemyForestSpirit.h"
#include "Object/Portal/IslandPortal/IslandPortal.h"
#include "Object/StaticObject/StaticObject.h"
#include "OpenGL/OpenGL.h"
#include "QuestPoint/QuestPoint.h"
#include "support/GLWindow.h"
#include "support/GameFolder.h"

namespace {

typedef GLWindow::Rgb Rgb;

const Rgb BLACK{0, 0, 0};
const Rgb GREEN{0, 255, 0};
const Rgb RED{255, 0, 0};
const Rgb YELLOW{255, 255, 0};
const Rgb BLUE{0, 0, 255};
const Rgb WHITE{255, 255, 255};
const Rgb MAGENTA{255, 0, 255};  // transparent in every picture

// Pictures of one colour the display is given in place of the pack's, so
// that every region read back names what drew it.
const Rgb PAUSED{90, 90, 90};
const Rgb SHOP{0, 90, 180};
const Rgb MAIN_MAP{60, 30, 0};
const Rgb ITEM_FRAME{255, 0, 128};
const Rgb BANNER_MSITU{255, 128, 0};
const Rgb BANNER_UZULU{0, 255, 255};
const Rgb BANNER_NJEVE{255, 255, 255};
const Rgb BANNER_ENDELEA{128, 0, 255};
const Rgb BANNER_NAROK{0, 128, 0};

bool near(Rgb a, Rgb b, int tolerance = 12) {
    return std::abs(a.r - b.r) <= tolerance && std::abs(a.g - b.g) <= tolerance && std::abs(a.b - b.b) <= tolerance;
}

// A colour drawn at alpha over black.
Rgb over(Rgb c, float alpha) {
    return Rgb{(int)(c.r * alpha + 0.5f), (int)(c.g * alpha + 0.5f), (int)(c.b * alpha + 0.5f)};
}

// The pack's pictures would do, but one colour per picture shows which one
// is on screen.
void writeHudPictures(const TempFolder& folder) {
    auto solid = [&](const std::string& path, Rgb c) { folder.writeBmp24(path, 8, 8, c.r, c.g, c.b); };
    for (const char* clear : {"hudFrame", "minimapBack", "minimapFront", "itemProximityFrameFront"}) {
        solid(std::string("Textures/HUD/") + clear + ".bmp", MAGENTA);
    }
    solid("Textures/HUD/greenHealthBar.bmp", GREEN);
    solid("Textures/HUD/redHealthBar.bmp", RED);
    solid("Textures/pausedImage.bmp", PAUSED);
    solid("Textures/HUD/shopDisplay.bmp", SHOP);
    solid("Textures/HUD/mainMap.bmp", MAIN_MAP);
    solid("Textures/HUD/locationIcon.bmp", YELLOW);
    solid("Textures/HUD/msituTexture.bmp", BANNER_MSITU);
    solid("Textures/HUD/uzuluTexture.bmp", BANNER_UZULU);
    solid("Textures/HUD/njeveTexture.bmp", BANNER_NJEVE);
    solid("Textures/HUD/endeleaTexture.bmp", BANNER_ENDELEA);
    solid("Textures/HUD/narokTexture.bmp", BANNER_NAROK);
    solid("Textures/HUD/enemyIcon.bmp", RED);
    solid("Textures/HUD/allyIcon.bmp", GREEN);
    for (const char* white : {"fsIcon", "portalIcon", "houseIcon", "ePointIcon"}) {
        solid(std::string("Textures/HUD/") + white + ".bmp", WHITE);
    }

    // The compass's own pictures.
    solid("Textures/gold.bmp", Rgb{200, 160, 40});
    solid("Textures/compassFace.bmp", Rgb{240, 230, 200});

    // The fame bar: yellow on the left half, blue on the right, to tell a
    // cut texture from a stretched one.
    std::vector<uint8_t> fame;
    for (int y = 0; y < 8; y++) {
        for (int x = 0; x < 64; x++) {
            Rgb c = x < 32 ? YELLOW : BLUE;
            fame.insert(fame.end(), {(uint8_t)c.r, (uint8_t)c.g, (uint8_t)c.b});
        }
    }
    folder.writeBmp24("Textures/HUD/bottomBar.bmp", 64, 8, fame);

    // The item frame covers only the upper right quarter of the screen.
    std::vector<uint8_t> frame;
    for (int y = 0; y < 60; y++) {
        for (int x = 0; x < 80; x++) {
            Rgb c = (x >= 40 && y < 30) ? ITEM_FRAME : MAGENTA;
            frame.insert(frame.end(), {(uint8_t)c.r, (uint8_t)c.g, (uint8_t)c.b});
        }
    }
    folder.writeBmp24("Textures/HUD/itemProximityFrame.bmp", 80, 60, frame);

    // The home island's mini map in quadrants by grid (x, z): rows follow z.
    std::vector<uint8_t> quadrants;
    for (int z = 0; z < 64; z++) {
        for (int x = 0; x < 64; x++) {
            Rgb c = z < 32 ? (x < 32 ? RED : GREEN) : (x < 32 ? BLUE : WHITE);
            quadrants.insert(quadrants.end(), {(uint8_t)c.r, (uint8_t)c.g, (uint8_t)c.b});
        }
    }
    folder.writeBmp24("HeightMap/islandHomeMiniMap.bmp", 64, 64, quadrants);
    // Island 1's is black, so icons show in their own colours.
    solid("HeightMap/island1MiniMapL.bmp", BLACK);
}

// The game's controller with the display's pictures above, the hero
// standing in the middle of the home island looking along +z, and the
// window in the state the render pass leaves before the overlay.
class HudScene {
public:
    GLWindow window;
    GameFolder folder;
    Controller& c;
    HeadsUpDisplay& hud;

    HudScene() : c(build(folder)), hud(c.headsUpDisplay) {
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        gluPerspective(45.0, 4.0 / 3.0, 0.1, 1000.0);
        glMatrixMode(GL_MODELVIEW);
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
        glEnable(GL_TEXTURE_2D);
        c.initLighting();
        testing::internal::GetCapturedStdout();
        testing::internal::GetCapturedStderr();
        c.hero.setPosition(Vector3D(0, 5, 0));
        look(Vector3D(0, 0, 1));
        c.camera.setEye(Vector3D(0, 10, -10));
        c.camera.setCenter(Vector3D(0, 5, 0));
        c.camera.setUp(Vector3D(0, 1, 0));
    }

    void look(Vector3D direction) {
        Vector3D p = c.hero.getPosition();
        c.hero.setCenter(p.add(&direction));
    }

    // One frame of the display over a black screen, as the render pass
    // calls it, the camera's view loaded.
    void draw(int island = 0, HoldableItem* item = nullptr) {
        glClearColor(0, 0, 0, 1);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glLoadIdentity();
        c.camera.lookAt();
        Island* shown = c.islands[island];
        hud.draw(shown, shown->getHeightMap(), item, &c.camera);
    }

    // A pixel in the display's own coordinates: origin top left, y down.
    Rgb at(int x, int y) const { return window.pixel(x, GLWindow::height - 1 - y); }

private:
    static Controller& build(GameFolder& folder) {
        writeHudPictures(folder.files());
        testing::internal::CaptureStdout();
        testing::internal::CaptureStderr();  // the world's textures the folder lacks
        return *keepForTheProcess(new Controller());
    }
};

// The first and last x of the row whose pixels match the colour, or -1.
struct PixelRun {
    int first = -1;
    int last = -1;
};

template <class Match>
PixelRun runOf(const HudScene& scene, int y, Match match) {
    PixelRun run;
    for (int x = 0; x < 400; x++) {
        if (match(scene.at(x, y))) {
            if (run.first < 0) run.first = x;
            run.last = x;
        }
    }
    return run;
}

// The last pixel a quad reaching x = right covers (pixel centres inside).
int lastCoveredPixel(float right) { return (int)std::ceil(right - 0.5f) - 1; }

// Empties the island's icon lists for a test and puts them back after.
class IconLists {
public:
    explicit IconLists(Island* island) : island(island) {
        spirits.swap(*island->getAllEnemiesAndAllies());
        gates.swap(*island->getIslandPortals());
        buildings.swap(*island->getBuildings());
        points.swap(*island->getQuestPoints());
    }
    ~IconLists() {
        spirits.swap(*island->getAllEnemiesAndAllies());
        gates.swap(*island->getIslandPortals());
        buildings.swap(*island->getBuildings());
        points.swap(*island->getQuestPoints());
    }

private:
    Island* island;
    std::vector<EnemyForestSpirit*> spirits;
    std::vector<IslandPortal*> gates;
    std::vector<StaticObject*> buildings;
    std::vector<QuestPoint*> points;
};

}  // namespace

// The life bar: 171 pixels at full life, cut at the fraction, green from
// 0.45 up and red below. The fame bar: a sixth of that per point of fame,
// its texture cut as well, and never clamped.
TEST(HeadsUpDisplayInWindow, LifeAndFameBarsTakeTheirLengthAndColourFromTheHero) {
    HudScene scene;
    ASSERT_TRUE(scene.window.isOpen()) << scene.window.getError();

    struct LifeCase {
        float health;
        Rgb colour;
        Rgb otherColour;
    };
    const LifeCase lives[] = {{100, GREEN, RED}, {45, GREEN, RED}, {44, RED, GREEN}};
    for (const LifeCase& life : lives) {
        SCOPED_TRACE("health " + std::to_string(life.health));
        scene.c.hero.addHealth(life.health - scene.c.hero.getHealth());
        scene.draw();
        const int row = 419;  // mid-bar, above the mini map's box
        PixelRun bar = runOf(scene, row, [&](Rgb p) { return near(p, life.colour); });
        EXPECT_EQ(bar.first, 1);
        EXPECT_NEAR(bar.last, lastCoveredPixel(1 + 171 * life.health / 100), 1);
        EXPECT_EQ(runOf(scene, row, [&](Rgb p) { return near(p, life.otherColour); }).first, -1);
        EXPECT_TRUE(near(scene.at(bar.last + 2, row), BLACK)) << scene.at(bar.last + 2, row);
    }

    struct FameCase {
        int fame;
        float right;  // 1 + 171 fame / 6
        bool blueShows;
    };
    const FameCase fames[] = {{0, 1, false}, {1, 29.5f, false}, {6, 172, true}, {12, 343, true}};
    int fame = 0;
    for (const FameCase& want : fames) {
        SCOPED_TRACE("fame " + std::to_string(want.fame));
        while (fame < want.fame) {
            scene.c.hero.incrementFame();
            fame++;
        }
        scene.draw();
        const int row = 578;
        PixelRun bar = runOf(scene, row, [](Rgb p) { return !near(p, BLACK, 30); });
        PixelRun blue = runOf(scene, row, [](Rgb p) { return near(p, BLUE, 30); });
        if (want.fame == 0) {
            EXPECT_EQ(bar.first, -1) << "a fame bar at fame 0";
            continue;
        }
        EXPECT_EQ(bar.first, 1);
        EXPECT_NEAR(bar.last, lastCoveredPixel(want.right), 1);
        EXPECT_EQ(blue.first >= 0, want.blueShows) << "blue from x " << blue.first;
    }
}

// A hit tints red for exactly one draw, over the blue of water; the tint
// is plain colour even with a texture bound and texturing on.
TEST(HeadsUpDisplayInWindow, AHitTintsRedForOneDrawAndWaterTintsBlue) {
    HudScene scene;
    ASSERT_TRUE(scene.window.isOpen()) << scene.window.getError();
    const Rgb red = over(RED, 0.5f), blue = over(BLUE, 0.5f);

    struct Step {
        bool underWater;
        bool hit;
        Rgb tint;
    };
    const Step steps[] = {
        {true, true, red},     // both: red wins
        {true, false, blue},   // the hit is spent
        {false, false, BLACK},
        {false, true, red},
        {false, false, BLACK},
    };
    int n = 0;
    for (const Step& step : steps) {
        SCOPED_TRACE("step " + std::to_string(n++));
        scene.hud.setUnderWater(step.underWater);
        if (step.hit) scene.hud.setHit(true);
        // The world leaves texturing on and some texture bound.
        glEnable(GL_TEXTURE_2D);
        scene.hud.mainMap.bindGLTexture();
        scene.draw();
        for (int x : {300, 600}) {
            EXPECT_TRUE(near(scene.at(x, 250), step.tint)) << scene.at(x, 250) << " at x " << x;
        }
        EXPECT_FALSE(scene.hud.hit);
    }
}

// A banner shows on draws 1 to 89 and is gone on the 90th; a new banner
// while one runs takes over the running count; each land code has its
// picture, and a code outside the table shows none.
TEST(HeadsUpDisplayInWindow, RegionBannersShowForEightyNineDraws) {
    HudScene scene;
    ASSERT_TRUE(scene.window.isOpen()) << scene.window.getError();
    HeadsUpDisplay& hud = scene.hud;
    auto banner = [&]() { return scene.at(600, 250); };

    hud.setEnteredNewLand(LAND_NAROK);
    for (int n = 1; n <= 89; n++) {
        scene.draw();
        if (n == 1 || n == 89) {
            EXPECT_TRUE(near(banner(), BANNER_NAROK)) << "draw " << n << ": " << banner();
        }
    }
    scene.draw();
    EXPECT_TRUE(near(banner(), BLACK)) << "draw 90: " << banner();
    EXPECT_FALSE(hud.newLand);
    EXPECT_EQ(hud.newLandTimer, 0);
    scene.draw();
    EXPECT_TRUE(near(banner(), BLACK)) << "after the banner: " << banner();

    // Islands 5 and 6 in quick succession: the second banner ends when the
    // first would have.
    hud.setEnteredNewLand(LAND_NAROK);
    for (int n = 1; n <= 50; n++) scene.draw();
    hud.setEnteredNewLand(LAND_NJEVE);
    scene.draw();
    EXPECT_TRUE(near(banner(), BANNER_NJEVE)) << banner();
    for (int n = 52; n <= 89; n++) scene.draw();
    EXPECT_TRUE(near(banner(), BANNER_NJEVE)) << banner();
    scene.draw();
    EXPECT_TRUE(near(banner(), BLACK)) << "draw 90 of the first banner: " << banner();

    struct CodeCase {
        int code;
        Rgb picture;
    };
    const CodeCase codes[] = {{LAND_MSITU, BANNER_MSITU},     {LAND_UZULU, BANNER_UZULU}, {LAND_NJEVE, BANNER_NJEVE},
                              {LAND_ENDELEA, BANNER_ENDELEA}, {98769, BANNER_NAROK},      {4, BLACK}};
    for (const CodeCase& code : codes) {
        hud.setEnteredNewLand(code.code);
        scene.draw();
        EXPECT_TRUE(near(banner(), code.picture)) << "code " << code.code << ": " << banner();
        hud.newLand = false;
        hud.newLandTimer = 0;
    }
}

// One full-screen picture at most, in the order paused, shop prompt, world
// map; the standard set only without any. The world map marks the island
// the hero is on.
TEST(HeadsUpDisplayInWindow, FullScreenPicturesReplaceTheStandardSetInTheirOrder) {
    HudScene scene;
    ASSERT_TRUE(scene.window.isOpen()) << scene.window.getError();
    HeadsUpDisplay& hud = scene.hud;

    struct Case {
        bool paused, shop, map;
        Rgb picture;
    };
    const Case cases[] = {
        {true, true, true, PAUSED}, {false, true, true, SHOP}, {false, false, true, MAIN_MAP},
        {false, false, false, BLACK}, {true, false, false, PAUSED},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string("paused ") + (c.paused ? "on" : "off") + ", shop " + (c.shop ? "on" : "off") +
                     ", map " + (c.map ? "on" : "off"));
        hud.paused = c.paused;
        hud.setDrawShopSignal(c.shop);
        hud.showMainMap = c.map;
        scene.draw();
        EXPECT_TRUE(near(scene.at(600, 250), c.picture)) << scene.at(600, 250);
        bool standard = !c.paused && !c.shop && !c.map;
        EXPECT_EQ(near(scene.at(50, 419), GREEN), standard) << "life bar " << scene.at(50, 419);
    }

    // The marker's 16 x 16 square stands at the island's corner point.
    hud.paused = false;
    hud.setDrawShopSignal(false);
    hud.showMainMap = true;
    struct Marker {
        int island, x, y;
    };
    const Marker markers[] = {{0, 71, 434}, {2, 273, 348}};
    for (const Marker& m : markers) {
        SCOPED_TRACE("island " + std::to_string(m.island));
        scene.draw(m.island);
        EXPECT_TRUE(near(scene.at(m.x + 1, m.y + 1), YELLOW)) << scene.at(m.x + 1, m.y + 1);
        EXPECT_TRUE(near(scene.at(m.x + 14, m.y + 14), YELLOW)) << scene.at(m.x + 14, m.y + 14);
        EXPECT_TRUE(near(scene.at(m.x + 18, m.y + 8), MAIN_MAP)) << scene.at(m.x + 18, m.y + 8);
        EXPECT_TRUE(near(scene.at(m.x + 8, m.y - 2), MAIN_MAP)) << scene.at(m.x + 8, m.y - 2);
        for (const Marker& other : markers) {
            if (other.island != m.island) {
                EXPECT_TRUE(near(scene.at(other.x + 8, other.y + 8), MAIN_MAP)) << "island " << other.island;
            }
        }
    }
}

// While an item is within reach its frame shows, over any picture.
TEST(HeadsUpDisplayInWindow, TheItemFrameShowsOnlyWithAnItemNear) {
    HudScene scene;
    ASSERT_TRUE(scene.window.isOpen()) << scene.window.getError();
    HoldableItem* item = scene.c.allHoldableItems.empty() ? nullptr : scene.c.allHoldableItems.front();
    ASSERT_NE(item, nullptr);

    scene.draw(0, nullptr);
    EXPECT_TRUE(near(scene.at(600, 150), BLACK)) << scene.at(600, 150);
    scene.draw(0, item);
    EXPECT_TRUE(near(scene.at(600, 150), ITEM_FRAME)) << scene.at(600, 150);
    EXPECT_TRUE(near(scene.at(200, 450), BLACK)) << "outside the frame's picture: " << scene.at(200, 450);
    scene.hud.paused = true;
    scene.draw(0, item);
    EXPECT_TRUE(near(scene.at(600, 150), ITEM_FRAME)) << "over the paused picture: " << scene.at(600, 150);
}

// The mini map turns so that the hero's view points up the screen, with
// the hero at (85, 496), and shows only inside its 130 x 130 box.
TEST(HeadsUpDisplayInWindow, TheMiniMapTurnsWithTheHeroInsideItsBox) {
    HudScene scene;
    ASSERT_TRUE(scene.window.isOpen()) << scene.window.getError();
    IconLists noIcons(scene.c.islands[0]);

    // The home island's mini map is red at low grid x and z, green at high
    // x, blue at high z and white at both. Drawn at half alpha over black.
    const Rgb r = over(RED, 0.5f), g = over(GREEN, 0.5f), b = over(BLUE, 0.5f), w = over(WHITE, 0.5f);
    struct Heading {
        const char* name;
        Vector3D view;
        Rgb upperLeft, upperRight, lowerLeft, lowerRight;
    };
    const Heading headings[] = {
        {"+z", Vector3D(0, 0, 1), w, b, g, r},
        {"+x", Vector3D(1, 0, 0), g, w, r, b},
        {"-z", Vector3D(0, 0, -1), r, g, b, w},
        {"-x", Vector3D(-1, 0, 0), b, r, w, g},
        {"+z, looking down", Vector3D(0, -0.5f, 2), w, b, g, r},
    };
    for (const Heading& h : headings) {
        SCOPED_TRACE(std::string("looking along ") + h.name);
        scene.look(h.view);
        scene.draw();
        EXPECT_TRUE(near(scene.at(55, 466), h.upperLeft)) << "upper left " << scene.at(55, 466);
        EXPECT_TRUE(near(scene.at(115, 466), h.upperRight)) << "upper right " << scene.at(115, 466);
        EXPECT_TRUE(near(scene.at(55, 526), h.lowerLeft)) << "lower left " << scene.at(55, 526);
        EXPECT_TRUE(near(scene.at(115, 526), h.lowerRight)) << "lower right " << scene.at(115, 526);
        // The hero's icon, blue at 0.8 over the map.
        Rgb hero = scene.at(85, 496);
        EXPECT_TRUE(hero.b > 190 && hero.r < 40 && hero.g < 40) << "hero icon " << hero;
        // The map reaches 200 pixels round the hero, the box only 65.
        for (int x : {21, 148}) {
            EXPECT_FALSE(near(scene.at(x, 496), BLACK, 20)) << "inside the box at x " << x;
        }
        for (auto p : {std::make_pair(18, 496), std::make_pair(152, 496), std::make_pair(85, 564),
                       std::make_pair(200, 496)}) {
            EXPECT_TRUE(near(scene.at(p.first, p.second), BLACK)) << "outside the box at (" << p.first << ", "
                                                                   << p.second << "): " << scene.at(p.first, p.second);
        }
        // Above the box the life bar stays as it was drawn, under no map.
        EXPECT_EQ(scene.at(85, 428), GREEN) << "above the box";
    }
}

// Each kind of thing on the island shows its icon in its colour where it
// stands relative to the hero: a whole island spans 400 pixels.
TEST(HeadsUpDisplayInWindow, MiniMapIconsStandWhereTheirThingsStand) {
    HudScene scene;
    ASSERT_TRUE(scene.window.isOpen()) << scene.window.getError();
    Island* island = scene.c.islands[1];  // 300 across: 15 units are 20 pixels
    IconLists own(island);
    scene.c.hero.setPosition(Vector3D(10, 5, -20));
    scene.look(Vector3D(0, 0, 1));  // ahead is up, +x is to the left

    EnemyForestSpirit enemy, ally, farAway;
    enemy.setAggresive(true);
    ally.setAggresive(false);
    farAway.setAggresive(true);
    enemy.setPosition(Vector3D(10, 0, -5));     // ahead: (85, 476)
    ally.setPosition(Vector3D(10, 0, -35));     // behind: (85, 516)
    farAway.setPosition(Vector3D(10, 0, 40));   // 80 pixels ahead: cut off
    Vector3D gateNormal(0, 0, 1), gatePosition(25, 0, -20);
    IslandPortal gate(gatePosition, Plane3D(&gateNormal, &gatePosition), 1);  // (65, 496)
    StaticObject house;
    house.setPosition(Vector3D(-5, 0, -20));    // (105, 496)
    QuestPoint point(Vector3D(25, 0, -5), nullptr, 0);  // (65, 476)
    island->getAllEnemiesAndAllies()->assign({&enemy, &ally, &farAway});
    island->getIslandPortals()->push_back(&gate);
    island->getBuildings()->push_back(&house);
    island->getQuestPoints()->push_back(&point);

    scene.draw(1);
    const Rgb brown = over(Rgb{181, 138, 71}, 0.8f);
    struct Icon {
        const char* kind;
        int x, y;
        Rgb colour;
    };
    const Icon icons[] = {
        {"enemy", 85, 476, over(RED, 0.5f)},     {"ally", 85, 516, over(GREEN, 0.5f)},
        {"gate", 65, 496, over(Rgb{0, 255, 255}, 0.8f)}, {"house", 105, 496, brown},
        {"quest point", 65, 476, brown},         {"hero", 85, 496, over(BLUE, 0.8f)},
    };
    for (const Icon& icon : icons) {
        SCOPED_TRACE(icon.kind);
        // The centre and two corners of its 20 x 20 square, and just outside.
        EXPECT_TRUE(near(scene.at(icon.x, icon.y), icon.colour)) << scene.at(icon.x, icon.y);
        EXPECT_TRUE(near(scene.at(icon.x - 9, icon.y - 9), icon.colour)) << scene.at(icon.x - 9, icon.y - 9);
        EXPECT_TRUE(near(scene.at(icon.x + 8, icon.y + 8), icon.colour)) << scene.at(icon.x + 8, icon.y + 8);
    }
    EXPECT_TRUE(near(scene.at(85, 455), BLACK)) << "above the enemy: " << scene.at(85, 455);
    // The far spirit's icon would cover the life bar above the box.
    EXPECT_EQ(scene.at(85, 416), GREEN) << "the far spirit is not cut off";
}

// Looking exactly level, rounding can make the angle between the view and
// its flattened self undefined: the compass must stand as it does for a
// direction a hair away, not spin.
TEST(HeadsUpDisplayInWindow, TheCompassStaysLevelWhereTheTiltIsUndefined) {
    HudScene scene;
    ASSERT_TRUE(scene.window.isOpen()) << scene.window.getError();

    // A level direction for which the tilt comes out undefined, by search.
    Vector3D undefinedView;
    bool found = false;
    for (int i = 0; i < 20000 && !found; i++) {
        double heading = 1.0 + i * 1e-4;
        Vector3D view((float)std::cos(heading) * 3.7f, 0, (float)std::sin(heading) * 3.7f);
        Vector3D dir = view;
        dir.setLength(1.0);
        Vector3D flat(dir.x, 0, dir.z);
        if (flat.getAngleBetween(&dir) == ANGLE_UNDEFINED) {
            undefinedView = view;
            found = true;
        }
    }
    ASSERT_TRUE(found);

    auto compassSeen = [&](Vector3D view) {
        scene.c.camera.setEye(Vector3D(0, 8, 0));
        scene.c.camera.setCenter(Vector3D(view.x, 8, view.z));
        scene.c.camera.setUp(Vector3D(0, 1, 0));
        scene.hud.showMainMap = true;  // a plain background under the compass
        scene.draw();
        return scene.window.readPixels(0, 400, 250, 200);  // the upper left corner
    };
    Vector3D nearby = undefinedView.rotateAroundYAxis(1e-4);
    compassSeen(nearby);  // textures load on this first frame
    std::vector<unsigned char> undefined = compassSeen(undefinedView);
    std::vector<unsigned char> level = compassSeen(nearby);
    int compass = 0, differ = 0;
    for (size_t k = 0; k < level.size(); k += 3) {
        Rgb a{level[k], level[k + 1], level[k + 2]}, b{undefined[k], undefined[k + 1], undefined[k + 2]};
        if (!near(a, MAIN_MAP, 20)) compass++;
        if (!near(a, b, 40)) differ++;
    }
    EXPECT_GT(compass, 2000) << "the compass is not in the corner";
    EXPECT_LT(differ, 50) << "pixels that differ from the level compass";
}
