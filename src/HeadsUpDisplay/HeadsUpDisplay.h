#ifndef HEADSUPDISPLAY_H
#define HEADSUPDISPLAY_H

class Camera;
class HeightMap;
class Hero;
class HoldableItem;
class Island;
class Mesh;

// The region banners.
enum LandCode { LAND_MSITU = 0, LAND_UZULU = 1, LAND_NJEVE = 2, LAND_ENDELEA = 3, LAND_NAROK = 98769 };

// The in-game overlay. Minimal for now: it keeps the state the game sets and
// draws nothing until the overlay itself is built.
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
    bool showCompass;
    bool showShopSignal;

    HeadsUpDisplay();
    virtual ~HeadsUpDisplay();

    void setMeshesAndHero(Mesh* main, Mesh* pointer, Mesh* face, Hero* hero);
    void draw(Island* island, HeightMap* heightMap, HoldableItem* nearItem, Camera* camera);
    void setUnderWater(bool underWater);
    void setHit(bool hit);
    void setDrawShopSignal(bool on);
    void setEnteredNewLand(int landCode);
    void togglePaused();
    void toggleDrawCompass();
    void toggleDrawMainMap();
};

#endif
