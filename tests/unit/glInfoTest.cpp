#include <gtest/gtest.h>

#include "glInfo/glInfo.h"

namespace {

TEST(glInfo, WithoutAContextThereIsNothingToReport) {
    glInfo info;
    EXPECT_FALSE(info.getInfo());
}

TEST(glInfo, ExtensionsMatchByWholeName) {
    glInfo info;
    info.extensions = {"GL_ARB_vertex_buffer_object", "GL_EXT_framebuffer_object"};
    EXPECT_TRUE(info.isExtensionSupported("GL_ARB_vertex_buffer_object"));
    EXPECT_FALSE(info.isExtensionSupported("GL_ARB_vertex_buffer"));
    EXPECT_FALSE(info.isExtensionSupported("GL_EXT_framebuffer_object_more"));
    EXPECT_FALSE(info.isExtensionSupported(""));
    EXPECT_FALSE(info.isExtensionSupported(nullptr));
}

}  // namespace
