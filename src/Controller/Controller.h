#ifndef CONTROLLER_H
#define CONTROLLER_H

#include <SDL.h>

#include <memory>
#include <vector>

#include "Camera/Camera.h"
#include "Controller/MissileType.h"
#include "HeadsUpDisplay/HeadsUpDisplay.h"
#include "Inventory/InventoryScreen.h"
#include "MainMenu/MainMenu.h"
#include "Object/Character/ForestSpirit/Hero/Hero.h"
#include "SkyBox/SkyBox.h"
#include "Sounds/Sounds.h"
#include "TexturesMeshes/TexturesMeshes.h"
#include "Vector3D/Vector3D.h"

class CutScene;
class EnemyForestSpirit;
class HeightMap;
class HoldableItem;
class Island;
class IslandPortal;
class Missile;
class Object;
class Particle;
class Polygon3D;
class Portal;
class QuestPoint;
class Shop;
class Frustum;
class Texture;

// Slots of the held-keys array: SDL key symbols 0 to 320.
const int KEY_SLOTS = 321;
const int ISLAND_COUNT = 13;
const int ISLAND_PORTAL_COUNT = 24;
const int CUT_SCENE_COUNT = 4;
const Uint32 FRAME_MILLISECONDS = 40;

// The one game controller. It builds the whole world in its constructor,
// before any window exists, owns everything long-lived, runs the frame and
// takes the input. The figures, portals and islands call back its queries
// instead of holding references into the world. The game modes are the
// independent flags below, not one state value.
class Controller {
public:
    // Only the islands that greet a first visit keep theirs.
    bool visitedIslands[ISLAND_COUNT];
    bool shadowsOn;
    Vector3D lightPosition;
    MainMenu mainMenu;
    bool inShop;
    bool nearShop;
    Shop* currShop;
    InventoryScreen inventoryScreen;
    HeadsUpDisplay headsUpDisplay;
    Camera camera;
    Hero hero;
    SkyBox skyBox;
    std::vector<Missile*> missiles;
    std::vector<Particle*> particles;
    // Owns every holdable item the game makes, wherever it lies or is
    // carried; the inventory and the shops only refer to them.
    std::vector<HoldableItem*> allHoldableItems;
    TexturesMeshes texturesMeshes;
    Sounds sounds;
    Island* islands[ISLAND_COUNT];
    IslandPortal* islandPortals[ISLAND_PORTAL_COUNT];
    CutScene* cutScenes[CUT_SCENE_COUNT];
    Portal* alphaPortal;
    Portal* betaPortal;
    int currentIsland;
    int currentCutScene;
    Uint32 lastFrameTicks;
    bool keys[KEY_SLOTS];
    bool mouseDown;
    int mouseDeltaX;
    int mouseDeltaY;
    bool inMainMenu;
    bool inventoryOpen;
    bool cutScenePlaying;
    bool gameStarted;
    bool paused;
    bool heroTakesDamage;
    bool questMessage;
    bool introScreen;
    bool isGameOver;
    QuestPoint* currentQuestPoint;
    // The story picture on screen while questMessage is up: the point that
    // showed it is gone by then.
    std::shared_ptr<Texture> questPicture;
    Uint32 framesRendered;
    Uint32 lateFrames;
    Uint32 timeLate;

    Controller();
    ~Controller();

    // Start-up, once the video mode is set.
    void init();
    void initLighting();
    // Opens the audio device (exit status 1 when it cannot), loads the sound
    // bank and starts the intro music.
    void initMusic();
    // Converts an OBJ file into a new, compiled mesh that the caller owns;
    // a missing file gives an empty mesh.
    static Mesh* loadObj(const char* path);

    // One frame: world, camera, picture, pacing.
    void processGame();
    void updateWorld();
    void setIfUnderwater();
    void gameOver();
    // The pacing step alone: counts a late frame or sleeps the rest of the
    // 40 ms.
    void waitTillEndOfFrame();
    // How long the frame that ends at `now` still has to wait, 0 to 39 ms;
    // counts it when it is late.
    Uint32 computeFrameDelay(Uint32 now);
    void startGame();

    // Input. False ends the main loop.
    bool eventMessage(SDL_Event& event);
    void processKeyDown(SDL_Event& event);
    void processMouseDown(SDL_Event& event);
    void processMouseMoved(SDL_Event& event);
    void processMouseUp(SDL_Event& event);
    void updateCamera();
    void setFreeViewMode();
    void clearMouse();

    // Queries on the current island.
    Camera* getCamera();
    Hero* getHero();
    HeightMap* getCurrentHeightMap();
    HeightMap* getCollidingHeightMap(Vector3D* position, float radius);
    Object* doesLineCollideWithObject(Vector3D* from, Vector3D* to);
    // The terrain triangle crossed by the segment from end - direction to
    // end, or null.
    Polygon3D* getCollidingHeightMapPolygon(Vector3D* direction, Vector3D* end);
    bool doesPortalIntersectObject(Vector3D* position, float radius);
    // The hero first, then the island's objects.
    Object* doesSphereCollideWithObject(Vector3D* position, float radius);
    EnemyForestSpirit* getCollidingForestSpirit(Vector3D* position, float radius);
    // True when an enabled gate touched the sphere and the hero was moved
    // to its partner.
    bool checkAndProcessCollidingIslandPortal(Vector3D* position, float radius);
    Object* getCollidingObject(Vector3D* position, float radius);

    // Missiles, particles and local portals.
    void fireMissile(MissileType type);
    void addMissile(Missile* missile);
    void updateMissiles();
    // A portal in the slot of its kind where a missile struck the ground;
    // the old one of that kind goes.
    void openPortal(Portal*& slot, Polygon3D* polygon, Vector3D point, Vector3D velocity);
    void updatePortals();
    void updateParticles();
    void getCollidingPortal(Vector3D* position, float radius, Portal*& hit, Portal*& other);
    float getDistanceToLocalPortal(Vector3D* position);

    // The island network.
    void createIslandPortals();
    IslandPortal* createIslandPortal(Vector3D position, float angleDegrees, int islandIndex);
    void createCutScenes();
    void setCurrentIsland(int islandIndex);
    // Money goes into the gold and is freed, off the world's list; the
    // caller has taken it off the ground.
    void addItemToInventory(HoldableItem* item);
    // One quest's effects; then the current island gives up the point.
    void processQuestPoint(int id);
    void ringHasBeenPickedUp();

    // The picture.
    void renderWorld();
    // Both local portals, the island's gate openings, then the portal rims.
    void drawPortals();
    void drawMissiles();
    void drawParticles();
    void drawShadows();
    void drawHeroShadow();
    // The projection onto the ground triangle's plane away from the light,
    // column-major for OpenGL.
    void getShadowMatrix(Polygon3D* ground, float* matrix);
    // The heads-up display over play.
    void drawHeadsUpDisplay();
    // The world from a viewpoint through a local portal or a gate; island
    // index -1 is the current island.
    void renderWorldForLocalPortal(Vector3D eye, Vector3D centre, Vector3D up, int islandIndex, Frustum* frustum);
    void renderWorldForIslandPortal(Vector3D eye, Vector3D centre, Vector3D up, int islandIndex, Frustum* frustum,
                                    IslandPortal* portal);
    // The 800x600 screen projection, origin top left, y down; and back.
    void ViewOrtho();
    void ViewPerspective();
    void clearDepthBuffer();
    void createPortalStencils();
    void writeToStencil(Portal* portal);
    // The menu over the live world, else the intro picture, else the
    // game-over picture, else the heads-up display.
    void drawOverlay();
    void resetLights();
    void checkForGLErrors();

    void createNewObjects();
    void evilWizardHasBeenVanquised();

private:
    // Frees the missiles, particles and local portals: they live on one
    // island only.
    void clearTransientObjects();
    void openMainMenu();
    void printStatistics();
    // The fire balls whose throwers died before letting go.
    void retireDroppedMissiles();
    // The world through an opening: a local portal's shows the hero, a
    // gate's (not null) leaves that gate out.
    void renderWorldThroughOpening(Vector3D eye, Vector3D centre, Vector3D up, int islandIndex, Frustum* frustum,
                                   IslandPortal* gate);

    Controller(const Controller&) = delete;
    Controller& operator=(const Controller&) = delete;
};

#endif
