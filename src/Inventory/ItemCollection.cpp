#include "Inventory/ItemCollection.h"

#include <cassert>
#include <cmath>

#include "Object/HoldableItem/HoldableItem.h"
#include "Object/StaticObject/StaticObject.h"
#include "OpenGL/OpenGL.h"
#include "Sounds/Sounds.h"
#include "ScreenProjection/ScreenProjection.h"

const int MAX_TWENTIES = 25;
const int COIN_LEFT = 120;
const int COIN_SPACING = 10;
const int COIN_WIDTH = 30;
const int COIN_HEIGHT = 62;
const int SPIN_PERIOD = 100;

ItemCollection::ItemCollection(std::string name)
    : sounds(nullptr), coinIcon("Textures/coinIcon.bmp"), goldIcon10("Textures/goldIcon10.bmp"),
      goldIcon20("Textures/goldIcon20.bmp"), goldIcon1("Textures/goldIcon1.bmp"), curr(0), zoom(false),
      prevIndex(0), nextIndex(0), radius(-2.0f), cameraZ(-15.0f), angleStep(0.0f), spinCounter(0),
      turnCounter(0.0f), turningLeft(false), turningRight(false),
      background(("Textures/" + name + ".bmp").c_str()), leftArrow("Textures/leftArrow.bmp"),
      rightArrow("Textures/rightArrow.bmp"), displayObject(nullptr), inventoryBack("Textures/inventoryBack.bmp") {}

ItemCollection::~ItemCollection() {}

void ItemCollection::setSound(Sounds* sounds) { this->sounds = sounds; }

void ItemCollection::setDisplayObject(StaticObject* object) { displayObject = object; }

void ItemCollection::addItem(HoldableItem* item) {
    assert(item && "item");
    holdableItems.push_back(item);
    curr = 0;
    resetAngleRotation();
}

void ItemCollection::removeCurrentItem() {
    if (holdableItems.empty()) {
        return;
    }
    assert(holdableItems.at(curr) && "item");
    assert(holdableItems.size() > (unsigned int)curr && "holdableItems.size()> (unsigned int)curr");
    holdableItems.erase(holdableItems.begin() + curr);
    curr = 0;
    resetAngleRotation();
    updateNeighbours();
}

void ItemCollection::removeItemOfType(int type) {
    for (size_t i = 0; i < holdableItems.size(); i++) {
        if (holdableItems[i]->itemType == type) {
            holdableItems.erase(holdableItems.begin() + i);
            curr = 0;
            resetAngleRotation();
            updateNeighbours();
            return;
        }
    }
}

HoldableItem* ItemCollection::getCurrentObject() {
    if (holdableItems.empty()) {
        return nullptr;
    }
    return holdableItems.at(curr);
}

void ItemCollection::cycleItem(bool left) {
    if (zoom || turningLeft || turningRight) {
        return;
    }
    sounds->playTurnMenu(1);
    int count = (int)holdableItems.size();
    if (count <= 1) {
        return;
    }
    if (left) {
        curr--;
        turningLeft = true;
    } else {
        curr++;
        turningRight = true;
    }
    if (curr < 0) {
        curr = count - 1;
    }
    if (curr >= count) {
        curr = 0;
    }
}

void ItemCollection::toggleZoom() {
    zoom = !zoom;
    if (zoom) {
        sounds->playBringUpItem(1);
    } else {
        sounds->playUnequip(1);
    }
}

void ItemCollection::updateNeighbours() {
    int count = (int)holdableItems.size();
    prevIndex = curr - 1;
    if (prevIndex < 0) {
        prevIndex = count - 1;
    }
    nextIndex = curr + 1;
    if (nextIndex >= count) {
        nextIndex = 0;
    }
}

void ItemCollection::stopTurning() {
    turningLeft = false;
    turningRight = false;
    turnCounter = 0.0f;
}

void ItemCollection::resetAngleRotation() {
    // A turn left running would carry the freshly stood ring off its places.
    stopTurning();
    if (holdableItems.empty()) {
        return;
    }
    angleStep = (float)(2.0 * M_PI / holdableItems.size());
    for (size_t i = 0; i < holdableItems.size(); i++) {
        HoldableItem* item = holdableItems[i];
        assert(item && "item");
        Vector3D place(0.0f, 0.0f, radius);
        item->setPosition(place.rotateAroundYAxis(M_PI + i * angleStep));
    }
}

void ItemCollection::rotateItems() {
    updateNeighbours();
    turnCounter += 1.0f;
    float step = 0.05f * angleStep;
    if (turningRight) {
        step = -step;
    }
    for (HoldableItem* currItem : holdableItems) {
        assert(currItem && "currItem");
        currItem->setPosition(currItem->getPosition().rotateAroundYAxis(step));
    }
    if (turnCounter >= (float)TURN_FRAMES) {
        stopTurning();
    }
}

void ItemCollection::setCurrentObject(int index) { curr = index; }

void ItemCollection::setItemsToDraw() { updateNeighbours(); }

CoinPiles ItemCollection::coinPiles(int gold) {
    CoinPiles piles;
    piles.twenties = gold / 20;
    if (piles.twenties > MAX_TWENTIES) {
        piles.twenties = MAX_TWENTIES;
    }
    int rest = gold - 20 * piles.twenties;
    piles.tens = rest / 10;
    piles.fives = (rest - 10 * piles.tens) / 5;
    piles.ones = rest - 10 * piles.tens - 5 * piles.fives;
    return piles;
}

void ItemCollection::viewOrtho() { ScreenProjection::push(); }

void ItemCollection::viewPerspective() { ScreenProjection::pop(); }

void ItemCollection::drawDescription(Texture& picture) {
    glDisable(GL_DEPTH_TEST);
    glPushMatrix();
    glLoadIdentity();
    viewOrtho();
    glEnable(GL_BLEND);
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    glEnable(GL_TEXTURE_2D);
    // Lit, the picture's colours would depend on whatever normal was set last.
    GLboolean lit = glIsEnabled(GL_LIGHTING);
    glDisable(GL_LIGHTING);
    ScreenProjection::drawPicture(picture);
    if (lit) {
        glEnable(GL_LIGHTING);
    }
    glPopMatrix();
    glDisable(GL_BLEND);
    glEnable(GL_DEPTH_TEST);
    viewPerspective();
}

void ItemCollection::drawCoinRow(Texture& icon, int count, int top) {
    if (count <= 0) {
        return;
    }
    icon.bindGLTexture();
    if (icon.textureFailed) {
        return;
    }
    glBegin(GL_QUADS);
    for (int k = 0; k < count; k++) {
        int left = COIN_LEFT + COIN_SPACING * k;
        glTexCoord2f(0.0f, 0.0f);
        glVertex2i(left, top);
        glTexCoord2f(0.0f, 1.0f);
        glVertex2i(left, top + COIN_HEIGHT);
        glTexCoord2f(1.0f, 1.0f);
        glVertex2i(left + COIN_WIDTH, top + COIN_HEIGHT);
        glTexCoord2f(1.0f, 0.0f);
        glVertex2i(left + COIN_WIDTH, top);
    }
    glEnd();
}

void ItemCollection::drawLeftArrow() {
    glPushMatrix();
    ScreenProjection::drawPicture(leftArrow);
    ScreenProjection::drawPicture(rightArrow);
    glPopMatrix();
}

void ItemCollection::draw(int gold) {
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_LIGHTING);
    glPushMatrix();
    glLoadIdentity();
    viewOrtho();
    glEnable(GL_BLEND);
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    glEnable(GL_TEXTURE_2D);
    ScreenProjection::drawPicture(background);
    CoinPiles coins = coinPiles(gold);
    glDisable(GL_TEXTURE_2D);
    viewPerspective();
    glEnable(GL_DEPTH_TEST);

    if (displayObject) {
        glPushMatrix();
        glTranslatef(-3.0f, 2.0f, -15.0f);
        glScalef(0.5f, 0.5f, 0.5f);
        displayObject->setRotationAngleDegrees(-180.0f);
        displayObject->draw();
        glPopMatrix();
    }

    glDisable(GL_DEPTH_TEST);
    viewOrtho();
    glEnable(GL_TEXTURE_2D);
    glDisable(GL_LIGHTING);
    glColor4f(1.0f, 1.0f, 1.0f, 1.0f);
    drawCoinRow(goldIcon20, coins.twenties, 410);
    drawCoinRow(goldIcon10, coins.tens, 420);
    drawCoinRow(coinIcon, coins.fives, 440);
    drawCoinRow(goldIcon1, coins.ones, 460);
    ScreenProjection::drawPicture(inventoryBack);
    if (holdableItems.size() > 1 && !turningLeft && !turningRight) {
        drawLeftArrow();
    }
    glDisable(GL_TEXTURE_2D);
    glEnable(GL_LIGHTING);
    viewPerspective();
    glPopMatrix();
    glEnable(GL_DEPTH_TEST);

    gluLookAt(0.0, 0.0, 0.0, 0.0, 0.0, -1.0, 0.0, 1.0, 0.0);
    spinCounter = (spinCounter + 1) % SPIN_PERIOD;
    if (turningLeft || turningRight) {
        rotateItems();
    }
    float spinAngle = spinCounter / (float)SPIN_PERIOD * 360.0f;
    for (int i = 0; i < (int)holdableItems.size(); i++) {
        HoldableItem* item = holdableItems[i];
        glLoadIdentity();
        glPushMatrix();
        glTranslatef(0.0f, 0.0f, cameraZ);
        glTranslatef(0.0f, 1.6f, 0.0f);
        glTranslatef(3.3f, 0.0f, 0.0f);
        if (i == curr) {
            if (zoom) {
                glPushMatrix();
                glTranslatef(-3.3f, -1.6f, 7.0f);
                item->drawRotating(0.0f);
                glPopMatrix();
            } else {
                item->drawRotating(spinAngle);
            }
        } else if ((turningRight && i == prevIndex) || (turningLeft && i == nextIndex)) {
            item->drawRotating(0.0f);
        }
        glPopMatrix();
    }

    // Only what this draw pushed is popped: the frame's 3D projection stays.
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_LIGHTING);
    glMatrixMode(GL_MODELVIEW);
    glEnable(GL_DEPTH_TEST);
    glEnable(GL_LIGHTING);
}
