// Frame work on every island of the pack: the unpaced time of one frame
// (world update, camera, the whole picture, finished on the GPU) with the
// hero at the island's start, and again with a portal pair open in front
// of it. One line per island: min / median / p95 / p99 / max in ms, and how
// many frames took over the 40 ms a frame may take. Run it under a display
// from the pack's folder (or pass that folder), for example:
//     bash scripts/headless-run.sh -t 900 -- build/bench_FrameBench build/data [frames]
#include <SDL.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "Controller/Controller.h"
#include "GLContext/GLContext.h"
#include "Island/Island.h"
#include "Object/HeightMap/HeightMap.h"
#include "Object/Portal/Portal.h"
#include "OpenGL/OpenGL.h"

namespace {

struct Summary {
    double min, median, p95, p99, max;
    int over;
};

Summary summarise(std::vector<double> times) {
    std::sort(times.begin(), times.end());
    auto at = [&](double q) { return times[std::min(times.size() - 1, (size_t)(q * (times.size() - 1) + 0.5))]; };
    Summary s{times.front(), at(0.5), at(0.95), at(0.99), times.back(), 0};
    for (double t : times) s.over += t > 40.0;
    return s;
}

// One frame as the loop runs it, without the pacing sleep.
std::vector<double> measure(Controller* c, int warmUp, int frames) {
    std::vector<double> times;
    for (int i = 0; i < warmUp + frames; i++) {
        auto begin = std::chrono::steady_clock::now();
        c->updateWorld();
        c->updateCamera();
        c->renderWorld();
        glFinish();
        auto end = std::chrono::steady_clock::now();
        if (i >= warmUp) times.push_back(std::chrono::duration<double, std::milli>(end - begin).count());
    }
    return times;
}

// A full-grown portal on the ground about `distance` ahead of the hero,
// turned by `angle` from its view; false when no ground is found near.
bool openAhead(Controller* c, Portal*& slot, float distance, float angle) {
    HeightMap* heightMap = c->getCurrentHeightMap();
    Vector3D position = c->hero.getPosition();
    Vector3D view = c->hero.getViewDirection();
    view.y = 0;
    if (view.isEmpty()) view.setCoords(0, 0, -1);
    for (float extra = 0; extra < 20; extra += 2) {
        Vector3D ahead = view.rotateAroundYAxis(angle);
        ahead.setLength(distance + extra);
        Vector3D at = position.add(&ahead);
        Polygon3D* ground = heightMap->getPolygon(at.x, at.z);
        if (ground == nullptr) continue;
        Vector3D point(at.x, heightMap->getHeight(at.x, at.z) + 0.06f, at.z);
        c->openPortal(slot, ground, point, Vector3D(ahead.x, -1.0f, ahead.z));
        for (int i = 0; i < 8; i++) slot->update();
        return true;
    }
    return false;
}

void print(const char* label, const Summary& s) {
    printf("  %s %6.1f / %6.1f / %6.1f / %6.1f / %6.1f, over 40 ms: %3d", label, s.min, s.median, s.p95, s.p99, s.max,
           s.over);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 1 && chdir(argv[1]) != 0) {
        perror(argv[1]);
        return 1;
    }
    int frames = argc > 2 ? std::atoi(argv[2]) : 100;
    Controller* c = new Controller();
    if (SDL_Init(SDL_INIT_AUDIO | SDL_INIT_VIDEO) < 0) {
        fprintf(stderr, "SDL: %s\n", SDL_GetError());
        return 1;
    }
    SDL_GL_SetAttribute(SDL_GL_STENCIL_SIZE, 8);
    if (SDL_SetVideoMode(800, 600, 0, SDL_OPENGL | SDL_FULLSCREEN) == NULL || glewInit() != GLEW_OK) {
        fprintf(stderr, "video: %s\n", SDL_GetError());
        return 1;
    }
    GLContext::setAlive(true);
    c->init();
    printf("frame work in ms (min / median / p95 / p99 / max), %d frames each\n", frames);
    for (int island = 0; island < ISLAND_COUNT; island++) {
        c->setCurrentIsland(island);
        c->inMainMenu = false;
        c->gameStarted = true;
        c->cutScenePlaying = false;
        c->camera.setCameraMode(CAMERA_THIRD_PERSON);
        // Let the hero land before timing.
        measure(c, 40, 0);
        Summary start = summarise(measure(c, 5, frames));

        bool pair = openAhead(c, c->alphaPortal, 8.0f, 0.0f) && openAhead(c, c->betaPortal, 10.0f, 0.6f);
        Summary withPair = summarise(measure(c, 5, frames));
        printf("island %2d:", island);
        print("start", start);
        print(pair ? "pair" : "no pair (no ground ahead)", withPair);
        printf("\n");
        fflush(stdout);
    }
    GLContext::setAlive(false);
    SDL_Quit();
    return 0;
}
