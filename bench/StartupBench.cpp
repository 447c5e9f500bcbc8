// Start-up cost on the asset pack: the time from process start to the end
// of the first frame (world built, window open, state, lights and audio
// set, one frame run) and the peak resident memory. Run it under a display
// from the pack's folder (or pass that folder), for example:
//     bash scripts/headless-run.sh -- build/bench_StartupBench build/data
#include <SDL.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <string>

#include "Controller/Controller.h"
#include "OpenGL/GLContext.h"
#include "OpenGL/OpenGL.h"

namespace {

// Milliseconds since the process started, from the kernel's clock of it.
double millisecondsSinceProcessStart() {
    std::ifstream stat("/proc/self/stat");
    std::string field;
    for (int i = 0; i < 22 && stat >> field; i++) {
    }
    double startSeconds = std::stod(field) / sysconf(_SC_CLK_TCK);
    std::ifstream uptimeFile("/proc/uptime");
    double uptime = 0;
    uptimeFile >> uptime;
    return (uptime - startSeconds) * 1000.0;
}

std::string statusLine(const char* key) {
    std::ifstream status("/proc/self/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind(key, 0) == 0) return line;
    }
    return std::string(key) + " unknown";
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 1 && chdir(argv[1]) != 0) {
        perror(argv[1]);
        return 1;
    }
    auto begin = std::chrono::steady_clock::now();
    double processAge = millisecondsSinceProcessStart();
    Controller* controller = new Controller();
    auto built = std::chrono::steady_clock::now();

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
    auto ready = std::chrono::steady_clock::now();
    controller->processGame();
    auto firstFrame = std::chrono::steady_clock::now();

    auto ms = [](auto a, auto b) { return std::chrono::duration<double, std::milli>(b - a).count(); };
    printf("process start to main:      %8.1f ms\n", processAge);
    printf("world built (controller):   %8.1f ms\n", ms(begin, built));
    printf("window, state, audio:       %8.1f ms\n", ms(built, ready));
    printf("first frame:                %8.1f ms\n", ms(ready, firstFrame));
    printf("process start to 1st frame: %8.1f ms\n", processAge + ms(begin, firstFrame));
    printf("peak memory %s\n", statusLine("VmHWM").c_str());
    GLContext::setAlive(false);
    SDL_Quit();
    return 0;
}
