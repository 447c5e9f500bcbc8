// A long run of the whole game in one window, played at random: walking,
// turning, jumping, portals at the ground and into the sky, fights with the
// nearest spirits, island switches (cut scenes skipped or left to run),
// the inventory and the shops opened, used and closed, pausing with clicks,
// free view, the display toggles. Input goes through the controller's own
// event handler, and every frame is updated and drawn as the game does it,
// only without the pacing sleep. First it tours all thirteen islands once
// and draws every tree once, so that what is loaded or baked at first sight
// is in place; the minutes count from there.
//
// Once a minute it prints the frames run, the missile, particle and spirit
// counts (now and most during the minute), the items (on the ground of all
// islands, in the inventory, in the world list) and the resident memory.
//
//     bench_SoakBench DATA_DIR [MINUTES [SEED]]     (default 10 minutes)
//
// Run it under a display, e.g. scripts/headless-run.sh. Exit status 1, with
// a FAIL line, when a list outgrows its bound or the resident memory still
// grows in the later half of the run (see memoryGrowthFailure and
// peakKilobytes).

#include <SDL.h>
#include <sys/resource.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <malloc.h>
#include <random>
#include <vector>

#include "Controller/Controller.h"
#include "OpenGL/GLContext.h"
#include "Island/Island.h"
#include "Nature/Nature.h"
#include "Object/Character/ForestSpirit/EnemyForestSpirit/EnemyForestSpirit.h"
#include "Object/HoldableItem/HoldableItem.h"
#include "Object/ProceduralTree/ProceduralTree.h"
#include "Object/StaticObject/ShopStaticObject/ShopStaticObject.h"
#include "OpenGL/OpenGL.h"

namespace {

// Misses fall for hundreds of frames before they leave the board, so a few
// hundred missiles can be in flight at once. Island 9's volcanoes alone keep
// about 4,700 particles alive and every kill adds 200. A list that never
// retires passes these within minutes.
const size_t MISSILE_BOUND = 1000;
const size_t PARTICLE_BOUND = 10000;
const size_t SPIRIT_BOUND = 200;
// Dropped items wait on the ground until picked up; the player here picks
// them up now and then and drinks the vials.
const size_t DROPPED_ITEM_BOUND = 300;
const size_t INVENTORY_BOUND = 200;

// Memory after the tour may grow by what the random walk still brings into
// sight for the first time and by the items each kill adds; a leak of even a
// few kilobytes a frame exceeds this.
const double GROWTH_KB_PER_MINUTE = 2048.0;
const int SAMPLE_SECONDS = 10;

const int TOUR_TURN_FRAMES = 40;
const double TOUR_SECONDS_PER_ISLAND = 3.5;
const int TOUR_TURN = 160;  // a thousandth of a radian a frame
const SDLKey ISLAND_KEYS[ISLAND_COUNT] = {SDLK_0, SDLK_1, SDLK_2, SDLK_3, SDLK_4,  SDLK_5, SDLK_6,
                                          SDLK_7, SDLK_8, SDLK_9, SDLK_F1, SDLK_F2, SDLK_F3};

// The most the process has held resident so far. An island switch hands
// freed pages back, so the resident figure rises and falls with play; what
// a leak drives up is its high-water mark.
long peakKilobytes() {
    struct rusage usage;
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

long residentKilobytes() {
    long pages = 0, resident = 0;
    FILE* statm = std::fopen("/proc/self/statm", "r");
    if (statm) {
        if (std::fscanf(statm, "%ld %ld", &pages, &resident) != 2) resident = 0;
        std::fclose(statm);
    }
    return resident * (sysconf(_SC_PAGESIZE) / 1024);
}

// The random player: it queues input, one frame at a time, into the
// controller as the game's event loop would deliver it.
class Player {
public:
    Player(Controller* c, unsigned seed) : c(c), random(seed) {}

    int roll(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(random); }

    void key(SDLKey symbol, bool down) {
        SDL_Event event = {};
        event.type = down ? SDL_KEYDOWN : SDL_KEYUP;
        event.key.keysym.sym = symbol;
        c->eventMessage(event);
    }
    void click(Uint8 button) {
        SDL_Event event = {};
        event.type = SDL_MOUSEBUTTONDOWN;
        event.button.button = button;
        event.button.x = 400;
        event.button.y = 300;
        c->eventMessage(event);
        event.type = SDL_MOUSEBUTTONUP;
        c->eventMessage(event);
    }

    // One frame as the game runs it, without the pacing sleep. Window
    // events are read and dropped, but for a quit: the input is the
    // player's alone.
    void frame() {
        if (!c->paused) c->updateWorld();
        if (!c->inMainMenu) c->updateCamera();
        c->renderWorld();
        c->clearMouse();
        SDL_Event event;
        while (SDL_PollEvent(&event)) {
            if (event.type == SDL_QUIT) quit = true;  // SIGTERM, e.g. the runner's time limit
        }
        frames++;
        recover();
        visited[c->currentIsland] = true;
        mostMissiles = std::max(mostMissiles, c->missiles.size());
        mostParticles = std::max(mostParticles, c->particles.size());
        mostSpirits = std::max(mostSpirits, spiritCount());
    }
    size_t spiritCount() {
        size_t n = 0;
        for (Island* island : c->islands) n += island->getAllEnemiesAndAllies()->size();
        return n;
    }
    void run(int n) {
        for (int i = 0; i < n; i++) frame();
    }
    // A key held for n frames: down before the first, up after the last.
    void hold(SDLKey symbol, int n) {
        key(symbol, true);
        run(n);
        key(symbol, false);
    }
    void tap(SDLKey symbol) { hold(symbol, 1); }

    void switchIsland(int island) {
        tap(ISLAND_KEYS[island]);
        if (c->cutScenePlaying) {
            // Sometimes watch a while, mostly skip at once.
            run(roll(0, 3) == 0 ? roll(20, 120) : 1);
            if (c->cutScenePlaying) tap(SDLK_ESCAPE);
        }
    }

    // Game over (a fall, lava, health) ends the game for a player; here the
    // next game starts on a random island, as the same process.
    void recover() {
        if (c->questMessage) {
            key(SDLK_RETURN, true);
            key(SDLK_RETURN, false);
        }
        if (c->inMainMenu) c->inMainMenu = false;
        if (!c->isGameOver) return;
        gameOvers++;
        c->isGameOver = false;
        c->camera.setCameraMode(CAMERA_THIRD_PERSON);
        if (c->hero.getHealth() <= 0.0f) c->hero.addHealth(100.0f - c->hero.getHealth());
        int island = roll(0, ISLAND_COUNT - 1);
        c->setCurrentIsland(island);
        c->cutScenePlaying = false;
    }

    void walk() {
        static const SDLKey moves[] = {SDLK_w, SDLK_w, SDLK_w, SDLK_s, SDLK_a, SDLK_d};
        SDLKey move = moves[roll(0, 5)];
        int n = roll(10, 80);
        int turn = roll(-60, 60);
        key(move, true);
        for (int i = 0; i < n; i++) {
            c->mouseDeltaX = turn;
            if (i % 17 == 5) tap(SDLK_SPACE);
            frame();
        }
        key(move, false);
    }

    // Look up or down with the mouse, then shoot one or a few portals.
    void shootPortals() {
        int pitch = roll(-40, 60);
        for (int i = 0; i < 5; i++) {
            c->mouseDeltaY = pitch / 5;
            frame();
        }
        int shots = roll(1, 4);
        for (int i = 0; i < shots; i++) {
            click(roll(0, 1) ? SDL_BUTTON_LEFT : SDL_BUTTON_RIGHT);
            run(roll(4, 30));
        }
    }

    // Up to a spirit of the island, face it and throw at it.
    void fight() {
        std::vector<EnemyForestSpirit*>* spirits = c->islands[c->currentIsland]->getAllEnemiesAndAllies();
        if (spirits->empty()) {
            shootPortals();
            return;
        }
        EnemyForestSpirit* spirit = spirits->at(roll(0, (int)spirits->size() - 1));
        Vector3D at = spirit->getPosition();
        float angle = (float)roll(0, 359) * 3.14159265f / 180.0f;
        float reach = (float)roll(6, 20);
        c->hero.setPosition(Vector3D(at.x + reach * std::cos(angle), at.y + 4.0f, at.z + reach * std::sin(angle)));
        c->hero.setVelocity(Vector3D());
        int throws = roll(1, 6);
        for (int i = 0; i < throws; i++) {
            // It may have moved, or died under an earlier throw.
            if (std::find(spirits->begin(), spirits->end(), spirit) == spirits->end()) break;
            Vector3D target = spirit->getPosition();
            Vector3D hero = c->hero.getPosition();
            c->hero.setCenter(Vector3D(target.x, hero.y + (target.y - hero.y) * 0.5f, target.z));
            click(SDL_BUTTON_LEFT);
            run(roll(8, 25));
        }
        // Whatever fell is picked up now and then.
        if (roll(0, 1)) {
            c->hero.setPosition(Vector3D(at.x, at.y + 2.0f, at.z));
            run(3);
            click(SDL_BUTTON_MIDDLE);
            frame();
        }
    }

    void inventory() {
        tap(SDLK_i);
        if (!c->inventoryOpen) return;
        int steps = roll(0, 6);
        for (int i = 0; i < steps; i++) {
            tap(roll(0, 1) ? SDLK_a : SDLK_RIGHT);
            run(roll(0, 10));
            if (roll(0, 2) == 0) tap(SDLK_RETURN);
        }
        run(roll(1, 20));
        tap(roll(0, 1) ? SDLK_i : SDLK_ESCAPE);
    }

    // Free view to above the island's shop, back to the hero there, then
    // in and buy.
    void shop() {
        int withShop[] = {0, 5, 11};
        int island = withShop[roll(0, 2)];
        if (c->currentIsland != island) switchIsland(island);
        ShopStaticObject* building = c->islands[island]->shopBuilding;
        if (building == nullptr || c->cutScenePlaying) return;
        Vector3D at = building->getPosition();
        tap(SDLK_PAGEUP);
        c->camera.setEye(Vector3D(at.x + 6.0f, at.y + 4.0f, at.z + 6.0f));
        c->camera.setCenter(Vector3D(at.x, at.y + 3.0f, at.z));
        frame();
        tap(SDLK_PAGEUP);
        run(20);
        tap(SDLK_RETURN);
        if (!c->inShop) return;
        if (roll(0, 1)) tap(SDLK_PAGEDOWN);
        int steps = roll(1, 6);
        for (int i = 0; i < steps; i++) {
            tap(roll(0, 1) ? SDLK_d : SDLK_LEFT);
            run(roll(0, 8));
            if (roll(0, 1)) tap(SDLK_RETURN);
        }
        tap(SDLK_ESCAPE);
    }

    void pauseAndClick() {
        tap(SDLK_p);
        int clicks = roll(1, 8);
        for (int i = 0; i < clicks; i++) {
            click(roll(0, 1) ? SDL_BUTTON_LEFT : SDL_BUTTON_RIGHT);
            frame();
        }
        tap(SDLK_p);
    }

    void freeView() {
        tap(SDLK_PAGEUP);
        static const SDLKey moves[] = {SDLK_w, SDLK_s, SDLK_a, SDLK_d, SDLK_LEFT, SDLK_RIGHT, SDLK_UP, SDLK_DOWN};
        int steps = roll(1, 4);
        for (int i = 0; i < steps; i++) hold(moves[roll(0, 7)], roll(1, 15));
        // Back to the hero, or the hero to the camera.
        tap(SDLK_PAGEUP);
        run(roll(5, 40));
    }

    void toggle() {
        static const SDLKey toggles[] = {SDLK_TAB, SDLK_b, SDLK_c, SDLK_m, SDLK_END};
        tap(toggles[roll(0, 4)]);
        run(roll(1, 30));
    }

    void randomAction() {
        int what = roll(0, 99);
        if (what < 28) walk();
        else if (what < 42) shootPortals();
        else if (what < 60) fight();
        else if (what < 73) switchIsland(roll(0, ISLAND_COUNT - 1));
        else if (what < 79) inventory();
        else if (what < 83) shop();
        else if (what < 87) pauseAndClick();
        else if (what < 91) freeView();
        else if (what < 96) toggle();
        else tap(SDLK_RETURN);  // pick up whatever is near
    }

    Controller* c;
    std::mt19937 random;
    long frames = 0;
    int gameOvers = 0;
    bool quit = false;
    bool visited[ISLAND_COUNT] = {};
    size_t mostMissiles = 0, mostParticles = 0, mostSpirits = 0;
};

size_t itemsOnTheGround(Controller* c) {
    size_t n = 0;
    for (Island* island : c->islands) n += island->islandHoldableItems.size();
    return n;
}

struct Sample {
    double minutes;
    long kilobytes;
};

// The minute from which memory growth counts: the later half of the run,
// and never the first ten minutes. For some minutes after the tour random
// play keeps meeting things for the first time (terrain cells made at their
// first query, pictures bound at their first showing), and the resident
// figure climbs in steps; a leak goes on to the end.
double growthFrom(const std::vector<Sample>& samples) {
    return samples.empty() ? 10.0 : std::max(10.0, samples.back().minutes / 2.0);
}

// The least-squares slope of the samples from growthFrom on, in kB a
// minute. Needs a run of twenty minutes or more.
bool memoryGrowthFailure(const std::vector<Sample>& samples, double& slope) {
    double n = 0, sx = 0, sy = 0, sxx = 0, sxy = 0;
    const double from = growthFrom(samples);
    for (const Sample& s : samples) {
        if (s.minutes < from) continue;
        n++;
        sx += s.minutes;
        sy += (double)s.kilobytes;
        sxx += s.minutes * s.minutes;
        sxy += s.minutes * (double)s.kilobytes;
    }
    slope = 0;
    if (n < 3 || sxx * n - sx * sx <= 0) return false;
    slope = (n * sxy - sx * sy) / (n * sxx - sx * sx);
    return samples.back().minutes >= 20.0 && slope > GROWTH_KB_PER_MINUTE;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2 || chdir(argv[1]) != 0) {
        std::fprintf(stderr, "usage: bench_SoakBench DATA_DIR [MINUTES [SEED]]\n");
        return 2;
    }
    const int minutes = argc > 2 ? std::atoi(argv[2]) : 10;
    const unsigned seed = argc > 3 ? (unsigned)std::strtoul(argv[3], nullptr, 10) : 21u;
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    Controller* c = new Controller();
    if (SDL_Init(SDL_INIT_AUDIO | SDL_INIT_VIDEO) < 0) {
        std::fprintf(stderr, "SDL: %s\n", SDL_GetError());
        return 2;
    }
    SDL_GL_SetAttribute(SDL_GL_STENCIL_SIZE, 8);
    if (SDL_SetVideoMode(800, 600, 0, SDL_OPENGL) == nullptr || glewInit() != GLEW_OK) {
        std::fprintf(stderr, "video (run it under a display): %s\n", SDL_GetError());
        return 2;
    }
    GLContext::setAlive(true);
    c->init();
    // Past the menu, the intro picture and the opening flight, as a click
    // and two Escapes would go.
    c->inMainMenu = false;
    c->gameStarted = true;
    c->mainMenu.setGameStarted(true);
    c->camera.setCameraMode(CAMERA_THIRD_PERSON);
    c->startGame();

    Player player(c, seed);
    std::srand(seed);
    typedef std::chrono::steady_clock Clock;
    Clock::time_point start = Clock::now();
    auto elapsed = [&] { return std::chrono::duration<double>(Clock::now() - start).count(); };

    // The tour: every island once, looking all round from where it puts the
    // hero, then the inventory and a shop once.
    // A slow renderer cuts each island's look short: the tour keeps within
    // the first minute.
    for (int island = 0; island < ISLAND_COUNT; island++) {
        const double until = elapsed() + TOUR_SECONDS_PER_ISLAND;
        player.switchIsland(island);
        player.run(5);
        for (int i = 0; i < TOUR_TURN_FRAMES && elapsed() < until; i++) {
            c->mouseDeltaX = TOUR_TURN;
            player.frame();
        }
    }
    player.inventory();
    player.shop();
    // A tree makes its vertex arrays at its first draw, and random play
    // brings the island's trees into sight one by one for a long time (some
    // 240 MB in all): draw each once now, so that growth after the tour
    // means a leak, not a tree seen for the first time.
    for (Island* island : c->islands) {
        for (ProceduralTree* tree : *island->nature->getProceduralTrees()) tree->draw();
    }
    // The minutes count random play alone: on a slow machine the tour and
    // the trees could otherwise fill the whole of a short run.
    std::printf("tour: %ld frames, resident %ld kB\n", player.frames, residentKilobytes());
    start = Clock::now();

    std::vector<Sample> samples;
    double nextSample = 0;
    bool bounded = true;
    const size_t groundItemsAtStart = itemsOnTheGround(c);
    for (int minute = 1; minute <= minutes; ++minute) {
        while (elapsed() < minute * 60.0 && !player.quit) {
            player.randomAction();
            if (elapsed() >= nextSample) {
                samples.push_back({elapsed() / 60.0, peakKilobytes()});
                nextSample += SAMPLE_SECONDS;
            }
        }
    long memory = residentKilobytes();
        samples.push_back({elapsed() / 60.0, peakKilobytes()});
        int islandsVisited = 0;
        for (bool v : player.visited) islandsVisited += v;
        struct mallinfo2 heap = mallinfo2();
        std::printf("minute %d: %ld frames, islands %d, missiles %zu (most %zu), particles %zu (most %zu), "
                    "spirits %zu (most %zu), items on the ground %zu, in the inventory %zu, in the world %zu, "
                    "game overs %d, heap %zu kB, resident %ld kB (peak %ld kB)\n",
                    minute, player.frames, islandsVisited, c->missiles.size(), player.mostMissiles,
                    c->particles.size(), player.mostParticles, player.spiritCount(), player.mostSpirits,
                    itemsOnTheGround(c),
                    c->inventoryScreen.itemCollection.holdableItems.size(), c->allHoldableItems.size(),
                    player.gameOvers, (heap.uordblks + heap.hblkhd) / 1024, memory, peakKilobytes());
        if (player.mostMissiles > MISSILE_BOUND || player.mostParticles > PARTICLE_BOUND ||
            player.mostSpirits > SPIRIT_BOUND || itemsOnTheGround(c) > groundItemsAtStart + DROPPED_ITEM_BOUND ||
            c->inventoryScreen.itemCollection.holdableItems.size() > INVENTORY_BOUND) {
            bounded = false;
        }
        player.mostMissiles = player.mostParticles = player.mostSpirits = 0;
        if (player.quit) {
            std::printf("stopped by a quit event in minute %d\n", minute);
            break;
        }
    }
    double slope = 0;
    bool growing = memoryGrowthFailure(samples, slope);
    const double from = growthFrom(samples);
    std::printf("peak resident memory after minute %.0f: %+.0f kB a minute\n", from, slope);
    std::printf("peak resident memory: %ld kB\n", peakKilobytes());
    if (!bounded) std::printf("FAIL: a list outgrew its bound\n");
    if (growing) {
        std::printf("FAIL: peak resident memory grows by %.0f kB a minute after minute %.0f (allowed %.0f)\n", slope,
                    from, GROWTH_KB_PER_MINUTE);
    }
    // As the game ends: the window goes first, then the world.
    GLContext::setAlive(false);
    SDL_Quit();
    delete c;
    return bounded && !growing ? 0 : 1;
}
