#include "HeadsUpDisplay/HeadsUpDisplay.h"

HeadsUpDisplay::HeadsUpDisplay()
    : newLandTimer(0), landCode(0), newLand(false), showMainMap(false), underWater(false), paused(false),
      hero(nullptr), compassMain(nullptr), compassFace(nullptr), compassPointer(nullptr), hit(false),
      showCompass(true), showShopSignal(false) {}

HeadsUpDisplay::~HeadsUpDisplay() {}

void HeadsUpDisplay::setMeshesAndHero(Mesh* main, Mesh* pointer, Mesh* face, Hero* hero) {
    compassMain = main;
    compassPointer = pointer;
    compassFace = face;
    this->hero = hero;
}

// Minimal: the overlay is not drawn yet.
void HeadsUpDisplay::draw(Island*, HeightMap*, HoldableItem*, Camera*) {}

void HeadsUpDisplay::setUnderWater(bool underWater) { this->underWater = underWater; }

void HeadsUpDisplay::setHit(bool hit) { this->hit = hit; }

void HeadsUpDisplay::setDrawShopSignal(bool on) { showShopSignal = on; }

void HeadsUpDisplay::setEnteredNewLand(int landCode) {
    this->landCode = landCode;
    newLand = true;
    newLandTimer = 0;
}

void HeadsUpDisplay::togglePaused() { paused = !paused; }

void HeadsUpDisplay::toggleDrawCompass() { showCompass = !showCompass; }

void HeadsUpDisplay::toggleDrawMainMap() { showMainMap = !showMainMap; }
