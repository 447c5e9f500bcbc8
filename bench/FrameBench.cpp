// Frame work on every island of the pack: the unpaced time of one frame as
// the game loop runs it (world update, camera, the whole picture and the
// buffer swap to the display, then finished on the renderer) with the
// hero at the island's start and at its busiest place, each alone and again
// with a portal pair open in front of the hero. One table: min / median /
// p95 / p99 / max in ms and how many frames took over the 40 ms a frame may
// take, the median processor time of the main thread and of the whole
// process, then the peak resident memory. Run it under a display from the
// pack's folder (or pass that folder), for example:
//     bash scripts/headless-run.sh -t 900 -- build/bench_FrameBench build/data [frames] [search]
// With "search" it instead times a few frames from eight sides of every
// candidate sight of each island and prints the slowest, which is how the
// busiest places below were chosen. With "switches" it times only the
// island switches: first a look through a home island gate at an island
// not yet entered, then for every island the switch call and the first five
// frames after it, on first entry and on re-entry after another island.
// Otherwise the switch figures come first (on a fresh world), then the
// table; "islands=2,9" limits the table to those islands.
#include <SDL.h>
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <string>
#include <vector>

#include "Controller/Controller.h"
#include "OpenGL/GLContext.h"
#include "Island/Island.h"
#include "Object/HeightMap/HeightMap.h"
#include "Object/Portal/IslandPortal/IslandPortal.h"
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

// One frame as the loop runs it, without the pacing sleep: its wall time,
// and the processor time of the main thread (which feeds the renderer) and
// of the whole process (the renderer's own threads too). On a shared
// machine the wall times swing with the load; the processor times less so.
struct Frames {
    std::vector<double> wall, mainCpu, allCpu;
};

double cpuMs(clockid_t clock) {
    timespec t;
    clock_gettime(clock, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

Frames measure(Controller* c, int warmUp, int frames) {
    Frames times;
    for (int i = 0; i < warmUp + frames; i++) {
        double main = cpuMs(CLOCK_THREAD_CPUTIME_ID), all = cpuMs(CLOCK_PROCESS_CPUTIME_ID);
        auto begin = std::chrono::steady_clock::now();
        c->updateWorld();
        c->updateCamera();
        // Ends with the buffer swap, as in the loop.
        c->renderWorld();
        glFinish();
        auto end = std::chrono::steady_clock::now();
        if (i >= warmUp) {
            times.wall.push_back(std::chrono::duration<double, std::milli>(end - begin).count());
            times.mainCpu.push_back(cpuMs(CLOCK_THREAD_CPUTIME_ID) - main);
            times.allCpu.push_back(cpuMs(CLOCK_PROCESS_CPUTIME_ID) - all);
        }
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

// A sight worth timing: the hero stands `side` away from the target and
// looks at it. The targets come from the islands' level code.
struct Sight {
    int island;
    const char* name;
    float x, z;
    float sideX, sideZ;
};

// The busiest place of every island, found with "search" (the slowest of
// the candidates below, seen from eight sides at 30 units).
const Sight BUSIEST[ISLAND_COUNT] = {
    {0, "shop", -13.9f, 46.5f, -21.2f, 21.2f},
    {1, "pillars", -120.0f, 42.0f, -21.2f, -21.2f},
    {2, "middle", 0.0f, 0.0f, 0.0f, 30.0f},
    {3, "middle", 0.0f, 0.0f, -21.2f, -21.2f},
    {4, "waterfall", -45.4f, 29.1f, -21.2f, -21.2f},
    {5, "town", 0.0f, 0.0f, 21.2f, 21.2f},
    {6, "house", 26.2f, -11.2f, 0.0f, 30.0f},
    {7, "waterfall", 40.5f, 67.2f, 0.0f, 30.0f},
    {8, "house", 40.4f, -86.2f, 30.0f, 0.0f},
    {9, "volcano", -18.8f, 150.0f, 0.0f, 30.0f},
    {10, "volcano", -60.0f, -29.6f, -30.0f, 0.0f},
    {11, "enemy town", 30.0f, 10.0f, 21.2f, 21.2f},
    {12, "castle gate", 14.0f, 20.0f, 0.0f, 30.0f},
};

// Candidate targets for the search.
const Sight CANDIDATES[] = {
    {0, "village", 5.0f, -2.0f, 0, 0},          {0, "shop", -13.9f, 46.5f, 0, 0},
    {1, "waterfall", -106.4f, 99.4f, 0, 0},     {1, "pillars", -120.0f, 42.0f, 0, 0},
    {2, "middle", 0.0f, 0.0f, 0, 0},            {3, "middle", 0.0f, 0.0f, 0, 0},
    {4, "waterfall", -45.4f, 29.1f, 0, 0},      {4, "lake", 40.4f, -28.7f, 0, 0},
    {5, "town", 0.0f, 0.0f, 0, 0},              {5, "king's hill", 78.6f, -103.0f, 0, 0},
    {5, "west houses", -100.0f, -20.0f, 0, 0},  {6, "house", 26.2f, -11.2f, 0, 0},
    {6, "middle", 0.0f, 0.0f, 0, 0},            {7, "waterfall", 40.5f, 67.2f, 0, 0},
    {8, "waterfall", -98.7f, -4.5f, 0, 0},      {8, "house", 40.4f, -86.2f, 0, 0},
    {9, "volcanoes", -67.0f, -36.0f, 0, 0},     {9, "volcano", -0.04f, -14.6f, 0, 0},
    {9, "volcano", 22.4f, 58.5f, 0, 0},         {9, "volcano", -18.8f, 150.0f, 0, 0},
    {10, "volcanoes", -46.4f, 11.0f, 0, 0},     {10, "volcano", -60.0f, -29.6f, 0, 0},
    {11, "enemy town", 30.0f, 10.0f, 0, 0},     {11, "shop", 58.7f, -4.4f, 0, 0},
    {12, "castle", 10.9f, 65.2f, 0, 0},         {12, "castle gate", 14.0f, 20.0f, 0, 0},
};

// Enters the island afresh and lets the hero land at its start.
void enter(Controller* c, int island) {
    c->setCurrentIsland(island);
    c->inMainMenu = false;
    c->gameStarted = true;
    c->cutScenePlaying = false;
    c->camera.setCameraMode(CAMERA_THIRD_PERSON);
    measure(c, 40, 0);
}

// Puts the hero on the ground at the sight's stand point, looking at its
// target; false when the stand point is off the island.
bool standAt(Controller* c, const Sight& sight) {
    HeightMap* heightMap = c->getCurrentHeightMap();
    float x = sight.x + sight.sideX, z = sight.z + sight.sideZ;
    if (heightMap->getPolygon(x, z) == nullptr) return false;
    Vector3D at(x, heightMap->getHeight(x, z) + 2.0f, z);
    c->hero.setLocation(&at);
    Vector3D look(-sight.sideX, 0.0f, -sight.sideZ);
    look.setLength(1.0);
    c->hero.setCenter(at.add(&look));
    c->hero.setVelocity(Vector3D(0, 0, 0));
    measure(c, 10, 0);
    return true;
}

void printRow(int island, const std::string& place, const Frames& frames) {
    Summary s = summarise(frames.wall);
    printf("%6d  %-26s %6.1f %7.1f %6.1f %6.1f %6.1f %6d %8.1f %8.1f\n", island, place.c_str(), s.min, s.median, s.p95,
           s.p99, s.max, s.over, summarise(frames.mainCpu).median, summarise(frames.allCpu).median);
    fflush(stdout);
}

// Timed alone, then with a pair opened in front of the hero.
void timePlace(Controller* c, int island, const std::string& place, int frames) {
    printRow(island, place, measure(c, 5, frames));
    bool pair = openAhead(c, c->alphaPortal, 8.0f, 0.0f) && openAhead(c, c->betaPortal, 10.0f, 0.6f);
    printRow(island, place + (pair ? " + pair" : " (no ground for a pair)"), measure(c, 5, frames));
}

double since(std::chrono::steady_clock::time_point begin) {
    return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - begin).count();
}

// The switch call as a key or a gate makes it, then the first five frames.
void timeSwitch(Controller* c, int island, const char* how) {
    auto begin = std::chrono::steady_clock::now();
    c->setCurrentIsland(island);
    double call = since(begin);
    Frames first = measure(c, 0, 5);
    double worst = std::max(call, *std::max_element(first.wall.begin(), first.wall.end()));
    printf("%6d  %-10s %8.1f", island, how, call);
    for (double t : first.wall) printf(" %7.1f", t);
    printf(" %8.1f%s\n", worst, worst > 200.0 ? "  over 200 ms" : "");
    fflush(stdout);
}

// Stands `distance` out from the gate along one side of its normal and
// looks at its opening, gate enabled; then times the first frames.
void timeGateView(Controller* c, int gateIndex, float side) {
    IslandPortal* gate = c->islandPortals[gateIndex];
    gate->setEnabled(true);
    Vector3D n = gate->getNormal();
    n.y = 0;
    n.setLength(12.0f * side);
    Vector3D centre = gate->getPosition();
    Vector3D at = centre.add(&n);
    HeightMap* heightMap = c->getCurrentHeightMap();
    float ground = heightMap->getHeight(at.x, at.z);
    at.y = ground == UNDEFINED_HEIGHT ? centre.y : ground + 2.0f;
    c->hero.setLocation(&at);
    Vector3D look = centre.subtract(&at);
    look.y = 0;
    look.setLength(1.0);
    c->hero.setCenter(at.add(&look));
    c->hero.setVelocity(Vector3D(0, 0, 0));
    Frames first = measure(c, 0, 5);
    Frames then = measure(c, 0, 20);
    printf("gate %d of island %d towards island %d (%s side): first five frames", gateIndex, c->currentIsland,
           gate->getOtherIslandPortal()->getIslandIndex(), side > 0 ? "front" : "back");
    for (double t : first.wall) printf(" %.1f", t);
    printf(" ms; then median %.1f ms\n", summarise(then.wall).median);
    fflush(stdout);
}

void timeSwitches(Controller* c) {
    enter(c, 0);
    timeGateView(c, 0, 1.0f);
    timeGateView(c, 0, -1.0f);
    printf("island switches, ms: the switch call, the first five frames, the worst of them\n");
    printf("island  %-10s %8s %7s %7s %7s %7s %7s %8s\n", "entry", "call", "1", "2", "3", "4", "5", "worst");
    for (int island = 1; island < ISLAND_COUNT; island++) timeSwitch(c, island, "first");
    for (int island = 0; island < ISLAND_COUNT; island++) {
        c->setCurrentIsland((island + 5) % ISLAND_COUNT);
        measure(c, 5, 0);
        timeSwitch(c, island, "again");
    }
}

void search(Controller* c) {
    const float side = 30.0f, diagonal = 21.2f;
    const float sides[8][2] = {{side, 0},         {-side, 0},        {0, side},         {0, -side},
                               {diagonal, diagonal}, {diagonal, -diagonal}, {-diagonal, diagonal}, {-diagonal, -diagonal}};
    for (int island = 0; island < ISLAND_COUNT; island++) {
        enter(c, island);
        double slowest = 0;
        Sight best{};
        for (const Sight& candidate : CANDIDATES) {
            if (candidate.island != island) continue;
            for (const auto& s : sides) {
                Sight sight = candidate;
                sight.sideX = s[0];
                sight.sideZ = s[1];
                if (!standAt(c, sight)) continue;
                double median = summarise(measure(c, 2, 8).wall).median;
                if (median > slowest) {
                    slowest = median;
                    best = sight;
                }
            }
        }
        printf("{%d, \"%s\", %.1ff, %.1ff, %.1ff, %.1ff},  // median %.1f ms\n", island, best.name, best.x, best.z,
               best.sideX, best.sideZ, slowest);
        fflush(stdout);
    }
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 1 && chdir(argv[1]) != 0) {
        perror(argv[1]);
        return 1;
    }
    int frames = argc > 2 ? std::atoi(argv[2]) : 100;
    const char* mode = argc > 3 ? argv[3] : "";
    bool searching = std::strcmp(mode, "search") == 0;
    bool switchesOnly = std::strcmp(mode, "switches") == 0;
    std::vector<bool> inTable(ISLAND_COUNT, true);
    if (std::strncmp(mode, "islands=", 8) == 0) {
        inTable.assign(ISLAND_COUNT, false);
        for (const char* p = mode + 8; *p;) {
            char* end;
            long island = std::strtol(p, &end, 10);
            if (end == p || island < 0 || island >= ISLAND_COUNT) {
                fprintf(stderr, "islands=: not an island list: %s\n", mode + 8);
                return 1;
            }
            inTable[island] = true;
            p = *end == ',' ? end + 1 : end;
        }
    }
    Controller* c = new Controller();
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
    c->init();
    if (searching) {
        search(c);
    } else if (switchesOnly) {
        timeSwitches(c);
    } else {
        if (std::strncmp(mode, "islands=", 8) != 0) timeSwitches(c);
        printf("frame work in ms, %d frames each\n", frames);
        printf("island  %-26s %6s %7s %6s %6s %6s %6s %8s %8s\n", "place", "min", "median", "p95", "p99", "max", ">40ms",
               "main cpu", "all cpu");
        for (int island = 0; island < ISLAND_COUNT; island++) {
            if (!inTable[island]) continue;
            enter(c, island);
            timePlace(c, island, "start", frames);
            enter(c, island);
            if (standAt(c, BUSIEST[island])) {
                timePlace(c, island, BUSIEST[island].name, frames);
            } else {
                printf("%6d  %s: stand point off the island\n", island, BUSIEST[island].name);
            }
        }
    }
    struct rusage usage;
    getrusage(RUSAGE_SELF, &usage);
    printf("peak resident memory: %.0f MB\n", usage.ru_maxrss / 1024.0);
    GLContext::setAlive(false);
    SDL_Quit();
    return 0;
}
