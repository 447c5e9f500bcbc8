#include "Object/HeightMap/GreyPicture.h"

#include <SDL.h>

#include <cerrno>
#include <cstdio>
#include <cstring>

GreyPicture::GreyPicture(const char* path) : picture(nullptr), pixels(nullptr), pitch(0), height(0) {
    char problem[300];
    SDL_RWops* file = SDL_RWFromFile(path, "rb");
    if (file == nullptr) {
        std::snprintf(problem, sizeof problem, "cannot be opened (%s)", std::strerror(errno));
        said = problem;
        return;
    }
    SDL_Surface* image = SDL_LoadBMP_RW(file, 1);
    if (image == nullptr) {
        std::snprintf(problem, sizeof problem, "is not a readable BMP image (%s)", SDL_GetError());
        said = problem;
        return;
    }
    if (image->format->BitsPerPixel != 8) {
        std::snprintf(problem, sizeof problem, "is not an 8-bit image (it has %d bits per pixel)",
                      image->format->BitsPerPixel);
        said = problem;
        SDL_FreeSurface(image);
        return;
    }
    picture = image;
    SDL_LockSurface(picture);
    pixels = (const unsigned char*)picture->pixels;
    pitch = picture->pitch;
    height = picture->h;
}

GreyPicture::~GreyPicture() {
    if (picture != nullptr) {
        SDL_UnlockSurface(picture);
        SDL_FreeSurface(picture);
    }
}

const SDL_Surface* GreyPicture::surface() const { return picture; }

bool GreyPicture::covers(int size) {
    if (picture == nullptr) {
        return false;
    }
    if (picture->w < size || picture->h < size) {
        char problem[150];
        std::snprintf(problem, sizeof problem, "is %d x %d pixels, smaller than the %d x %d samples needed",
                      picture->w, picture->h, size, size);
        said = problem;
        return false;
    }
    return true;
}

const std::string& GreyPicture::problem() const { return said; }
