// Textures and meshes in a real OpenGL context: upload on first bind, the
// transparent colour key, missing pictures, and meshes drawn from their
// vertex buffers with their texture or colour (read back from the window).
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "Mesh/Mesh.h"
#include "ObjLoader/objLoader.h"
#include "Texture/Texture.h"
#include "TexturesMeshes/TexturesMeshes.h"
#include "support/Fixtures.h"
#include "support/GLWindow.h"

namespace {

using Rgb = GLWindow::Rgb;

// The window as the square (-1, -1) to (1, 1), lit so that a lit surface
// shows exactly its colour: full ambient light, colour tracked by the
// material, no lamps.
void plainView() {
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    glOrtho(-1, 1, -1, 1, -1, 1);
    glMatrixMode(GL_MODELVIEW);
    glLoadIdentity();
    glDisable(GL_DEPTH_TEST);
    float ambient[] = {1, 1, 1, 1};
    glLightModelfv(GL_LIGHT_MODEL_AMBIENT, ambient);
    glEnable(GL_COLOR_MATERIAL);
    glColorMaterial(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE);
    glClearColor(0, 0, 0, 1);
    glClear(GL_COLOR_BUFFER_BIT);
}

// Two triangles over the left half of the window, facing the viewer.
const char* leftHalf =
    "v -1 -1 0\nv 0 -1 0\nv 0 1 0\nv -1 1 0\n"
    "vt 0 1 0\nvt 1 1 0\nvt 1 0 0\nvt 0 0 0\nvn 0 0 1\n"
    "f 1/1/1 2/2/1 3/3/1\nf 1/1/1 3/3/1 4/4/1\n";

const Rgb black{0, 0, 0};

class WindowTest : public ::testing::Test {
protected:
    GLWindow window;
    TempFolder folder;
    WorkingDirectory inFolder{folder.path()};

    void SetUp() override { ASSERT_TRUE(window.isOpen()) << window.getError(); }

    Rgb left() { return window.pixel(200, 300); }
    Rgb right() { return window.pixel(600, 300); }

    static GLint boundTexture() {
        GLint name = -1;
        glGetIntegerv(GL_TEXTURE_BINDING_2D, &name);
        return name;
    }
};

TEST_F(WindowTest, TextureUploadsOnFirstBindWithMagentaTransparent) {
    // Top row: magenta, red, almost magenta, green; the rows below blue.
    std::vector<uint8_t> rgb = {255, 0, 255, 255, 0, 0, 255, 0, 254, 0, 255, 0};
    for (int i = 0; i < 12; ++i) rgb.insert(rgb.end(), {0, 0, 255});
    folder.writeBmp24("Textures/key.bmp", 4, 4, rgb);

    Texture texture("Textures/key.bmp");
    EXPECT_FALSE(texture.textureLoaded);
    glColor3f(0.2f, 0.3f, 0.4f);
    texture.bindGLTexture();
    ASSERT_TRUE(texture.textureLoaded);
    EXPECT_EQ(texture.bmpFile, nullptr);
    EXPECT_TRUE(glIsTexture(texture.texture));
    EXPECT_EQ(boundTexture(), (GLint)texture.texture);
    GLfloat colour[4];
    glGetFloatv(GL_CURRENT_COLOR, colour);
    for (float channel : colour) EXPECT_EQ(channel, 1.0f);

    // Level 0 read back: row 0 is the picture's top row; red stays red.
    std::vector<unsigned char> texels(4 * 4 * 4);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, texels.data());
    auto texel = [&](int x, int y) { return std::vector<int>(&texels[(y * 4 + x) * 4], &texels[(y * 4 + x) * 4] + 4); };
    EXPECT_EQ(texel(0, 0)[3], 0) << "magenta is transparent";
    EXPECT_EQ(texel(1, 0), (std::vector<int>{255, 0, 0, 255}));
    EXPECT_EQ(texel(2, 0), (std::vector<int>{255, 0, 254, 255})) << "only exact magenta is keyed";
    EXPECT_EQ(texel(3, 0), (std::vector<int>{0, 255, 0, 255}));
    EXPECT_EQ(texel(0, 3), (std::vector<int>{0, 0, 255, 255}));

    GLint filter = 0, smallest = 0;
    glGetTexParameteriv(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, &filter);
    EXPECT_EQ(filter, GL_LINEAR_MIPMAP_LINEAR);
    glGetTexLevelParameteriv(GL_TEXTURE_2D, 2, GL_TEXTURE_WIDTH, &smallest);
    EXPECT_EQ(smallest, 1) << "mip-mapped down to one texel";

    GLuint name = texture.texture;
    glBindTexture(GL_TEXTURE_2D, 0);
    texture.bindGLTexture();
    EXPECT_EQ(texture.texture, name);
    EXPECT_EQ(boundTexture(), (GLint)name);
    EXPECT_EQ(glGetError(), (GLenum)GL_NO_ERROR);
}

TEST_F(WindowTest, UnloadablePicturesAreReportedOnceAndBindNothing) {
    folder.writeText("Textures/junk.bmp", "BM but nothing else of a picture");
    for (const char* path : {"Textures/missing.bmp", "Textures/junk.bmp"}) {
        SCOPED_TRACE(path);
        Texture texture(path);
        glBindTexture(GL_TEXTURE_2D, 0);
        testing::internal::CaptureStdout();
        for (int i = 0; i < 3; ++i) {
            glColor3f(0, 0, 0);
            texture.bindGLTexture();
            EXPECT_EQ(boundTexture(), 0);
            GLfloat colour[4];
            glGetFloatv(GL_CURRENT_COLOR, colour);
            EXPECT_EQ(colour[0], 1.0f);
        }
        EXPECT_EQ(testing::internal::GetCapturedStdout(), std::string("Failed to load image ") + path +
                                                              "\nERROR Loading texture!!! file: " + path + "\n");
        EXPECT_FALSE(texture.textureLoaded);
        EXPECT_EQ(glGetError(), (GLenum)GL_NO_ERROR);
    }
}

TEST_F(WindowTest, MeshDrawsFromItsBufferInItsColourOrTexture) {
    folder.writeText("quad.obj", leftHalf);
    folder.writeBmp24("Textures/solid.bmp", 8, 8, 10, 20, 200);
    Texture solid("Textures/solid.bmp");
    Mesh* mesh = objLoader::loadObj("quad.obj");
    ASSERT_EQ(mesh->getPolygons().size(), 2u);

    plainView();
    PolygonColor red;
    red.setGreen(0);
    red.setBlue(0);
    mesh->setColor(red);
    mesh->draw();
    EXPECT_EQ(left(), (Rgb{255, 0, 0}));
    EXPECT_EQ(right(), black);
    // The first draw uploaded the arrays and let them go.
    EXPECT_TRUE(mesh->vertexBuffer.vboLoaded);
    EXPECT_EQ(mesh->vertexBuffer.vertexArray, nullptr);
    EXPECT_TRUE(glIsBufferARB(mesh->vertexBuffer.vbo));
    EXPECT_TRUE(glIsEnabled(GL_LIGHTING));
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));

    // Textured: the texture modulated by white, whatever the colour.
    plainView();
    mesh->setTexture(&solid);
    mesh->draw();
    EXPECT_EQ(left(), (Rgb{10, 20, 200}));
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));

    // drawWithTexture binds the texture but leaves enabling it to the caller.
    Texture other("Textures/solid.bmp");
    plainView();
    glEnable(GL_TEXTURE_2D);
    mesh->setTexture(nullptr);
    mesh->drawWithTexture(&other);
    EXPECT_EQ(left(), (Rgb{10, 20, 200}));
    EXPECT_TRUE(other.textureLoaded);
    EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
    EXPECT_EQ(glGetError(), (GLenum)GL_NO_ERROR);
    objLoader::deleteMesh(mesh);
}

TEST_F(WindowTest, SwitchedOffMeshDrawsOnlyForTheInventoryOrBare) {
    folder.writeText("quad.obj", leftHalf);
    Mesh* mesh = objLoader::loadObj("quad.obj");
    PolygonColor green;
    green.setRed(0);
    green.setBlue(0);
    mesh->setColor(green);
    mesh->enableDrawing(false);

    plainView();
    mesh->draw();
    Texture unused("Textures/none.bmp");
    mesh->drawWithTexture(&unused);
    EXPECT_EQ(left(), black);
    EXPECT_FALSE(unused.textureLoaded);

    mesh->drawForInventory();
    EXPECT_EQ(left(), (Rgb{0, 255, 0}));

    // Bare: the caller's colour, no lighting switched on.
    plainView();
    glDisable(GL_LIGHTING);
    glColor3f(0, 0, 1);
    mesh->drawWithNothing();
    EXPECT_EQ(left(), (Rgb{0, 0, 255}));
    EXPECT_FALSE(glIsEnabled(GL_LIGHTING));
    EXPECT_EQ(glGetError(), (GLenum)GL_NO_ERROR);
    objLoader::deleteMesh(mesh);
}

TEST_F(WindowTest, EmptyMeshDrawsNothingAndMakesNoBuffer) {
    testing::internal::CaptureStderr();
    Mesh* mesh = objLoader::loadObj("ObjFiles/missing.obj");
    testing::internal::GetCapturedStderr();
    plainView();
    for (int i = 0; i < 2; ++i) {
        mesh->draw();
        mesh->drawForInventory();
        mesh->drawWithNothing();
    }
    EXPECT_FALSE(mesh->vertexBuffer.vboLoaded);
    EXPECT_EQ(left(), black);
    EXPECT_EQ(glGetError(), (GLenum)GL_NO_ERROR);
    objLoader::deleteMesh(mesh);
}

class RegistryInWindow : public WindowTest {
protected:
    std::unique_ptr<TexturesMeshes> registry;

    void buildRegistry() {
        testing::internal::CaptureStderr();  // the mesh files it does not find
        registry.reset(new TexturesMeshes());
        testing::internal::GetCapturedStderr();
    }
};

TEST_F(RegistryInWindow, SharedSlotsBindOneTextureAndTwinFilesTwo) {
    folder.writeBmp24("Textures/lavaRock.bmp", 4, 4, 90, 30, 10);
    folder.writeBmp24("Textures/thatch.bmp", 4, 4, 200, 180, 60);
    buildRegistry();
    TexturesMeshes& r = *registry;

    r.lavaRockGroundTexture->bindGLTexture();
    ASSERT_TRUE(r.lavaRockTexture->textureLoaded);
    GLint ground = boundTexture();
    glBindTexture(GL_TEXTURE_2D, 0);
    r.lavaRockTexture->bindGLTexture();
    EXPECT_EQ(boundTexture(), ground);
    r.snowLavaRockMesh->getTexture()->bindGLTexture();
    EXPECT_EQ(boundTexture(), ground);

    r.thatchTexture->bindGLTexture();
    EXPECT_FALSE(r.thatchTexture2->textureLoaded);
    GLint first = boundTexture();
    r.thatchTexture2->bindGLTexture();
    EXPECT_NE(boundTexture(), first);
    EXPECT_TRUE(glIsTexture(first));
    EXPECT_EQ(glGetError(), (GLenum)GL_NO_ERROR);
}

TEST_F(RegistryInWindow, PointMeshDrawsWhite) {
    folder.writeText("ObjFiles/ePoint.obj", leftHalf);
    buildRegistry();
    plainView();
    glColor3f(0.5f, 0, 0);
    registry->ePointMesh->draw();
    EXPECT_EQ(left(), (Rgb{255, 255, 255}));
    EXPECT_EQ(right(), black);
}

}  // namespace
