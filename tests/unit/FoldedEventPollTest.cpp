#include <gtest/gtest.h>

#include <SDL.h>

#include <cstdlib>
#include <vector>

#include "Controller/FoldedEventPoll.h"

namespace {

// SDL's event queue without a display.
class FoldedEventPollTest : public ::testing::Test {
protected:
    void SetUp() override {
        setenv("SDL_VIDEODRIVER", "dummy", 1);
        ASSERT_EQ(SDL_Init(SDL_INIT_VIDEO), 0) << SDL_GetError();
        SDL_Event drop;
        while (SDL_PollEvent(&drop)) {
        }
    }
    void TearDown() override { SDL_Quit(); }

    static void pushMotion(int x) {
        SDL_Event event = {};
        event.type = SDL_MOUSEMOTION;
        event.motion.type = SDL_MOUSEMOTION;
        event.motion.x = (Uint16)x;
        event.motion.xrel = 1;
        ASSERT_EQ(SDL_PushEvent(&event), 0);
    }
    static void pushKey(SDLKey sym) {
        SDL_Event event = {};
        event.type = SDL_KEYDOWN;
        event.key.type = SDL_KEYDOWN;
        event.key.keysym.sym = sym;
        ASSERT_EQ(SDL_PushEvent(&event), 0);
    }

    // What the main loop takes, one pass at a time.
    static std::vector<SDL_Event> drain() {
        std::vector<SDL_Event> taken;
        SDL_Event event;
        while (pollFoldedEvent(&event)) taken.push_back(event);
        return taken;
    }
};

}  // namespace

TEST_F(FoldedEventPollTest, ABurstOfMotionBeforeAKeyTakesOnePass) {
    for (int i = 1; i <= 100; i++) pushMotion(i);
    pushKey(SDLK_F12);
    std::vector<SDL_Event> taken = drain();
    ASSERT_EQ(taken.size(), 2u);
    EXPECT_EQ(taken[0].type, SDL_MOUSEMOTION);
    EXPECT_EQ(taken[0].motion.x, 100) << "the latest pointer position";
    EXPECT_EQ(taken[1].type, SDL_KEYDOWN);
    EXPECT_EQ(taken[1].key.keysym.sym, SDLK_F12);
}

TEST_F(FoldedEventPollTest, OtherEventsKeepTheirOrder) {
    pushKey(SDLK_a);
    pushMotion(1);
    pushKey(SDLK_b);
    pushMotion(2);
    pushMotion(3);
    pushKey(SDLK_c);
    std::vector<SDL_Event> taken = drain();
    ASSERT_EQ(taken.size(), 4u);
    EXPECT_EQ(taken[0].key.keysym.sym, SDLK_a);
    EXPECT_EQ(taken[1].type, SDL_MOUSEMOTION);
    EXPECT_EQ(taken[1].motion.x, 3);
    EXPECT_EQ(taken[2].key.keysym.sym, SDLK_b);
    EXPECT_EQ(taken[3].key.keysym.sym, SDLK_c);
}

TEST_F(FoldedEventPollTest, AnEmptyQueueGivesNothing) {
    SDL_Event event;
    EXPECT_FALSE(pollFoldedEvent(&event));
}
