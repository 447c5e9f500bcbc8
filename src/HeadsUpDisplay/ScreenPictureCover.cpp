#include "HeadsUpDisplay/ScreenPictureCover.h"

#include <SDL.h>

#include <algorithm>
#include <cstdint>

#include "OpenGL/OpenGL.h"
#include "ScreenProjection/ScreenProjection.h"
#include "Texture/Texture.h"

const int TILE = 16;
// How far, in picture pixels, a texel can reach on the screen through the
// texture's resizing to powers of two and its filtered mip levels.
const int REACH = 12;
const int SCREEN_WIDTH = ScreenProjection::WIDTH;
const int SCREEN_HEIGHT = ScreenProjection::HEIGHT;

ScreenPictureCover::ScreenPictureCover() : known(false) {}

bool ScreenPictureCover::isKnown() const { return known; }

const std::vector<ScreenPictureCover::Box>& ScreenPictureCover::getBoxes() const { return boxes; }

void ScreenPictureCover::build(const std::vector<char>& opaque, int width, int height) {
    boxes.clear();
    known = width > 0 && height > 0 && opaque.size() == (size_t)width * height;
    if (!known) {
        return;
    }
    // Opaque pixels above and left of each corner, for counts over any
    // rectangle.
    std::vector<int> sums((size_t)(width + 1) * (height + 1), 0);
    for (int row = 0; row < height; ++row) {
        for (int column = 0; column < width; ++column) {
            size_t at = (size_t)(row + 1) * (width + 1) + column + 1;
            sums[at] = (opaque[(size_t)row * width + column] ? 1 : 0) + sums[at - 1] + sums[at - (width + 1)] -
                       sums[at - (width + 1) - 1];
        }
    }
    auto countInside = [&](int left, int top, int right, int bottom) {
        left = std::max(left, 0);
        top = std::max(top, 0);
        right = std::min(right, width);
        bottom = std::min(bottom, height);
        if (left >= right || top >= bottom) {
            return 0;
        }
        return sums[(size_t)bottom * (width + 1) + right] - sums[(size_t)top * (width + 1) + right] -
               sums[(size_t)bottom * (width + 1) + left] + sums[(size_t)top * (width + 1) + left];
    };
    // The texture repeats: a span past one edge goes on from the other.
    auto wrapped = [](int low, int high, int size, int spans[2][2]) {
        low = std::max(low, high - size);
        if (low < 0) {
            spans[0][0] = low + size, spans[0][1] = size, spans[1][0] = 0, spans[1][1] = high;
        } else if (high > size) {
            spans[0][0] = low, spans[0][1] = size, spans[1][0] = 0, spans[1][1] = high - size;
        } else {
            spans[0][0] = low, spans[0][1] = high, spans[1][0] = 0, spans[1][1] = 0;
        }
    };
    auto count = [&](int left, int top, int right, int bottom) {
        int across[2][2], down[2][2];
        wrapped(left, right, width, across);
        wrapped(top, bottom, height, down);
        int n = 0;
        for (const auto& x : across) {
            for (const auto& y : down) {
                n += countInside(x[0], y[0], x[1], y[1]);
            }
        }
        return n;
    };
    // Each row of tiles gives runs of covered tiles; a run that continues
    // one of the row above with the same span makes that box taller.
    std::vector<Box> open;
    for (int y = 0; y < SCREEN_HEIGHT; y += TILE) {
        int h = std::min(TILE, SCREEN_HEIGHT - y);
        std::vector<Box> row;
        for (int x = 0; x < SCREEN_WIDTH; x += TILE) {
            int w = std::min(TILE, SCREEN_WIDTH - x);
            // The tile's part of the picture, widened by the reach.
            int left = (int)((long)x * width / SCREEN_WIDTH) - REACH;
            int right = (int)(((long)(x + w) * width + SCREEN_WIDTH - 1) / SCREEN_WIDTH) + REACH;
            int top = (int)((long)y * height / SCREEN_HEIGHT) - REACH;
            int bottom = (int)(((long)(y + h) * height + SCREEN_HEIGHT - 1) / SCREEN_HEIGHT) + REACH;
            if (count(left, top, right, bottom) == 0) {
                continue;
            }
            if (!row.empty() && row.back().x + row.back().width == x) {
                row.back().width += w;
            } else {
                row.push_back(Box{x, y, w, h});
            }
        }
        std::vector<Box> stillOpen;
        for (Box& box : row) {
            auto above = std::find_if(open.begin(), open.end(), [&](const Box& b) {
                return b.x == box.x && b.width == box.width && b.y + b.height == box.y;
            });
            if (above != open.end()) {
                above->height += box.height;
                stillOpen.push_back(*above);
                open.erase(above);
            } else {
                stillOpen.push_back(box);
            }
        }
        boxes.insert(boxes.end(), open.begin(), open.end());
        open = stillOpen;
    }
    boxes.insert(boxes.end(), open.begin(), open.end());
}

bool ScreenPictureCover::readPicture(Texture& texture) {
    known = false;
    boxes.clear();
    SDL_Surface* picture = texture.loadImage();
    if (picture == nullptr) {
        return false;
    }
    if (picture->format->BytesPerPixel != 4) {
        SDL_FreeSurface(picture);
        return false;
    }
    std::vector<char> opaque((size_t)picture->w * picture->h);
    SDL_LockSurface(picture);
    const Uint32 alphaMask = picture->format->Amask;
    for (int row = 0; row < picture->h; ++row) {
        const Uint32* pixels = (const Uint32*)((const Uint8*)picture->pixels + (size_t)row * picture->pitch);
        for (int column = 0; column < picture->w; ++column) {
            // Without an alpha channel every pixel counts.
            opaque[(size_t)row * picture->w + column] = alphaMask == 0 || (pixels[column] & alphaMask) != 0;
        }
    }
    SDL_UnlockSurface(picture);
    int width = picture->w, height = picture->h;
    SDL_FreeSurface(picture);
    build(opaque, width, height);
    return known;
}

void ScreenPictureCover::drawFullScreen(Texture& texture) {
    glEnable(GL_TEXTURE_2D);
    texture.bindGLTexture();
    GLint viewport[4];
    glGetIntegerv(GL_VIEWPORT, viewport);
    bool wholeScreen = viewport[0] == 0 && viewport[1] == 0 && viewport[2] == SCREEN_WIDTH && viewport[3] == SCREEN_HEIGHT;
    if (!known || !wholeScreen || glIsEnabled(GL_SCISSOR_TEST)) {
        ScreenProjection::quad(true);
    } else {
        GLint previous[4];
        glGetIntegerv(GL_SCISSOR_BOX, previous);
        glEnable(GL_SCISSOR_TEST);
        for (const Box& box : boxes) {
            // The scissor box counts rows from the bottom.
            glScissor(box.x, SCREEN_HEIGHT - box.y - box.height, box.width, box.height);
            ScreenProjection::quad(true);
        }
        glDisable(GL_SCISSOR_TEST);
        glScissor(previous[0], previous[1], previous[2], previous[3]);
    }
    glDisable(GL_TEXTURE_2D);
}
