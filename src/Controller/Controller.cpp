#include "Controller/Controller.h"

#ifdef __linux__
#include <malloc.h>
#endif
#include <SDL_mixer.h>

#include <algorithm>
#include <cassert>
#include <cmath>
#include <cstdlib>
#include <iostream>

#include "CutScene/CutScene.h"
#include "Inventory/Shop.h"
#include "Island/Island.h"
#include "ObjLoader/objLoader.h"
#include "Object/Character/ForestSpirit/EnemyForestSpirit/EnemyForestSpirit.h"
#include "Object/HeightMap/HeightMap.h"
#include "Object/HoldableItem/HoldableItem.h"
#include "Object/Missile/Missile.h"
#include "Object/Missile/PortalMissile/PortalMissile.h"
#include "Object/Portal/IslandPortal/IslandPortal.h"
#include "Object/Portal/Portal.h"
#include "Object/StaticObject/StaticObject.h"
#include "OpenGL/OpenGL.h"
#include "Particle/Particle.h"
#include "Particle/ParticleBatch/ParticleBatch.h"
#include "QuestPoint/QuestPoint.h"
#include "Texture/Texture.h"
#include "Billboard/Billboard.h"
#include "Frustum/Frustum.h"
#include "Frustum/ViewCull.h"
#include "ScreenProjection/ScreenProjection.h"

const float EYE_WATER_RADIUS = 0.33f;
const float HERO_RADIUS = 1.65f;
const int VOLUME_UNDER_WATER = 20;
const int VOLUME_ABOVE_WATER = 100;

// The gate network: 12 pairs, gates 2k and 2k + 1 partners.
struct GatePlacement {
    float x, y, z, angleDegrees;
    int island;
};
const GatePlacement GATES[ISLAND_PORTAL_COUNT] = {
    {-46.45f, 13.0f, 40.07f, 130.0f, 0},          {-76.1762f, 13.9f, 101.752f, 158.0f, 1},
    {111.35f, 36.0f, -47.1129f, 0.0f, 1},         {-76.0768f, 26.6209f, -86.3743f, 45.0f, 2},
    {114.494f, 36.0f, 30.2315f, 180.0f, 1},       {-66.3137f, 50.3f, 11.7492f, 180.0f, 3},
    {48.8406f, 19.8151f, 75.9135f, 180.0f, 2},    {-104.47f, 9.34535f, -110.409f, 60.0f, 5},
    {-78.2282f, 6.73977f, 28.2846f, 130.0f, 2},   {-69.2856f, 50.6547f, 68.1097f, 140.0f, 4},
    {-51.6445f, 15.8225f, 89.2743f, 130.0f, 5},   {68.8748f, 30.4912f, 50.042f, 230.0f, 6},
    {34.1666f, 31.0f, -90.4244f, -20.0f, 6},      {-29.5897f, 39.3464f, -64.6028f, 20.0f, 7},
    {103.132f, 15.9176f, 48.6212f, 250.0f, 5},    {28.0389f, 13.9549f, 44.8647f, 140.0f, 10},
    {-97.0094f, 24.7409f, 21.5497f, 130.0f, 6},   {-58.9407f, 47.2829f, -55.9879f, 50.0f, 8},
    {82.2722f, 50.8841f, 4.59742f, 220.0f, 10},   {-14.9919f, 14.0199f, 168.105f, 155.0f, 9},
    {81.8328f, 51.0932f, 120.598f, 220.0f, 8},    {-90.7295f, 43.5998f, -85.0915f, 50.0f, 11},
    {1.05586f, 50.2988f, 63.554f, 130.0f, 11},    {64.226f, 32.1956f, -120.138f, -40.0f, 12},
};

// What arriving on each island does: its music, the banner of a new land,
// whether that greeting is for the first visit only, and the cut scene.
const int NO_BANNER = -1;
const int NO_CUT_SCENE = -1;
struct IslandEntry {
    void (Sounds::*music)();
    int banner;
    bool remembersVisit;
    int cutScene;
};
const IslandEntry ISLAND_ENTRIES[ISLAND_COUNT] = {
    {&Sounds::setMusicToHomeTown, NO_BANNER, false, NO_CUT_SCENE},
    {&Sounds::setMusicToBirds, LAND_MSITU, true, NO_CUT_SCENE},
    {&Sounds::setMusicToBirds, NO_BANNER, false, NO_CUT_SCENE},
    {&Sounds::setMusicToBirds, NO_BANNER, false, NO_CUT_SCENE},
    {&Sounds::setMusicToWaterfall, NO_BANNER, false, NO_CUT_SCENE},
    {&Sounds::setMusicToIntro, LAND_NAROK, true, 2},
    {&Sounds::setMusicToWind, LAND_NJEVE, true, NO_CUT_SCENE},
    {&Sounds::setMusicToWind, NO_BANNER, false, NO_CUT_SCENE},
    {&Sounds::setMusicToWind, NO_BANNER, false, NO_CUT_SCENE},
    {&Sounds::setMusicToLotr, NO_BANNER, false, 1},
    {&Sounds::setMusicToThunder, LAND_UZULU, true, NO_CUT_SCENE},
    {&Sounds::setMusicToEnemyTown, LAND_ENDELEA, true, NO_CUT_SCENE},
    {&Sounds::setMusicToFight, NO_BANNER, false, 3},
};

static HoldableItem* newStartingItem(int type, Mesh* first, Mesh* second, Mesh* third) {
    HoldableItem* item = new HoldableItem(false, false, false, type);
    StaticObject* look = new StaticObject();
    for (Mesh* mesh : {first, second, third}) {
        if (mesh) {
            look->addMesh(mesh);
        }
    }
    item->setStaticObject(look);
    return item;
}

Controller::Controller()
    : visitedIslands(), shadowsOn(false), lightPosition(0.0f, 0.0f, 0.0f), inShop(false), nearShop(false),
      currShop(nullptr), islands(), islandPortals(), cutScenes(), alphaPortal(nullptr), betaPortal(nullptr),
      currentIsland(0), currentCutScene(0), lastFrameTicks(0), keys(), mouseDown(false), mouseDeltaX(0),
      mouseDeltaY(0), inMainMenu(true), inventoryOpen(false), cutScenePlaying(false), gameStarted(false),
      paused(false), heroTakesDamage(true), questMessage(false), introScreen(false), isGameOver(false),
      currentQuestPoint(nullptr), framesRendered(0), lateFrames(0), timeLate(0) {
    inventoryScreen.setSound(&sounds);

    createIslandPortals();
    createCutScenes();
    for (int i = 0; i < ISLAND_COUNT; i++) {
        islands[i] = new Island(&texturesMeshes, allHoldableItems, i, islandPortals, &sounds);
    }
    // The first frame is paced from the end of the world's building.
    lastFrameTicks = SDL_GetTicks();

    TexturesMeshes& t = texturesMeshes;
    hero.setMeshes(t.heroEyesMesh, t.heroBodyMesh, t.leftFootMesh, t.rightFootMesh, t.leftArmMesh, t.rightArmMesh);
    hero.setSounds(&sounds);
    inventoryScreen.setHero(&hero);

    for (HoldableItem* item : {newStartingItem(ITEM_COMPASS, t.compassFaceMesh, t.compassMainMesh, t.compassPointerMesh),
                               newStartingItem(ITEM_MAP, t.mapMesh, nullptr, nullptr)}) {
        allHoldableItems.push_back(item);
        inventoryScreen.addItem(item);
    }
    headsUpDisplay.setMeshesAndHero(t.compassMainMesh, t.compassPointerMesh, t.compassFaceMesh, &hero);
    if (t.helmetMesh) {
        t.helmetMesh->enableDrawing(false);
        hero.addMeshToExtras(t.helmetMesh);
    }
}

// Runs on every exit path, after the window is gone. The islands go first:
// a dying spirit still lets go of the missile in its hand, which the
// controller owns.
Controller::~Controller() {
    for (Island*& island : islands) {
        delete island;
        island = nullptr;
    }
    clearTransientObjects();
    for (IslandPortal*& gate : islandPortals) {
        delete gate;
        gate = nullptr;
    }
    for (CutScene*& scene : cutScenes) {
        delete scene;
        scene = nullptr;
    }
    for (HoldableItem* item : allHoldableItems) {
        delete item;
    }
    allHoldableItems.clear();
}

void Controller::init() {
    glViewport(0, 0, ScreenProjection::WIDTH, ScreenProjection::HEIGHT);
    glMatrixMode(GL_PROJECTION);
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_CULL_FACE);
    glEnable(GL_TEXTURE_2D);
    glPixelStorei(GL_UNPACK_ALIGNMENT, 4);
    gluPerspective(45.0, (double)(4.0f / 3.0f), 0.1, 1000.0);
    glMatrixMode(GL_MODELVIEW);
    glBlendFunc(GL_SRC_ALPHA, GL_ONE_MINUS_SRC_ALPHA);
    glAlphaFunc(GL_GREATER, 0.1f);
    initLighting();
    initMusic();
    // Every island's terrain and trees go up before the first frame: no
    // island switch, gate or cut scene then waits for them.
    for (Island* island : islands) {
        island->uploadDrawing();
    }
#ifdef __linux__
    malloc_trim(0);
#endif
}

void Controller::initLighting() {
    glShadeModel(GL_SMOOTH);
    const GLfloat material[] = {0.1f, 0.5f, 0.8f, 1.0f};
    glMaterialfv(GL_FRONT_AND_BACK, GL_AMBIENT_AND_DIFFUSE, material);
    const GLfloat white[] = {1.0f, 1.0f, 1.0f, 1.0f};
    glMaterialfv(GL_FRONT, GL_SPECULAR, white);
    glMaterialf(GL_FRONT, GL_SHININESS, 3.0f);
    const GLfloat sun[] = {1.0f, 200.0f, 1.0f, 0.0f};
    glLightfv(GL_LIGHT0, GL_POSITION, sun);
    glLightfv(GL_LIGHT0, GL_DIFFUSE, white);
    const GLfloat ambient[] = {0.5f, 0.5f, 0.5f, 1.0f};
    glLightModelfv(GL_LIGHT_MODEL_AMBIENT, ambient);
    const GLfloat redAmbient[] = {1.0f, 0.1f, 0.1f, 1.0f};
    glLightfv(GL_LIGHT1, GL_AMBIENT, redAmbient);
    glLightfv(GL_LIGHT1, GL_DIFFUSE, white);
    glLightfv(GL_LIGHT1, GL_SPECULAR, white);
    glEnable(GL_LIGHTING);
    glEnable(GL_LIGHT0);
    glEnable(GL_COLOR_MATERIAL);
}

void Controller::initMusic() {
    int frequency = 22050;
    Uint16 format = AUDIO_S16SYS;
    int channels = 2;
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) == -1) {
        std::cout << "Could not open sub system" << std::endl;
    }
    Mix_QuerySpec(&frequency, &format, &channels);
    if (Mix_OpenAudio(frequency, format, channels, 4096) != 0) {
        std::cout << "Unable to open audio!" << std::endl;
        std::cout << SDL_GetError() << std::endl;
        exit(1);
    }
    sounds.loadAllSounds();
    sounds.setMusicToIntro();
}

// ---- the frame

void Controller::processGame() {
    if (!paused) {
        updateWorld();
    }
    if (!inMainMenu) {
        updateCamera();
    }
    renderWorld();
    waitTillEndOfFrame();
    framesRendered++;
    mouseDeltaX = 0;
    mouseDeltaY = 0;
    lastFrameTicks = SDL_GetTicks();
}

Uint32 Controller::computeFrameDelay(Uint32 now) {
    Sint32 remaining = (Sint32)FRAME_MILLISECONDS - (Sint32)(now - lastFrameTicks);
    if (remaining < 0) {
        lateFrames++;
        timeLate += (Uint32)(-remaining);
        return 0;
    }
    // 40 or more: no whole millisecond has passed, or the tick count went back.
    if (remaining >= (Sint32)FRAME_MILLISECONDS) {
        return 0;
    }
    return (Uint32)remaining;
}

void Controller::waitTillEndOfFrame() {
    Uint32 delay = computeFrameDelay(SDL_GetTicks());
    if (delay > 0) {
        SDL_Delay(delay);
    }
}

void Controller::updateWorld() {
    if (inventoryOpen || (inMainMenu && gameStarted) || questMessage || introScreen || isGameOver || inShop) {
        return;
    }
    bool locked = camera.isCameraLockedToHero();
    updateMissiles();
    islands[currentIsland]->update(&particles, this);
    updatePortals();
    skyBox.setPosition(locked ? hero.getPosition() : camera.getCenter());
    hero.updateHero(locked, keys, (float)mouseDeltaX, (float)mouseDeltaY, this);
    updateParticles();
    setIfUnderwater();
}

void Controller::setIfUnderwater() {
    Island* island = islands[currentIsland];
    Vector3D heroPosition = hero.getPosition();
    if (island->getHeightMap()->getHeight(heroPosition.x, heroPosition.z) == UNDEFINED_HEIGHT) {
        return;
    }
    Vector3D eye = camera.getEye();
    bool eyeUnder = island->isUnderwater(&eye, EYE_WATER_RADIUS);
    bool heroUnder = island->isUnderwater(&heroPosition, HERO_RADIUS);
    if (island->getWorldType() == LAVA_WORLD) {
        if (heroUnder) {
            gameOver();
        }
        return;
    }
    headsUpDisplay.setUnderWater(eyeUnder);
    Mix_VolumeMusic(eyeUnder ? VOLUME_UNDER_WATER : VOLUME_ABOVE_WATER);
}

void Controller::gameOver() {
    isGameOver = true;
    sounds.setMusicToSad();
}

void Controller::startGame() { sounds.setMusicToHomeTown(); }

// ---- input

bool Controller::eventMessage(SDL_Event& event) {
    switch (event.type) {
    case SDL_KEYDOWN:
        processKeyDown(event);
        break;
    case SDL_KEYUP:
        if (event.key.keysym.sym < KEY_SLOTS) {
            keys[event.key.keysym.sym] = false;
        }
        break;
    case SDL_MOUSEMOTION:
        processMouseMoved(event);
        break;
    case SDL_MOUSEBUTTONDOWN:
        processMouseDown(event);
        break;
    case SDL_MOUSEBUTTONUP:
        processMouseUp(event);
        break;
    case SDL_QUIT:
        return false;
    default:
        break;
    }
    if (keys[SDLK_F12]) {
        printStatistics();
        return false;
    }
    return true;
}

void Controller::printStatistics() {
    // With no late frame there is nothing to average.
    Uint32 lateAverage = lateFrames > 0 ? timeLate / lateFrames : 0;
    std::cout << "Frames rendered: " << framesRendered << std::endl;
    std::cout << "Frames rendered late: " << lateFrames << std::endl;
    std::cout << "Time late per frame: " << lateAverage << " (ms)" << std::endl;
}

void Controller::openMainMenu() {
    inMainMenu = true;
    gameStarted = true;
    mainMenu.setGameStarted(true);
    mainMenu.resetButtons();
}

Mesh* Controller::loadObj(const char* path) { return objLoader::loadObj(path); }

void Controller::processKeyDown(SDL_Event& event) {
    // Symbols past the array (the euro and undo keys) have no held state.
    if (event.key.keysym.sym < KEY_SLOTS) {
        keys[event.key.keysym.sym] = true;
    }
    bool left = keys[SDLK_a] || keys[SDLK_LEFT];
    bool right = keys[SDLK_d] || keys[SDLK_RIGHT];

    if (inShop) {
        if (keys[SDLK_ESCAPE]) {
            inShop = false;
            Mix_ResumeMusic();
            sounds.playCloseShop(1);
        }
        if (keys[SDLK_RETURN]) currShop->buy(&hero, &inventoryScreen, &texturesMeshes, allHoldableItems);
        if (left) currShop->cycleItem(false);
        if (right) currShop->cycleItem(true);
    } else if (nearShop) {
        if (keys[SDLK_RETURN]) {
            inShop = true;
            Mix_PauseMusic();
            sounds.playShop(1);
        }
        if (keys[SDLK_ESCAPE] && !inMainMenu) openMainMenu();
    } else if (inventoryOpen) {
        // i and Escape are separate bindings: with both held, both fire.
        auto closeInventory = [this] {
            inventoryOpen = false;
            Mix_ResumeMusic();
            sounds.playUnequip(1);
        };
        if (keys[SDLK_i]) closeInventory();
        if (keys[SDLK_ESCAPE]) closeInventory();
        if (left) inventoryScreen.cycleItem(false);
        if (right) inventoryScreen.cycleItem(true);
        if (keys[SDLK_RETURN]) {
            HoldableItem* used = inventoryScreen.equipOrUse(&texturesMeshes);
            if (used) {
                // Gone from the game: a long game does not pile up drunk vials.
                allHoldableItems.erase(std::remove(allHoldableItems.begin(), allHoldableItems.end(), used),
                                       allHoldableItems.end());
                delete used;
            }
        }
    } else if (questMessage) {
        if (keys[SDLK_ESCAPE] || keys[SDLK_RETURN]) questMessage = false;
    } else if (introScreen) {
        if (keys[SDLK_ESCAPE]) {
            introScreen = false;
            cutScenePlaying = true;
            currentCutScene = 0;
        }
    } else if (isGameOver) {
        if (keys[SDLK_ESCAPE]) exit(0);
    } else if (cutScenePlaying) {
        if (keys[SDLK_ESCAPE]) {
            cutScenePlaying = false;
            camera.setCameraMode(CAMERA_THIRD_PERSON);
        }
    } else {
        if (keys[SDLK_TAB]) camera.toggleMode();
        if (keys[SDLK_PAGEUP]) camera.toggleFreeView(&hero, true);
        if (keys[SDLK_p]) {
            paused = !paused;
            if (paused) {
                Mix_PauseMusic();
            } else {
                Mix_ResumeMusic();
            }
            headsUpDisplay.togglePaused();
        }
        for (int n = 1; n <= 9; n++) {
            if (keys[SDLK_0 + n]) setCurrentIsland(n);
        }
        if (keys[SDLK_0]) setCurrentIsland(0);
        if (keys[SDLK_F1]) setCurrentIsland(10);
        if (keys[SDLK_F2]) setCurrentIsland(11);
        if (keys[SDLK_F3]) setCurrentIsland(12);
        if (keys[SDLK_b]) shadowsOn = !shadowsOn;
        if (keys[SDLK_ESCAPE] && !inMainMenu) openMainMenu();
        if (keys[SDLK_RETURN]) {
            Vector3D position = hero.getPosition();
            islands[currentIsland]->pickUpItems(this, &position);
        }
        if (keys[SDLK_i]) {
            inventoryOpen = true;
            Mix_PauseMusic();
            sounds.playBringUpItem(1);
        }
    }

    if (keys[SDLK_c]) headsUpDisplay.toggleDrawCompass();
    if (keys[SDLK_m]) headsUpDisplay.toggleDrawMainMap();
    if (keys[SDLK_PAGEDOWN]) hero.setGold(400);
    if (keys[SDLK_END]) heroTakesDamage = !heroTakesDamage;
}

void Controller::processMouseMoved(SDL_Event& event) {
    SDL_GetRelativeMouseState(&mouseDeltaX, &mouseDeltaY);
    if (inMainMenu) {
        mainMenu.processMousePosition(event.motion.x, event.motion.y);
    }
}

void Controller::processMouseDown(SDL_Event& event) {
    mouseDown = true;
    if (inMainMenu) {
        mainMenu.processMouseDown(event.button.x, event.button.y);
        return;
    }
    if (cutScenePlaying) {
        return;
    }
    switch (event.button.button) {
    case SDL_BUTTON_LEFT:
        if (!hero.isCurrentlyAnimating()) fireMissile(ALPHA_PORTAL_MISSILE);
        break;
    case SDL_BUTTON_RIGHT:
        if (!hero.isCurrentlyAnimating()) fireMissile(BETA_PORTAL_MISSILE);
        break;
    case SDL_BUTTON_MIDDLE: {
        Vector3D position = hero.getPosition();
        islands[currentIsland]->pickUpItems(this, &position);
        break;
    }
    default:
        break;
    }
}

void Controller::processMouseUp(SDL_Event& event) {
    mouseDown = false;
    if (inMainMenu) {
        mainMenu.processMouseUp(event.button.x, event.button.y, inMainMenu, introScreen);
        if (!inMainMenu && !gameStarted) {
            sounds.setMusicToHomeTown();
        }
    }
}

void Controller::clearMouse() {
    mouseDeltaX = 0;
    mouseDeltaY = 0;
}

void Controller::updateCamera() {
    if (cutScenePlaying) {
        if (cutScenes[currentCutScene]->isCutSceneDone()) {
            cutScenePlaying = false;
            camera.setCameraMode(CAMERA_THIRD_PERSON);
        } else {
            cutScenes[currentCutScene]->update();
            return;
        }
    }
    if (introScreen) {
        return;
    }
    if (camera.isCameraLockedToHero()) {
        camera.heroMoved(&hero, this);
    } else {
        camera.processKeyPressed(keys);
        camera.processMouseEvent((float)(mouseDeltaX / 1000.0), (float)(mouseDeltaY / 1000.0), mouseDown);
    }
}

void Controller::setFreeViewMode() {
    Vector3D eye = camera.getEye();
    Vector3D oldCenter = camera.getCenter();
    Vector3D oldUp = camera.getUp();
    Vector3D up(oldUp.x, 0.0f, oldUp.z);
    // Looking straight down along an upright up vector would leave no up at
    // all: take the old view direction, flattened, instead.
    if (up.isEmpty()) {
        up = oldCenter.subtract(&eye);
        up.y = 0.0f;
        if (up.isEmpty()) {
            up.setCoords(0.0f, 0.0f, -1.0f);
        }
    }
    camera.setCenter(Vector3D(eye.x, eye.y - 1.0f, eye.z));
    camera.setUp(up);
    camera.setCameraMode(CAMERA_FREE_VIEW);
}

// ---- queries

Camera* Controller::getCamera() { return &camera; }

Hero* Controller::getHero() { return &hero; }

HeightMap* Controller::getCurrentHeightMap() { return islands[currentIsland]->getHeightMap(); }

HeightMap* Controller::getCollidingHeightMap(Vector3D* position, float radius) {
    HeightMap* heightMap = getCurrentHeightMap();
    Object* terrain = heightMap;
    return terrain->doesSphereCollide(position, radius) ? heightMap : nullptr;
}

Object* Controller::doesLineCollideWithObject(Vector3D* from, Vector3D* to) {
    return islands[currentIsland]->doesLineCollideWithObjects(from, to);
}

Polygon3D* Controller::getCollidingHeightMapPolygon(Vector3D* direction, Vector3D* end) {
    return getCurrentHeightMap()->getCollisionPolygon(direction, end);
}

bool Controller::doesPortalIntersectObject(Vector3D* position, float radius) {
    return islands[currentIsland]->doesPortalIntersectObjects(position, radius);
}

Object* Controller::doesSphereCollideWithObject(Vector3D* position, float radius) {
    if (hero.doesSphereCollide(position, radius)) {
        return &hero;
    }
    return islands[currentIsland]->doesSphereCollideWithObject(position, radius);
}

EnemyForestSpirit* Controller::getCollidingForestSpirit(Vector3D* position, float radius) {
    return islands[currentIsland]->doesSphereCollideWithForrestSpirit(position, radius);
}

bool Controller::checkAndProcessCollidingIslandPortal(Vector3D* position, float radius) {
    IslandPortal* gate = islands[currentIsland]->getCollidingIslandPortal(position, radius);
    if (gate == nullptr) {
        return false;
    }
    IslandPortal* exit = gate->getOtherIslandPortal();
    setCurrentIsland(exit->getIslandIndex());
    // Out of the partner's opening, looking away from it.
    Vector3D n = exit->getNormal();
    n.setLength(1.0);
    Vector3D arrival = exit->getPosition();
    Vector3D offset = exit->getPortalCenterOffset();
    arrival = arrival.add(&offset);
    Vector3D step = n.multiply(1.75);
    arrival = arrival.add(&step);
    hero.setPosition(arrival);
    hero.setCenter(arrival.add(&n));
    return true;
}

Object* Controller::getCollidingObject(Vector3D* position, float radius) {
    Object* alpha = alphaPortal;
    Object* beta = betaPortal;
    if (alpha && alpha->doesSphereCollide(position, radius) && beta) {
        return betaPortal;
    }
    if (beta && beta->doesSphereCollide(position, radius) && alpha) {
        return alphaPortal;
    }
    return getCollidingHeightMap(position, radius);
}

// ---- missiles, particles and local portals

void Controller::fireMissile(MissileType type) {
    // A new throw replaces a missile still in the hand (clicks while the
    // world stands still never launch it): drop that one, or it would stay
    // in the list for good.
    Missile* held = hero.getMissileInHand();
    if (held && !held->getLaunched()) {
        for (size_t i = 0; i < missiles.size(); i++) {
            if (missiles[i] == held) {
                delete held;
                missiles.erase(missiles.begin() + i);
                break;
            }
        }
    }
    PortalMissile* missile = nullptr;
    hero.firePortalMissile(missile);
    if (missile == nullptr) {
        return;
    }
    missile->setTexture(texturesMeshes.plasmaTexture);
    missile->setIsAlphaPortalMissile(type == ALPHA_PORTAL_MISSILE);
    missiles.push_back(missile);
}

void Controller::addMissile(Missile* missile) { missiles.push_back(missile); }

void Controller::updateMissiles() {
    HeightMap* heightMap = getCurrentHeightMap();
    Island* island = islands[currentIsland];
    for (int i = 0; i < (int)missiles.size(); i++) {
        Missile* missile = missiles[i];
        if (!missile->getLaunched()) {
            continue;
        }
        missile->move(this);
        Vector3D pos = missile->getPosition();
        Vector3D vel = missile->getVelocity();
        Vector3D prev = pos.subtract(&vel);

        bool remove = false;
        if (hero.checkIfMissileCollides(missile, heroTakesDamage)) {
            remove = true;
            headsUpDisplay.setHit(true);
            sounds.playHit(1);
        } else if (island->checkIfMissileHitsEnemys(missile, particles, allHoldableItems)) {
            remove = true;
        } else if (island->doesLineCollideWithObjects(&prev, &pos)) {
            sounds.playPortalClose(1);
            remove = true;
        } else if (Polygon3D* polygon = heightMap->getCollisionPolygon(&vel, &pos)) {
            // The same segment test that found the triangle.
            bool isIntersecting = false;
            Vector3D crossing = polygon->getIntersection(&prev, &pos, isIntersecting);
            assert(isIntersecting);
            Vector3D back = vel;
            back.setLength(0.06);
            Vector3D point = crossing.subtract(&back);
            if (missile->isAlphaPortalMissile()) {
                openPortal(alphaPortal, polygon, point, vel);
            } else if (missile->isBetaPortalMissile()) {
                openPortal(betaPortal, polygon, point, vel);
            }
            remove = true;
        } else if (missile->isOffBoard()) {
            // Nothing stops a miss: it would fall for ever.
            remove = true;
        }
        if (remove) {
            // The hero keeps pointing at its last throw.
            if (missile == hero.getMissileInHand()) {
                hero.clearMissileInHand();
            }
            delete missile;
            missiles.erase(missiles.begin() + i);
            i--;
        }
    }
    // A spirit this step killed may have held one.
    retireDroppedMissiles();
}

void Controller::retireDroppedMissiles() {
    for (size_t i = 0; i < missiles.size();) {
        if (missiles[i]->getDropped()) {
            delete missiles[i];
            missiles.erase(missiles.begin() + i);
        } else {
            i++;
        }
    }
}

void Controller::openPortal(Portal*& slot, Polygon3D* polygon, Vector3D point, Vector3D velocity) {
    Portal* portal =
        new Portal(polygon, point, velocity, texturesMeshes.portalVinesMesh, texturesMeshes.portalLeavesMesh);
    sounds.playPortalOpen(1);
    delete slot;
    slot = portal;
}

void Controller::drawMissiles() {
    for (Missile* missile : missiles) {
        if (missile->getLaunched()) {
            missile->draw();
        }
    }
}

void Controller::updatePortals() {
    HeightMap* heightMap = getCurrentHeightMap();
    if (alphaPortal) {
        alphaPortal->update();
        if (alphaPortal->shouldPortalDispell(heightMap, betaPortal, this)) {
            sounds.playPortalClose(1);
            delete alphaPortal;
            alphaPortal = nullptr;
        }
    }
    if (betaPortal) {
        betaPortal->update();
        if (betaPortal->shouldPortalDispell(heightMap, alphaPortal, this)) {
            sounds.playPortalClose(1);
            delete betaPortal;
            betaPortal = nullptr;
        }
    }
}

void Controller::updateParticles() {
    for (size_t i = 0; i < particles.size(); i++) {
        Particle* currentParticle = particles[i];
        assert(currentParticle);
        currentParticle->update();
        if (currentParticle->getLifeTimeLeft() < 1) {
            delete currentParticle;
            particles.erase(particles.begin() + i);
        }
    }
}

void Controller::drawParticles() {
    glEnable(GL_BLEND);
    Billboard billboard(&camera, &hero);
    // One square per call costs the software renderer dearly with thousands
    // of particles: runs of one texture go out as one array, in order.
    ParticleBatch batch;
    billboard.batch = &batch;
    const GLfloat glow[] = {0.2f, 0.2f, 0.2f, 0.0f};
    glMaterialfv(GL_FRONT, GL_EMISSION, glow);
    for (Particle* currentParticle : particles) {
        assert(currentParticle);
        currentParticle->draw(&billboard);
    }
    batch.flush();
    const GLfloat none[] = {0.0f, 0.0f, 0.0f, 1.0f};
    glMaterialfv(GL_FRONT, GL_EMISSION, none);
    glDisable(GL_BLEND);
}

void Controller::getCollidingPortal(Vector3D* position, float radius, Portal*& hit, Portal*& other) {
    hit = nullptr;
    other = nullptr;
    Object* alpha = alphaPortal;
    Object* beta = betaPortal;
    if (alpha && alpha->doesSphereCollide(position, radius)) {
        hit = alphaPortal;
        other = betaPortal;
        return;
    }
    if (beta && beta->doesSphereCollide(position, radius)) {
        hit = betaPortal;
        other = alphaPortal;
    }
}

float Controller::getDistanceToLocalPortal(Vector3D* position) {
    float nearest = 99999.0f;
    for (Portal* portal : {alphaPortal, betaPortal}) {
        if (portal) {
            Vector3D portalPosition = portal->getPosition();
            float distance = position->subtract(&portalPosition).getLength();
            if (distance < nearest) {
                nearest = distance;
            }
        }
    }
    return nearest;
}

// ---- the island network

IslandPortal* Controller::createIslandPortal(Vector3D position, float angleDegrees, int islandIndex) {
    Vector3D normal(0.0f, 0.0f, 1.0f);
    normal = normal.rotateAroundYAxis(-angleDegrees * 0.0174532925);
    Plane3D plane(&normal, &position);
    IslandPortal* gate = new IslandPortal(position, plane, islandIndex);
    TexturesMeshes& t = texturesMeshes;
    for (Mesh* mesh : {t.islandPortalInnerMesh, t.islandPortalLeavesMesh, t.islandPortalMainMesh,
                       t.islandPortalTopsMesh, t.islandPortalVinesMesh}) {
        gate->addMesh(mesh);
    }
    gate->setIslandIndex(islandIndex);
    gate->setBoundingRadius(15.0f);
    gate->setRotationAngleDegrees(angleDegrees);
    return gate;
}

void Controller::createIslandPortals() {
    for (int i = 0; i < ISLAND_PORTAL_COUNT; i++) {
        const GatePlacement& g = GATES[i];
        islandPortals[i] = createIslandPortal(Vector3D(g.x, g.y, g.z), g.angleDegrees, g.island);
        if (i % 2 == 1) {
            islandPortals[i - 1]->setOtherIslandPortal(islandPortals[i]);
            islandPortals[i]->setOtherIslandPortal(islandPortals[i - 1]);
        }
    }
    // Locked until a quest opens them; their partners stay open.
    for (int locked : {0, 6, 10, 14}) {
        islandPortals[locked]->setEnabled(false);
    }
}

void Controller::createCutScenes() {
    for (int i = 0; i < CUT_SCENE_COUNT; i++) {
        cutScenes[i] = new CutScene(&camera, i + 1);
    }
}

void Controller::setCurrentIsland(int islandIndex) {
    currentIsland = islandIndex;
#ifdef __linux__
    // The allocator keeps freed pages for itself; what the island left
    // behind goes back to the system.
    malloc_trim(0);
#endif
    hero.resetPosition();
    Island* island = islands[currentIsland];
    Vector3D start = island->getHeroInitialPosition();
    int index = island->getIndex();
    island->killAllEnemies();
    island->spawnEnemies();

    if (index >= 0 && index < ISLAND_COUNT) {
        const IslandEntry& entry = ISLAND_ENTRIES[index];
        (sounds.*entry.music)();
        // An island that remembers a visit greets only the first arrival.
        if (!entry.remembersVisit || !visitedIslands[index]) {
            if (entry.banner != NO_BANNER) {
                headsUpDisplay.setEnteredNewLand(entry.banner);
            }
            if (entry.remembersVisit) {
                visitedIslands[index] = true;
            }
            if (entry.cutScene != NO_CUT_SCENE) {
                currentCutScene = entry.cutScene;
                cutScenePlaying = true;
            }
        }
    }

    hero.setLocation(&start);
    currShop = nullptr;
    inShop = false;
    nearShop = false;
    clearTransientObjects();
}

void Controller::clearTransientObjects() {
    delete alphaPortal;
    delete betaPortal;
    alphaPortal = nullptr;
    betaPortal = nullptr;
    for (Missile* missile : missiles) {
        delete missile;
    }
    missiles.clear();
    // The hero, and spirits on any island still standing, may still hold
    // one of them.
    hero.clearMissileInHand();
    for (Island* each : islands) {
        if (!each) continue;
        for (EnemyForestSpirit* spirit : *each->getAllEnemiesAndAllies()) {
            spirit->clearMissileInHand();
        }
    }
    for (Particle* particle : particles) {
        delete particle;
    }
    particles.clear();
}

void Controller::processQuestPoint(int id) {
    Island* island = islands[currentIsland];
    switch (id) {
    case VILLAGE_ELDER_QUEST: {
        islandPortals[0]->setEnabled(true);
        HoldableItem* sword = newStartingItem(ITEM_SWORD, texturesMeshes.swordHandleMesh, texturesMeshes.swordMainMesh,
                                              nullptr);
        allHoldableItems.push_back(sword);
        inventoryScreen.addItem(sword);
        sounds.playCompleteQuestItem(1);
        hero.incrementFame();
        break;
    }
    case KING_INTRO_QUEST:
        islandPortals[14]->setEnabled(true);
        sounds.playCompleteQuestItem(1);
        break;
    case KING_RETURN_QUEST:
        islandPortals[10]->setEnabled(true);
        inventoryScreen.removeItemOfType(ITEM_ONE_RING);
        sounds.playCompleteQuestItem(1);
        hero.incrementFame();
        break;
    case PRINCESS_QUEST:
        sounds.playCompleteQuestItem(1);
        hero.incrementFame();
        sounds.setMusicToHomeTown();
        break;
    case LADY_OF_THE_LAKE_QUEST:
        islandPortals[6]->setEnabled(true);
        inventoryScreen.removeItemOfType(ITEM_SWORD);
        sounds.playCompleteQuestItem(1);
        hero.incrementFame();
        break;
    case EVIL_WIZARD_INTRO_QUEST:
        island->createBoss();
        hero.incrementFame();
        sounds.playDanger(1);
        break;
    default:
        break;
    }
    QuestPoint* removed = island->removeQuestItem(id);
    if (removed == currentQuestPoint) {
        currentQuestPoint = nullptr;
    }
    delete removed;
}

void Controller::ringHasBeenPickedUp() { islands[5]->addKingRecieveRingQuestItem(); }

void Controller::addItemToInventory(HoldableItem* item) {
    if (item->getIsMoney()) {
        hero.setGold(hero.getGold() + item->getValue());
        sounds.playGetCoins(1);
        // Gone into the gold: a long game does not pile up collected coins.
        allHoldableItems.erase(std::remove(allHoldableItems.begin(), allHoldableItems.end(), item),
                               allHoldableItems.end());
        delete item;
        return;
    }
    inventoryScreen.addItem(item);
    if (item->itemType == ITEM_ONE_RING) {
        hero.incrementFame();
        islands[5]->addKingRecieveRingQuestItem();
    }
    sounds.playGetItem(1);
}

// ---- the picture

void Controller::renderWorld() {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT | GL_STENCIL_BUFFER_BIT);
    glLoadIdentity();
    if (inShop) {
        if (inMainMenu) {
            inShop = false;
            SDL_GL_SwapBuffers();
            return;
        }
        assert(currShop != nullptr);
        currShop->draw(hero.getGold());
        SDL_GL_SwapBuffers();
        return;
    }
    if (inventoryOpen) {
        inventoryScreen.draw(&hero);
        SDL_GL_SwapBuffers();
        return;
    }
    if (inMainMenu && !gameStarted) {
        // The culling and the billboards read the camera: it takes the
        // menu's view too.
        Vector3D eye, center, up;
        MainMenu::getMenuView(eye, center, up);
        camera.setEye(eye);
        camera.setCenter(center);
        camera.setUp(up);
        mainMenu.lookAt();
    } else {
        camera.lookAt();
    }
    resetLights();
    drawPortals();
    skyBox.draw();
    Island* island = islands[currentIsland];
    island->drawHeightMap(this);
    hero.draw();
    drawMissiles();
    island->draw(this);
    drawParticles();
    drawShadows();

    if (island->isNearShop(&hero)) {
        nearShop = true;
        currShop = island->getShop();
        headsUpDisplay.setDrawShopSignal(true);
    } else {
        headsUpDisplay.setDrawShopSignal(false);
        nearShop = false;
    }

    drawOverlay();
    SDL_GL_SwapBuffers();
}

// The pass's last step: exactly one 2D overlay.
void Controller::drawOverlay() {
    // The frame's own view is kept for whoever reads it after.
    glPushMatrix();
    if (inMainMenu) {
        mainMenu.draw();
    } else if (introScreen) {
        mainMenu.showIntroScreen();
    } else if (isGameOver) {
        mainMenu.showGameOverScreen();
    } else {
        drawHeadsUpDisplay();
    }
    glPopMatrix();
}

void Controller::drawPortals() {
    if (alphaPortal) {
        alphaPortal->draw(this, betaPortal);
    }
    if (betaPortal) {
        betaPortal->draw(this, alphaPortal);
    }
    islands[currentIsland]->drawIslandPortalOpenings(this);
    if (alphaPortal) {
        alphaPortal->drawPortalEdge();
    }
    if (betaPortal) {
        betaPortal->drawPortalEdge();
    }
}

void Controller::renderWorldForLocalPortal(Vector3D eye, Vector3D centre, Vector3D up, int islandIndex,
                                           Frustum* frustum) {
    renderWorldThroughOpening(eye, centre, up, islandIndex, frustum, nullptr);
}

void Controller::renderWorldForIslandPortal(Vector3D eye, Vector3D centre, Vector3D up, int islandIndex,
                                            Frustum* frustum, IslandPortal* portal) {
    renderWorldThroughOpening(eye, centre, up, islandIndex, frustum, portal);
}

void Controller::renderWorldThroughOpening(Vector3D eye, Vector3D centre, Vector3D up, int islandIndex,
                                           Frustum* frustum, IslandPortal* gate) {
    glPushMatrix();
    glLoadIdentity();
    gluLookAt(eye.x, eye.y, eye.z, centre.x, centre.y, centre.z, up.x, up.y, up.z);
    // Only the opening's scissor box can change: the island's things that
    // cannot reach it are not sent to the renderer at all.
    ViewCull cull;
    cull.readFromGL();
    skyBox.draw();
    Island* island = islands[islandIndex == -1 ? currentIsland : islandIndex];
    if (gate) {
        island->drawForIslandPortal(this, frustum, gate, &cull);
    } else {
        hero.draw();
        island->drawForLocalPortal(this, frustum, &cull);
    }
    glPopMatrix();
}

void Controller::drawShadows() {
    if (!shadowsOn) {
        return;
    }
    glColorMask(GL_FALSE, GL_FALSE, GL_FALSE, GL_FALSE);
    glDepthMask(GL_FALSE);
    glEnable(GL_STENCIL_TEST);
    glClear(GL_STENCIL_BUFFER_BIT);
    glStencilFunc(GL_ALWAYS, 1, 1);
    glStencilOp(GL_KEEP, GL_KEEP, GL_REPLACE);

    glDisable(GL_TEXTURE_2D);
    glDisable(GL_LIGHTING);
    drawHeroShadow();
    glEnable(GL_TEXTURE_2D);
    glEnable(GL_LIGHTING);

    glDepthMask(GL_TRUE);
    glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
    glStencilFunc(GL_EQUAL, 1, 1);
    glStencilOp(GL_KEEP, GL_KEEP, GL_KEEP);

    glPushMatrix();
    glLoadIdentity();
    ViewOrtho();
    glEnable(GL_BLEND);
    glDisable(GL_LIGHTING);
    glColor4f(0.1f, 0.1f, 0.2f, 0.5f);
    ScreenProjection::quad(false);
    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glPopMatrix();
    glDisable(GL_BLEND);
    glEnable(GL_LIGHTING);
    glEnable(GL_DEPTH_TEST);
    glDisable(GL_STENCIL_TEST);
}

void Controller::drawHeroShadow() {
    Vector3D p = hero.getPosition();
    Vector3D v = lightPosition.getDirectionTo(&p);
    v.setLength(30.0);
    Vector3D q = p.add(&v);
    Polygon3D* ground = getCurrentHeightMap()->getCollisionPolygon(&v, &q);
    if (ground == nullptr) {
        return;
    }
    GLfloat matrix[16];
    getShadowMatrix(ground, matrix);
    Vector3D lift = ground->getNormal();
    lift.setLength(0.05);

    glPushMatrix();
    glColor4f(0.1f, 0.1f, 0.2f, 1.0f);
    glTranslatef(lift.x, lift.y, lift.z);
    glMultMatrixf(matrix);
    hero.applyMatrixMultiplications();
    hero.drawForShadows();
    glPopMatrix();
}

void Controller::getShadowMatrix(Polygon3D* ground, float* matrix) {
    Plane3D groundPlane = ground->getPlane();
    Vector3D n = ground->getNormal();
    const double plane[4] = {n.x, n.y, n.z, groundPlane.d};
    const double light[4] = {lightPosition.x, lightPosition.y, lightPosition.z, 1.0};
    double dot = plane[0] * light[0] + plane[1] * light[1] + plane[2] * light[2] + plane[3] * light[3];
    // Row r, column k at k * 4 + r: OpenGL's column-major order.
    for (int r = 0; r < 4; r++) {
        for (int k = 0; k < 4; k++) {
            matrix[k * 4 + r] = (float)((r == k ? dot : 0.0) - light[r] * plane[k]);
        }
    }
}

void Controller::ViewOrtho() { ScreenProjection::push(); }

void Controller::ViewPerspective() { ScreenProjection::pop(); }

void Controller::clearDepthBuffer() { glClear(GL_DEPTH_BUFFER_BIT); }

void Controller::createPortalStencils() {
    glClear(GL_STENCIL_BUFFER_BIT);
    if (alphaPortal) {
        writeToStencil(alphaPortal);
    }
    if (betaPortal) {
        writeToStencil(betaPortal);
    }
}

void Controller::writeToStencil(Portal* portal) {
    glColorMask(GL_FALSE, GL_FALSE, GL_FALSE, GL_FALSE);
    glDepthMask(GL_FALSE);
    glEnable(GL_STENCIL_TEST);
    glStencilFunc(GL_ALWAYS, 1, 1);
    glStencilOp(GL_KEEP, GL_REPLACE, GL_REPLACE);
    glPushMatrix();
    Vector3D position = portal->getPosition();
    glTranslatef(position.x, position.y, position.z);
    Vector3D planeVector = portal->getPlaneVector();
    Vector3D normal = portal->getNormal();
    glBegin(GL_POLYGON);
    for (int i = 0; i < 20; i++) {
        Vector3D p = planeVector.rotateAroundVector(-i * M_PI / 10, &normal);
        glVertex3f(p.x, p.y, p.z);
    }
    glEnd();
    glPopMatrix();
    glStencilFunc(GL_NOTEQUAL, 1, 1);
    glStencilOp(GL_KEEP, GL_KEEP, GL_KEEP);
    glDisable(GL_STENCIL_TEST);
    glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);
    glDepthMask(GL_TRUE);
}

void Controller::drawHeadsUpDisplay() {
    glClear(GL_DEPTH_BUFFER_BIT);
    Island* island = islands[currentIsland];
    headsUpDisplay.draw(island, island->getHeightMap(), island->getNearItem(&hero), &camera);
    if (!questMessage) {
        Vector3D position = hero.getPosition();
        currentQuestPoint = island->getQuestPoint(&position, 1.0f);
        if (currentQuestPoint == nullptr) {
            return;
        }
        questMessage = true;
        questPicture = currentQuestPoint->getStoryPicture();
        processQuestPoint(currentQuestPoint->getId());
    }
    if (questPicture) {
        QuestPoint::drawStoryPicture(questPicture.get());
    }
}

void Controller::resetLights() {
    lightPosition.setCoords(-272.532f, 100.833f, -176.003f);
    const GLfloat position[] = {lightPosition.x, lightPosition.y, lightPosition.z, 1.0f};
    const GLfloat down[] = {0.0f, -1.0f, 0.0f};
    glLightfv(GL_LIGHT0, GL_POSITION, position);
    glLightfv(GL_LIGHT0, GL_SPOT_DIRECTION, down);
}

void Controller::checkForGLErrors() {
    GLenum error = glGetError();
    if (error != GL_NO_ERROR) {
        std::cout << "OpenGL Error: " << gluErrorString(error) << std::endl;
    }
}

void Controller::createNewObjects() {}

void Controller::evilWizardHasBeenVanquised() {}
