// A long run of the world without a window: the hero stands among island 1's
// enemies (damage off) and keeps moving from one to the next, fires portal
// missiles into the sky, and clicks while the game is paused. Once a minute
// it prints the frames run, the missile and particle counts, the items the
// kills dropped and the resident memory. The lists must stay bounded and the
// memory flat but for the dropped items.
//
//     bench_SoakBench DATA_DIR [MINUTES]     (default 10)
//
// Exit status 1 when a list outgrows its bound or the memory grows by more
// than a fifth after the first minute.

#include <SDL.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "Controller/Controller.h"
#include "Island/Island.h"
#include "Object/Character/ForestSpirit/EnemyForestSpirit/EnemyForestSpirit.h"

namespace {

// Misses fall for hundreds of frames before they leave the board, so a few
// hundred fire balls are in flight at once; a list that never retires
// passes these bounds within the first minute.
const size_t MISSILE_BOUND = 1000;
const size_t PARTICLE_BOUND = 5000;

long residentKilobytes() {
    long pages = 0, resident = 0;
    FILE* statm = std::fopen("/proc/self/statm", "r");
    if (statm) {
        if (std::fscanf(statm, "%ld %ld", &pages, &resident) != 2) resident = 0;
        std::fclose(statm);
    }
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

void click(Controller* c, Uint8 button) {
    SDL_Event event;
    event.type = SDL_MOUSEBUTTONDOWN;
    event.button.button = button;
    event.button.x = 400;
    event.button.y = 300;
    c->eventMessage(event);
    event.type = SDL_MOUSEBUTTONUP;
    c->eventMessage(event);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2 || chdir(argv[1]) != 0) {
        std::fprintf(stderr, "usage: bench_SoakBench DATA_DIR [MINUTES]\n");
        return 2;
    }
    const int minutes = argc > 2 ? std::atoi(argv[2]) : 10;
    Controller* c = new Controller();
    c->inMainMenu = false;
    c->gameStarted = true;
    c->heroTakesDamage = false;
    c->camera.setCameraMode(CAMERA_THIRD_PERSON);
    c->setCurrentIsland(1);
    Island* island = c->islands[1];
    // Every kill leaves a coin or a vial on the ground, which stays until
    // picked up: memory grows with them by design.
    const size_t startingItems = c->allHoldableItems.size();

    typedef std::chrono::steady_clock Clock;
    const Clock::time_point start = Clock::now();
    long firstMinuteMemory = 0;
    bool bounded = true;
    long frames = 0;
    size_t nextEnemy = 0;
    for (int minute = 1; minute <= minutes; ++minute) {
        size_t mostMissiles = 0, mostParticles = 0;
        while (Clock::now() - start < std::chrono::minutes(minute)) {
            // Every 10 s of game time the hero moves next to another enemy,
            // facing it; when all are gone they come back.
            if (frames % 250 == 0) {
                std::vector<EnemyForestSpirit*>* spirits = island->getAllEnemiesAndAllies();
                if (spirits->empty()) island->spawnEnemies();
                EnemyForestSpirit* enemy = spirits->at(nextEnemy++ % spirits->size());
                Vector3D at = enemy->getPosition();
                Vector3D heroAt(at.x - 8.0f, at.y + 4.0f, at.z);
                c->hero.setPosition(heroAt);
                c->hero.setCenter(Vector3D(at.x, at.y, at.z));
                c->hero.setVelocity(Vector3D());
            }
            int phase = (int)(frames % 250);
            if (phase == 100) {
                // Look up and shoot into the sky.
                Vector3D at = c->hero.getPosition();
                c->hero.setCenter(Vector3D(at.x + 0.3f, at.y + 1.0f, at.z));
            }
            if (phase >= 100 && phase < 150 && phase % 10 == 0) click(c, phase % 20 ? SDL_BUTTON_LEFT : SDL_BUTTON_RIGHT);
            // Paused: clicks still fire, the world stands still.
            c->paused = phase >= 200 && phase < 230;
            if (c->paused && phase % 2 == 0) click(c, SDL_BUTTON_LEFT);
            if (phase < 100 && phase % 25 == 0) click(c, SDL_BUTTON_LEFT);  // at the enemy

            if (!c->paused) c->updateWorld();
            c->clearMouse();
            frames++;
            if (c->missiles.size() > mostMissiles) mostMissiles = c->missiles.size();
            if (c->particles.size() > mostParticles) mostParticles = c->particles.size();
        }
        long memory = residentKilobytes();
        if (minute == 1) firstMinuteMemory = memory;
        std::printf("minute %d: %ld frames, missiles %zu (most %zu), particles %zu (most %zu), enemies %zu, "
                    "items dropped %zu, resident %ld kB\n",
                    minute, frames, c->missiles.size(), mostMissiles, c->particles.size(), mostParticles,
                    island->getAllEnemiesAndAllies()->size(), c->allHoldableItems.size() - startingItems, memory);
        std::fflush(stdout);
        if (mostMissiles > MISSILE_BOUND || mostParticles > PARTICLE_BOUND) bounded = false;
    }
    long last = residentKilobytes();
    bool flat = minutes < 2 || last <= firstMinuteMemory + firstMinuteMemory / 5;
    if (!bounded) std::printf("FAIL: a list outgrew its bound\n");
    if (!flat) std::printf("FAIL: resident memory grew from %ld kB to %ld kB\n", firstMinuteMemory, last);
    // The controller stays: the game, too, keeps its world until exit.
    return bounded && flat ? 0 : 1;
}
