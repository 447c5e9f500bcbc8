#ifndef ITEMCOLLECTION_H
#define ITEMCOLLECTION_H

#include <string>
#include <vector>

#include "Texture/Texture.h"

class HoldableItem;
class Sounds;
class StaticObject;

// The hero's gold as coin icons: twenties (at most 25 of them), then tens
// without a cap, fives and ones.
struct CoinPiles {
    int twenties;
    int tens;
    int fives;
    int ones;
};

// The turning carousel of the inventory and the shops. The items stand on a
// circle; the current one faces the viewer and spins, and a turn to a
// neighbour takes 20 drawn frames. The carousel only refers to its items:
// their owner (the game's item list) frees them.
class ItemCollection {
public:
    static const int TURN_FRAMES = 20;

    Sounds* sounds;
    Texture coinIcon;
    Texture goldIcon10;
    Texture goldIcon20;
    Texture goldIcon1;
    std::vector<HoldableItem*> holdableItems;
    int curr;
    bool zoom;
    int prevIndex;
    int nextIndex;
    float radius;
    float cameraZ;
    float angleStep;
    int spinCounter;
    float turnCounter;
    bool turningLeft;
    bool turningRight;
    Texture background;
    Texture leftArrow;
    Texture rightArrow;
    StaticObject* displayObject;
    Texture inventoryBack;

    // The background picture is "Textures/" + name + ".bmp".
    explicit ItemCollection(std::string name);
    virtual ~ItemCollection();

    // The sound bank must be set before the first turn or zoom.
    void setSound(Sounds* sounds);
    void setDisplayObject(StaticObject* object);
    // The first item becomes current again.
    void addItem(HoldableItem* item);
    // Drops the current item; the first becomes current.
    void removeCurrentItem();
    // Drops the first item of that type, if any.
    void removeItemOfType(int type);
    HoldableItem* getCurrentObject();
    // true brings the previous item to the front, false the next one.
    // Ignored, without a sound, during a turn or while zoomed.
    void cycleItem(bool left);
    void toggleZoom();
    // The whole screen for one frame; it also runs the turn.
    void draw(int gold);
    // One frame of the running turn.
    void rotateItems();
    // Stands every item on the circle, the current one in front.
    void resetAngleRotation();
    void drawLeftArrow();
    void setCurrentObject(int index);
    void setItemsToDraw();

    static CoinPiles coinPiles(int gold);
    // The 2D screen projection: origin top left, y down. The 3D
    // projection is pushed and must be popped by the caller.
    static void viewOrtho();
    static void viewPerspective();
    // An item's description over the whole screen, after the carousel.
    static void drawDescription(Texture& picture);

private:
    void updateNeighbours();
    // Ends any turn: the ring has just been stood afresh.
    void stopTurning();
    void drawCoinRow(Texture& icon, int count, int top);

    ItemCollection(const ItemCollection&) = delete;
    ItemCollection& operator=(const ItemCollection&) = delete;
};

#endif
