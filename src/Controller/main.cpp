// Entry point. Until the game controller lands this opens the window and
// runs an empty paced loop so the start-up path can be tested end to end.
#include <SDL.h>

#include <cstdio>
#include <cstdlib>

#include "OpenGL/OpenGL.h"

int main(int, char**) {
    setvbuf(stdout, NULL, _IOLBF, 0);
    if (SDL_Init(SDL_INIT_VIDEO | SDL_INIT_AUDIO) < 0) {
        fprintf(stderr, "Unable to initialise SDL: %s\n", SDL_GetError());
        return 1;
    }
    atexit(SDL_Quit);
    SDL_GL_SetAttribute(SDL_GL_STENCIL_SIZE, 8);
    const SDL_VideoInfo* info = SDL_GetVideoInfo();
    int bpp = info ? info->vfmt->BitsPerPixel : 0;
    if (SDL_SetVideoMode(800, 600, bpp, SDL_OPENGL | SDL_FULLSCREEN) == NULL) {
        fprintf(stderr, "Unable to open the video mode: %s\n", SDL_GetError());
        return 1;
    }
    SDL_WM_SetCaption("Tavir", NULL);
    glewInit();
    bool running = true;
    Uint32 last = SDL_GetTicks();
    while (running) {
        SDL_Event event;
        if (SDL_PollEvent(&event)) {
            if (event.type == SDL_QUIT) running = false;
            if (event.type == SDL_KEYDOWN && event.key.keysym.sym == SDLK_F12) running = false;
        }
        glClearColor(0.1f, 0.3f, 0.2f, 1.0f);
        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT);
        SDL_GL_SwapBuffers();
        Uint32 now = SDL_GetTicks();
        int remainder = 40 - (int)(now - last);
        if (remainder > 0) SDL_Delay(remainder);
        last = SDL_GetTicks();
    }
    return 0;
}
