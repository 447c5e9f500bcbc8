#include <gtest/gtest.h>

#include <SDL.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "Object/HeightMap/HeightMap.h"
#include "OpenGL/OpenGL.h"
#include "TexturesMeshes/TexturesMeshes.h"
#include "support/Bmp8.h"
#include "support/Fixtures.h"
#include "support/GLWindow.h"

namespace {

using Rgb = GLWindow::Rgb;

std::unique_ptr<TexturesMeshes> buildRegistry() {
    testing::internal::CaptureStderr();  // complaints about mesh files a fixture folder lacks
    std::unique_ptr<TexturesMeshes> registry(new TexturesMeshes());
    testing::internal::GetCapturedStderr();
    return registry;
}

// The game's fixed state and lights, and the light where the render pass
// puts it.
void gameLighting() {
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_CULL_FACE);
    glShadeModel(GL_SMOOTH);
    const GLfloat material[] = {0.1f, 0.5f, 0.8f, 1.0f};
    glMaterialfv(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE, material);
    const GLfloat white[] = {1, 1, 1, 1};
    glMaterialfv(GL_FRONT, GL_SPECULAR, white);
    glMaterialf(GL_FRONT, GL_SHININESS, 3.0f);
    glLightfv(GL_LIGHT0, GL_DIFFUSE, white);
    const GLfloat ambient[] = {0.5f, 0.5f, 0.5f, 1.0f};
    glLightModelfv(GL_LIGHT_MODEL_AMBIENT, ambient);
    glEnable(GL_LIGHTING);
    glEnable(GL_LIGHT0);
    glEnable(GL_COLOR_MATERIAL);
    // With Mesa, the white that a texture bind sets reaches the tracked
    // material only when the current colour was another one; in play some
    // earlier draw always left one.
    glColor3f(0.3f, 0.3f, 0.3f);
}

void placeLight() {
    const GLfloat position[] = {-272.532f, 100.833f, -176.003f, 1.0f};
    const GLfloat down[] = {0, -1, 0};
    glLightfv(GL_LIGHT0, GL_POSITION, position);
    glLightfv(GL_LIGHT0, GL_SPOT_DIRECTION, down);
}

// Straight down on the map, x to the right and -z up the screen, 50 pixels
// a unit, the origin at the middle of the window.
void topView() {
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(-8, 8, -6, 6, 1, 200);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    gluLookAt(0, 100, 0, 0, 0, 0, 0, 0, -1);
}

Rgb seenAt(GLWindow& window, float x, float z) {
    glFinish();
    return window.pixel((int)((x + 8) * 50), (int)((6 - z) * 50));
}

bool near(Rgb got, Rgb want) {
    const int tolerance = 2;
    return std::abs(got.r - want.r) <= tolerance && std::abs(got.g - want.g) <= tolerance &&
           std::abs(got.b - want.b) <= tolerance;
}

class HeightMapInWindow : public ::testing::Test {
protected:
    GLWindow window;
    TempFolder folder;
    WorkingDirectory inFolder{folder.path()};

    void SetUp() override { ASSERT_TRUE(window.isOpen()) << window.getError(); }
};

// Side 16 (x and z from -8 to 7): a plateau at height 10 over samples 5 to
// 10 on flat ground at 0. The cells climbing it are cliffs.
std::vector<uint8_t> plateau() {
    std::vector<uint8_t> bytes(16 * 16, 2);
    for (int j = 5; j <= 10; ++j) {
        for (int i = 5; i <= 10; ++i) bytes[j * 16 + i] = 50;
    }
    return bytes;
}

TEST_F(HeightMapInWindow, EachWorldTypeDrawsItsGroundAndCliffTextures) {
    struct File {
        const char* path;
        Rgb colour;
    } files[] = {
        {"Textures/ground1.bmp", {40, 160, 40}},     {"Textures/cliffTexture.bmp", {150, 100, 60}},
        {"Textures/lavaRock.bmp", {70, 60, 60}},     {"Textures/hotLava.bmp", {230, 90, 10}},
        {"Textures/snowTexture.bmp", {240, 240, 250}}, {"Textures/iceTextureSide.bmp", {120, 180, 220}},
        {"Textures/mysticTop.bmp", {110, 60, 140}},  {"Textures/mysticSide.bmp", {60, 40, 90}},
        {"Textures/dirt.bmp", {120, 90, 50}},
    };
    for (const File& f : files) folder.writeBmp24(f.path, 8, 8, f.colour.r, f.colour.g, f.colour.b);
    writeBmp8(folder, "HeightMap/plateau.bmp", 16, 16, plateau());
    std::unique_ptr<TexturesMeshes> registry = buildRegistry();
    HeightMap map("HeightMap/plateau.bmp", 16, registry.get(), registry->islandHomeMiniMapTexture);

    struct Case {
        WorldType type;
        int ground, cliff;  // indices into files
    } cases[] = {
        {GRASS_WORLD, 0, 1}, {LAVA_WORLD, 2, 3}, {SNOW_WORLD, 4, 5}, {MYSTIC_WORLD, 6, 7}, {DIRT_WORLD, 8, 8},
    };
    topView();
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_CULL_FACE);  // the terrain faces up
    glDisable(GL_LIGHTING);  // plain texture colours
    for (const Case& c : cases) {
        SCOPED_TRACE(c.type);
        glClearColor(0, 0, 0, 1);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        map.setWorldType(c.type);
        map.draw();
        EXPECT_EQ(glGetError(), (GLenum)GL_NO_ERROR);
        Rgb ground = files[c.ground].colour, cliff = files[c.cliff].colour;
        EXPECT_PRED2(near, seenAt(window, -6.5f, 0.5f), ground) << "the flat ground";
        EXPECT_PRED2(near, seenAt(window, -0.5f, -0.5f), ground) << "the plateau top";
        EXPECT_PRED2(near, seenAt(window, -3.5f, -0.5f), cliff) << "the climb on the left";
        EXPECT_PRED2(near, seenAt(window, 2.5f, 1.5f), cliff) << "the climb on the right";
        EXPECT_PRED2(near, seenAt(window, 0.5f, 2.5f), cliff) << "the climb at the back";
    }

    // What the terrain leaves behind for the next draw.
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
    GLfloat emission[4], specular[4], shininess = 0;
    glGetMaterialfv(GL_FRONT, GL_EMISSION, emission);
    glGetMaterialfv(GL_FRONT, GL_SPECULAR, specular);
    glGetMaterialfv(GL_FRONT, GL_SHININESS, &shininess);
    for (int k = 0; k < 4; ++k) {
        EXPECT_EQ(emission[k], 0.0f);
        EXPECT_EQ(specular[k], 1.0f);
    }
    EXPECT_EQ(shininess, 3.0f);
}

TEST_F(HeightMapInWindow, CliffsGlowWarmUnderTheGameLights) {
    folder.writeBmp24("Textures/ground1.bmp", 8, 8, 128, 128, 128);
    folder.writeBmp24("Textures/cliffTexture.bmp", 8, 8, 128, 128, 128);
    writeBmp8(folder, "HeightMap/plateau.bmp", 16, 16, plateau());
    std::unique_ptr<TexturesMeshes> registry = buildRegistry();
    HeightMap map("HeightMap/plateau.bmp", 16, registry.get(), registry->islandHomeMiniMapTexture);

    gameLighting();
    topView();
    placeLight();
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    map.draw();
    EXPECT_EQ(glGetError(), (GLenum)GL_NO_ERROR);
    // One grey picture for both: the ground stays grey, the cliffs' own
    // glow makes them warmer (more red than blue).
    Rgb ground = seenAt(window, -0.5f, -0.5f);
    Rgb cliff = seenAt(window, 2.5f, 1.5f);
    EXPECT_LE(std::abs(ground.r - ground.b), 2) << ground;
    EXPECT_GT(ground.r, 40) << ground;
    EXPECT_GT(cliff.r - cliff.b, 15) << cliff;
}

// Side 80: rolling ground with cliffs, a lake-shaped hole and a missing
// corner, so that both buffers and the skirts take part.
std::vector<uint8_t> hills() {
    std::vector<uint8_t> bytes(80 * 80);
    for (int j = 0; j < 80; ++j) {
        for (int i = 0; i < 80; ++i) {
            int height = 30 + (int)(20 * std::sin(i * 0.2) * std::cos(j * 0.15)) + ((i / 9 + j / 7) % 3 == 0 ? 25 : 0);
            bool hole = (i - 50) * (i - 50) + (j - 30) * (j - 30) < 64 || (i < 10 && j < 10);
            bytes[j * 80 + i] = hole ? 0 : (uint8_t)height;
        }
    }
    return bytes;
}

// Sees the whole buffers drawn, to compare with the usual draw.
class WholeHeightMap : public HeightMap {
public:
    using HeightMap::HeightMap;
    void drawWhole() {
        buildBuffers();
        gentleBuffer.drawVertexBuffer();
        steepBuffer.drawVertexBuffer();
    }
    void drawInView() { drawForShadow(); }
    size_t blocksInView() {
        std::vector<char> visible;
        findVisibleBlocks(visible);
        size_t count = 0;
        for (char v : visible) count += v != 0;
        return count;
    }
    size_t blocks() { return (size_t)blocksPerSide * blocksPerSide; }
};

TEST_F(HeightMapInWindow, DrawingOnlyTheBlocksInViewKeepsThePicture) {
    writeBmp8(folder, "HeightMap/hills.bmp", 80, 80, hills());
    std::unique_ptr<TexturesMeshes> registry = buildRegistry();
    WholeHeightMap map("HeightMap/hills.bmp", 80, registry.get(), registry->islandHomeMiniMapTexture);

    struct View {
        const char* name;
        double fov, eye[3], centre[3];
        bool culls;  // whether some block lies outside
    } views[] = {
        {"from above, all of it", 60, {0, 120, 1}, {0, 0, 0}, false},
        {"standing in the middle, looking along z", 45, {0, 12, 0}, {0, 8, -30}, true},
        {"standing at a corner, looking inwards", 45, {-35, 15, -35}, {0, 0, 0}, true},
        {"close to the hole's skirts", 45, {10, 6, -2}, {12, -5, -12}, true},
        {"narrow, far out", 10, {150, 40, 150}, {0, 0, 0}, true},
        {"from below", 45, {5, -30, 5}, {0, 0, 0}, true},
    };
    gameLighting();
    placeLight();
    for (const View& view : views) {
        SCOPED_TRACE(view.name);
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        gluPerspective(view.fov, 4.0 / 3.0, 0.1, 1000);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        gluLookAt(view.eye[0], view.eye[1], view.eye[2], view.centre[0], view.centre[1], view.centre[2], 0, 1, 0);
        placeLight();
        size_t inWholeView = 0;
        // Also through a scissor box, as inside a portal's opening.
        for (bool scissored : {false, true}) {
            SCOPED_TRACE(scissored ? "scissored" : "whole window");
            if (scissored) {
                glScissor(330, 240, 120, 90);
                glEnable(GL_SCISSOR_TEST);
            }
            std::vector<unsigned char> pictures[2];
            for (int whole = 0; whole < 2; ++whole) {
                glClearColor(0, 0, 0, 1);
                glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
                whole ? map.drawWhole() : map.drawInView();
                glFinish();
                pictures[whole] = window.readPixels(0, 0, GLWindow::width, GLWindow::height);
            }
            EXPECT_EQ(glGetError(), (GLenum)GL_NO_ERROR);
            size_t lit = 0, differing = 0;
            for (size_t p = 0; p < pictures[1].size(); ++p) {
                lit += pictures[1][p] != 0;
                differing += pictures[0][p] != pictures[1][p];
            }
            EXPECT_EQ(differing, 0u);
            size_t inView = map.blocksInView();
            glDisable(GL_SCISSOR_TEST);
            if (scissored) {
                EXPECT_LT(inView, inWholeView) << "the box sees less";
                continue;
            }
            inWholeView = inView;
            EXPECT_GT(lit, pictures[1].size() / 20) << "the terrain is in the picture";
            EXPECT_GT(inView, 0u);
            if (view.culls) {
                EXPECT_LT(inView, map.blocks());
            } else {
                EXPECT_EQ(inView, map.blocks());
            }
        }
    }
}

// Mean colour of a picture of the pack.
Rgb meanColour(const std::string& path) {
    SDL_Surface* loaded = SDL_LoadBMP(path.c_str());
    if (loaded == nullptr) return Rgb{-1, -1, -1};
    SDL_Surface* rgb = SDL_CreateRGBSurface(SDL_SWSURFACE, loaded->w, loaded->h, 32, 0xFF, 0xFF00, 0xFF0000, 0);
    SDL_BlitSurface(loaded, nullptr, rgb, nullptr);
    double sum[3] = {0, 0, 0};
    SDL_LockSurface(rgb);
    for (int y = 0; y < rgb->h; ++y) {
        const Uint8* row = (const Uint8*)rgb->pixels + y * rgb->pitch;
        for (int x = 0; x < rgb->w; ++x) {
            for (int k = 0; k < 3; ++k) sum[k] += row[4 * x + k];
        }
    }
    SDL_UnlockSurface(rgb);
    double n = (double)rgb->w * rgb->h;
    Rgb mean{(int)(sum[0] / n), (int)(sum[1] / n), (int)(sum[2] / n)};
    SDL_FreeSurface(rgb);
    SDL_FreeSurface(loaded);
    return mean;
}

// The share of each channel in the colour: lighting scales it, the hue stays.
void chroma(int r, int g, int b, double out[3]) {
    double sum = r + g + b + 1e-9;
    out[0] = r / sum;
    out[1] = g / sum;
    out[2] = b / sum;
}

double chromaDistance(const double a[3], const double b[3]) {
    return std::sqrt((a[0] - b[0]) * (a[0] - b[0]) + (a[1] - b[1]) * (a[1] - b[1]) + (a[2] - b[2]) * (a[2] - b[2]));
}

TEST(HeightMapFromThePack, HomeIslandShowsGroundAndCliffs) {
    const char* data = std::getenv("TAVIR_DATA_DIR");
    std::string pack = data ? data : "";
    if (pack.empty() || !std::filesystem::exists(pack + "/HeightMap/islandHomeHeightMap.bmp") ||
        !std::filesystem::exists(pack + "/Textures/ground1.bmp")) {
        GTEST_SKIP() << "no home island height map and ground textures in the asset pack (TAVIR_DATA_DIR) yet";
    }
    GLWindow window;
    ASSERT_TRUE(window.isOpen()) << window.getError();
    WorkingDirectory inPack(pack);
    std::unique_ptr<TexturesMeshes> registry = buildRegistry();
    HeightMap map("HeightMap/islandHomeHeightMap.bmp", 200, registry.get(), registry->islandHomeMiniMapTexture);
    map.setWorldType(GRASS_WORLD);

    gameLighting();
    glEnable(GL_TEXTURE_2D);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(45, 4.0 / 3.0, 0.1, 1000);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    gluLookAt(0, 150, 190, 0, 0, 0, 0, 1, 0);
    placeLight();
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    map.draw();
    EXPECT_EQ(glGetError(), (GLenum)GL_NO_ERROR);
    glFinish();

    Rgb groundMean = meanColour("Textures/ground1.bmp"), cliffMean = meanColour("Textures/cliffTexture.bmp");
    double groundHue[3], cliffHue[3];
    chroma(groundMean.r, groundMean.g, groundMean.b, groundHue);
    chroma(cliffMean.r, cliffMean.g, cliffMean.b, cliffHue);
    ASSERT_GT(chromaDistance(groundHue, cliffHue), 0.08) << "ground " << groundMean << " and cliff " << cliffMean
                                                         << " pictures are too alike to tell apart";

    std::vector<unsigned char> picture = window.readPixels(0, 0, GLWindow::width, GLWindow::height);
    long ground = 0, cliff = 0, terrain = 0;
    for (size_t p = 0; p < picture.size(); p += 3) {
        int r = picture[p], g = picture[p + 1], b = picture[p + 2];
        if (r + g + b < 24) continue;  // background
        ++terrain;
        double hue[3];
        chroma(r, g, b, hue);
        double toGround = chromaDistance(hue, groundHue), toCliff = chromaDistance(hue, cliffHue);
        (toGround < toCliff ? ground : cliff) += 1;
    }
    long frame = (long)GLWindow::width * GLWindow::height;
    EXPECT_GT(terrain, frame / 4) << "the island fills much of the view";
    // Mostly grass, with the coast's skirts and the slopes in cliff colours.
    EXPECT_GT(ground, terrain / 2) << ground << " ground pixels of " << terrain;
    EXPECT_GT(cliff, terrain / 20) << cliff << " cliff pixels of " << terrain;
}

}  // namespace
