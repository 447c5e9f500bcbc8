#ifndef HEADSUPDISPLAY_H
#define HEADSUPDISPLAY_H

#include <map>

#include "HeadsUpDisplay/ScreenPictureCover.h"
#include "Texture/Texture.h"
#include "Vector3D/Vector3D.h"

class Camera;
class HeightMap;
class Hero;
class HoldableItem;
class Island;
class Mesh;

// The region banners.
enum LandCode { LAND_MSITU = 0, LAND_UZULU = 1, LAND_NJEVE = 2, LAND_ENDELEA = 3, LAND_NAROK = 98769 };

// Draws on which a region banner shows: 1 to 89.
const int NEW_LAND_DRAWS = 89;

// The in-game overlay drawn over the world each frame: the frame with the
// mini map and the life and fame bars, or one full-screen picture (paused,
// shop prompt, world map); over either the tints, the item frames, the
// region banner, the nearby item turning in 3D and the 3D compass.
class HeadsUpDisplay {
public:
    int newLandTimer;
    int landCode;
    bool newLand;
    bool showMainMap;
    bool underWater;
    bool paused;
    Hero* hero;
    Mesh* compassMain;
    Mesh* compassFace;
    Mesh* compassPointer;
    bool hit;

    Texture hudFrame;
    Texture minimapBack;
    Texture minimapFront;
    Texture greenHealthBar;
    Texture redHealthBar;
    Texture itemProximityFrame;
    Texture itemProximityFrameFront;
    Texture pausedImage;
    Texture bottomBar;
    Texture mainMap;
    Texture locationIcon;
    Texture fsIcon;
    Texture allyIcon;
    Texture houseIcon;
    Texture enemyIcon;
    Texture portalIcon;
    Texture ePointIcon;
    Texture shopDisplay;
    Texture njeveTexture;
    Texture uzuluTexture;
    Texture msituTexture;
    Texture narokTexture;
    Texture endeleaTexture;

    bool showCompass;
    bool showShopSignal;

    HeadsUpDisplay();
    virtual ~HeadsUpDisplay();

    void setMeshesAndHero(Mesh* main, Mesh* pointer, Mesh* face, Hero* hero);
    // One frame of the overlay, after the world has been drawn. `nearItem`
    // is the item within the hero's reach, or null.
    void draw(Island* island, HeightMap* heightMap, HoldableItem* nearItem, Camera* camera);

    void setUnderWater(bool underWater);
    void setHit(bool hit);
    void setDrawShopSignal(bool on);
    void setEnteredNewLand(int landCode);
    void togglePaused();
    void toggleDrawCompass();
    void toggleDrawMainMap();

    void ViewOrtho();
    void ViewPerspective();
    Vector3D getOpenGLPos(int x, int y);

    // The turn of the mini map (radians) for a view direction: the view
    // points up the screen.
    static float getMiniMapAngle(Vector3D viewDirection);
    // The needle's turn (radians) for the hero's view direction.
    static float getHeading(Vector3D viewDirection);
    // Top-left corner of the world map's marker for an island; false for an
    // index no island has.
    static bool getMainMapMarker(int islandIndex, int& x, int& y);
    // The banner picture of a land code; null for a code outside the table.
    Texture* getBannerTexture(int code);

    void drawTint();
    void drawFrame();
    void drawMiniMapBackground();
    void drawMiniMapForeground();
    void drawPaused();
    void drawShopSignal();
    void drawItemProximityFrame();
    void drawItemProximityFrameFront();
    void drawNewLandDisplay();
    void drawLifeBar();
    void drawFameBar();
    void drawMainMap(int islandIndex);
    void drawMiniMap(Island* island, HeightMap* heightMap);
    void drawCompass(Camera* camera);
    void drawItemProximitySignal(HoldableItem* item, Camera* camera);

private:
    // Where each full-screen picture can change the frame, worked out at its
    // first draw.
    std::map<const Texture*, ScreenPictureCover> pictureCovers;
    void drawFullScreenPicture(Texture& texture);

    HeadsUpDisplay(const HeadsUpDisplay&) = delete;
    HeadsUpDisplay& operator=(const HeadsUpDisplay&) = delete;
};

#endif
