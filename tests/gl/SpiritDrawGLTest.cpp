// The spirit's figure in a real OpenGL context: body, limbs and worn meshes
// where the figure stands, the body switched off for the first-person view,
// and the shadow pass drawing the body alone.
#include <gtest/gtest.h>

#include <vector>

#include "ArmsLegs/SphereList.h"
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

// Lit by a lamp with a shine, textured: the replayed sphere makes exactly the
// pixels a fresh quadric makes, at the limbs' and the missile's radii.
TEST(SphereListTest, ReplayedSpheresKeepThePictureInEveryContext) {
    for (int context = 0; context < 2; context++) {
        GLWindow window;
        ASSERT_TRUE(window.isOpen()) << window.getError();
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        gluPerspective(45.0, 4.0 / 3.0, 0.1, 100.0);
        glMatrixMode(GL_MODELVIEW);
        glEnable(GL_DEPTH_TEST);
        glEnable(GL_CULL_FACE);
        glEnable(GL_LIGHTING);
        glEnable(GL_LIGHT0);
        glEnable(GL_COLOR_MATERIAL);
        const GLfloat shine[] = {1, 1, 1, 1}, lamp[] = {1, 2, 3, 0};
        glMaterialfv(GL_FRONT, GL_SPECULAR, shine);
        glMaterialf(GL_FRONT, GL_SHININESS, 3);
        std::vector<unsigned char> checker(32 * 32 * 3);
        for (size_t i = 0; i < checker.size(); i++) {
            checker[i] = (((i / 3) % 32 / 4 + (i / 3) / 32 / 4) % 2) ? 230 : (unsigned char)(40 + 60 * (i % 3));
        }
        GLuint texture;
        glGenTextures(1, &texture);
        glBindTexture(GL_TEXTURE_2D, texture);
        gluBuild2DMipmaps(GL_TEXTURE_2D, 3, 32, 32, GL_RGB, GL_UNSIGNED_BYTE, checker.data());
        glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_LINEAR);
        glEnable(GL_TEXTURE_2D);
        const float radii[] = {0.2f, 0.35f, 0.5f, 0.35f};
        std::vector<unsigned char> pictures[2];
        for (int way = 0; way < 2; way++) {
            glClearColor(0, 0, 0, 1);
            glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
            glLoadIdentity();
            gluLookAt(0.3, 0.8, 3.0, 0, 0, 0, 0, 1, 0);
            glLightfv(GL_LIGHT0, GL_POSITION, lamp);
            for (int k = 0; k < 4; k++) {
                glPushMatrix();
                glTranslatef(-1.2f + 0.8f * k, 0.1f * k, -0.3f * k);
                glRotatef(30.0f * k, 0.3f, 1, 0.2f);
                if (way == 0) {
                    GLUquadric* quadric = gluNewQuadric();
                    gluQuadricDrawStyle(quadric, GLU_FILL);
                    gluQuadricNormals(quadric, GLU_SMOOTH);
                    gluQuadricTexture(quadric, GL_TRUE);
                    gluSphere(quadric, radii[k], 40, 40);
                    gluDeleteQuadric(quadric);
                } else {
                    SphereList::draw(radii[k]);
                }
                glPopMatrix();
            }
            pictures[way] = window.readPixels(0, 0, GLWindow::width, GLWindow::height);
        }
        size_t lit = 0, differing = 0;
        for (size_t i = 0; i < pictures[0].size(); i++) {
            lit += pictures[0][i] != 0;
            differing += pictures[0][i] != pictures[1][i];
        }
        EXPECT_GT(lit, 30000u) << "context " << context;
        EXPECT_EQ(differing, 0u) << "context " << context;
        EXPECT_EQ(glGetError(), (GLenum)GL_NO_ERROR);
        glDeleteTextures(1, &texture);
    }
}
