#ifndef TEXTURE_H
#define TEXTURE_H

#include <string>

struct SDL_Surface;

// One BMP file as a mip-mapped OpenGL texture. Construction only records the
// path: the image is decoded and uploaded at the first bind, inside the
// frame loop, once the window and its context exist.
class Texture {
public:
    bool textureLoaded;
    std::string file;
    // The decoded image, held only between decoding and upload.
    SDL_Surface* bmpFile;
    unsigned int texture;
    // The image could not be loaded: the failure was reported once and every
    // bind binds no texture.
    bool textureFailed;

    Texture();
    explicit Texture(const char* path);
    virtual ~Texture();

    void setFile(const char* path);
    // A new surface in the display's 32-bit format with alpha, magenta made
    // transparent; null when the file cannot be opened or decoded.
    SDL_Surface* loadImage();
    void loadTexture();
    // Creates the texture on first use, sets the colour to white and binds
    // it. GL_TEXTURE_2D is left for the caller to enable.
    void bindGLTexture();

private:
    Texture(const Texture&) = delete;
    Texture& operator=(const Texture&) = delete;
};

#endif
