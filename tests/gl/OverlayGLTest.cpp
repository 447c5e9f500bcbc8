// The render pass's one 2D overlay in a real window: which picture wins,
// that it lands where the pack's pictures say, and that it hands the 3D
// state back as it found it.
#include <gtest/gtest.h>

#include <SDL.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "Controller/Controller.h"
#include "OpenGL/OpenGL.h"
#include "support/GLWindow.h"
#include "support/GameFolder.h"

namespace {

// A picture of the pack as RGB rows, top row first.
struct Picture {
    int w = 0, h = 0;
    std::vector<unsigned char> rgb;

    explicit Picture(const std::string& path) {
        SDL_Surface* loaded = SDL_LoadBMP(path.c_str());
        if (!loaded) return;
        SDL_Surface* like = SDL_CreateRGBSurface(SDL_SWSURFACE, 1, 1, 32, 0x000000FF, 0x0000FF00, 0x00FF0000, 0);
        SDL_Surface* plain = SDL_ConvertSurface(loaded, like->format, SDL_SWSURFACE);
        w = plain->w;
        h = plain->h;
        SDL_LockSurface(plain);
        for (int y = 0; y < h; y++) {
            const unsigned char* row = (const unsigned char*)plain->pixels + y * plain->pitch;
            for (int x = 0; x < w; x++) rgb.insert(rgb.end(), row + 4 * x, row + 4 * x + 3);
        }
        SDL_UnlockSurface(plain);
        SDL_FreeSurface(plain);
        SDL_FreeSurface(like);
        SDL_FreeSurface(loaded);
    }
};

// Mean difference per colour channel (0 to 255) between the screen region
// at (left, top) the size of the picture, `inset` pixels in from its edges,
// and the picture. Screen coordinates: origin top left.
double distance(const GLWindow& window, const Picture& picture, int left, int top, int inset) {
    std::vector<unsigned char> screen = window.readPixels(0, 0, GLWindow::width, GLWindow::height);
    double sum = 0;
    long count = 0;
    for (int y = inset; y < picture.h - inset; y += 2) {
        int screenRow = GLWindow::height - 1 - (top + y);
        for (int x = inset; x < picture.w - inset; x += 2) {
            const unsigned char* s = &screen[((size_t)screenRow * GLWindow::width + left + x) * 3];
            const unsigned char* p = &picture.rgb[((size_t)y * picture.w + x) * 3];
            for (int c = 0; c < 3; c++) sum += std::abs((int)s[c] - (int)p[c]);
            count += 3;
        }
    }
    return count ? sum / count : 1e9;
}

GLint stackDepth(GLenum which) {
    GLint depth = 0;
    glGetIntegerv(which, &depth);
    return depth;
}

}  // namespace

TEST(OverlayInWindow, MenuThenIntroThenGameOverAndThe3DStateIsHandedBack) {
    GLWindow window;
    ASSERT_TRUE(window.isOpen()) << window.getError();
    GameFolder folder;
    const char* data = std::getenv("TAVIR_DATA_DIR");
    ASSERT_TRUE(data);
    std::filesystem::create_directory_symlink(std::string(data) + "/Story", "Story");
    std::filesystem::create_directories("Textures");
    std::filesystem::create_directory_symlink(std::string(data) + "/Textures/MainMenu", "Textures/MainMenu");
    Picture intro("Story/IntroStory.bmp"), gameOver("Story/GameOverStory.bmp");
    Picture startUp("Textures/MainMenu/startButtonUp.bmp");
    Picture resumeUp("Textures/MainMenu/resumeButtonUp.bmp");
    ASSERT_TRUE(intro.w == 800 && gameOver.w == 800 && startUp.w == 220 && resumeUp.w == 220);

    testing::internal::CaptureStdout();
    Controller& c = *keepForTheProcess(new Controller());
    testing::internal::GetCapturedStdout();
    // The fixed state the game sets at start, without its audio.
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_TEXTURE_2D);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    c.initLighting();

    struct Case {
        const char* name;
        bool menu, intro, gameOver;
    };
    const Case cases[] = {
        {"all three", true, true, true},
        {"intro and game over", false, true, true},
        {"game over", false, false, true},
        {"the heads-up display's turn", false, false, false},
    };
    // Close to the picture drawn, far from the others (mean channel
    // difference: a scaled texture stays within a few steps, the dark
    // game-over picture is some 25 from an empty screen).
    const double same = 10.0, different = 15.0;
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        c.inMainMenu = k.menu;
        c.introScreen = k.intro;
        c.isGameOver = k.gameOver;
        glClearColor(0, 0, 0, 0);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glLoadIdentity();
        GLint projection = stackDepth(GL_PROJECTION_STACK_DEPTH);
        GLint modelView = stackDepth(GL_MODELVIEW_STACK_DEPTH);

        c.drawOverlay();

        EXPECT_EQ(stackDepth(GL_PROJECTION_STACK_DEPTH), projection);
        EXPECT_EQ(stackDepth(GL_MODELVIEW_STACK_DEPTH), modelView);
        GLint mode = 0;
        glGetIntegerv(GL_MATRIX_MODE, &mode);
        EXPECT_EQ(mode, GL_MODELVIEW);
        EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));
        EXPECT_TRUE(glIsEnabled(GL_LIGHTING));
        EXPECT_EQ(glGetError(), (GLenum)GL_NO_ERROR);

        double toIntro = distance(window, intro, 0, 0, 0);
        double toGameOver = distance(window, gameOver, 0, 0, 0);
        double toStart = distance(window, startUp, 290, 200, 8);
        if (k.menu) {
            EXPECT_LT(toStart, same);
            EXPECT_LT(toStart, distance(window, resumeUp, 290, 200, 8)) << "no resume before a game";
        } else {
            EXPECT_GT(toStart, different);
        }
        if (!k.menu && k.intro) {
            EXPECT_LT(toIntro, same);
        } else {
            EXPECT_GT(toIntro, different);
        }
        if (!k.menu && !k.intro && k.gameOver) {
            EXPECT_LT(toGameOver, same);
        } else {
            EXPECT_GT(toGameOver, different);
        }
    }

    // Once a game has begun the menu offers resume over start.
    c.inMainMenu = true;
    c.mainMenu.setGameStarted(true);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    c.drawOverlay();
    double toResume = distance(window, resumeUp, 290, 200, 8);
    EXPECT_LT(toResume, same);
    EXPECT_LT(toResume, distance(window, startUp, 290, 200, 8));
}
