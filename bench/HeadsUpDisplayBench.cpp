// Cost of the heads-up display on the asset pack, against the whole frame
// it is drawn in: the standard set (frame, bars, mini map, compass), the
// world map, and the standard set with an item near (frames and the item
// drawn in 3-D). Each figure waits for the drawing to finish. Run it under
// a display from the pack's folder (or pass that folder), for example:
//     bash scripts/headless-run.sh -- build/bench_HeadsUpDisplayBench build/data
#include <SDL.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <functional>

#include "Controller/Controller.h"
#include "OpenGL/GLContext.h"
#include "Island/Island.h"
#include "OpenGL/OpenGL.h"

namespace {

// Milliseconds per call of `step`, over `count` calls after two to warm up.
double millisecondsPer(int count, const std::function<void()>& step) {
    step();
    step();
    glFinish();
    auto begin = std::chrono::steady_clock::now();
    for (int i = 0; i < count; i++) {
        step();
        glFinish();
    }
    auto end = std::chrono::steady_clock::now();
    return std::chrono::duration<double, std::milli>(end - begin).count() / count;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 1 && chdir(argv[1]) != 0) {
        perror(argv[1]);
        return 1;
    }
    Controller* controller = new Controller();
    if (SDL_Init(SDL_INIT_AUDIO | SDL_INIT_VIDEO) < 0) {
        fprintf(stderr, "SDL: %s\n", SDL_GetError());
        return 1;
    }
    SDL_GL_SetAttribute(SDL_GL_STENCIL_SIZE, 8);
    if (SDL_SetVideoMode(800, 600, 0, SDL_OPENGL | SDL_FULLSCREEN) == nullptr || glewInit() != GLEW_OK) {
        fprintf(stderr, "video: %s\n", SDL_GetError());
        return 1;
    }
    GLContext::setAlive(true);
    controller->init();
    controller->inMainMenu = false;
    controller->gameStarted = true;
    controller->updateCamera();

    Controller& c = *controller;
    Island* island = c.islands[c.currentIsland];
    HoldableItem* item = c.allHoldableItems.empty() ? nullptr : c.allHoldableItems.front();
    auto hud = [&](HoldableItem* near) {
        return [&c, island, near]() {
            glClear(GL_DEPTH_BUFFER_BIT);
            glLoadIdentity();
            c.camera.lookAt();
            c.headsUpDisplay.draw(island, island->getHeightMap(), near, &c.camera);
        };
    };
    const int count = 100;
    double frame = millisecondsPer(count, [&]() { c.renderWorld(); });
    double standard = millisecondsPer(count, hud(nullptr));
    double withItem = millisecondsPer(count, hud(item));
    c.headsUpDisplay.toggleDrawMainMap();
    double worldMap = millisecondsPer(count, hud(nullptr));
    c.headsUpDisplay.toggleDrawMainMap();

    printf("whole frame on the home island:  %7.2f ms\n", frame);
    printf("display, standard set:           %7.2f ms\n", standard);
    printf("display, with an item near:      %7.2f ms\n", withItem);
    printf("display, world map:              %7.2f ms\n", worldMap);
    GLContext::setAlive(false);
    SDL_Quit();
    return 0;
}
