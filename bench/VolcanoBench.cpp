// The lava island's six volcanoes emitting every frame, as the game runs
// them: each frame the volcanoes throw their batches, every particle is
// updated once and retired when its life is up, and the volcanoes and the
// live particles are drawn facing the camera. Once the particle count has
// settled, prints that count and the update and draw cost per frame.
// Run it under a display, for example:
//     bash scripts/headless-run.sh -- build/bench_VolcanoBench build/data
#include <SDL.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "Billboard/Billboard.h"
#include "Camera/Camera.h"
#include "OpenGL/GLContext.h"
#include "Object/Character/ForestSpirit/Hero/Hero.h"
#include "Object/HeightMap/HeightMap.h"
#include "Object/Volcano/Volcano.h"
#include "OpenGL/OpenGL.h"
#include "Particle/Particle.h"
#include "TexturesMeshes/TexturesMeshes.h"

namespace {

// x and z of the lava island's volcanoes; each stands on the ground sampled
// at its coordinates cut to whole units.
const float VOLCANOES[6][2] = {{-119.703f, -13.3144f}, {-0.0441543f, -14.5697f}, {-83.5741f, -80.0555f},
                               {165.818f, -144.046f},  {22.4483f, 58.5045f},     {-18.7939f, 150.048f}};

const int SETTLE_FRAMES = 200;  // well past the longest life, 89 frames
const int MEASURED_FRAMES = 1000;

using Clock = std::chrono::steady_clock;

double microseconds(Clock::time_point a, Clock::time_point b) {
    return std::chrono::duration<double, std::micro>(b - a).count();
}

// The controller's particle step: after an erase the index still advances.
void updateParticles(std::vector<Particle*>& particles) {
    for (size_t i = 0; i < particles.size(); i++) {
        Particle* particle = particles[i];
        particle->update();
        if (particle->getLifeTimeLeft() < 1) {
            delete particle;
            particles.erase(particles.begin() + i);
        }
    }
}

void drawParticles(std::vector<Particle*>& particles, Camera* camera, Hero* hero) {
    glEnable(GL_BLEND);
    Billboard billboard(camera, hero);
    const GLfloat glow[] = {0.2f, 0.2f, 0.2f, 0.0f};
    const GLfloat none[] = {0.0f, 0.0f, 0.0f, 1.0f};
    glMaterialfv(GL_FRONT, GL_EMISSION, glow);
    for (Particle* particle : particles) particle->draw(&billboard);
    glMaterialfv(GL_FRONT, GL_EMISSION, none);
    glDisable(GL_BLEND);
}

struct Stats {
    std::vector<double> samples;
    void add(double v) { samples.push_back(v); }
    double mean() const {
        double sum = 0;
        for (double v : samples) sum += v;
        return sum / samples.size();
    }
    double percentile(double p) {
        std::vector<double> sorted = samples;
        std::sort(sorted.begin(), sorted.end());
        return sorted[std::min(sorted.size() - 1, (size_t)(p * sorted.size()))];
    }
};

}  // namespace

int main(int argc, char** argv) {
    std::string data = argc > 1 ? argv[1] : (std::getenv("TAVIR_DATA_DIR") ? std::getenv("TAVIR_DATA_DIR") : "build/data");
    if (chdir(data.c_str()) != 0) {
        perror(data.c_str());
        return 1;
    }
    if (SDL_Init(SDL_INIT_VIDEO) < 0) {
        fprintf(stderr, "SDL: %s\n", SDL_GetError());
        return 1;
    }
    if (SDL_SetVideoMode(800, 600, 0, SDL_OPENGL) == nullptr || glewInit() != GLEW_OK) {
        fprintf(stderr, "video: %s\n", SDL_GetError());
        return 1;
    }
    GLContext::setAlive(true);

    TexturesMeshes* registry = new TexturesMeshes();
    HeightMap* ground = new HeightMap("HeightMap/island9HeightMap.bmp", 381, registry, registry->island9MiniMapTexture);
    std::vector<Volcano*> volcanoes;
    for (const auto& v : VOLCANOES) {
        float height = ground->getHeight((float)(int)v[0], (float)(int)v[1]);
        volcanoes.push_back(new Volcano(Vector3D(v[0], height, v[1]), registry->volcanoMesh, registry->hotLavaTexture));
    }

    // The game's fixed state, looking over the island from above its south.
    glViewport(0, 0, 800, 600);
    glMatrixMode(GL_PROJECTION);
    glLoadIdentity();
    gluPerspective(45, 4.0 / 3.0, 0.1, 1000);
    glMatrixMode(GL_MODELVIEW);
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_CULL_FACE);
    glEnable(GL_TEXTURE_2D);
    glEnable(GL_LIGHT0);
    glEnable(GL_COLOR_MATERIAL);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    Camera camera;
    camera.setEye(Vector3D(20, 160, 320));
    camera.setCenter(Vector3D(20, 20, 0));
    camera.setUp(Vector3D(0, 1, 0));
    Hero hero;

    std::vector<Particle*> particles;
    Stats count, update, draw, drawSpray;
    for (int frame = 0; frame < SETTLE_FRAMES + MEASURED_FRAMES; frame++) {
        Clock::time_point start = Clock::now();
        for (Volcano* volcano : volcanoes) volcano->update(&particles);
        updateParticles(particles);
        Clock::time_point updated = Clock::now();

        glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
        glLoadIdentity();
        gluLookAt(20, 160, 320, 20, 20, 0, 0, 1, 0);
        for (Volcano* volcano : volcanoes) volcano->draw();
        glFinish();
        Clock::time_point mountains = Clock::now();
        drawParticles(particles, &camera, &hero);
        glFinish();
        Clock::time_point drawn = Clock::now();
        SDL_GL_SwapBuffers();

        if (frame >= SETTLE_FRAMES) {
            count.add((double)particles.size());
            update.add(microseconds(start, updated));
            draw.add(microseconds(updated, drawn));
            drawSpray.add(microseconds(mountains, drawn));
        }
    }

    double fewest = *std::min_element(count.samples.begin(), count.samples.end());
    double most = *std::max_element(count.samples.begin(), count.samples.end());
    printf("six volcanoes of the lava island, %d frames after %d to settle\n", MEASURED_FRAMES, SETTLE_FRAMES);
    printf("  live particles:            %.0f on average (%.0f to %.0f)\n", count.mean(), fewest, most);
    printf("  update (emit, step, retire): %8.1f us per frame (median %.1f, 99th percentile %.1f)\n", update.mean(),
           update.percentile(0.5), update.percentile(0.99));
    printf("  draw (volcanoes, particles): %8.1f us per frame (median %.1f, 99th percentile %.1f)\n", draw.mean(),
           draw.percentile(0.5), draw.percentile(0.99));
    printf("    of which the particles:  %8.1f us per frame (%.2f us each)\n", drawSpray.mean(),
           drawSpray.mean() / count.mean());
    printf("  frame budget at 25 frames a second: 40000 us\n");

    for (Particle* particle : particles) delete particle;
    for (Volcano* volcano : volcanoes) delete volcano;
    delete ground;
    delete registry;
    GLContext::setAlive(false);
    SDL_Quit();
    return 0;
}
