#ifndef TESTS_SUPPORT_GLWINDOW_H
#define TESTS_SUPPORT_GLWINDOW_H

// The game's 800x600 OpenGL window for in-process window tests (tests/gl):
// opens it with an 8-bit stencil, initialises the extension entry points
// and marks the context alive; closes it again when destroyed.
//
//     GLWindow window;
//     ASSERT_TRUE(window.isOpen()) << window.getError();
//     ... draw ...
//     GLWindow::Rgb centre = window.pixel(400, 300);

#include <SDL.h>

#include <ostream>
#include <string>
#include <vector>

#include "OpenGL/GLContext.h"
#include "OpenGL/OpenGL.h"

class GLWindow {
public:
    struct Rgb {
        int r, g, b;
        bool operator==(const Rgb& o) const { return r == o.r && g == o.g && b == o.b; }
        bool operator!=(const Rgb& o) const { return !(*this == o); }
    };

    static const int width = 800;
    static const int height = 600;

    GLWindow() {
        if (SDL_Init(SDL_INIT_VIDEO) < 0) {
            error = std::string("SDL_Init: ") + SDL_GetError();
            return;
        }
        SDL_GL_SetAttribute(SDL_GL_STENCIL_SIZE, 8);
        if (SDL_SetVideoMode(width, height, 0, SDL_OPENGL) == nullptr) {
            error = std::string("SDL_SetVideoMode: ") + SDL_GetError();
            SDL_Quit();
            return;
        }
        SDL_WM_SetCaption("Tavir", nullptr);
        GLenum glew = glewInit();
        if (glew != GLEW_OK) {
            error = std::string("glewInit: ") + (const char*)glewGetErrorString(glew);
            SDL_Quit();
            return;
        }
        open = true;
        GLContext::setAlive(true);
        glViewport(0, 0, width, height);
    }

    ~GLWindow() {
        if (open) {
            GLContext::setAlive(false);
            SDL_Quit();
        }
    }

    GLWindow(const GLWindow&) = delete;
    GLWindow& operator=(const GLWindow&) = delete;

    bool isOpen() const { return open; }
    const std::string& getError() const { return error; }

    // RGB bytes of a rectangle of the back buffer, bottom row first (window
    // coordinates: the origin is the bottom-left corner).
    std::vector<unsigned char> readPixels(int x, int y, int w, int h) const {
        std::vector<unsigned char> pixels((size_t)w * h * 3);
        glPixelStorei(GL_PACK_ALIGNMENT, 1);
        glReadBuffer(GL_BACK);
        glReadPixels(x, y, w, h, GL_RGB, GL_UNSIGNED_BYTE, pixels.data());
        return pixels;
    }

    // One pixel of the back buffer, origin bottom-left.
    Rgb pixel(int x, int y) const {
        std::vector<unsigned char> p = readPixels(x, y, 1, 1);
        return Rgb{p[0], p[1], p[2]};
    }

private:
    bool open = false;
    std::string error;
};

inline std::ostream& operator<<(std::ostream& out, const GLWindow::Rgb& c) {
    return out << "(" << c.r << ", " << c.g << ", " << c.b << ")";
}

#endif
