#include "HeadsUpDisplay/HeadsUpDisplay.h"

#include <cassert>
#include <cmath>
#include <cstddef>
#include <vector>

#include "Camera/Camera.h"
#include "HeadsUpDisplay/ScreenPictureCover.h"
#include "Island/Island.h"
#include "Mesh/Mesh.h"
#include "Object/Character/ForestSpirit/EnemyForestSpirit/EnemyForestSpirit.h"
#include "Object/Character/ForestSpirit/Hero/Hero.h"
#include "Object/HeightMap/HeightMap.h"
#include "Object/HoldableItem/HoldableItem.h"
#include "Object/Portal/IslandPortal/IslandPortal.h"
#include "Object/StaticObject/StaticObject.h"
#include "OpenGL/OpenGL.h"
#include "QuestPoint/QuestPoint.h"
#include "ScreenProjection/ScreenProjection.h"

const double PI = 3.14159265358979323846;

// The mini map: a whole island spans 400 pixels, the hero stands at
// (85, 496) and the map shows through a 130 x 130 box around it.
const float MINI_MAP_SCALE = 400.0f;
const float MINI_MAP_HERO_X = 85.0f;
const float MINI_MAP_HERO_Y = 496.0f;

// A type cannot be static: an unnamed namespace keeps it to this file.
namespace {
struct MarkerPoint {
    int x, y;
};
}  // namespace

// The world map's marker (top-left corner) for each island.
const MarkerPoint MAIN_MAP_MARKERS[] = {
    {71, 434},  {186, 409}, {273, 348}, {131, 295}, {272, 543}, {433, 283}, {526, 402},
    {483, 492}, {638, 487}, {638, 155}, {471, 187}, {652, 373}, {733, 246},
};

// An angle that rounding made undefined (or a zero direction made NaN)
// counts as no turn at all: otherwise the map and needle spin for a frame.
static float definedAngle(float angle) {
    if (angle == ANGLE_UNDEFINED || std::isnan(angle)) {
        return 0.0f;
    }
    return angle;
}

static void texturedQuad(Texture& texture, float left, float top, float right, float bottom) {
    glEnable(GL_TEXTURE_2D);
    texture.bindGLTexture();
    glBegin(GL_QUADS);
    glTexCoord2f(0, 0);
    glVertex2f(left, top);
    glTexCoord2f(0, 1);
    glVertex2f(left, bottom);
    glTexCoord2f(1, 1);
    glVertex2f(right, bottom);
    glTexCoord2f(1, 0);
    glVertex2f(right, top);
    glEnd();
    glDisable(GL_TEXTURE_2D);
}


// A bar f of its full 171 pixels long, its texture cut rather than
// stretched.
static void barQuad(Texture& texture, float f, float top, float bottom) {
    glEnable(GL_TEXTURE_2D);
    texture.bindGLTexture();
    float right = 1.0f + 171.0f * f;
    glBegin(GL_QUADS);
    glTexCoord2f(0, 0);
    glVertex2f(1, top);
    glTexCoord2f(0, 1);
    glVertex2f(1, bottom);
    glTexCoord2f(f, 1);
    glVertex2f(right, bottom);
    glTexCoord2f(f, 0);
    glVertex2f(right, top);
    glEnd();
    glDisable(GL_TEXTURE_2D);
}

// A 20 x 20 icon centred on (x, y), in its kind's colour; texturing stays
// on for the next icon.
static void icon(Texture& texture, float x, float y, float r, float g, float b, float a) {
    texture.bindGLTexture();
    glColor4f(r, g, b, a);
    glBegin(GL_QUADS);
    glTexCoord2f(0, 0);
    glVertex2f(x - 10, y - 10);
    glTexCoord2f(0, 1);
    glVertex2f(x - 10, y + 10);
    glTexCoord2f(1, 1);
    glVertex2f(x + 10, y + 10);
    glTexCoord2f(1, 0);
    glVertex2f(x + 10, y - 10);
    glEnd();
}

// The camera's unit view direction, unit up and unit side vectors.
static void cameraBasis(Camera* camera, Vector3D& eye, Vector3D& dir, Vector3D& up, Vector3D& side) {
    eye = camera->getEye();
    Vector3D centre = camera->getCenter();
    dir = centre.subtract(&eye);
    dir.setLength(1.0);
    up = camera->getUp();
    up.setLength(1.0);
    side = up.rotateAroundVector(PI / 2.0, &dir);
    side.setLength(1.0);
}

namespace {
// Turns and places map points: s(p) = 400 R(m(p)) + O.
class MiniMapProjection {
public:
    MiniMapProjection(HeightMap* heightMap, float angle, Vector3D heroPosition) : heightMap(heightMap), angle(angle) {
        Vector3D hero = turned(mapPoint(heroPosition));
        originX = MINI_MAP_HERO_X - hero.x;
        originY = MINI_MAP_HERO_Y - hero.y;
    }

    Vector3D mapPoint(Vector3D p) const {
        float size = heightMap->getSize();
        return Vector3D(heightMap->getIndexFromCoordinate(p.x) / size - 0.5f,
                        heightMap->getIndexFromCoordinate(p.z) / size - 0.5f, 0.0f);
    }

    Vector3D turned(Vector3D m) const { return m.rotateAroundZAxis(angle).multiply(MINI_MAP_SCALE); }

    void screenOfMapPoint(Vector3D m, float& x, float& y) const {
        Vector3D s = turned(m);
        x = s.x + originX;
        y = s.y + originY;
    }

    void screen(Vector3D p, float& x, float& y) const { screenOfMapPoint(mapPoint(p), x, y); }

private:
    HeightMap* heightMap;
    float angle;
    float originX;
    float originY;
};
}  // namespace

HeadsUpDisplay::HeadsUpDisplay()
    : newLandTimer(0), landCode(0), newLand(false), showMainMap(false), underWater(false), paused(false),
      hero(nullptr), compassMain(nullptr), compassFace(nullptr), compassPointer(nullptr), hit(false),
      showCompass(true), showShopSignal(false) {
    hudFrame.setFile("Textures/HUD/hudFrame.bmp");
    minimapBack.setFile("Textures/HUD/minimapBack.bmp");
    shopDisplay.setFile("Textures/HUD/shopDisplay.bmp");
    minimapFront.setFile("Textures/HUD/minimapFront.bmp");
    locationIcon.setFile("Textures/HUD/locationIcon.bmp");
    ePointIcon.setFile("Textures/HUD/ePointIcon.bmp");
    fsIcon.setFile("Textures/HUD/fsIcon.bmp");
    allyIcon.setFile("Textures/HUD/allyIcon.bmp");
    houseIcon.setFile("Textures/HUD/houseIcon.bmp");
    enemyIcon.setFile("Textures/HUD/enemyIcon.bmp");
    portalIcon.setFile("Textures/HUD/portalIcon.bmp");
    mainMap.setFile("Textures/HUD/mainMap.bmp");
    redHealthBar.setFile("Textures/HUD/redHealthBar.bmp");
    greenHealthBar.setFile("Textures/HUD/greenHealthBar.bmp");
    itemProximityFrame.setFile("Textures/HUD/itemProximityFrame.bmp");
    itemProximityFrameFront.setFile("Textures/HUD/itemProximityFrameFront.bmp");
    pausedImage.setFile("Textures/pausedImage.bmp");
    bottomBar.setFile("Textures/HUD/bottomBar.bmp");
    msituTexture.setFile("Textures/HUD/msituTexture.bmp");
    njeveTexture.setFile("Textures/HUD/njeveTexture.bmp");
    narokTexture.setFile("Textures/HUD/narokTexture.bmp");
    endeleaTexture.setFile("Textures/HUD/endeleaTexture.bmp");
    uzuluTexture.setFile("Textures/HUD/uzuluTexture.bmp");
}

HeadsUpDisplay::~HeadsUpDisplay() {}

void HeadsUpDisplay::setMeshesAndHero(Mesh* main, Mesh* pointer, Mesh* face, Hero* hero) {
    compassMain = main;
    compassPointer = pointer;
    compassFace = face;
    this->hero = hero;
}

void HeadsUpDisplay::draw(Island* island, HeightMap* heightMap, HoldableItem* nearItem, Camera* camera) {
    glDisable(GL_DEPTH_TEST);
    glDisable(GL_LIGHTING);
    glDepthMask(GL_FALSE);
    glPushMatrix();
    glLoadIdentity();
    ViewOrtho();
    glEnable(GL_BLEND);

    drawTint();

    if (paused) {
        drawPaused();
    } else if (showShopSignal) {
        drawShopSignal();
    } else if (showMainMap) {
        drawMainMap(island->getIndex());
    } else {
        drawFrame();
        drawMiniMapBackground();
        drawLifeBar();
        drawFameBar();
        drawMiniMap(island, heightMap);
        drawMiniMapForeground();
    }

    if (nearItem != nullptr) {
        drawItemProximityFrame();
        drawItemProximityFrameFront();
    }

    if (newLand) {
        newLandTimer++;
        if (newLandTimer <= NEW_LAND_DRAWS) {
            drawNewLandDisplay();
        } else {
            newLandTimer = 0;
            newLand = false;
        }
    }

    glMatrixMode(GL_PROJECTION);
    glPopMatrix();
    glMatrixMode(GL_MODELVIEW);
    glDepthMask(GL_TRUE);
    glPopMatrix();

    if (nearItem != nullptr) {
        drawItemProximitySignal(nearItem, camera);
    }

    assert(hero != nullptr && compassPointer != nullptr);
    if (showCompass) {
        drawCompass(camera);
    }

    glEnable(GL_DEPTH_TEST);
    glEnable(GL_LIGHTING);
}

void HeadsUpDisplay::setUnderWater(bool underWater) { this->underWater = underWater; }

void HeadsUpDisplay::setHit(bool hit) { this->hit = hit; }

void HeadsUpDisplay::setDrawShopSignal(bool on) { showShopSignal = on; }

// A banner already running keeps its count: the new one shows for the rest.
void HeadsUpDisplay::setEnteredNewLand(int landCode) {
    newLand = true;
    this->landCode = landCode;
}

void HeadsUpDisplay::togglePaused() { paused = !paused; }

void HeadsUpDisplay::toggleDrawCompass() { showCompass = !showCompass; }

void HeadsUpDisplay::toggleDrawMainMap() { showMainMap = !showMainMap; }

void HeadsUpDisplay::ViewOrtho() { ScreenProjection::push(); }

void HeadsUpDisplay::ViewPerspective() { ScreenProjection::pop(); }

Vector3D HeadsUpDisplay::getOpenGLPos(int x, int y) {
    GLint viewport[4];
    GLdouble modelView[16];
    GLdouble projection[16];
    glGetDoublev(GL_MODELVIEW_MATRIX, modelView);
    glGetDoublev(GL_PROJECTION_MATRIX, projection);
    glGetIntegerv(GL_VIEWPORT, viewport);
    GLdouble objX = 0, objY = 0, objZ = 0;
    gluUnProject((GLdouble)x, (GLdouble)(viewport[3] - y), 0.0, modelView, projection, viewport, &objX, &objY,
                 &objZ);
    return Vector3D((float)objX, (float)objY, (float)objZ);
}

float HeadsUpDisplay::getMiniMapAngle(Vector3D d) {
    Vector3D flat(d.x, 0.0f, d.z);
    Vector3D zAxis(0.0f, 0.0f, 1.0f);
    float a = definedAngle(flat.getAngleBetween(&zAxis)) - (float)PI;
    if (d.x > 0) {
        a = -a;
    }
    return a;
}

float HeadsUpDisplay::getHeading(Vector3D d) {
    Vector3D flat(d.x, 0.0f, d.z);
    Vector3D zAxis(0.0f, 0.0f, 1.0f);
    Vector3D xAxis(1.0f, 0.0f, 0.0f);
    float h = definedAngle(flat.getAngleBetween(&zAxis));
    if (Vector3D::getDotProduct(&xAxis, &flat) < 0) {
        h = -h;
    }
    return h;
}

bool HeadsUpDisplay::getMainMapMarker(int islandIndex, int& x, int& y) {
    const int count = (int)(sizeof(MAIN_MAP_MARKERS) / sizeof(MAIN_MAP_MARKERS[0]));
    if (islandIndex < 0 || islandIndex >= count) {
        return false;
    }
    x = MAIN_MAP_MARKERS[islandIndex].x;
    y = MAIN_MAP_MARKERS[islandIndex].y;
    return true;
}

Texture* HeadsUpDisplay::getBannerTexture(int code) {
    switch (code) {
        case LAND_MSITU:
            return &msituTexture;
        case LAND_UZULU:
            return &uzuluTexture;
        case LAND_NJEVE:
            return &njeveTexture;
        case LAND_ENDELEA:
            return &endeleaTexture;
        case LAND_NAROK:
            return &narokTexture;
        default:
            return nullptr;
    }
}

// Red for the one draw after a hit, else blue under water. Untextured
// whatever texture the world left bound.
void HeadsUpDisplay::drawTint() {
    if (hit || underWater) {
        GLboolean textured = glIsEnabled(GL_TEXTURE_2D);
        glDisable(GL_TEXTURE_2D);
        if (hit) {
            glColor4f(1, 0, 0, 0.5f);
        } else {
            glColor4f(0, 0, 1, 0.5f);
        }
        ScreenProjection::quad(false);
        if (textured) {
            glEnable(GL_TEXTURE_2D);
        }
    }
    hit = false;
}

void HeadsUpDisplay::drawFullScreenPicture(Texture& texture) {
    glColor4f(1, 1, 1, 1);
    auto found = pictureCovers.find(&texture);
    if (found == pictureCovers.end()) {
        found = pictureCovers.emplace(&texture, ScreenPictureCover()).first;
        // Loads it first: a picture that cannot be read is reported once,
        // by the texture.
        texture.bindGLTexture();
        if (!texture.textureFailed) {
            found->second.readPicture(texture);
        }
    }
    // Left out rather than drawn untextured, which would cover the whole
    // screen in white.
    if (texture.textureFailed) {
        return;
    }
    found->second.drawFullScreen(texture);
}

void HeadsUpDisplay::drawFrame() { drawFullScreenPicture(hudFrame); }

void HeadsUpDisplay::drawMiniMapBackground() { drawFullScreenPicture(minimapBack); }

void HeadsUpDisplay::drawMiniMapForeground() { drawFullScreenPicture(minimapFront); }

void HeadsUpDisplay::drawPaused() { drawFullScreenPicture(pausedImage); }

void HeadsUpDisplay::drawShopSignal() { drawFullScreenPicture(shopDisplay); }

void HeadsUpDisplay::drawItemProximityFrame() { drawFullScreenPicture(itemProximityFrame); }

void HeadsUpDisplay::drawItemProximityFrameFront() { drawFullScreenPicture(itemProximityFrameFront); }

// A code outside the table shows no banner.
void HeadsUpDisplay::drawNewLandDisplay() {
    Texture* banner = getBannerTexture(landCode);
    if (banner != nullptr) {
        drawFullScreenPicture(*banner);
    }
}

void HeadsUpDisplay::drawLifeBar() {
    double f = hero->getLifeFraction();
    barQuad(f >= 0.45 ? greenHealthBar : redHealthBar, (float)f, 400, 438);
}

// Not clamped: more than six fame makes the bar longer than the frame.
void HeadsUpDisplay::drawFameBar() {
    float f = (float)hero->getFame() / 6.0f;
    barQuad(bottomBar, f, 559, 597);
}

// An index no island has shows the map without a marker.
void HeadsUpDisplay::drawMainMap(int islandIndex) {
    drawFullScreenPicture(mainMap);
    int x = 0, y = 0;
    if (getMainMapMarker(islandIndex, x, y)) {
        glColor4f(1, 1, 1, 1);
        texturedQuad(locationIcon, (float)x, (float)y, (float)(x + 16), (float)(y + 16));
    }
}

void HeadsUpDisplay::drawMiniMap(Island* island, HeightMap* heightMap) {
    glPushMatrix();
    MiniMapProjection map(heightMap, getMiniMapAngle(hero->getViewDirection()), hero->getPosition());

    // The island's picture, s following grid x and t grid z.
    const float corners[4][2] = {{-0.5f, -0.5f}, {-0.5f, 0.5f}, {0.5f, 0.5f}, {0.5f, -0.5f}};
    const float texCoords[4][2] = {{0, 0}, {0, 1}, {1, 1}, {1, 0}};
    glEnable(GL_TEXTURE_2D);
    heightMap->getMiniMapTexture()->bindGLTexture();
    glColor4f(1, 1, 1, 0.5f);
    glEnable(GL_SCISSOR_TEST);
    glScissor(20, 39, 130, 130);
    glBegin(GL_QUADS);
    for (int k = 0; k < 4; k++) {
        float x, y;
        map.screenOfMapPoint(Vector3D(corners[k][0], corners[k][1], 0.0f), x, y);
        glTexCoord2f(texCoords[k][0], texCoords[k][1]);
        glVertex2f(x, y);
    }
    glEnd();

    float x, y;
    for (EnemyForestSpirit* spirit : *island->getAllEnemiesAndAllies()) {
        map.screen(spirit->getPosition(), x, y);
        icon(spirit->getAggressive() ? enemyIcon : allyIcon, x, y, 1, 1, 1, 0.5f);
    }
    for (IslandPortal* gate : *island->getIslandPortals()) {
        map.screen(gate->getPosition(), x, y);
        icon(portalIcon, x, y, 0, 1, 1, 0.8f);
    }
    for (StaticObject* building : *island->getBuildings()) {
        map.screen(building->getPosition(), x, y);
        icon(houseIcon, x, y, 0.71f, 0.54f, 0.28f, 0.8f);
    }
    for (QuestPoint* point : *island->getQuestPoints()) {
        map.screen(point->getPosition(), x, y);
        icon(ePointIcon, x, y, 0.71f, 0.54f, 0.28f, 0.8f);
    }
    icon(fsIcon, MINI_MAP_HERO_X, MINI_MAP_HERO_Y, 0, 0, 1, 0.8f);

    glDisable(GL_TEXTURE_2D);
    glDisable(GL_SCISSOR_TEST);
    glPopMatrix();
}

void HeadsUpDisplay::drawCompass(Camera* camera) {
    Vector3D eye, dir, up, side;
    cameraBasis(camera, eye, dir, up, side);
    Vector3D ahead = dir.multiply(6.0);
    Vector3D above = up.multiply(1.8);
    Vector3D beside = side.multiply(2.6);
    Vector3D position = eye.add(&ahead);
    position = position.add(&above);
    position = position.add(&beside);

    Vector3D flat(dir.x, 0.0f, dir.z);
    Vector3D yAxis(0.0f, 1.0f, 0.0f);
    Vector3D xAxis(1.0f, 0.0f, 0.0f);
    Vector3D zAxis(0.0f, 0.0f, 1.0f);
    double pitch = definedAngle(flat.getAngleBetween(&dir)) * 180.0 / PI;
    if (Vector3D::getDotProduct(&yAxis, &dir) < 0) {
        pitch = -pitch;
    }
    double yaw = definedAngle(zAxis.getAngleBetween(&flat)) * 180.0 / PI;
    if (Vector3D::getDotProduct(&xAxis, &flat) < 0) {
        yaw = -yaw;
    }
    Vector3D pitchAxis = flat.rotateAroundYAxis(PI / 2.0);
    float h = getHeading(hero->getViewDirection());
    float needleDegrees = (float)((h * 180.0f) / PI);

    glPushMatrix();
    glTranslatef(position.x, position.y, position.z);

    glPushMatrix();
    glRotatef((float)pitch, pitchAxis.x, pitchAxis.y, pitchAxis.z);
    glRotatef((float)yaw, 0, 1, 0);
    compassMain->drawForInventory();
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_REPLACE);
    compassFace->drawForInventory();
    glPopMatrix();

    glPushMatrix();
    glRotatef((float)pitch, pitchAxis.x, pitchAxis.y, pitchAxis.z);
    glRotatef((float)yaw, 0, 1, 0);
    glRotatef(needleDegrees, 0, 0, 1);
    compassPointer->drawForInventory();
    glTexEnvi(GL_TEXTURE_ENV, GL_TEXTURE_ENV_MODE, GL_MODULATE);
    glPopMatrix();

    glPopMatrix();
}

void HeadsUpDisplay::drawItemProximitySignal(HoldableItem* item, Camera* camera) {
    Vector3D eye, dir, up, side;
    cameraBasis(camera, eye, dir, up, side);
    Vector3D ahead = dir.multiply(4.0);
    Vector3D below = up.multiply(-1.2);
    Vector3D beside = side.multiply(-1.72);
    Vector3D position = eye.add(&ahead);
    position = position.add(&below);
    position = position.add(&beside);
    glEnable(GL_DEPTH_TEST);
    item->drawAtPosition(&position);
    glDisable(GL_DEPTH_TEST);
}
