// Ground planes, the render-to-texture target, the shader program and the
// driver report in a real OpenGL context.
#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <string>
#include <vector>

#include "FrameBuffer/FrameBuffer.h"
#include "Shader/Shader.h"
#include "Texture/Texture.h"
#include "TexturePlane/TexturePlane.h"
#include "glInfo/glInfo.h"
#include "support/Fixtures.h"
#include "support/GLWindow.h"

namespace {

using Rgb = GLWindow::Rgb;

class RenderTarget : public ::testing::Test {
protected:
    GLWindow window;
    TempFolder folder;
    WorkingDirectory inFolder{folder.path()};

    void SetUp() override { ASSERT_TRUE(window.isOpen()) << window.getError(); }
};

const Rgb red{255, 0, 0}, green{0, 255, 0}, blue{0, 0, 255}, white{255, 255, 255}, black{0, 0, 0};

TEST_F(RenderTarget, GroundPlaneFacesUpAndTurnsWithItsTexture) {
    // An 8x8 picture in four quadrants: red, green / blue, white.
    std::vector<uint8_t> rgb;
    for (int y = 0; y < 8; ++y) {
        for (int x = 0; x < 8; ++x) {
            Rgb c = y < 4 ? (x < 4 ? red : green) : (x < 4 ? blue : white);
            rgb.insert(rgb.end(), {(uint8_t)c.r, (uint8_t)c.g, (uint8_t)c.b});
        }
    }
    folder.writeBmp24("Textures/quadrants.bmp", 8, 8, rgb);
    Texture texture("Textures/quadrants.bmp");

    struct Case {
        float angle;
        bool fromBelow;
        Rgb topLeft, topRight, bottomLeft, bottomRight;
    } cases[] = {
        {0, false, red, green, blue, white},
        // A quarter turn about the centre, the picture with it.
        {90, false, green, white, red, blue},
        {0, true, black, black, black, black},  // culled from below
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.angle);
        glMatrixMode(GL_PROJECTION);
        glLoadIdentity();
        glOrtho(-1, 1, -1, 1, 0.1, 100);
        glMatrixMode(GL_MODELVIEW);
        glLoadIdentity();
        // From above with north (-z) up the screen, or from below.
        if (c.fromBelow) {
            gluLookAt(0, -10, 0, 0, 0, 0, 0, 0, -1);
        } else {
            gluLookAt(0, 10, 0, 0, 0, 0, 0, 0, -1);
        }
        glDisable(GL_LIGHTING);
        glEnable(GL_CULL_FACE);
        glClearColor(0, 0, 0, 1);
        glClear(GL_COLOR_BUFFER_BIT);

        TexturePlane plane(0, 3, 0, 2, c.angle);
        plane.setTexture(&texture);
        plane.draw();
        EXPECT_EQ(window.pixel(200, 450), c.topLeft);
        EXPECT_EQ(window.pixel(600, 450), c.topRight);
        EXPECT_EQ(window.pixel(200, 150), c.bottomLeft);
        EXPECT_EQ(window.pixel(600, 150), c.bottomRight);
        EXPECT_FALSE(glIsEnabled(GL_TEXTURE_2D));
        EXPECT_EQ(glGetError(), (GLenum)GL_NO_ERROR);
    }
}

TEST_F(RenderTarget, FrameBufferIsCompleteAndRendersIntoItsTexture) {
    FrameBuffer target;
    EXPECT_FALSE(target.initialized);
    target.bind();
    ASSERT_TRUE(target.initialized);
    EXPECT_EQ(glCheckFramebufferStatusEXT(GL_FRAMEBUFFER_EXT), (GLenum)GL_FRAMEBUFFER_COMPLETE_EXT);
    GLint bound = 0;
    glGetIntegerv(GL_FRAMEBUFFER_BINDING_EXT, &bound);
    EXPECT_EQ(bound, (GLint)target.fbo);

    unsigned int fbo = target.fbo, texture = target.texture, depth = target.depthBuffer;
    target.unBind();
    target.bind();  // the second bind makes nothing new
    EXPECT_EQ(target.fbo, fbo);
    EXPECT_EQ(target.texture, texture);
    EXPECT_EQ(target.depthBuffer, depth);

    glViewport(0, 0, 512, 512);
    glClearColor(0, 0, 1, 1);
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    target.unBind();
    glViewport(0, 0, 800, 600);
    glGetIntegerv(GL_FRAMEBUFFER_BINDING_EXT, &bound);
    EXPECT_EQ(bound, 0);
    glGetIntegerv(GL_TEXTURE_BINDING_2D, &bound);
    EXPECT_EQ(bound, (GLint)target.texture);

    std::vector<unsigned char> texels(512 * 512 * 4);
    glPixelStorei(GL_PACK_ALIGNMENT, 1);
    glGetTexImage(GL_TEXTURE_2D, 0, GL_RGBA, GL_UNSIGNED_BYTE, texels.data());
    EXPECT_EQ(texels[0], 0);
    EXPECT_EQ(texels[2], 255);
    EXPECT_EQ(texels[(511 * 512 + 511) * 4 + 2], 255);
    EXPECT_EQ(glGetError(), (GLenum)GL_NO_ERROR);
}

TEST_F(RenderTarget, ShaderProgramLinksAndIsUsed) {
    Shader shader;
    EXPECT_FALSE(shader.isLoaded);
    testing::internal::CaptureStderr();
    shader.loadShader();
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "");
    ASSERT_TRUE(shader.isLoaded);
    EXPECT_TRUE(shader.compileStatus);
    EXPECT_TRUE(shader.linkStatus);
    shader.useProgram();
    GLint current = 0;
    glGetIntegerv(GL_CURRENT_PROGRAM, &current);
    EXPECT_EQ(current, (GLint)shader.program);
    glUseProgram(0);
    EXPECT_EQ(glGetError(), (GLenum)GL_NO_ERROR);
}

TEST_F(RenderTarget, DriverReportPrints) {
    glInfo info;
    ASSERT_TRUE(info.getInfo());
    EXPECT_FALSE(info.extensions.empty());
    EXPECT_TRUE(std::is_sorted(info.extensions.begin(), info.extensions.end()));
    EXPECT_EQ(info.stencilBits, 8);
    EXPECT_TRUE(info.isExtensionSupported("GL_ARB_vertex_buffer_object"));
    EXPECT_TRUE(info.isExtensionSupported("GL_EXT_framebuffer_object"));
    EXPECT_FALSE(info.isExtensionSupported("GL_ARB_vertex_buffer"));

    testing::internal::CaptureStdout();
    info.printSelf();
    std::string report = testing::internal::GetCapturedStdout();
    std::string head = "\nOpenGL Driver Info\n==================\nVendor: " + info.vendor + "\nVersion: " +
                       info.version + "\nRenderer: " + info.renderer + "\n\nColor Bits(R,G,B,A): (";
    EXPECT_EQ(report.substr(0, head.size()), head);
    EXPECT_NE(report.find("\nStencil Bits: 8\n"), std::string::npos);
    EXPECT_NE(report.find("\nMax Texture Size: " + std::to_string(info.maxTextureSize) + "x"), std::string::npos);
    std::string count = "\nTotal Number of Extensions: " + std::to_string(info.extensions.size()) + "\n" +
                        std::string(30, '=') + "\n";
    size_t list = report.find(count);
    ASSERT_NE(list, std::string::npos);
    std::istringstream lines(report.substr(list + count.size()));
    std::vector<std::string> printed;
    for (std::string line; std::getline(lines, line) && line != std::string(70, '=');) printed.push_back(line);
    EXPECT_EQ(printed, info.extensions);
    EXPECT_EQ(report.substr(report.size() - 72), std::string(70, '=') + "\n\n");
}

}  // namespace
