#include <gtest/gtest.h>

#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "Controller/Controller.h"
#include "CutScene/CutScene.h"
#include "Inventory/Shop.h"
#include "Island/Island.h"
#include "Mesh/Mesh.h"
#include "Object/HeightMap/HeightMap.h"
#include "Object/HoldableItem/HoldableItem.h"
#include "Object/Portal/IslandPortal/IslandPortal.h"
#include "Object/Portal/Portal.h"
#include "support/GameFolder.h"
#include "support/VectorExpect.h"

namespace {

SDL_Event keyEvent(Uint8 type, int sym) {
    SDL_Event event = {};
    event.type = type;
    event.key.type = type;
    event.key.keysym.sym = (SDLKey)sym;
    return event;
}

class ControllerTest : public ::testing::Test {
protected:
    GameFolder folder;
    Controller* controller = nullptr;

    void SetUp() override {
        testing::internal::CaptureStdout();
        controller = keepForTheProcess(new Controller());
        startUpOutput = testing::internal::GetCapturedStdout();
    }

    bool press(int sym) {
        SDL_Event down = keyEvent(SDL_KEYDOWN, sym);
        return controller->eventMessage(down);
    }
    bool release(int sym) {
        SDL_Event up = keyEvent(SDL_KEYUP, sym);
        return controller->eventMessage(up);
    }
    // A key press and release, as a player taps it.
    void tap(int sym) {
        press(sym);
        release(sym);
    }

    // Third person: locked to the hero and orbiting 10 behind it (nothing
    // stands in the way on flat ground).
    bool inThirdPerson() {
        Controller& c = *controller;
        if (!c.camera.isCameraLockedToHero()) return false;
        c.camera.heroMoved(&c.hero, &c);
        Vector3D eye = c.camera.getEye(), heroPosition = c.hero.getPosition();
        return std::fabs(eye.subtract(&heroPosition).getLength() - 10.0f) < 1e-3f;
    }

    std::string startUpOutput;
};

TEST_F(ControllerTest, BuildsTheWorldInStartUpOrder) {
    EXPECT_EQ(startUpOutput.substr(startUpOutput.find("Loading worlds...")),
              "Loading worlds...\n"
              "Connecting island portals...\n"
              "Generating trees from grammers...\n"
              "Growing grass and flowers...\n"
              "Randomly creating plotline...\n"
              "Seg fault... just kidding :)...\n"
              "Loading octrees...\n"
              "Making villagers squeak...\n"
              "Spinning disk drive for fun...\n"
              "Deriving theories of relativity...\n");
    Controller& c = *controller;
    for (int i = 0; i < ISLAND_COUNT; i++) {
        ASSERT_NE(c.islands[i], nullptr);
        EXPECT_EQ(c.islands[i]->getIndex(), i);
        EXPECT_EQ(c.islands[i]->getHeightMap()->getSize(), (float)GameFolder::side(i));
    }
    EXPECT_EQ(c.currentIsland, 0);
    EXPECT_TRUE(c.inMainMenu);
    EXPECT_FALSE(c.gameStarted);
    EXPECT_TRUE(c.heroTakesDamage);
    EXPECT_EQ(c.alphaPortal, nullptr);
    EXPECT_EQ(c.betaPortal, nullptr);

    // The compass first, then the map; the helmet is worn but hidden.
    std::vector<HoldableItem*>& items = c.inventoryScreen.itemCollection.holdableItems;
    ASSERT_EQ(items.size(), 2u);
    EXPECT_EQ(items[0]->itemType, ITEM_COMPASS);
    EXPECT_EQ(items[1]->itemType, ITEM_MAP);
    std::vector<Mesh*>* extras = c.hero.getExtras();
    ASSERT_EQ(extras->size(), 1u);
    EXPECT_EQ(extras->at(0), c.texturesMeshes.helmetMesh);
    EXPECT_FALSE(c.texturesMeshes.helmetMesh->isEnabledToDraw());
    EXPECT_EQ(c.headsUpDisplay.compassMain, c.texturesMeshes.compassMainMesh);
    EXPECT_EQ(c.headsUpDisplay.hero, &c.hero);
}

TEST_F(ControllerTest, LinksTheGatesInPairsAndLocksFour) {
    Controller& c = *controller;
    const int islandOf[ISLAND_PORTAL_COUNT] = {0, 1, 1, 2, 1, 3, 2, 5, 2, 4, 5, 6, 6, 7, 5, 10, 6, 8, 10, 9, 8, 11, 11, 12};
    for (int i = 0; i < ISLAND_PORTAL_COUNT; i++) {
        IslandPortal* gate = c.islandPortals[i];
        ASSERT_NE(gate, nullptr);
        EXPECT_EQ(gate->getOtherIslandPortal(), c.islandPortals[i ^ 1]) << "gate " << i;
        EXPECT_EQ(gate->getIslandIndex(), islandOf[i]) << "gate " << i;
        bool locked = i == 0 || i == 6 || i == 10 || i == 14;
        EXPECT_EQ(gate->isEnabled(), !locked) << "gate " << i;
        EXPECT_EQ(gate->getBoundingRadius(), 15.0f);
        EXPECT_EQ(gate->getMeshes()->size(), 5u);
        // Each island lists exactly the gates that stand on it.
        std::vector<IslandPortal*>* own = c.islands[islandOf[i]]->getIslandPortals();
        EXPECT_NE(std::find(own->begin(), own->end(), gate), own->end()) << "gate " << i;
    }
    // Each gate faces (0, 0, 1) turned about y by its angle: 130 degrees for
    // gate 0, -20 for gate 12.
    Vector3D forward(0, 0, 1);
    for (int i : {0, 12}) {
        Vector3D normal = c.islandPortals[i]->getNormal();
        EXPECT_NEAR(normal.getLength(), 1.0f, 1e-5f);
        EXPECT_NEAR(normal.y, 0.0f, 1e-6f);
        EXPECT_NEAR(normal.getAngleBetween(&forward), (i == 0 ? 130.0 : 20.0) * M_PI / 180.0, 1e-4);
    }
}

// Each mode's flag is set together with every mode below it; Escape must
// run only the handler of the highest one.
TEST_F(ControllerTest, EscapeRunsOnlyTheHandlerOfTheFirstModeThatApplies) {
    struct Mode {
        const char* name;
        bool Controller::*flag;
    };
    const std::vector<Mode> modes = {
        {"shop", &Controller::inShop},           {"near shop", &Controller::nearShop},
        {"inventory", &Controller::inventoryOpen}, {"quest", &Controller::questMessage},
        {"intro", &Controller::introScreen},       {"game over", &Controller::isGameOver},
        {"cut scene", &Controller::cutScenePlaying},
    };
    for (size_t top = 0; top <= modes.size(); top++) {
        SCOPED_TRACE(top < modes.size() ? modes[top].name : "play");
        if (top < modes.size() && std::string(modes[top].name) == "game over") {
            continue;  // Escape there ends the process: its own test
        }
        Controller& c = *controller;
        for (const Mode& m : modes) c.*(m.flag) = false;
        c.gameStarted = false;
        c.currentCutScene = 1;
        c.inMainMenu = false;
        for (size_t m = top; m < modes.size(); m++) c.*(modes[m].flag) = true;
        c.camera.setCameraMode(CAMERA_FIRST_PERSON);
        press(SDLK_ESCAPE);

        bool menuOpened = c.inMainMenu && c.gameStarted;
        EXPECT_EQ(menuOpened, top == 1 || top == modes.size());
        for (size_t m = top + 1; m < modes.size(); m++) {
            EXPECT_TRUE(c.*(modes[m].flag)) << modes[m].name << " untouched";
        }
        if (top < modes.size()) {
            std::string name = modes[top].name;
            if (name == "shop" || name == "inventory" || name == "quest" || name == "intro") {
                EXPECT_FALSE(c.*(modes[top].flag));
            }
            if (name == "near shop") {
                EXPECT_TRUE(c.nearShop);
            }
            if (name == "intro") {
                EXPECT_TRUE(c.cutScenePlaying);
                EXPECT_EQ(c.currentCutScene, 0);
            }
            if (name == "cut scene") {
                EXPECT_FALSE(c.cutScenePlaying);
                EXPECT_TRUE(inThirdPerson());
            }
        }
    }
}

// Each inventory binding fires on its own: with i and Escape both held, the
// inventory closes twice, and the unequip sound is heard twice.
TEST_F(ControllerTest, EachHeldClosingKeyOfTheInventoryFires) {
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    ASSERT_EQ(SDL_InitSubSystem(SDL_INIT_AUDIO), 0) << SDL_GetError();
    ASSERT_EQ(Mix_OpenAudio(22050, AUDIO_S16SYS, 2, 4096), 0) << Mix_GetError();
    std::vector<Uint8> silence(22050 * 4 * 5);  // 5 s: still playing when counted
    Mix_Chunk* unequip = Mix_QuickLoad_RAW(silence.data(), (Uint32)silence.size());
    ASSERT_NE(unequip, nullptr);
    Controller& c = *controller;
    c.sounds.unequipSound = unequip;
    c.inMainMenu = false;

    struct Case {
        std::vector<int> held;  // in the order pressed; the last one closes
        int sounds;
    } cases[] = {{{SDLK_i}, 1}, {{SDLK_ESCAPE}, 1}, {{SDLK_i, SDLK_ESCAPE}, 2}, {{SDLK_ESCAPE, SDLK_i}, 2}};
    for (const Case& k : cases) {
        SCOPED_TRACE(k.held.size() == 1 ? "one key" : k.held[0] == SDLK_i ? "i, then Escape" : "Escape, then i");
        c.inventoryOpen = true;
        for (int sym : k.held) c.keys[sym] = true;  // held from before the inventory opened
        press(k.held.back());
        EXPECT_EQ(Mix_Playing(-1), k.sounds);
        EXPECT_FALSE(c.inventoryOpen);
        EXPECT_FALSE(c.inMainMenu) << "Escape in the inventory does not open the menu";
        for (int sym : k.held) release(sym);
        Mix_HaltChannel(-1);
    }

    c.sounds.unequipSound = nullptr;
    Mix_FreeChunk(unequip);
    Mix_CloseAudio();
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

TEST_F(ControllerTest, EscapeOnTheGameOverPictureEndsTheProcessWithStatusZero) {
    controller->isGameOver = true;
    controller->cutScenePlaying = true;
    EXPECT_EXIT(press(SDLK_ESCAPE), ::testing::ExitedWithCode(0), "");
}

TEST_F(ControllerTest, EscapeOpensTheMenuOnlyOutsideIt) {
    Controller& c = *controller;
    press(SDLK_ESCAPE);
    release(SDLK_ESCAPE);
    EXPECT_TRUE(c.inMainMenu);
    EXPECT_FALSE(c.gameStarted) << "Escape under the menu does nothing";
    EXPECT_FALSE(c.mainMenu.gameStarted);

    c.inMainMenu = false;
    press(SDLK_ESCAPE);
    EXPECT_TRUE(c.inMainMenu);
    EXPECT_TRUE(c.gameStarted);
    EXPECT_TRUE(c.mainMenu.gameStarted);
}

TEST_F(ControllerTest, HeldKeysFireAgainWithEveryKeyDown) {
    Controller& c = *controller;
    press(SDLK_b);
    EXPECT_TRUE(c.shadowsOn);
    press(SDLK_c);  // b is still held: shadows toggle again, and the compass
    EXPECT_FALSE(c.shadowsOn);
    EXPECT_FALSE(c.headsUpDisplay.showCompass);
    release(SDLK_b);
    press(SDLK_c);  // the key repeat of a held c
    EXPECT_FALSE(c.shadowsOn) << "b was released";
    EXPECT_TRUE(c.headsUpDisplay.showCompass);
    release(SDLK_c);
    tap(SDLK_m);
    EXPECT_TRUE(c.headsUpDisplay.showCompass) << "c was released";
    EXPECT_TRUE(c.headsUpDisplay.showMainMap);
}

TEST_F(ControllerTest, PlayKeysActUnderTheMenuBeforeAGame) {
    Controller& c = *controller;
    tap(SDLK_p);
    EXPECT_TRUE(c.paused);
    EXPECT_TRUE(c.headsUpDisplay.paused);
    tap(SDLK_TAB);
    EXPECT_TRUE(inThirdPerson());
    tap(SDLK_3);
    EXPECT_EQ(c.currentIsland, 3);
    EXPECT_TRUE(vectorNear(c.hero.getPosition(), Vector3D(-96.0f, 6.3f, -16.2075f)));
    tap(SDLK_F3);
    EXPECT_EQ(c.currentIsland, 12);
    EXPECT_TRUE(c.cutScenePlaying) << "every entry into island 12 starts its cut scene";
    EXPECT_EQ(c.currentCutScene, 3);
    tap(SDLK_PAGEDOWN);
    EXPECT_EQ(c.hero.getGold(), 400);
    tap(SDLK_END);
    EXPECT_FALSE(c.heroTakesDamage);
    EXPECT_TRUE(c.inMainMenu);
}

TEST_F(ControllerTest, IslandKeysShowEachRegionBannerOnce) {
    Controller& c = *controller;
    tap(SDLK_5);
    EXPECT_TRUE(c.headsUpDisplay.newLand);
    EXPECT_EQ(c.headsUpDisplay.landCode, LAND_NAROK);
    EXPECT_TRUE(c.cutScenePlaying);
    EXPECT_EQ(c.currentCutScene, 2);
    c.cutScenePlaying = false;
    c.headsUpDisplay.newLand = false;
    tap(SDLK_2);
    tap(SDLK_5);
    EXPECT_FALSE(c.headsUpDisplay.newLand) << "the second entry shows no banner";
    EXPECT_FALSE(c.cutScenePlaying) << "and starts no cut scene";
}

TEST_F(ControllerTest, KeySymbolsPastTheHeldKeysTouchNothingElse) {
    Controller& c = *controller;
    for (int sym : {321, 322}) {
        c.mouseDown = false;
        EXPECT_TRUE(press(sym));
        EXPECT_FALSE(c.mouseDown) << sym;
        c.mouseDown = true;
        EXPECT_TRUE(release(sym));
        EXPECT_TRUE(c.mouseDown) << sym;
    }
    EXPECT_EQ(c.mouseDeltaX, 0);
    EXPECT_EQ(c.mouseDeltaY, 0);
}

TEST_F(ControllerTest, F12PrintsTheStatisticsAndEndsTheLoop) {
    struct Case {
        Uint32 frames, late, timeLate;
        const char* average;
    };
    for (const Case& k : {Case{120, 0, 0, "0"}, Case{250, 4, 30, "7"}}) {
        controller->framesRendered = k.frames;
        controller->lateFrames = k.late;
        controller->timeLate = k.timeLate;
        testing::internal::CaptureStdout();
        bool goOn = press(SDLK_F12);
        std::string out = testing::internal::GetCapturedStdout();
        EXPECT_FALSE(goOn);
        EXPECT_EQ(out, "Frames rendered: " + std::to_string(k.frames) + "\nFrames rendered late: " +
                           std::to_string(k.late) + "\nTime late per frame: " + k.average + " (ms)\n");
        // Any event while F12 is held ends it too; releasing it clears that.
        SDL_Event other = {};
        other.type = SDL_ACTIVEEVENT;
        testing::internal::CaptureStdout();
        bool goOnWhileHeld = controller->eventMessage(other);
        bool goOnAfterRelease = release(SDLK_F12);
        bool goOnLater = controller->eventMessage(other);
        testing::internal::GetCapturedStdout();
        EXPECT_FALSE(goOnWhileHeld);
        EXPECT_TRUE(goOnAfterRelease);
        EXPECT_TRUE(goOnLater);
    }
}

TEST_F(ControllerTest, TheQuitEventEndsTheLoopWithoutStatistics) {
    SDL_Event quit = {};
    quit.type = SDL_QUIT;
    controller->keys[SDLK_F12] = true;
    testing::internal::CaptureStdout();
    EXPECT_FALSE(controller->eventMessage(quit));
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
}

TEST_F(ControllerTest, PacesEachFrameToFortyMilliseconds) {
    struct Case {
        Uint32 last, now, delay, lateFrames, timeLate;
    };
    const Case cases[] = {
        {1000, 1015, 25, 0, 0},  // 15 ms of work: sleep the rest
        {1000, 1055, 0, 1, 15},  // 55 ms: one late frame, 15 ms late
        {1000, 1040, 0, 0, 0},   // exactly on time
        {1000, 1001, 39, 0, 0},
        {1000, 1000, 0, 0, 0},   // the same millisecond: no sleep
        {1000, 990, 0, 0, 0},    // the tick count went back
    };
    for (const Case& k : cases) {
        controller->lateFrames = 0;
        controller->timeLate = 0;
        controller->lastFrameTicks = k.last;
        EXPECT_EQ(controller->computeFrameDelay(k.now), k.delay) << k.now - k.last << " ms";
        EXPECT_EQ(controller->lateFrames, k.lateFrames) << k.now - k.last << " ms";
        EXPECT_EQ(controller->timeLate, k.timeLate) << k.now - k.last << " ms";
    }
    controller->lastFrameTicks = 1000;
    controller->computeFrameDelay(1070);
    controller->computeFrameDelay(1045);
    EXPECT_EQ(controller->lateFrames, 2u);
    EXPECT_EQ(controller->timeLate, 35u) << "overruns add up";
}

// The sky box follows the free-view camera's centre whenever the world runs.
TEST_F(ControllerTest, TheWorldFreezesUnderTheMenuOnlyAfterAGameHasStarted) {
    Controller& c = *controller;
    c.camera.setCenter(Vector3D(1, 2, 3));
    c.updateWorld();
    EXPECT_TRUE(vectorNear(c.skyBox.getPosition(), Vector3D(1, 2, 3))) << "runs under the menu before a game";

    c.inMainMenu = false;
    press(SDLK_ESCAPE);  // back to the menu during a game
    c.camera.setCenter(Vector3D(4, 5, 6));
    c.updateWorld();
    EXPECT_TRUE(vectorNear(c.skyBox.getPosition(), Vector3D(1, 2, 3))) << "frozen under the menu in a game";

    c.inMainMenu = false;
    for (bool Controller::*frozen : {&Controller::inventoryOpen, &Controller::questMessage, &Controller::introScreen,
                                     &Controller::isGameOver, &Controller::inShop}) {
        c.*frozen = true;
        c.updateWorld();
        EXPECT_TRUE(vectorNear(c.skyBox.getPosition(), Vector3D(1, 2, 3)));
        c.*frozen = false;
    }
    c.nearShop = true;
    c.cutScenePlaying = true;
    c.updateWorld();
    EXPECT_TRUE(vectorNear(c.skyBox.getPosition(), Vector3D(4, 5, 6))) << "runs at a shop and in a cut scene";

    c.camera.setCameraMode(CAMERA_THIRD_PERSON);
    // Centred before the hero takes its step of the frame.
    Vector3D heroBefore = c.hero.getPosition();
    c.updateWorld();
    EXPECT_TRUE(vectorNear(c.skyBox.getPosition(), heroBefore)) << "on the hero when locked";
}

TEST_F(ControllerTest, ACutSceneThatIsDoneHandsTheCameraToTheHeroTheSameFrame) {
    Controller& c = *controller;
    c.inMainMenu = false;
    c.introScreen = true;
    tap(SDLK_ESCAPE);
    ASSERT_TRUE(c.cutScenePlaying);
    while (!c.cutScenes[0]->isCutSceneDone()) c.updateCamera();  // the whole flight
    EXPECT_TRUE(c.cutScenePlaying) << "until the frame after its last step";
    c.updateCamera();
    EXPECT_FALSE(c.cutScenePlaying);
    Vector3D eye = c.camera.getEye();
    Vector3D heroPosition = c.hero.getPosition();
    EXPECT_NEAR(eye.subtract(&heroPosition).getLength(), 10.0f, 1e-3f) << "the orbit, from this frame";
}

// Scenes keep their place: a skipped one goes on where it was left at the
// next entry, a finished one is over at once.
TEST_F(ControllerTest, ACutSceneNeverRewinds) {
    Controller& c = *controller;
    c.inMainMenu = false;
    tap(SDLK_F3);
    ASSERT_TRUE(c.cutScenePlaying);
    ASSERT_EQ(c.currentCutScene, 3);
    for (int i = 0; i < 10; i++) c.updateCamera();
    tap(SDLK_ESCAPE);
    EXPECT_FALSE(c.cutScenePlaying);
    EXPECT_TRUE(inThirdPerson());

    tap(SDLK_0);
    tap(SDLK_F3);
    ASSERT_TRUE(c.cutScenePlaying);
    c.updateCamera();
    Camera alone;
    CutScene fresh(&alone, 4);
    for (int i = 0; i < 11; i++) fresh.update();
    EXPECT_TRUE(vectorNear(c.camera.getEye(), alone.getEye())) << "the eleventh step, not the first";

    while (c.cutScenePlaying) c.updateCamera();
    tap(SDLK_0);
    tap(SDLK_F3);
    EXPECT_TRUE(c.cutScenePlaying) << "every entry asks for the scene";
    c.updateCamera();
    EXPECT_FALSE(c.cutScenePlaying) << "but it is over";
    EXPECT_TRUE(inThirdPerson());
}

TEST_F(ControllerTest, FreeViewMouseMotionIsScaledDown) {
    Controller& c = *controller;
    c.inMainMenu = false;
    c.mouseDeltaX = 100;
    Vector3D startEye = c.camera.getEye(), startCenter = c.camera.getCenter();
    Vector3D before = startEye.getDirectionTo(&startCenter);
    c.updateCamera();
    Vector3D center = c.camera.getCenter();
    Vector3D eye = c.camera.getEye();
    Vector3D after = eye.getDirectionTo(&center);
    EXPECT_NEAR(before.getAngleBetween(&after), 0.1f, 1e-4f);
}

TEST_F(ControllerTest, FreeViewAfterAFallLooksStraightDownWithAUsableUp) {
    struct Case {
        Vector3D up, center, expectedUp;
    };
    const Case cases[] = {
        {Vector3D(0.3f, 0.8f, -0.5f), Vector3D(0, 10, -1), Vector3D(0.3f, 0, -0.5f)},
        {Vector3D(0, 1, 0), Vector3D(3, 12, 4), Vector3D(3, 0, 4)},   // upright: the flat view instead
        {Vector3D(0, 1, 0), Vector3D(0, 0, 0), Vector3D(0, 0, -1)},   // looking straight down already
    };
    for (const Case& k : cases) {
        Controller& c = *controller;
        c.camera.setCameraMode(CAMERA_FIRST_PERSON);
        c.camera.setEye(Vector3D(0, 10, 0));
        c.camera.setCenter(k.center);
        c.camera.setUp(k.up);
        c.setFreeViewMode();
        EXPECT_FALSE(c.camera.isCameraLockedToHero());
        EXPECT_TRUE(vectorNear(c.camera.getCenter(), Vector3D(0, 9, 0)));
        EXPECT_TRUE(vectorNear(c.camera.getUp(), k.expectedUp));
    }
}

TEST_F(ControllerTest, QueriesAskTheHeroFirstThenTheCurrentIsland) {
    Controller& c = *controller;
    Vector3D nearHero = c.hero.getPosition();
    nearHero.x += 2.0f;
    EXPECT_EQ(c.doesSphereCollideWithObject(&nearHero, 0.5f), &c.hero);
    Vector3D heroPosition = c.hero.getPosition();
    EXPECT_EQ(c.doesSphereCollideWithObject(&heroPosition, 0.5f), nullptr) << "the hero never finds itself";

    // Flat ground at height 1.
    Vector3D onGround(0, 1.2f, 0), above(0, 3.0f, 0), offMap(500, 0, 500);
    EXPECT_EQ(c.getCurrentHeightMap(), c.islands[0]->getHeightMap());
    EXPECT_EQ(c.getCollidingHeightMap(&onGround, 0.5f), c.getCurrentHeightMap());
    EXPECT_EQ(c.getCollidingHeightMap(&above, 0.5f), nullptr);
    EXPECT_EQ(c.getCollidingHeightMap(&offMap, 0.5f), nullptr);
    Vector3D down(0, -4, 0), end(0.3f, -1, 0.6f);
    EXPECT_NE(c.getCollidingHeightMapPolygon(&down, &end), nullptr);
    EXPECT_EQ(c.getCollidingHeightMapPolygon(&down, &above), nullptr);

    Portal dummy;
    Portal* hit = &dummy;
    Portal* other = &dummy;
    c.getCollidingPortal(&heroPosition, 1.65f, hit, other);
    EXPECT_EQ(hit, nullptr);
    EXPECT_EQ(other, nullptr);
    EXPECT_EQ(c.getDistanceToLocalPortal(&heroPosition), 99999.0f);
    EXPECT_EQ(c.getCollidingObject(&onGround, 0.5f), c.getCurrentHeightMap());
}

}  // namespace

// A drunk vial is gone from the game: whether bought (a new item) or picked
// up from the ground, drinking it frees it and takes it off the world's
// list, so that a long game does not pile up used-up vials.
TEST_F(ControllerTest, ADrunkVialIsFreedAndLeavesNoTraceInTheWorld) {
    Controller& c = *controller;
    c.inMainMenu = false;
    c.gameStarted = true;
    ItemCollection& carried = c.inventoryScreen.itemCollection;
    Shop* shop = c.islands[0]->getShop();
    ASSERT_NE(shop, nullptr);
    ASSERT_EQ(shop->itemCollection.getCurrentObject()->itemType, ITEM_VIAL);
    Vector3D spot = c.hero.getPosition();

    const char* ways[] = {"bought", "picked up"};
    for (const char* way : ways) {
        SCOPED_TRACE(way);
        const size_t carriedBefore = carried.holdableItems.size();
        const size_t worldBefore = c.allHoldableItems.size();
        if (way == ways[0]) {
            c.hero.setGold(100);
            shop->buy(&c.hero, &c.inventoryScreen, &c.texturesMeshes, c.allHoldableItems);
        } else {
            TexturesMeshes* t = &c.texturesMeshes;
            c.islands[0]->createVialHoldableItem(t, c.allHoldableItems, spot);
            c.islands[0]->pickUpItems(&c, &spot);
        }
        ASSERT_EQ(carried.holdableItems.size(), carriedBefore + 1);
        HoldableItem* vial = carried.holdableItems.back();
        ASSERT_EQ(vial->itemType, ITEM_VIAL);

        tap(SDLK_i);
        ASSERT_TRUE(c.inventoryOpen);
        carried.setCurrentObject((int)carried.holdableItems.size() - 1);
        tap(SDLK_RETURN);
        tap(SDLK_i);
        EXPECT_EQ(carried.holdableItems.size(), carriedBefore);
        EXPECT_EQ(std::count(c.allHoldableItems.begin(), c.allHoldableItems.end(), vial), 0);
        EXPECT_EQ(c.allHoldableItems.size(), worldBefore);
    }
    EXPECT_EQ(shop->itemCollection.getCurrentObject()->itemType, ITEM_VIAL) << "the shop's own vial stays";
}

// Coins picked up go into the gold and out of the game: the world's list
// stays as long as it was before they fell, however many are collected.
TEST_F(ControllerTest, CollectedCoinsAreFreedAndLeaveNoTraceInTheWorld) {
    Controller& c = *controller;
    Island* home = c.islands[0];
    TexturesMeshes* t = &c.texturesMeshes;
    Vector3D spot = c.hero.getPosition();
    const size_t worldBefore = c.allHoldableItems.size();
    const size_t groundBefore = home->islandHoldableItems.size();
    const size_t carriedBefore = c.inventoryScreen.itemCollection.holdableItems.size();
    const int gold = c.hero.getGold();
    for (int round = 0; round < 3; round++) {
        home->createMoneyHoldableItem(t, c.allHoldableItems, spot, 5);
        home->createMoneyHoldableItem(t, c.allHoldableItems, spot, 7);
        ASSERT_EQ(c.allHoldableItems.size(), worldBefore + 2);
        home->pickUpItems(&c, &spot);
        EXPECT_EQ(c.hero.getGold(), gold + 12 * (round + 1));
        EXPECT_EQ(c.allHoldableItems.size(), worldBefore) << "round " << round;
        EXPECT_EQ(home->islandHoldableItems.size(), groundBefore);
    }
    EXPECT_EQ(c.inventoryScreen.itemCollection.holdableItems.size(), carriedBefore);
}
