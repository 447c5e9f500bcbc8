// The spirit's figure in a real OpenGL context: body, limbs and worn meshes
// where the figure stands, the body switched off for the first-person view,
// and the shadow pass drawing the body alone.
#include <gtest/gtest.h>

#include "Mesh/Mesh.h"
#include "ObjLoader/objLoader.h"
#include "Object/Character/ForestSpirit/Hero/Hero.h"
#include "support/Fixtures.h"
#include "support/GLWindow.h"

namespace {

using Rgb = GLWindow::Rgb;

// A square facing +z, centred at height y.
std::string square(float half, float y) {
    std::string s;
    for (const char* corner : {"-1 -1", "1 -1", "1 1", "-1 1"}) {
        float cx, cy;
        sscanf(corner, "%f %f", &cx, &cy);
        s += "v " + std::to_string(cx * half) + " " + std::to_string(y + cy * half) + " 0\n";
    }
    return s + "vn 0 0 1\nf 1//1 2//1 3//1\nf 1//1 3//1 4//1\n";
}

PolygonColor colour(float r, float g, float b) {
    PolygonColor c;
    c.setRed(r);
    c.setGreen(g);
    c.setBlue(b);
    return c;
}

class SpiritDrawTest : public ::testing::Test {
protected:
    GLWindow window;
    TempFolder folder;
    WorkingDirectory inFolder{folder.path()};
    const Rgb white{255, 255, 255};

    void SetUp() override { ASSERT_TRUE(window.isOpen()) << window.getError(); }

    // Looking at the origin from 10 along +z; a lit surface shows exactly
    // its colour (full ambient light, colour tracked, no lamps).
    void view() {
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        gluPerspective(45.0, 4.0 / 3.0, 0.1, 100.0);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        gluLookAt(0, 0, 10, 0, 0, 0, 0, 1, 0);
        glDisable(GL_DEPTH_TEST);
        glDisable(GL_CULL_FACE);
        float ambient[] = {1, 1, 1, 1};
        glLightModelfv(GL_LIGHT_MODEL_AMBIENT, ambient);
        glEnable(GL_COLOR_MATERIAL);
        glColorMaterial(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE);
        glEnable(GL_LIGHTING);
        glClearColor(1, 1, 1, 1);
        glClear(GL_COLOR_BUFFER_BIT);
    }
    // An arm stands 1.2 to the side: 87 pixels at this distance.
    Rgb leftArm() { return window.pixel(313, 300); }
    Rgb rightArm() { return window.pixel(487, 300); }
    Rgb body() { return window.pixel(400, 300); }
    Rgb hat() { return window.pixel(400, 390); }  // origin bottom-left
};

}  // namespace

TEST_F(SpiritDrawTest, BodyLimbsAndExtrasDrawWhereTheFigureStands) {
    folder.writeText("body.obj", square(0.5f, 0));
    folder.writeText("hat.obj", square(0.2f, 1.25f));
    Mesh* bodyMesh = objLoader::loadObj("body.obj");
    Mesh* hatMesh = objLoader::loadObj("hat.obj");
    hatMesh->setColor(colour(0, 0, 1));

    Hero hero;
    Vector3D origin(0, 0, 0);
    hero.setLocation(&origin);  // looking along -z, away from the viewer
    hero.setMeshes(nullptr, bodyMesh, nullptr, nullptr, nullptr, nullptr);
    hero.setBodyColor(colour(0, 1, 0));
    hero.addMeshToExtras(hatMesh);
    hero.updateArmsAndLegs();  // the standing pose

    const Rgb green{0, 255, 0}, blue{0, 0, 255};
    view();
    hero.draw();
    EXPECT_EQ(body(), green);
    EXPECT_EQ(hat(), blue);
    for (Rgb arm : {leftArm(), rightArm()}) {
        EXPECT_EQ(arm.r, 255);
        EXPECT_EQ(arm.g, 0);
        EXPECT_NEAR(arm.b, 128, 1);
    }

    // First person: no body, but the limbs and what the figure wears.
    hero.toggleDrawingBodyMesh(false);
    view();
    hero.draw();
    EXPECT_EQ(body(), white);
    EXPECT_EQ(hat(), blue);
    EXPECT_EQ(leftArm().r, 255);
    EXPECT_EQ(rightArm().r, 255);

    // The shadow pass draws the body's geometry alone, placed by the caller.
    view();
    hero.drawForShadows();
    EXPECT_EQ(body(), white);
    hero.toggleDrawingBodyMesh(true);
    glColor3f(0.1f, 0.1f, 0.2f);
    glDisable(GL_LIGHTING);
    hero.drawForShadows();
    EXPECT_EQ(body(), (Rgb{26, 26, 51}));
    EXPECT_EQ(leftArm(), white);
    EXPECT_EQ(hat(), white);
    EXPECT_EQ(glGetError(), (GLenum)GL_NO_ERROR);
    objLoader::deleteMesh(bodyMesh);
    objLoader::deleteMesh(hatMesh);
}
