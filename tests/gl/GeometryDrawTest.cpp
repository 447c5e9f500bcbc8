#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "Camera/Camera.h"
#include "Geometry/Polygon3D.h"
#include "Object/Object.h"
#include "OpenGL/OpenGL.h"
#include "support/GLWindow.h"
#include "support/Shapes.h"

namespace {

class Flat : public Object {
public:
    void draw() override { drawPolygons(); }
    void add(Polygon3D* p) { addPolygon(p); }
};

// An 800 x 600 window drawing white on black in window coordinates.
class GeometryDraw : public ::testing::Test {
protected:
    GLWindow window;

    void SetUp() override {
        ASSERT_TRUE(window.isOpen()) << window.getError();
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        gluOrtho2D(0, 800, 0, 600);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        glDisable(GL_LIGHTING);
        glDisable(GL_TEXTURE_2D);
        glDisable(GL_CULL_FACE);
        glDisable(GL_DEPTH_TEST);
        glClearColor(0, 0, 0, 1);
        glClear(GL_COLOR_BUFFER_BIT);
        glColor3f(1, 1, 1);
    }

    bool lit(int x, int y) { return window.pixel(x, y).r > 128; }
};

Polygon3D* ring(float cx, float cy, float radius, int corners) {
    Polygon3D* polygon = new Polygon3D();
    for (int i = 0; i < corners; ++i) {
        double a = 2 * M_PI * i / corners;
        polygon->addVertex(new Vertex(Vector3D(cx + radius * (float)std::cos(a), cy + radius * (float)std::sin(a), 0),
                                      Vector3D(0, 0, 1)));
    }
    return polygon;
}

}  // namespace

TEST_F(GeometryDraw, PrimitiveFollowsTheVertexCount) {
    // A square: as a quad both halves fill; as triangles only the first would.
    std::unique_ptr<Polygon3D> square(makePolygon({{100, 100, 0}, {300, 100, 0}, {300, 300, 0}, {100, 300, 0}}));
    // A hexagon: as one polygon its middle fills; as triangles it would not.
    std::unique_ptr<Polygon3D> hexagon(ring(550, 200, 100, 6));
    std::unique_ptr<Polygon3D> triangle(makePolygon({{100, 400, 0}, {300, 400, 0}, {100, 550, 0}}));
    std::unique_ptr<Polygon3D> segment(makePolygon({{400, 400, 0}, {700, 550, 0}}));
    square->draw();
    hexagon->draw();
    triangle->draw();
    segment->draw();
    EXPECT_EQ(glGetError(), (GLenum)GL_NO_ERROR);

    EXPECT_TRUE(lit(280, 120));
    EXPECT_TRUE(lit(120, 280)) << "four vertices draw as a quad";
    EXPECT_TRUE(lit(550, 200)) << "six vertices draw as one polygon";
    EXPECT_TRUE(lit(130, 420));
    EXPECT_FALSE(lit(280, 530)) << "outside the triangle";
    EXPECT_FALSE(lit(550, 475)) << "two vertices make no triangle";
}

TEST_F(GeometryDraw, ForcedPrimitivesAndObjectPolygons) {
    std::unique_ptr<Polygon3D> square(makePolygon({{100, 100, 0}, {300, 100, 0}, {300, 300, 0}, {100, 300, 0}}));
    square->drawTriangle();
    EXPECT_TRUE(lit(280, 120));
    EXPECT_FALSE(lit(120, 280)) << "as triangles the fourth vertex is left over";

    Flat flat;
    flat.add(makePolygon({{400, 100, 0}, {600, 100, 0}, {400, 300, 0}}));
    flat.add(ring(650, 450, 80, 5));
    flat.draw();
    EXPECT_TRUE(lit(420, 120));
    EXPECT_TRUE(lit(650, 450));
    EXPECT_FALSE(lit(580, 280));
}

TEST_F(GeometryDraw, CameraLooksFromItsEye) {
    Camera camera;
    glLoadIdentity();
    camera.lookAt();
    float m[16];
    glGetFloatv(GL_MODELVIEW_MATRIX, m);
    // From (0, 0, 10) towards -z: a plain shift by -10 along z.
    const float expected[16] = {1, 0, 0, 0, 0, 1, 0, 0, 0, 0, 1, 0, 0, 0, -10, 1};
    for (int i = 0; i < 16; ++i) EXPECT_NEAR(m[i], expected[i], 1e-5) << i;
}
