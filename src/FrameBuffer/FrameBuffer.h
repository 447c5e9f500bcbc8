#ifndef FRAMEBUFFER_H
#define FRAMEBUFFER_H

// A 512x512 render-to-texture target: a colour texture and a depth render
// buffer on one frame-buffer object, created at the first bind.
class FrameBuffer {
public:
    int width;
    int height;
    bool initialized;
    unsigned int fbo;
    unsigned int depthBuffer;
    unsigned int texture;

    FrameBuffer();
    virtual ~FrameBuffer();

    // Leaves the frame buffer bound.
    void initialize();
    // From here on drawing goes into the texture.
    void bind();
    // Back to the window, with the texture bound for drawing the result.
    void unBind();
    void bindTexture();
};

#endif
