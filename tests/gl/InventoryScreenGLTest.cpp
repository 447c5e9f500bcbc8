#include <gtest/gtest.h>

#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "Inventory/InventoryScreen.h"
#include "Inventory/Shop.h"
#include "Mesh/Mesh.h"
#include "ObjLoader/objLoader.h"
#include "Object/Character/ForestSpirit/Hero/Hero.h"
#include "Object/HoldableItem/HoldableItem.h"
#include "Object/StaticObject/StaticObject.h"
#include "OpenGL/OpenGL.h"
#include "Sounds/Sounds.h"
#include "TexturesMeshes/TexturesMeshes.h"
#include "support/Fixtures.h"
#include "support/GLWindow.h"

// The inventory and shop screens in a real window, drawn from pictures of
// one colour each so that every region read back names what drew it.

namespace {

typedef GLWindow::Rgb Rgb;

const Rgb MAGENTA{255, 0, 255};  // transparent in every picture
const Rgb BACKGROUND{20, 40, 90};
const Rgb TWENTY{250, 200, 0};
const Rgb TEN{0, 200, 0};
const Rgb FIVE{0, 200, 250};
const Rgb ONE{200, 0, 0};
const Rgb LEFT_ARROW{250, 250, 250};
const Rgb RIGHT_ARROW{120, 120, 120};
const Rgb INVENTORY_MAP{90, 0, 160};
const Rgb INVENTORY_RING{160, 90, 0};
const Rgb SHOP_RING{0, 160, 90};

bool near(Rgb a, Rgb b, int tolerance = 12) {
    return std::abs(a.r - b.r) <= tolerance && std::abs(a.g - b.g) <= tolerance && std::abs(a.b - b.b) <= tolerance;
}

// 8 x 8, magenta but for one column or row: a band across an eighth of the
// screen once drawn full-screen, in its own colour along the texel centre
// (x 50 or 750, y 37).
void writeBand(const TempFolder& folder, const std::string& path, Rgb colour, int column, int row) {
    std::vector<uint8_t> rgb;
    for (int y = 0; y < 8; y++) {
        for (int x = 0; x < 8; x++) {
            Rgb c = (x == column || y == row) ? colour : MAGENTA;
            rgb.insert(rgb.end(), {(uint8_t)c.r, (uint8_t)c.g, (uint8_t)c.b});
        }
    }
    folder.writeBmp24(path, 8, 8, rgb);
}

// Owns the items, as the game's item list does: the screens refer to them.
// Emptied after each test.
std::vector<std::unique_ptr<HoldableItem>> made;
HoldableItem* own(HoldableItem* item) {
    made.emplace_back(item);
    return item;
}

HoldableItem* newItem(int type) {
    HoldableItem* item = own(new HoldableItem(false, false, false, type));
    item->setStaticObject(new StaticObject());
    return item;
}

class ScreensInWindow : public ::testing::Test {
protected:
    GLWindow window;
    TempFolder folder;
    std::unique_ptr<WorkingDirectory> inFolder;
    Sounds sounds;  // no audio device: nothing plays
    Hero hero;
    std::unique_ptr<InventoryScreen> inventory;
    std::unique_ptr<Shop> shop;
    GLfloat perspective[16];

    void SetUp() override {
        ASSERT_TRUE(window.isOpen()) << window.getError();
        auto solid = [&](const std::string& path, Rgb c) { folder.writeBmp24(path, 8, 8, c.r, c.g, c.b); };
        solid("Textures/inventoryBackground.bmp", BACKGROUND);
        solid("Textures/shopBackground.bmp", BACKGROUND);
        solid("Textures/goldIcon20.bmp", TWENTY);
        solid("Textures/goldIcon10.bmp", TEN);
        solid("Textures/coinIcon.bmp", FIVE);
        solid("Textures/goldIcon1.bmp", ONE);
        solid("Textures/inventoryBack.bmp", MAGENTA);
        writeBand(folder, "Textures/leftArrow.bmp", LEFT_ARROW, 0, -1);
        writeBand(folder, "Textures/rightArrow.bmp", RIGHT_ARROW, 7, -1);
        writeBand(folder, "Textures/inventoryMap.bmp", INVENTORY_MAP, -1, 0);
        writeBand(folder, "Textures/inventoryRingRegen.bmp", INVENTORY_RING, -1, 0);
        writeBand(folder, "Textures/shopRingRegen.bmp", SHOP_RING, -1, 0);
        inFolder.reset(new WorkingDirectory(folder.path()));

        inventory.reset(new InventoryScreen());
        inventory->setSound(&sounds);
        inventory->setHero(&hero);
        shop.reset(new Shop(&sounds));

        // The frame's state as the game sets it up.
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        gluPerspective(45.0, 4.0 / 3.0, 0.1, 1000.0);
        glGetFloatv(GL_PROJECTION_MATRIX, perspective);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        glEnable(GL_DEPTH_TEST);
        glEnable(GL_TEXTURE_2D);
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    }

    void TearDown() override {
        inventory.reset();
        shop.reset();
        made.clear();
        inFolder.reset();
    }

    // One frame as the game's pass draws a screen.
    void drawInventory() {
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glLoadIdentity();
        inventory->draw(&hero);
    }
    void drawShop() {
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glLoadIdentity();
        shop->draw(hero.getGold());
    }

    // A point of the 2D screen (origin top left).
    Rgb at(int x, int y) { return window.pixel(x, GLWindow::height - 1 - y); }
};

}  // namespace

// The screens run every frame: each must hand back the stacks and the 3D
// projection it found, whatever the carousel is doing.
TEST_F(ScreensInWindow, DrawingLeavesTheMatrixStacksAndTheProjectionAsTheyWere) {
    struct Case {
        const char* state;
        int items;
        void (*prepare)(ItemCollection&);
    } cases[] = {
        {"empty", 0, [](ItemCollection&) {}},
        {"one item", 1, [](ItemCollection&) {}},
        {"at rest", 3, [](ItemCollection&) {}},
        {"turning", 3, [](ItemCollection& c) { c.cycleItem(false); }},
        {"zoomed", 3, [](ItemCollection& c) { c.toggleZoom(); }},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.state);
        inventory.reset(new InventoryScreen());
        inventory->setSound(&sounds);
        inventory->setHero(&hero);
        shop.reset(new Shop(&sounds));
        for (int i = 0; i < c.items; i++) {
            inventory->addItem(newItem(ITEM_MAP));
            shop->addItem(newItem(ITEM_REGEN_RING));
        }
        c.prepare(inventory->itemCollection);
        c.prepare(shop->itemCollection);
        while (glGetError() != GL_NO_ERROR) {
        }
        GLint projectionDepth, modelViewDepth;
        glGetIntegerv(GL_PROJECTION_STACK_DEPTH, &projectionDepth);
        glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &modelViewDepth);
        for (int frame = 0; frame < 3; frame++) {
            for (bool inShop : {false, true}) {
                SCOPED_TRACE(inShop ? "shop" : "inventory");
                inShop ? drawShop() : drawInventory();
                EXPECT_EQ(glGetError(), (GLenum)GL_NO_ERROR);
                GLint depth;
                glGetIntegerv(GL_PROJECTION_STACK_DEPTH, &depth);
                EXPECT_EQ(depth, projectionDepth);
                glGetIntegerv(GL_MODELVIEW_STACK_DEPTH, &depth);
                EXPECT_EQ(depth, modelViewDepth);
                GLint mode;
                glGetIntegerv(GL_MATRIX_MODE, &mode);
                EXPECT_EQ(mode, GL_MODELVIEW);
                GLfloat projection[16];
                glGetFloatv(GL_PROJECTION_MATRIX, projection);
                for (int k = 0; k < 16; k++) EXPECT_EQ(projection[k], perspective[k]) << "element " << k;
            }
        }
    }
}

// Coins of a row overlap, 10 pixels apart from x = 120, each 30 wide and 62
// tall; the rows start at y 410, 420, 440 and 460, each drawn over the one
// before.
TEST_F(ScreensInWindow, GoldShowsAsRowsOfCoins) {
    struct Probe {
        int gold, x, y;
        Rgb colour;
    } probes[] = {
        {14, 135, 415, BACKGROUND}, {14, 135, 440, TEN},        {14, 135, 470, ONE},        {14, 175, 515, ONE},
        {14, 185, 500, BACKGROUND}, {14, 155, 440, BACKGROUND}, {15, 135, 490, FIVE},       {15, 155, 490, BACKGROUND},
        {15, 135, 515, BACKGROUND}, {19, 135, 490, ONE},        {19, 135, 450, FIVE},       {600, 385, 415, TWENTY},
        {600, 395, 415, BACKGROUND}, {600, 235, 450, TEN},      {600, 245, 450, TWENTY},    {600, 135, 505, BACKGROUND},
        {1000, 635, 450, TEN},      {1000, 645, 450, BACKGROUND}, {1000, 385, 476, TEN},    {0, 135, 440, BACKGROUND},
    };
    for (const Probe& p : probes) {
        hero.setGold(p.gold);
        drawInventory();
        Rgb got = at(p.x, p.y);
        EXPECT_TRUE(near(got, p.colour)) << p.gold << " gold at (" << p.x << ", " << p.y << "): " << got << " not "
                                         << p.colour;
    }
}

// The arrows stand only when there is something to turn to and no turn is
// running; the description is that of the current item's type, and a shop
// shows none for a type it has no picture for.
TEST_F(ScreensInWindow, ArrowsAndTheDescriptionOfTheCurrentItem) {
    auto arrows = [&]() { return near(at(50, 300), LEFT_ARROW) && near(at(750, 300), RIGHT_ARROW); };
    auto background = [&](int x, int y) { return near(at(x, y), BACKGROUND); };

    drawInventory();
    EXPECT_TRUE(background(50, 300) && background(750, 300) && background(400, 37)) << "empty";

    inventory->addItem(newItem(ITEM_MAP));
    drawInventory();
    EXPECT_TRUE(background(50, 300) && background(750, 300)) << "arrows with one item";
    EXPECT_TRUE(near(at(400, 37), INVENTORY_MAP));

    HoldableItem* ring = own(new HoldableItem(true, false, false, ITEM_REGEN_RING));
    ring->setStaticObject(new StaticObject());
    inventory->addItem(ring);
    drawInventory();
    EXPECT_TRUE(arrows()) << "no arrows with two items at rest";
    inventory->cycleItem(false);
    for (int frame = 0; frame < ItemCollection::TURN_FRAMES; frame++) {
        drawInventory();
        ASSERT_TRUE(background(50, 300) && background(750, 300)) << "arrows in turning frame " << frame;
        EXPECT_TRUE(near(at(400, 37), INVENTORY_RING)) << "the description follows the new current item at once";
    }
    drawInventory();
    EXPECT_TRUE(arrows()) << "no arrows once the turn has ended";

    shop->addItem(newItem(ITEM_MAP));
    drawShop();
    EXPECT_TRUE(background(400, 37)) << "a shop has no picture for a map";
    shop->addItem(newItem(ITEM_REGEN_RING));
    shop->cycleItem(true);
    drawShop();
    EXPECT_TRUE(near(at(400, 37), SHOP_RING));
}

// A worn item leaves the inventory's carousel and comes back when taken off.
// Its look shares its mesh with the shop's copy of the same kind, which stays
// in sight the whole time; switching the shared mesh off for the world hides
// neither.
TEST_F(ScreensInWindow, AWornItemIsNotDrawnInTheCarouselButTheShopsCopyIs) {
    folder.writeText("ring.obj",
                     "v -1.2 -1.2 0\nv 1.2 -1.2 0\nv 1.2 1.2 0\nv -1.2 1.2 0\nvn 0 0 1\n"
                     "f 1//1 2//1 3//1\nf 1//1 3//1 4//1\n");
    Mesh* ringMesh = objLoader::loadObj("ring.obj");
    ASSERT_NE(ringMesh, nullptr);
    PolygonColor red;
    red.setGreen(0);
    red.setBlue(0);
    ringMesh->setColor(red);
    testing::internal::CaptureStderr();
    TexturesMeshes registry;  // every slot empty: the folder holds no pack
    testing::internal::GetCapturedStderr();
    const GLfloat full[] = {1, 1, 1, 1};
    glLightModelfv(GL_LIGHT_MODEL_AMBIENT, full);
    glEnable(GL_COLOR_MATERIAL);
    glColorMaterial(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE);

    auto ringOf = [&]() {
        HoldableItem* ring = own(new HoldableItem(true, false, false, ITEM_REGEN_RING));
        StaticObject* look = new StaticObject();
        look->addMesh(ringMesh);
        ring->setStaticObject(look);
        return ring;
    };
    inventory->addItem(ringOf());
    shop->addItem(ringOf());
    // The item in front stands at (3.3, 1.6, -13) in eye space.
    auto ringShows = [&]() {
        Rgb got = at(584, 211);
        return got.r > 150 && got.g < 60 && got.b < 60;
    };

    drawInventory();
    ASSERT_TRUE(ringShows()) << "the ring in the inventory before it is worn: " << at(584, 211);
    inventory->equipOrUse(&registry);
    for (int frame = 0; frame < 3; frame++) {
        drawInventory();
        EXPECT_TRUE(near(at(584, 211), BACKGROUND)) << "a worn ring in the carousel: " << at(584, 211);
        drawShop();
        EXPECT_TRUE(ringShows()) << "the shop's ring while the hero wears his: " << at(584, 211);
    }
    inventory->equipOrUse(&registry);
    drawInventory();
    EXPECT_TRUE(ringShows()) << "the ring taken off is back in the carousel";

    // The helmet a shop sells starts with its look switched off, since its
    // mesh is also the one the hero wears: it shows until worn all the same.
    HoldableItem* helmet = own(new HoldableItem(true, false, false, ITEM_HELMET));
    StaticObject* look = new StaticObject();
    look->addMesh(ringMesh);
    helmet->setStaticObject(look);
    helmet->setEnabledDrawing(false);
    inventory.reset(new InventoryScreen());
    inventory->setSound(&sounds);
    inventory->setHero(&hero);
    inventory->addItem(helmet);
    drawInventory();
    EXPECT_TRUE(ringShows()) << "the helmet before it is worn";
    inventory->equipOrUse(&registry);
    drawInventory();
    EXPECT_TRUE(near(at(584, 211), BACKGROUND)) << "a worn helmet in the carousel: " << at(584, 211);
    inventory->equipOrUse(&registry);
    drawInventory();
    EXPECT_TRUE(ringShows()) << "the helmet taken off";
    EXPECT_EQ(glGetError(), (GLenum)GL_NO_ERROR);
    inventory.reset();
    shop.reset();
    objLoader::deleteMesh(ringMesh);
}
