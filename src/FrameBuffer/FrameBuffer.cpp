#include "FrameBuffer/FrameBuffer.h"

#include <cassert>

#include "OpenGL/GLContext.h"
#include "OpenGL/OpenGL.h"

FrameBuffer::FrameBuffer() : width(512), height(512), initialized(false), fbo(0), depthBuffer(0), texture(0) {}

FrameBuffer::~FrameBuffer() {
    if (initialized && GLContext::isAlive()) {
        glDeleteTextures(1, &texture);
        glDeleteFramebuffersEXT(1, &fbo);
        glDeleteRenderbuffersEXT(1, &depthBuffer);
    }
}

void FrameBuffer::initialize() {
    glGenTextures(1, &texture);
    glGenRenderbuffersEXT(1, &depthBuffer);
    glGenFramebuffersEXT(1, &fbo);

    glBindRenderbufferEXT(GL_RENDERBUFFER_EXT, depthBuffer);
    glRenderbufferStorageEXT(GL_RENDERBUFFER_EXT, GL_DEPTH_COMPONENT, width, height);

    glBindFramebufferEXT(GL_FRAMEBUFFER_EXT, fbo);
    glFramebufferRenderbufferEXT(GL_FRAMEBUFFER_EXT, GL_DEPTH_ATTACHMENT_EXT, GL_RENDERBUFFER_EXT, depthBuffer);

    glBindTexture(GL_TEXTURE_2D, texture);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_S, GL_CLAMP_TO_EDGE);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_WRAP_T, GL_CLAMP_TO_EDGE);
    glTexImage2D(GL_TEXTURE_2D, 0, GL_RGBA8, width, height, 0, GL_RGBA, GL_UNSIGNED_BYTE, nullptr);

    glFramebufferTexture2DEXT(GL_FRAMEBUFFER_EXT, GL_COLOR_ATTACHMENT0_EXT, GL_TEXTURE_2D, texture, 0);

    GLenum status = glCheckFramebufferStatusEXT(GL_FRAMEBUFFER_EXT);
    assert(status == GL_FRAMEBUFFER_COMPLETE_EXT);
    (void)status;

    glBindFramebufferEXT(GL_FRAMEBUFFER_EXT, fbo);
    initialized = true;
}

void FrameBuffer::bind() {
    if (!initialized) {
        initialize();
    }
    glBindRenderbufferEXT(GL_RENDERBUFFER_EXT, depthBuffer);
    glBindFramebufferEXT(GL_FRAMEBUFFER_EXT, fbo);
}

void FrameBuffer::unBind() {
    glBindTexture(GL_TEXTURE_2D, texture);
    glBindFramebufferEXT(GL_FRAMEBUFFER_EXT, 0);
    glBindRenderbufferEXT(GL_RENDERBUFFER_EXT, 0);
}

void FrameBuffer::bindTexture() { glBindTexture(GL_TEXTURE_2D, texture); }
