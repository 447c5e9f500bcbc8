#include "Texture/Texture.h"

#include <SDL.h>

#include <cassert>
#include <cstdio>
#include <iostream>

#include "OpenGL/GLContext.h"
#include "OpenGL/OpenGL.h"

Texture::Texture() : textureLoaded(false), bmpFile(nullptr), texture(0), textureFailed(false) {}

Texture::Texture(const char* path)
    : textureLoaded(false), file(path ? path : ""), bmpFile(nullptr), texture(0), textureFailed(false) {}

Texture::~Texture() {
    if (textureLoaded && GLContext::isAlive()) {
        glDeleteTextures(1, &texture);
    }
}

void Texture::setFile(const char* path) {
    file = path ? path : "";
    // A new path deserves a new attempt.
    textureFailed = false;
}

SDL_Surface* Texture::loadImage() {
    SDL_RWops* stream = SDL_RWFromFile(file.c_str(), "rb");
    SDL_Surface* decoded = stream ? SDL_LoadBMP_RW(stream, 1) : nullptr;
    SDL_Surface* converted = nullptr;
    if (decoded != nullptr) {
        SDL_SetColorKey(decoded, SDL_SRCCOLORKEY, 0xFF00FF);
        converted = SDL_DisplayFormatAlpha(decoded);
        SDL_FreeSurface(decoded);
    }
    // A failed conversion (no video mode, or no memory) is as good as an
    // unreadable file.
    if (converted == nullptr) {
        printf("Failed to load image %s\n", file.c_str());
        fflush(stdout);
    }
    return converted;
}

void Texture::loadTexture() {
    assert(bmpFile == nullptr);
    bmpFile = loadImage();
    if (bmpFile == nullptr) {
        std::cout << "ERROR Loading texture!!! file: " << file << std::endl;
        textureFailed = true;
        return;
    }
    glGenTextures(1, &texture);
    glBindTexture(GL_TEXTURE_2D, texture);
    assert(glIsTexture(texture));

    // The display format is B, G, R, A in memory on the usual visuals; a
    // display that orders red first yields R, G, B, A instead.
    GLenum layout = bmpFile->format->Rmask == 0x000000FF ? GL_RGBA : GL_BGRA;
    SDL_LockSurface(bmpFile);
    // Rows go up top row first: t = 0 is the top edge of the picture.
    gluBuild2DMipmaps(GL_TEXTURE_2D, GL_RGBA12, bmpFile->w, bmpFile->h, layout, GL_UNSIGNED_BYTE, bmpFile->pixels);
    SDL_UnlockSurface(bmpFile);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MIN_FILTER, GL_LINEAR_MIPMAP_LINEAR);
    glTexParameteri(GL_TEXTURE_2D, GL_TEXTURE_MAG_FILTER, GL_LINEAR);
    glTexEnvf(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);

    textureLoaded = true;
    SDL_FreeSurface(bmpFile);
    bmpFile = nullptr;
}

void Texture::bindGLTexture() {
    if (!textureLoaded && !textureFailed) {
        loadTexture();
    }
    glColor3f(1, 1, 1);
    if (textureFailed) {
        glBindTexture(GL_TEXTURE_2D, 0);
        return;
    }
    assert(textureLoaded);
    glBindTexture(GL_TEXTURE_2D, texture);
    assert(glIsTexture(texture));
}
