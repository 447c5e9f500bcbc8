#include <gtest/gtest.h>

#include <SDL.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "Frustum/ViewCull.h"
#include "Mesh/Mesh.h"
#include "Nature/Nature.h"
#include "Object/HeightMap/HeightMap.h"
#include "Object/ProceduralTree/ProceduralTree.h"
#include "Object/StaticObject/StaticObject.h"
#include "OpenGL/OpenGL.h"
#include "Texture/Texture.h"
#include "TexturesMeshes/TexturesMeshes.h"
#include "support/Fixtures.h"
#include "support/GLWindow.h"

namespace {

using Rgb = GLWindow::Rgb;

// A flat square of the given half size in the x-z plane at height y, facing
// up, in one mesh; the mesh does not own its triangles, this does.
class FlatSquare {
public:
    FlatSquare(float half, float y) {
        Vector3D corners[4] = {{-half, y, -half}, {-half, y, half}, {half, y, half}, {half, y, -half}};
        const int triangles[2][3] = {{0, 1, 2}, {0, 2, 3}};
        for (const auto& t : triangles) {
            Polygon3D* polygon = new Polygon3D();
            for (int k : t) {
                polygon->addVertex(new Vertex(corners[k], Vector3D(0, 1, 0), Vector3D(0.5f, 0.5f, 0)));
            }
            owned.emplace_back(polygon);
            mesh.addPolygon(polygon);
        }
    }
    Mesh mesh;

private:
    std::vector<std::unique_ptr<Polygon3D>> owned;
};

// Only ambient light, all of it: a surface shows its colour or texel as is.
void plainLight() {
    glEnable(GL_DEPTH_TEST);
    glDisable(GL_CULL_FACE);
    glEnable(GL_COLOR_MATERIAL);
    glColorMaterial(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE);
    const GLfloat all[] = {1, 1, 1, 1};
    glLightModelfv(GL_LIGHT_MODEL_AMBIENT, all);
    glDisable(GL_LIGHT0);
}

// Straight down, x to the right and -z up the screen, 20 pixels a unit.
void topView() {
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(-20, 20, -15, 15, 1, 300);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    gluLookAt(0, 200, 0, 0, 0, 0, 0, 0, -1);
}

Rgb seenAt(GLWindow& window, float x, float z) {
    glFinish();
    return window.pixel((int)((x + 20) * 20), (int)((15 - z) * 20));
}

bool near(Rgb got, Rgb want) {
    return std::abs(got.r - want.r) <= 2 && std::abs(got.g - want.g) <= 2 && std::abs(got.b - want.b) <= 2;
}

const Rgb PURPLE{128, 0, 128};

class TreeInWindow : public ::testing::Test {
protected:
    GLWindow window;
    TempFolder folder;
    WorkingDirectory inFolder{folder.path()};
    FlatSquare square{1.5f, 0.0f};
    Mesh empty;

    void SetUp() override {
        ASSERT_TRUE(window.isOpen()) << window.getError();
        plainLight();
        topView();
        glClearColor(0, 0, 0, 1);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    }
};

// The trunk's square lies at the foot, turned only about y; from above it
// shows at the foot whatever the turn.
TEST_F(TreeInWindow, PartsWithoutTextureArePurpleAndTexturedPartsShowTheirTexture) {
    folder.writeBmp24("bark.bmp", 4, 4, 40, 160, 40);
    Texture bark("bark.bmp");
    FlatSquare texturedSquare(1.5f, 0.0f);
    texturedSquare.mesh.setTexture(&bark);

    ProceduralTree plain(&empty, &square.mesh, &empty, &empty, &empty, &empty, &empty);
    plain.seed(Vector3D(-10, 0, 0));
    ProceduralTree textured(&empty, &texturedSquare.mesh, &empty, &empty, &empty, &empty, &empty);
    textured.seed(Vector3D(10, 0, 0));
    plain.draw();
    textured.draw();
    EXPECT_EQ(glGetError(), (GLenum)GL_NO_ERROR);
    EXPECT_PRED2(near, seenAt(window, -10, 0), PURPLE);
    EXPECT_PRED2(near, seenAt(window, 10, 0), (Rgb{40, 160, 40}));
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
    EXPECT_TRUE(glIsEnabled(GL_LIGHTING));

    // The buffers are relative to the foot: moving the tree moves it all.
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    plain.setPosition(Vector3D(0, 0, 8));
    plain.draw();
    EXPECT_PRED2(near, seenAt(window, 0, 8), PURPLE);
    EXPECT_PRED2(near, seenAt(window, -10, 0), (Rgb{0, 0, 0}));
}

TEST_F(TreeInWindow, UntexturedLeavesArePurpleToo) {
    FlatSquare leaf(0.5f, 0.0f);
    ProceduralTree tree(&leaf.mesh, &empty, &empty, &empty, &empty, &empty, &empty);
    tree.seed(Vector3D(0, 0, 0));
    tree.draw();
    EXPECT_EQ(glGetError(), (GLenum)GL_NO_ERROR);
    std::vector<unsigned char> picture = window.readPixels(0, 0, GLWindow::width, GLWindow::height);
    long purple = 0, other = 0;
    for (size_t p = 0; p < picture.size(); p += 3) {
        Rgb c{picture[p], picture[p + 1], picture[p + 2]};
        if (c == Rgb{0, 0, 0}) continue;
        (near(c, PURPLE) ? purple : other) += 1;
    }
    EXPECT_GT(purple, 1000);
    EXPECT_EQ(other, 0);
}

// ---- one island of the asset pack

// The game's fixed state and lights, with the light where the render pass
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
    glColor3f(0.3f, 0.3f, 0.3f);
    const GLfloat position[] = {-272.532f, 100.833f, -176.003f, 1.0f};
    const GLfloat down[] = {0, -1, 0};
    glLightfv(GL_LIGHT0, GL_POSITION, position);
    glLightfv(GL_LIGHT0, GL_SPOT_DIRECTION, down);
}

// A box of world space as the window rectangle that covers it.
struct ScreenBox {
    double left = 1e9, right = -1e9, bottom = 1e9, top = -1e9;
    bool contains(int x, int y) const { return x >= left && x <= right && y >= bottom && y <= top; }
};

class Projection {
public:
    Projection() {
        glGetDoublev(GL_MODELVIEW_MATRIX, model);
        glGetDoublev(GL_PROJECTION_MATRIX, projection);
        glGetIntegerv(GL_VIEWPORT, viewport);
    }
    void point(Vector3D p, double& x, double& y) const {
        double z;
        gluProject(p.x, p.y, p.z, model, projection, viewport, &x, &y, &z);
    }
    ScreenBox box(Vector3D low, Vector3D high) const {
        ScreenBox b;
        for (int k = 0; k < 8; ++k) {
            double x, y;
            point(Vector3D(k & 1 ? high.x : low.x, k & 2 ? high.y : low.y, k & 4 ? high.z : low.z), x, y);
            b.left = std::min(b.left, x);
            b.right = std::max(b.right, x);
            b.bottom = std::min(b.bottom, y);
            b.top = std::max(b.top, y);
        }
        return b;
    }

private:
    double model[16], projection[16];
    int viewport[4];
};

// The non-zero pixels of an overlay of the pack that stand over ground, as
// feet on the terrain: pixel (i, j) at (i - side / 2, j - side / 2).
std::vector<Vector3D> markedFeet(const std::string& path, HeightMap& map) {
    std::vector<Vector3D> feet;
    SDL_Surface* image = SDL_LoadBMP(path.c_str());
    if (image == nullptr) return feet;
    int side = (int)map.getSize();
    SDL_LockSurface(image);
    for (int i = 0; i < side; ++i) {
        for (int j = 0; j < side && j < image->h; ++j) {
            if (((const Uint8*)image->pixels)[i + image->pitch * j] == 0) continue;
            float x = i - 0.5f * side, z = j - 0.5f * side, h = map.getHeight(x, z);
            if (h != UNDEFINED_HEIGHT) feet.push_back(Vector3D(x, h, z));
        }
    }
    SDL_UnlockSurface(image);
    SDL_FreeSurface(image);
    return feet;
}

// The home island's plants over its terrain, seen from above at a slant:
// the picture changes where the overlays put trees, flowers and grass, and
// nowhere else.
TEST(NatureFromThePack, HomeIslandShowsItsPlantsWhereTheOverlaysPutThem) {
    const char* data = std::getenv("TAVIR_DATA_DIR");
    std::string pack = data ? data : "";
    if (pack.empty() || !std::filesystem::exists(pack + "/NatureOverlays/islandHomeTrees.bmp")) {
        GTEST_SKIP() << "no home island overlays in the asset pack (TAVIR_DATA_DIR)";
    }
    GLWindow window;
    ASSERT_TRUE(window.isOpen()) << window.getError();
    WorkingDirectory inPack(pack);
    std::unique_ptr<TexturesMeshes> registry(new TexturesMeshes());
    HeightMap map("HeightMap/islandHomeHeightMap.bmp", 200, registry.get(), registry->islandHomeMiniMapTexture);
    map.setWorldType(GRASS_WORLD);
    testing::internal::CaptureStderr();
    Nature nature(&map, registry.get(), "NatureOverlays/islandHome", GRASS_WORLD);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "") << "the pack's overlays load cleanly";

    std::vector<Vector3D> trees = markedFeet("NatureOverlays/islandHomeTrees.bmp", map);
    std::vector<Vector3D> small = markedFeet("NatureOverlays/islandHomeFlowers.bmp", map);
    std::vector<Vector3D> grass = markedFeet("NatureOverlays/islandHomeGrass.bmp", map);
    size_t flowers = small.size();
    small.insert(small.end(), grass.begin(), grass.end());
    ASSERT_EQ(nature.getProceduralTrees()->size(), trees.size());
    ASSERT_EQ(nature.getFlowers()->size(), small.size());
    ASSERT_GT(trees.size(), 5u);
    ASSERT_GT(grass.size(), 20u);

    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(-50, 50, -37.5, 37.5, 1, 1000);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    float ground = map.getHeight(0, 0);
    gluLookAt(0, ground + 300, 170, 0, ground, 0, 0, 1, 0);
    gameLighting();
    Projection projection;

    auto render = [&](bool withNature) {
        glClearColor(0, 0, 0, 1);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glEnable(GL_TEXTURE_2D);
        map.draw();
        if (withNature) nature.drawAll();
        glFinish();
        return window.readPixels(0, 0, GLWindow::width, GLWindow::height);
    };
    std::vector<unsigned char> bare = render(false);
    std::vector<unsigned char> planted = render(true);
    EXPECT_EQ(glGetError(), (GLenum)GL_NO_ERROR);
    auto changed = [&](int x, int y) {
        if (x < 0 || y < 0 || x >= GLWindow::width || y >= GLWindow::height) return false;
        size_t p = 3 * ((size_t)y * GLWindow::width + x);
        int d = std::abs(bare[p] - planted[p]) + std::abs(bare[p + 1] - planted[p + 1]) +
                std::abs(bare[p + 2] - planted[p + 2]);
        return d > 24;
    };
    auto inView = [&](Vector3D at) {
        double x, y;
        projection.point(at, x, y);
        return x >= 5 && y >= 5 && x < GLWindow::width - 5 && y < GLWindow::height - 5;
    };
    auto changedAround = [&](Vector3D at, int reach) {
        double x, y;
        projection.point(at, x, y);
        for (int dy = -reach; dy <= reach; ++dy) {
            for (int dx = -reach; dx <= reach; ++dx) {
                if (changed((int)x + dx, (int)y + dy)) return true;
            }
        }
        return false;
    };

    // Every tree shows over its foot's column: its trunk, or its crown.
    std::vector<ScreenBox> treeBoxes;
    int treesInView = 0;
    for (Vector3D foot : trees) {
        Vector3D above(foot.x, foot.y + 5, foot.z);
        if (inView(above)) {
            ++treesInView;
            EXPECT_TRUE(changedAround(above, 2)) << "no tree at " << foot.x << ", " << foot.z;
        }
    }
    // Each tree's own reach, from what it grew.
    for (ProceduralTree* tree : *nature.getProceduralTrees()) {
        Vector3D low = tree->getPosition(), high = low;
        auto reach = [&](Vector3D p, float margin) {
            low = Vector3D(std::min(low.x, p.x - margin), std::min(low.y, p.y - margin), std::min(low.z, p.z - margin));
            high = Vector3D(std::max(high.x, p.x + margin), std::max(high.y, p.y + margin), std::max(high.z, p.z + margin));
        };
        for (Internode& internode : *tree->getInternodes()) reach(internode.getEndPosition(), 1.0f);
        for (Leaf& leaf : *tree->getLeaves()) reach(leaf.getPosition(), 2.0f);
        treeBoxes.push_back(projection.box(low, high));
    }
    // Flowers and tufts clear of every tree show where they stand.
    std::vector<ScreenBox> smallBoxes;
    int clear[2] = {0, 0}, shown[2] = {0, 0};  // flowers, tufts
    for (size_t k = 0; k < small.size(); ++k) {
        Vector3D foot = small[k];
        int kind = k < flowers ? 0 : 1;
        smallBoxes.push_back(projection.box(Vector3D(foot.x - 1.5f, foot.y - 0.5f, foot.z - 1.5f),
                                            Vector3D(foot.x + 1.5f, foot.y + 1.5f, foot.z + 1.5f)));
        double x, y;
        projection.point(foot, x, y);
        bool underATree = false;
        for (const ScreenBox& box : treeBoxes) underATree = underATree || box.contains((int)x, (int)y);
        if (underATree || !inView(foot)) continue;
        ++clear[kind];
        shown[kind] += changedAround(Vector3D(foot.x, foot.y + 0.3f, foot.z), 3);
    }
    EXPECT_GE(treesInView, 4);
    for (int kind = 0; kind < 2; ++kind) {
        SCOPED_TRACE(kind == 0 ? "flowers" : "tufts of grass");
        ASSERT_GE(clear[kind], 8);
        EXPECT_GE(shown[kind], clear[kind] * 9 / 10) << shown[kind] << " of " << clear[kind] << " clear of trees show";
    }

    // Away from every plant the picture stays as it was.
    long away = 0, changedAway = 0;
    for (int y = 0; y < GLWindow::height; ++y) {
        for (int x = 0; x < GLWindow::width; ++x) {
            bool nearPlant = false;
            for (const ScreenBox& box : treeBoxes) nearPlant = nearPlant || box.contains(x, y);
            for (const ScreenBox& box : smallBoxes) nearPlant = nearPlant || box.contains(x, y);
            if (nearPlant) continue;
            ++away;
            changedAway += changed(x, y);
        }
    }
    ASSERT_GT(away, 50000);
    EXPECT_LT(changedAway, away / 500) << changedAway << " pixels of " << away << " away from plants changed";
}

// A tree of the pack drawn with its runs of parts culled against the view,
// also within a portal's scissor box, makes exactly the picture of the whole
// tree, while sending fewer triangles where part of it is out of sight.
TEST(NatureFromThePack, CullingATreesPartsKeepsThePicture) {
    const char* data = std::getenv("TAVIR_DATA_DIR");
    std::string pack = data ? data : "";
    if (pack.empty() || !std::filesystem::exists(pack + "/ObjFiles/leaf1.obj")) {
        GTEST_SKIP() << "no tree meshes in the asset pack (TAVIR_DATA_DIR)";
    }
    GLWindow window;
    ASSERT_TRUE(window.isOpen()) << window.getError();
    WorkingDirectory inPack(pack);
    std::unique_ptr<TexturesMeshes> registry(new TexturesMeshes());
    TexturesMeshes& t = *registry;
    srand(3);
    ProceduralTree tree(t.leaf1Mesh, t.trunkMesh, t.branch1Mesh, t.branch2Mesh, t.branch3Mesh, t.branch4Mesh,
                        t.branch5Mesh);
    const Vector3D foot(12, 3, -7);
    tree.seed(foot);
    gameLighting();
    GLuint query = 0;
    glGenQueries(1, &query);

    const double r = tree.getDrawnRadius(), x = foot.x, y = foot.y, z = foot.z;
    ASSERT_GT(r, 5);
    struct View {
        const char* name;
        double eye[3], centre[3];
        bool someOut;  // whether part of the tree lies out of the view
    } views[] = {
        {"from afar, all of it", {x, y + r / 2, z + 3 * r}, {x, y + r / 2, z}, false},
        {"half past the left edge", {x, y + r / 2, z + 2 * r}, {x + 1.2 * r, y + r / 2, z}, true},
        {"under the crown, looking up", {x + 2, y + 3, z}, {x + 3, y + 2 * r, z - 1}, true},
        {"beside the trunk, looking out", {x + 1.5, y + r / 2, z}, {x + 50, y + r / 2, z + 5}, true},
    };
    for (const View& view : views) {
        SCOPED_TRACE(view.name);
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        gluPerspective(45, 4.0 / 3.0, 0.1, 1000);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        gluLookAt(view.eye[0], view.eye[1], view.eye[2], view.centre[0], view.centre[1], view.centre[2], 0, 1, 0);
        const GLfloat sun[] = {1.0f, 200.0f, 1.0f, 0.0f};
        glLightfv(GL_LIGHT0, GL_POSITION, sun);
        // Also through a scissor box, as inside a portal's opening.
        for (bool scissored : {false, true}) {
            SCOPED_TRACE(scissored ? "scissored" : "whole window");
            if (scissored) {
                glScissor(330, 240, 120, 90);
                glEnable(GL_SCISSOR_TEST);
            }
            ViewCull viewCull;
            viewCull.readFromGL();
            std::vector<unsigned char> pictures[2];
            GLuint sent[2];
            for (int way = 0; way < 2; ++way) {
                glClearColor(0, 0, 0, 1);
                glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
                glBeginQuery(GL_PRIMITIVES_GENERATED, query);
                if (way == 0) tree.draw();
                if (way == 1) tree.draw(&viewCull);
                glEndQuery(GL_PRIMITIVES_GENERATED);
                glGetQueryObjectuiv(query, GL_QUERY_RESULT, &sent[way]);
                glFinish();
                pictures[way] = window.readPixels(0, 0, GLWindow::width, GLWindow::height);
            }
            glDisable(GL_SCISSOR_TEST);
            EXPECT_EQ(glGetError(), (GLenum)GL_NO_ERROR);
            size_t lit = 0, differing[2] = {0, 0};
            for (size_t p = 0; p < pictures[0].size(); ++p) {
                lit += pictures[0][p] != 0;
                for (int way = 1; way < 2; ++way) differing[way] += pictures[way][p] != pictures[0][p];
            }
            EXPECT_EQ(differing[1], 0u) << "culled against the view";
            EXPECT_GT(lit, 3000u) << "the tree is in the picture";
            if (view.someOut || scissored) {
                EXPECT_LT(sent[1], sent[0]);
            } else {
                EXPECT_EQ(sent[1], sent[0]);
            }
        }
    }
    glDeleteQueries(1, &query);

    // Uploaded, the tree gives back its grown parts and draws the same.
    glLoadIdentity();
    gluLookAt(views[0].eye[0], views[0].eye[1], views[0].eye[2], views[0].centre[0], views[0].centre[1],
              views[0].centre[2], 0, 1, 0);
    std::vector<unsigned char> pictures[2];
    for (int uploaded = 0; uploaded < 2; ++uploaded) {
        if (uploaded) tree.upload();
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        tree.draw();
        glFinish();
        pictures[uploaded] = window.readPixels(0, 0, GLWindow::width, GLWindow::height);
    }
    EXPECT_TRUE(pictures[0] == pictures[1]);
    EXPECT_TRUE(tree.getLeaves()->empty());
    EXPECT_TRUE(tree.getInternodes()->empty());
    EXPECT_EQ(tree.getDrawnRadius(), r);
}

}  // namespace
