// The game's entry point and main loop, and the one global controller.
#include <SDL.h>

#include <cstdio>
#include <cstdlib>
#include <iostream>

#include "Controller/Controller.h"
#include "Controller/FoldedEventPoll.h"
#include "OpenGL/GLContext.h"
#include "OpenGL/OpenGL.h"
#include "ScreenProjection/ScreenProjection.h"

// Set up before the controller, whose constructor prints the loading lines:
// each console line goes out whole and at once, also into a pipe or a file.
static struct ConsoleStreams {
    ConsoleStreams() { setvbuf(stdout, nullptr, _IOLBF, 0); }
} consoleStreams;

Controller controller;

int SDL_main(int argc, char** argv);

// Runs on every exit path, before the controller's destructor: the desktop
// mode and the mouse come back, and nothing deletes OpenGL objects after.
static void shutDownSDL() {
    GLContext::setAlive(false);
    SDL_Quit();
}

[[noreturn]] static void failStartUp(const char* what) {
    fprintf(stderr, "%s: %s\n", what, SDL_GetError());
    exit(1);
}

// One event at most per pass, then one frame.
void main_loop_function() {
    for (;;) {
        SDL_Event event;
        if (pollFoldedEvent(&event) && !controller.eventMessage(event)) {
            return;
        }
        controller.processGame();
    }
}

bool events() {
    SDL_Event event;
    if (!pollFoldedEvent(&event)) {
        return true;
    }
    return controller.eventMessage(event);
}

int SDL_main(int, char**) {
    if (SDL_Init(SDL_INIT_AUDIO | SDL_INIT_VIDEO) < 0) {
        failStartUp("Unable to start SDL");
    }
    atexit(shutDownSDL);

    const SDL_VideoInfo* info = SDL_GetVideoInfo();
    int bitsPerPixel = info ? info->vfmt->BitsPerPixel : 0;
    SDL_GL_SetAttribute(SDL_GL_STENCIL_SIZE, 8);

    SDL_Surface* icon = SDL_LoadBMP_RW(SDL_RWFromFile("Textures/icon.bmp", "rb"), 1);
    if (icon == nullptr) {
        failStartUp("Unable to load the icon Textures/icon.bmp");
    }
    SDL_SetColorKey(icon, SDL_SRCCOLORKEY, SDL_MapRGB(icon->format, 255, 0, 255));
    SDL_WM_SetIcon(icon, nullptr);

    if (SDL_SetVideoMode(ScreenProjection::WIDTH, ScreenProjection::HEIGHT, bitsPerPixel,
                         SDL_HWSURFACE | SDL_ASYNCBLIT | SDL_OPENGL | SDL_ANYFORMAT | SDL_FULLSCREEN) == nullptr) {
        failStartUp("Unable to open the 800x600 OpenGL video mode");
    }
    GLContext::setAlive(true);
    GLenum glew = glewInit();
    if (glew != GLEW_OK) {
        fprintf(stderr, "Unable to load the OpenGL entry points: %s\n", (const char*)glewGetErrorString(glew));
        exit(1);
    }
    SDL_WM_SetCaption("Tavir", nullptr);

    controller.init();

    SDL_ShowCursor(0);
    SDL_WM_GrabInput(SDL_GRAB_ON);
    // The grab warps the pointer to the centre; that jump must not turn the
    // hero or the camera.
    SDL_PumpEvents();
    SDL_GetRelativeMouseState(nullptr, nullptr);

    main_loop_function();
    return 0;
}

// SDL's start-up glue calls SDL_main only on some platforms; here the
// process entry does, after static initialisation has built the controller.
int main(int argc, char** argv) { return SDL_main(argc, argv); }
