#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "Billboard/Billboard.h"
#include "Camera/Camera.h"
#include "Object/Character/ForestSpirit/Hero/Hero.h"
#include "Mesh/Mesh.h"
#include "ObjLoader/objLoader.h"
#include "Object/StaticObject/StaticObject.h"
#include "Object/Volcano/Volcano.h"
#include "OpenGL/OpenGL.h"
#include "Particle/DissolveParticle/DissolveParticle.h"
#include "Particle/Particle.h"
#include "QuestPoint/QuestPoint.h"
#include "SkyBox/SkyBox.h"
#include "Texture/Texture.h"
#include "TexturesMeshes/TexturesMeshes.h"
#include "Water/Water.h"
#include "Waterfall/Waterfall.h"
#include "support/Fixtures.h"
#include "support/GLWindow.h"

namespace {

using Rgb = GLWindow::Rgb;

bool near(Rgb got, Rgb want, int tolerance = 3) {
    return std::abs(got.r - want.r) <= tolerance && std::abs(got.g - want.g) <= tolerance &&
           std::abs(got.b - want.b) <= tolerance;
}

// The whole back buffer, origin bottom-left.
class Frame {
public:
    explicit Frame(const GLWindow& window) : pixels(window.readPixels(0, 0, GLWindow::width, GLWindow::height)) {}
    Rgb at(int x, int y) const {
        const unsigned char* p = &pixels[((size_t)y * GLWindow::width + x) * 3];
        return Rgb{p[0], p[1], p[2]};
    }

private:
    std::vector<unsigned char> pixels;
};

// Where a particle batch drew: the pixels that differ from a frame drawn
// without the particles.
struct Spray {
    int count = 0;
    int top = -1, bottom = GLWindow::height, left = GLWindow::width, right = -1;
    long red = 0, green = 0, blue = 0;
};

Spray sprayBetween(const Frame& without, const Frame& with) {
    Spray s;
    for (int y = 0; y < GLWindow::height; y++) {
        for (int x = 0; x < GLWindow::width; x++) {
            Rgb a = without.at(x, y), b = with.at(x, y);
            if (near(a, b, 24)) continue;
            s.count++;
            s.top = std::max(s.top, y);
            s.bottom = std::min(s.bottom, y);
            s.left = std::min(s.left, x);
            s.right = std::max(s.right, x);
            s.red += b.r;
            s.green += b.g;
            s.blue += b.b;
        }
    }
    return s;
}

// A window with the game's fixed state: its perspective, depth test,
// back-face culling, texturing and blend function.
class SceneryInWindow : public ::testing::Test {
protected:
    GLWindow window;

    void SetUp() override {
        ASSERT_TRUE(window.isOpen()) << window.getError();
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        gluPerspective(45, 4.0 / 3.0, 0.1, 1000);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        glEnable(GL_DEPTH_TEST);
        glEnable(GL_CULL_FACE);
        glEnable(GL_TEXTURE_2D);
        glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
        glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
        glAlphaFunc(GL_GREATER, 0.1f);
        glClearColor(0, 0, 0, 1);
    }

    void look(Vector3D eye, Vector3D centre, Vector3D up) {
        camera.setEye(eye);
        camera.setCenter(centre);
        camera.setUp(up);
        glLoadIdentity();
        gluLookAt(eye.x, eye.y, eye.z, centre.x, centre.y, centre.z, up.x, up.y, up.z);
    }

    void clear() { glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT); }

    // The world's particles as the controller runs them: after the emitters,
    // each updated once a frame and dropped when its life is up; the rest
    // drawn blended, facing the camera.
    void stepParticles() {
        for (size_t i = 0; i < particles.size();) {
            particles[i]->update();
            if (particles[i]->getLifeTimeLeft() < 1) {
                delete particles[i];
                particles.erase(particles.begin() + i);
            } else {
                i++;
            }
        }
    }
    void drawParticles() {
        glDisable(GL_LIGHTING);
        glEnable(GL_BLEND);
        Billboard billboard(&camera, &hero);
        for (Particle* particle : particles) particle->draw(&billboard);
        glDisable(GL_BLEND);
    }

    // Window coordinates of a world point under the current matrices.
    void project(Vector3D p, double& x, double& y) {
        GLdouble model[16], projection[16], z;
        GLint viewport[4];
        glGetDoublev(GL_MODELVIEW_MATRIX, model);
        glGetDoublev(GL_PROJECTION_MATRIX, projection);
        glGetIntegerv(GL_VIEWPORT, viewport);
        gluProject(p.x, p.y, p.z, model, projection, viewport, &x, &y, &z);
    }

    void TearDown() override {
        for (Particle* particle : particles) delete particle;
    }

    Camera camera;
    Hero hero;
    std::vector<Particle*> particles;
};

// The generated asset pack, or a skip when the build has not made it.
std::string packOrEmpty() {
    const char* data = std::getenv("TAVIR_DATA_DIR");
    if (!data || !std::filesystem::exists(std::string(data) + "/ObjFiles/volcano.obj")) return "";
    return data;
}

std::unique_ptr<TexturesMeshes> buildRegistry() {
    testing::internal::CaptureStderr();
    std::unique_ptr<TexturesMeshes> registry(new TexturesMeshes());
    testing::internal::GetCapturedStderr();
    return registry;
}

TEST_F(SceneryInWindow, VolcanoThrowsLavaUpFromItsCrater) {
    std::string pack = packOrEmpty();
    if (pack.empty()) GTEST_SKIP() << "no asset pack (TAVIR_DATA_DIR)";
    WorkingDirectory inPack(pack);
    std::unique_ptr<TexturesMeshes> registry = buildRegistry();
    Volcano volcano(Vector3D(0, 0, 0), registry->volcanoMesh, registry->hotLavaTexture);

    look(Vector3D(0, 6, 40), Vector3D(0, 6, 0), Vector3D(0, 1, 0));
    clear();
    volcano.draw();
    Frame mountain(window);
    double craterX, craterY, baseX, baseY;
    project(Vector3D(0, 4, 0), craterX, craterY);
    project(Vector3D(7, 0, 0), baseX, baseY);
    double unit = (baseX - craterX) / 7;  // pixels per world unit, about 18
    ASSERT_NEAR(craterX, 400, 1);

    std::vector<Spray> frames;
    for (int frame = 0; frame < 15; frame++) {
        volcano.update(&particles);
        stepParticles();
        clear();
        volcano.draw();
        drawParticles();
        frames.push_back(sprayBetween(mountain, Frame(window)));
    }
    EXPECT_EQ(glGetError(), (GLenum)GL_NO_ERROR);

    const Spray& first = frames.front();
    const Spray& last = frames.back();
    ASSERT_GT(first.count, 50) << "the first batch shows at once";
    EXPECT_LT(first.top, craterY + 2 * unit) << "it starts at the crater";
    EXPECT_GT(first.bottom, craterY - unit);
    EXPECT_GT(last.top, first.top + 1.5 * unit) << "the lava rises";
    EXPECT_GT(last.count, 2 * first.count) << "batch after batch";
    for (const Spray& s : frames) {
        EXPECT_GT(s.bottom, craterY - unit) << "nothing below the crater yet";
        EXPECT_GT(s.left, craterX - 3 * unit) << "a narrow column";
        EXPECT_LT(s.right, craterX + 3 * unit);
    }
    // The lava texture's glow: red over green over blue.
    EXPECT_GT(last.red, last.green);
    EXPECT_GT(last.green, last.blue);
}

TEST_F(SceneryInWindow, WaterfallSprayFallsFromTheCrestTowardsItsSide) {
    std::string pack = packOrEmpty();
    if (pack.empty()) GTEST_SKIP() << "no asset pack (TAVIR_DATA_DIR)";
    WorkingDirectory inPack(pack);
    std::unique_ptr<TexturesMeshes> registry = buildRegistry();
    Waterfall waterfall(1, registry->waterTexture1, registry->waterTexture3);

    // Face the crest from 25 units out on the side the spray leaves by, at
    // the crest's own height: the crest lies on the middle row.
    Vector3D mid = waterfall.start.add(&waterfall.end).multiply(0.5);
    Vector3D out = waterfall.side.getUnitVector();
    Vector3D outward = out.multiply(25);
    look(mid.add(&outward), mid, Vector3D(0, 1, 0));
    clear();
    Frame empty(window);

    const int frames = 8;
    for (int frame = 0; frame < frames; frame++) {
        waterfall.update(&particles);
        stepParticles();
    }
    clear();
    drawParticles();
    EXPECT_EQ(glGetError(), (GLenum)GL_NO_ERROR);
    Spray spray = sprayBetween(empty, Frame(window));

    // Everything between the crest's ends as the spray comes closer.
    Vector3D travelled = out.multiply(0.6 * frames);
    double x[4], y;
    project(waterfall.start, x[0], y);
    project(waterfall.end, x[1], y);
    project(waterfall.start.add(&travelled), x[2], y);
    project(waterfall.end.add(&travelled), x[3], y);
    double left = *std::min_element(x, x + 4), right = *std::max_element(x, x + 4);
    ASSERT_GT(spray.count, 300);
    EXPECT_LT(spray.top, 300 + 30) << "nothing above the crest but half a drop";
    EXPECT_LT(spray.bottom, 200) << "the spray falls";
    EXPECT_GT(spray.left, left - 25);
    EXPECT_LT(spray.right, right + 25);
    EXPECT_GT(spray.right - spray.left, (right - left) / 2) << "along the whole crest";
}

// An untextured puff seen from off the axes: a square of its own size turned
// to the viewer, white at 0.9; gone once its size has run out.
TEST_F(SceneryInWindow, ParticleFacesTheViewerWhileItHasSize) {
    Vector3D at(2, 1, -3);
    DissolveParticle* puff = new DissolveParticle(&at);
    puff->velocity = Vector3D(0, 0, 0);  // held in place to be measured
    particles.push_back(puff);
    look(Vector3D(2 + 12, 1, -3 + 9), at, Vector3D(0, 1, 0));  // 15 away, 37 degrees off the x axis
    double centreX, centreY, edgeX, edgeY;
    project(at, centreX, centreY);
    Vector3D across(-0.6f, 0, 0.8f);  // square to the line of sight
    Vector3D edge = at.add(&across);
    project(edge, edgeX, edgeY);
    double unit = std::hypot(edgeX - centreX, edgeY - centreY);

    for (int updates = 0; updates < 7; updates++, puff->update()) {
        SCOPED_TRACE(testing::Message() << updates << " updates, size " << puff->size);
        clear();
        drawParticles();
        EXPECT_EQ(glGetError(), (GLenum)GL_NO_ERROR);
        Frame frame(window);
        int lit = 0, left = 800, right = -1, bottom = 600, top = -1;
        for (int y = 0; y < 600; y++) {
            for (int x = 0; x < 800; x++) {
                Rgb c = frame.at(x, y);
                if (c == Rgb{0, 0, 0}) continue;
                EXPECT_TRUE(near(c, Rgb{230, 230, 230}, 2)) << c;
                lit++;
                left = std::min(left, x), right = std::max(right, x);
                bottom = std::min(bottom, y), top = std::max(top, y);
            }
        }
        if (puff->size <= 0) {
            EXPECT_EQ(lit, 0) << "no size, nothing drawn";
            continue;
        }
        double side = 2 * puff->size * unit;
        if (side < 4) continue;  // the vanishing square of the sixth frame
        EXPECT_NEAR(right - left + 1, side, 2.5) << "as wide as its size";
        EXPECT_NEAR(top - bottom + 1, side, 2.5) << "and as high: it faces the viewer";
        EXPECT_NEAR((left + right + 1) / 2.0, centreX, 1.5);
        EXPECT_NEAR((bottom + top + 1) / 2.0, centreY, 1.5);
    }
}

// Two buildings sharing one mesh, an arm from x = 1 to 3 lying flat, seen
// from straight above at 40 pixels a unit: the second is turned a quarter
// about y. Hiding one hides both, but the inventory still draws them.
TEST_F(SceneryInWindow, StaticObjectsDrawTurnedAndHideTogether) {
    TempFolder folder;
    folder.writeText("arm.obj",
                     "v 1 0 -0.5\nv 1 0 0.5\nv 3 0 0.5\nv 3 0 -0.5\nvn 0 1 0\n"
                     "f 1//1 2//1 3//1\nf 1//1 3//1 4//1\n");
    WorkingDirectory inFolder(folder.path());
    Mesh* arm = objLoader::loadObj("arm.obj");
    PolygonColor red;
    red.setGreen(0);
    red.setBlue(0);
    arm->setColor(red);
    StaticObject house, turned;
    house.addMesh(arm);
    house.setPosition(Vector3D(-5, 0, 0));
    turned.addMesh(arm);
    turned.setPosition(Vector3D(5, 0, 0));
    turned.setRotationAngleDegrees(90);

    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(-10, 10, -7.5, 7.5, 1, 100);
    glMatrixMode(GL_MODELVIEW);
    look(Vector3D(0, 50, 0), Vector3D(0, 0, 0), Vector3D(0, 0, -1));
    const GLfloat full[] = {1, 1, 1, 1};
    glLightModelfv(GL_LIGHT_MODEL_AMBIENT, full);
    glEnable(GL_COLOR_MATERIAL);
    glColorMaterial(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE);
    // World (x, z) to window pixels.
    auto at = [](float x, float z) { return std::pair<int, int>(400 + (int)(x * 40), 300 - (int)(z * 40)); };
    auto colour = [&](const Frame& frame, float x, float z) {
        std::pair<int, int> p = at(x, z);
        return frame.at(p.first, p.second);
    };

    clear();
    house.draw();
    turned.draw();
    Frame both(window);
    const Rgb black{0, 0, 0}, shown{255, 0, 0};
    EXPECT_EQ(colour(both, -3, 0), shown) << "the house's arm, along +x";
    EXPECT_EQ(colour(both, -7, 0), black);
    // A quarter turn about y takes +x to -z.
    EXPECT_EQ(colour(both, 5, -2), shown) << "the turned arm points north";
    EXPECT_EQ(colour(both, 7, 0), black) << "not where it lay unturned";
    EXPECT_EQ(colour(both, 5, 2), black);

    house.setEnabledDrawing(false);
    clear();
    house.draw();
    turned.draw();
    Frame hidden(window);
    EXPECT_EQ(colour(hidden, -3, 0), black);
    EXPECT_EQ(colour(hidden, 5, -2), black) << "the shared mesh is off for both";

    turned.drawInInventory();
    Frame inventory(window);
    EXPECT_EQ(colour(inventory, 5, -2), shown);
    EXPECT_EQ(glGetError(), (GLenum)GL_NO_ERROR);
    objLoader::deleteMesh(arm);
}

// Crossing-number test in the x-z plane.
bool insideOutline(const std::vector<Vector3D>& outline, double x, double z) {
    bool inside = false;
    size_t n = outline.size();
    for (size_t i = 0, j = n - 1; i < n; j = i++) {
        const Vector3D& a = outline[i];
        const Vector3D& b = outline[j];
        if ((a.z > z) != (b.z > z) && x < (b.x - a.x) * (z - a.z) / (b.z - a.z) + a.x) inside = !inside;
    }
    return inside;
}

double distanceToOutline(const std::vector<Vector3D>& outline, double x, double z) {
    double best = 1e30;
    for (size_t i = 0; i < outline.size(); i++) {
        const Vector3D& a = outline[i];
        const Vector3D& b = outline[(i + 1) % outline.size()];
        double dx = b.x - a.x, dz = b.z - a.z;
        double t = std::clamp(((x - a.x) * dx + (z - a.z) * dz) / (dx * dx + dz * dz), 0.0, 1.0);
        best = std::min(best, std::hypot(x - a.x - t * dx, z - a.z - t * dz));
    }
    return best;
}

std::vector<Vector3D> convexHull(std::vector<Vector3D> p) {
    std::sort(p.begin(), p.end(), [](const Vector3D& a, const Vector3D& b) { return a.x < b.x || (a.x == b.x && a.z < b.z); });
    auto cross = [](const Vector3D& o, const Vector3D& a, const Vector3D& b) {
        return ((double)a.x - o.x) * ((double)b.z - o.z) - ((double)a.z - o.z) * ((double)b.x - o.x);
    };
    std::vector<Vector3D> hull;
    for (int pass = 0; pass < 2; pass++) {
        size_t start = hull.size();
        for (const Vector3D& q : p) {
            while (hull.size() >= start + 2 && cross(hull[hull.size() - 2], hull.back(), q) <= 0) hull.pop_back();
            hull.push_back(q);
        }
        hull.pop_back();
        std::reverse(p.begin(), p.end());
    }
    return hull;
}

// Straight down (or straight up) on a surface, which fills the window: every
// sampled pixel clear of the outline's edges must show the surface inside
// the outline and nothing outside it, in the notches of a concave outline
// too.
TEST_F(SceneryInWindow, WaterAndLavaFillExactlyTheirOutlinesSeenFromEitherSide) {
    struct Case {
        int level, index;
        Rgb colour;
        int notchSamples;  // -1: hardly concave, none to sample
    } cases[] = {{8, 1, {0, 128, 255}, 100}, {10, 1, {255, 0, 0}, 100}, {4, 2, {0, 128, 255}, -1}};
    for (const Case& c : cases) {
        Water surface(c.level, c.index);
        const std::vector<Vector3D>& outline = surface.outline;
        double minX = 1e9, maxX = -1e9, minZ = 1e9, maxZ = -1e9;
        for (const Vector3D& p : outline) {
            minX = std::min(minX, (double)p.x), maxX = std::max(maxX, (double)p.x);
            minZ = std::min(minZ, (double)p.z), maxZ = std::max(maxZ, (double)p.z);
        }
        double cx = (minX + maxX) / 2, cz = (minZ + maxZ) / 2;
        double scale = 0.9 * std::min(800 / (maxX - minX), 600 / (maxZ - minZ));  // pixels per unit
        double halfW = 400 / scale, halfH = 300 / scale;
        std::vector<Vector3D> hull = convexHull(outline);

        for (bool fromBelow : {false, true}) {
            SCOPED_TRACE(testing::Message() << "level " << c.level << (fromBelow ? " from below" : " from above"));
            glMatrixMode(GL_PROJECTION);
            glPushMatrix();
            glLoadIdentity();
            glOrtho(-halfW, halfW, -halfH, halfH, 1, 500);
            glMatrixMode(GL_MODELVIEW);
            float eyeY = fromBelow ? surface.height - 100 : surface.height + 100;
            // Screen up is -z either way; from below, x runs right to left.
            look(Vector3D(cx, eyeY, cz), Vector3D(cx, surface.height, cz), Vector3D(0, 0, -1));
            glDisable(GL_LIGHTING);
            glDisable(GL_TEXTURE_2D);
            glDisable(GL_BLEND);
            clear();
            surface.draw();
            EXPECT_EQ(glGetError(), (GLenum)GL_NO_ERROR);
            Frame frame(window);
            glMatrixMode(GL_PROJECTION);
            glPopMatrix();
            glMatrixMode(GL_MODELVIEW);

            int inside = 0, notch = 0, wrong = 0;
            for (int py = 2; py < 600; py += 4) {
                for (int px = 2; px < 800; px += 4) {
                    double vx = (px + 0.5) / scale - halfW, vy = (py + 0.5) / scale - halfH;
                    double x = fromBelow ? cx - vx : cx + vx, z = cz - vy;
                    if (distanceToOutline(outline, x, z) * scale < 2.0) continue;
                    bool in = insideOutline(outline, x, z);
                    if (in) {
                        inside++;
                    } else if (insideOutline(hull, x, z)) {
                        notch++;
                    }
                    Rgb got = frame.at(px, py);
                    bool ok = in ? near(got, c.colour) : got == (Rgb{0, 0, 0});
                    if (!ok && wrong++ < 5) {
                        ADD_FAILURE() << "at (" << x << ", " << z << ") " << (in ? "inside" : "outside") << " got "
                                      << got;
                    }
                }
            }
            EXPECT_EQ(wrong, 0);
            EXPECT_GT(inside, 2000);
            EXPECT_GT(notch, c.notchSamples) << "the concave outline's notches were sampled";
        }
    }
}

TEST_F(SceneryInWindow, QuestIconShowsTranslucentRed) {
    std::string pack = packOrEmpty();
    if (pack.empty()) GTEST_SKIP() << "no asset pack (TAVIR_DATA_DIR)";
    WorkingDirectory inPack(pack);
    std::unique_ptr<TexturesMeshes> registry = buildRegistry();
    QuestPoint point(Vector3D(3, 10, -2), registry->ePointMesh, VILLAGE_ELDER_QUEST);

    // The icon, 1.5 high and 0.24 wide, fills the middle of the screen.
    look(Vector3D(3, 10, 2), Vector3D(3, 10, -2), Vector3D(0, 1, 0));
    glDisable(GL_LIGHTING);
    glDisable(GL_TEXTURE_2D);
    clear();
    point.drawIcon();
    EXPECT_EQ(glGetError(), (GLenum)GL_NO_ERROR);
    EXPECT_FALSE(glIsEnabled(GL_BLEND)) << "blending is switched off again";
    Frame frame(window);
    double topX, topY, sideX, sideY;
    project(Vector3D(3, 10.75f, -2), topX, topY);
    project(Vector3D(3.12f, 10, -2), sideX, sideY);

    // 60% of (1.0, 0.1, 0.1) over black.
    EXPECT_TRUE(near(frame.at(400, 300), Rgb{153, 15, 15})) << frame.at(400, 300);
    EXPECT_TRUE(near(frame.at(400, (int)topY - 40), Rgb{153, 15, 15})) << "up towards its tip";
    EXPECT_EQ(frame.at(400, (int)topY + 10), (Rgb{0, 0, 0})) << "nothing above it";
    EXPECT_EQ(frame.at((int)sideX + 10, 300), (Rgb{0, 0, 0})) << "nothing beside it";
    EXPECT_EQ(frame.at(100, 100), (Rgb{0, 0, 0}));
}

// The story picture fills the screen the right way up, and can still be
// shown after its quest point is gone.
TEST_F(SceneryInWindow, StoryPictureFillsTheScreenAfterItsPointIsGone) {
    TempFolder folder;
    // Four quadrants: red, green on top; blue, white below.
    std::vector<uint8_t> rgb;
    for (int y = 0; y < 64; y++) {
        for (int x = 0; x < 64; x++) {
            bool right = x >= 32, bottom = y >= 32;
            uint8_t r = (!bottom && !right) || (bottom && right) ? 255 : 0;
            uint8_t g = (!bottom && right) || (bottom && right) ? 255 : 0;
            uint8_t b = bottom ? 255 : 0;
            rgb.insert(rgb.end(), {r, g, b});
        }
    }
    folder.writeBmp24("Story/VillageElderStory.bmp", 64, 64, rgb);
    WorkingDirectory inFolder(folder.path());

    QuestPoint* point = new QuestPoint(Vector3D(0, 0, 0), nullptr, VILLAGE_ELDER_QUEST);
    std::shared_ptr<Texture> picture = point->getStoryPicture();
    delete point;

    GLdouble before[16], after[16];
    glGetDoublev(GL_PROJECTION_MATRIX, before);
    glEnable(GL_LIGHTING);
    clear();
    QuestPoint::drawStoryPicture(picture.get());
    glGetDoublev(GL_PROJECTION_MATRIX, after);
    EXPECT_EQ(glGetError(), (GLenum)GL_NO_ERROR);
    EXPECT_TRUE(std::equal(before, before + 16, after)) << "the perspective is back";
    EXPECT_TRUE(glIsEnabled(GL_LIGHTING));
    EXPECT_TRUE(glIsEnabled(GL_DEPTH_TEST));

    Frame frame(window);
    EXPECT_TRUE(near(frame.at(100, 500), Rgb{255, 0, 0})) << "top left " << frame.at(100, 500);
    EXPECT_TRUE(near(frame.at(700, 500), Rgb{0, 255, 0})) << "top right " << frame.at(700, 500);
    EXPECT_TRUE(near(frame.at(100, 100), Rgb{0, 0, 255})) << "bottom left " << frame.at(100, 100);
    EXPECT_TRUE(near(frame.at(700, 100), Rgb{255, 255, 255})) << "bottom right " << frame.at(700, 100);
    EXPECT_TRUE(near(frame.at(10, 10), Rgb{0, 0, 255})) << "out to the corners";
    EXPECT_TRUE(near(frame.at(789, 589), Rgb{0, 255, 0}));
}

// Six pictures, each a colour above and another below, seen from the sky
// box's centre: each face shows its own picture, the right way up.
TEST_F(SceneryInWindow, SkyBoxShowsEachFaceInItsOwnDirection) {
    struct Face {
        const char* name;
        Vector3D towards, up;
        Rgb top, bottom;
    } faces[] = {
        {"north", {0, 0, -1}, {0, 1, 0}, {200, 40, 40}, {90, 10, 10}},
        {"south", {0, 0, 1}, {0, 1, 0}, {40, 200, 40}, {10, 90, 10}},
        {"east", {1, 0, 0}, {0, 1, 0}, {40, 40, 200}, {10, 10, 90}},
        {"west", {-1, 0, 0}, {0, 1, 0}, {200, 200, 40}, {90, 90, 10}},
        // The top of the sky's picture lies to the north, the top of the
        // ground's to the south.
        {"up", {0, 1, 0}, {0, 0, -1}, {40, 200, 200}, {10, 90, 90}},
        {"down", {0, -1, 0}, {0, 0, 1}, {200, 40, 200}, {90, 10, 90}},
    };
    TempFolder folder;
    for (const Face& f : faces) {
        std::vector<uint8_t> rgb;
        for (int y = 0; y < 64; y++) {
            for (int x = 0; x < 64; x++) {
                Rgb c = y < 32 ? f.top : f.bottom;
                rgb.insert(rgb.end(), {(uint8_t)c.r, (uint8_t)c.g, (uint8_t)c.b});
            }
        }
        folder.writeBmp24(std::string("skybox/sunset_") + f.name + ".bmp", 64, 64, rgb);
    }
    WorkingDirectory inFolder(folder.path());
    SkyBox sky;
    Vector3D centre(40, 12, -25);
    sky.setPosition(centre);

    for (const Face& f : faces) {
        SCOPED_TRACE(f.name);
        Vector3D towards = f.towards;
        look(centre, centre.add(&towards), f.up);
        glEnable(GL_TEXTURE_2D);
        glDisable(GL_LIGHTING);
        glDisable(GL_BLEND);
        clear();
        sky.draw();
        EXPECT_EQ(glGetError(), (GLenum)GL_NO_ERROR);
        EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
        EXPECT_TRUE(glIsEnabled(GL_LIGHTING));
        EXPECT_TRUE(glIsEnabled(GL_BLEND));
        Frame frame(window);
        for (int x : {40, 400, 760}) {
            EXPECT_TRUE(near(frame.at(x, 560), f.top, 4)) << "upper screen at x " << x << ": " << frame.at(x, 560);
            EXPECT_TRUE(near(frame.at(x, 40), f.bottom, 4)) << "lower screen at x " << x << ": " << frame.at(x, 40);
        }
    }

    // The sky is real geometry at 260: a wall beyond it is hidden, one
    // nearer shows.
    look(centre, centre.add(&faces[0].towards), Vector3D(0, 1, 0));
    clear();
    sky.draw();
    glDisable(GL_LIGHTING);
    glDisable(GL_BLEND);
    for (float distance : {270.0f, 250.0f}) {
        float z = centre.z - distance;
        float x = distance > 260 ? centre.x - 30 : centre.x + 30;
        glColor3f(1, 1, 1);
        glBegin(GL_QUADS);
        glVertex3f(x - 20, centre.y - 20, z);
        glVertex3f(x + 20, centre.y - 20, z);
        glVertex3f(x + 20, centre.y + 20, z);
        glVertex3f(x - 20, centre.y + 20, z);
        glEnd();
    }
    Frame frame(window);
    double farX, nearX, y;
    project(Vector3D(centre.x - 30, centre.y, centre.z - 270), farX, y);
    project(Vector3D(centre.x + 30, centre.y, centre.z - 250), nearX, y);
    EXPECT_NE(frame.at((int)farX, (int)y), (Rgb{255, 255, 255})) << "beyond the north face";
    EXPECT_EQ(frame.at((int)nearX, (int)y), (Rgb{255, 255, 255})) << "inside the box";
}

}  // namespace
