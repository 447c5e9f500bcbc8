#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "HeadsUpDisplay/ScreenPictureCover.h"
#include "OpenGL/OpenGL.h"
#include "ScreenProjection/ScreenProjection.h"
#include "Texture/Texture.h"
#include "support/Fixtures.h"
#include "support/GLWindow.h"

namespace {

// A busy frame to draw over: every pixel differs from its neighbours.
void drawBackground() {
    glDisable(GL_BLEND);
    glDisable(GL_TEXTURE_2D);
    glBegin(GL_QUADS);
    for (int y = 0; y < 600; y += 10) {
        for (int x = 0; x < 800; x += 10) {
            glColor3ub((GLubyte)(x * 7 + y), (GLubyte)(y * 3 + x / 2), (GLubyte)(x ^ y));
            glVertex2f((float)x, (float)y);
            glVertex2f((float)x, (float)y + 10);
            glVertex2f((float)x + 10, (float)y + 10);
            glVertex2f((float)x + 10, (float)y);
        }
    }
    glEnd();
}

// The frame after the picture is drawn as the heads-up display draws it,
// through its cover or as one whole quad.
std::vector<unsigned char> frameWith(GLWindow& window, Texture& texture, ScreenPictureCover* cover) {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_LIGHTING);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    ScreenProjection::push();
    drawBackground();
    glEnable(GL_BLEND);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glColor4f(1, 1, 1, 1);
    if (cover) {
        cover->drawFullScreen(texture);
    } else {
        ScreenPictureCover unknown;
        unknown.drawFullScreen(texture);
    }
    ScreenProjection::pop();
    glFinish();
    EXPECT_FALSE(glIsEnabled(GL_SCISSOR_TEST));
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
    return window.readPixels(0, 0, GLWindow::width, GLWindow::height);
}

TEST(ScreenPictureCoverInWindow, DrawingOnlyInsideTheBoxesKeepsTheFrameExactly) {
    GLWindow window;
    ASSERT_TRUE(window.isOpen()) << window.getError();
    TempFolder folder;
    // Magenta but for small marks: at tile corners, at the edges (the texture
    // repeats, so a mark at one edge reaches over the other), and a soft
    // gradient block.
    std::vector<uint8_t> rgb(800 * 600 * 3);
    for (size_t p = 0; p < 800 * 600; ++p) {
        rgb[3 * p] = 255;
        rgb[3 * p + 1] = 0;
        rgb[3 * p + 2] = 255;
    }
    auto mark = [&](int x, int y, uint8_t r, uint8_t g, uint8_t b) {
        uint8_t* p = &rgb[((size_t)y * 800 + x) * 3];
        p[0] = r;
        p[1] = g;
        p[2] = b;
    };
    const int marks[][2] = {{15, 15}, {16, 16}, {400, 287}, {799, 0}, {0, 599}, {531, 300}, {240, 599}};
    for (const auto& m : marks) mark(m[0], m[1], 250, 250, 10);
    for (int y = 100; y < 140; ++y) {
        for (int x = 600; x < 700; ++x) mark(x, y, (uint8_t)(x - 600), 40, (uint8_t)(2 * (y - 100)));
    }
    folder.writeBmp24("marks.bmp", 800, 600, rgb);

    std::vector<std::string> pictures = {folder.path("marks.bmp")};
    const char* data = std::getenv("TAVIR_DATA_DIR");
    for (const char* name : {"hudFrame", "minimapBack", "minimapFront", "itemProximityFrame"}) {
        std::string path = std::string(data ? data : "") + "/Textures/HUD/" + name + ".bmp";
        if (data && std::filesystem::exists(path)) pictures.push_back(path);
    }
    for (const std::string& path : pictures) {
        SCOPED_TRACE(path);
        Texture texture(path.c_str());
        ScreenPictureCover cover;
        ASSERT_TRUE(cover.readPicture(texture));
        long covered = 0;
        for (const ScreenPictureCover::Box& b : cover.getBoxes()) covered += (long)b.width * b.height;
        EXPECT_LT(covered, 800L * 600 / 2) << "the picture is mostly transparent";
        std::vector<unsigned char> whole = frameWith(window, texture, nullptr);
        std::vector<unsigned char> boxed = frameWith(window, texture, &cover);
        size_t differing = 0;
        for (size_t k = 0; k < whole.size(); ++k) differing += whole[k] != boxed[k];
        EXPECT_EQ(differing, 0u);
        EXPECT_EQ(glGetError(), (GLenum)GL_NO_ERROR);
    }

    // A picture that cannot be read leaves the cover unknown, drawn whole.
    Texture missing(folder.path("missing.bmp").c_str());
    ScreenPictureCover unknown;
    testing::internal::CaptureStdout();
    EXPECT_FALSE(unknown.readPicture(missing));
    testing::internal::GetCapturedStdout();
    EXPECT_FALSE(unknown.isKnown());
}

}  // namespace
