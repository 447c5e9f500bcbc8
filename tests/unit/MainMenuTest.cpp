#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "MainMenu/MainMenu.h"

namespace {

struct Release {
    bool menuOpen = true;
    bool introRequested = false;
};

Release releaseAt(MainMenu& menu, int x, int y) {
    Release r;
    menu.processMouseUp(x, y, r.menuOpen, r.introRequested);
    return r;
}

}  // namespace

// Every button of the menu at its place, 220 x 60 with all four edges
// inside: a point one past any edge is out.
TEST(MainMenu, ButtonsSitAtTheirPlacesWithInclusiveEdges) {
    MainMenu menu;
    struct Place {
        const char* name;
        Button* button;
        int x, y;
        const char* picture;
    };
    const std::vector<Place> places = {
        {"start", &menu.startButton, 290, 200, "Textures/MainMenu/startButton"},
        {"resume", &menu.resumeButton, 290, 200, "Textures/MainMenu/resumeButton"},
        {"controls", &menu.controlButton, 290, 260, "Textures/MainMenu/controlButton"},
        {"credits", &menu.creditsButton, 290, 320, "Textures/MainMenu/creditsButton"},
        {"quit", &menu.quitButton, 290, 380, "Textures/MainMenu/quitButton"},
        {"back", &menu.backButton, 450, 500, "Textures/MainMenu/backButton"},
    };
    struct Probe {
        int dx, dy;
        bool inside;
    };
    const Probe probes[] = {
        {0, 0, true},     {220, 0, true},    {0, 60, true},     {220, 60, true},  {110, 30, true},
        {-1, 30, false},  {221, 30, false},  {110, -1, false},  {110, 61, false}, {-1, -1, false},
        {221, 61, false},
    };
    for (const Place& place : places) {
        SCOPED_TRACE(place.name);
        Button& b = *place.button;
        EXPECT_EQ(b.upTexture.file, std::string(place.picture) + "Up.bmp");
        EXPECT_EQ(b.overTexture.file, std::string(place.picture) + "Over.bmp");
        EXPECT_EQ(b.downTexture.file, std::string(place.picture) + "Down.bmp");
        for (const Probe& p : probes) {
            b.processMousePosition(place.x + p.dx, place.y + p.dy);
            EXPECT_EQ(b.isMouseOver, p.inside) << "(" << p.dx << ", " << p.dy << ") from the corner";
            b.processMouseDown(place.x + p.dx, place.y + p.dy);
            EXPECT_EQ(b.isMouseDown, p.inside) << "(" << p.dx << ", " << p.dy << ") from the corner";
        }
    }
}

// Only a release counts, wherever the press was; the pressed look lasts
// until the release.
TEST(MainMenu, AClickCountsOnReleaseOnly) {
    MainMenu menu;
    bool menuOpen = true, introRequested = false;
    menu.processMouseDown(400, 230);
    EXPECT_TRUE(menu.startButton.isMouseDown);
    menu.processMousePosition(100, 100);
    EXPECT_TRUE(menu.startButton.isMouseDown) << "still pressed when the pointer leaves";
    menu.processMouseUp(100, 100, menuOpen, introRequested);
    EXPECT_TRUE(menuOpen) << "released outside: no click";
    EXPECT_FALSE(menu.startButton.isMouseDown);

    menu.processMouseDown(100, 100);
    menu.processMouseUp(400, 230, menuOpen, introRequested);
    EXPECT_FALSE(menuOpen) << "pressed outside, released on start";
    EXPECT_TRUE(introRequested) << "the first start asks for the intro";
}

TEST(MainMenu, AfterAGameHasStartedTheStartPlaceResumesWithoutTheIntro) {
    MainMenu menu;
    menu.processMousePosition(400, 230);
    EXPECT_FALSE(menu.resumeButton.isMouseOver) << "no resume before a game";
    menu.processMouseDown(400, 230);
    EXPECT_FALSE(menu.resumeButton.isMouseDown);

    menu.setGameStarted(true);
    menu.processMousePosition(400, 230);
    EXPECT_TRUE(menu.resumeButton.isMouseOver);
    Release r = releaseAt(menu, 400, 230);
    EXPECT_FALSE(r.menuOpen);
    EXPECT_FALSE(r.introRequested);

    // A release only ever clears the one flag and sets the other.
    bool menuOpen = false, introRequested = true;
    menu.processMouseUp(400, 290, menuOpen, introRequested);
    EXPECT_FALSE(menuOpen);
    EXPECT_TRUE(introRequested);
}

// The pages, with the shared boundary rows as they are: a release on the
// row the controls and credits buttons share opens both flags, and the
// controls page is the one shown.
TEST(MainMenu, PagesOpenAndTheBackButtonReturns) {
    struct Case {
        const char* name;
        int x, y;
        bool controls, credits;
    };
    const Case cases[] = {
        {"controls", 400, 290, true, false},      {"credits", 400, 350, false, true},
        {"shared row", 400, 320, true, true},     {"left edge of the row", 290, 320, true, true},
        {"past the right edge", 511, 320, false, false}, {"start", 400, 230, false, false},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        MainMenu menu;
        Release r = releaseAt(menu, k.x, k.y);
        EXPECT_EQ(menu.showControls, k.controls);
        EXPECT_EQ(menu.showCredits, k.credits);
        if (!k.controls && !k.credits) continue;
        EXPECT_TRUE(r.menuOpen);

        // On a page only the back button answers.
        menu.processMousePosition(400, 230);
        EXPECT_FALSE(menu.startButton.isMouseOver);
        EXPECT_FALSE(menu.controlButton.isMouseOver);
        r = releaseAt(menu, 400, 230);
        EXPECT_TRUE(r.menuOpen) << "start does nothing on a page";
        EXPECT_FALSE(r.introRequested);
        r = releaseAt(menu, 400, 410);
        EXPECT_TRUE(menu.showControls || menu.showCredits) << "nor quit: still on the page";

        menu.processMouseDown(560, 530);
        EXPECT_TRUE(menu.backButton.isMouseDown);
        releaseAt(menu, 560, 530);
        EXPECT_FALSE(menu.showControls);
        EXPECT_FALSE(menu.showCredits);
        EXPECT_FALSE(menu.backButton.isMouseDown);
    }
}

// What reopening the menu during a game clears, and what it leaves.
TEST(MainMenu, ResetButtonsLeavesTheCreditsFlagAndTheStartAndCreditsButtons) {
    MainMenu menu;
    menu.setGameStarted(true);
    releaseAt(menu, 400, 320);
    ASSERT_TRUE(menu.showControls && menu.showCredits);
    for (Button* b : {&menu.startButton, &menu.resumeButton, &menu.controlButton, &menu.quitButton,
                      &menu.backButton, &menu.creditsButton}) {
        b->isMouseOver = true;
        b->isMouseDown = true;
    }
    menu.resetButtons();
    EXPECT_FALSE(menu.showControls);
    EXPECT_TRUE(menu.showCredits);
    for (Button* b : {&menu.resumeButton, &menu.controlButton, &menu.quitButton, &menu.backButton}) {
        EXPECT_FALSE(b->isMouseOver);
        EXPECT_FALSE(b->isMouseDown);
    }
    for (Button* b : {&menu.startButton, &menu.creditsButton}) {
        EXPECT_TRUE(b->isMouseOver);
        EXPECT_TRUE(b->isMouseDown);
    }
}

TEST(MainMenuDeathTest, QuitEndsTheProcessWithStatusZero) {
    for (int y : {410, 380, 440}) {  // 380: the row quit shares with credits
        MainMenu menu;
        EXPECT_EXIT(releaseAt(menu, 400, y), ::testing::ExitedWithCode(0), "") << "y " << y;
    }
    MainMenu menu;
    releaseAt(menu, 400, 441);
    EXPECT_FALSE(menu.showCredits) << "below quit: nothing";
}
