// How an island draws itself: in the normal view, culled by its octree, and
// seen through a local portal or through a gate from another island.
#include <cassert>

#include "Camera/Camera.h"
#include "Controller/Controller.h"
#include "Frustum/Frustum.h"
#include "Frustum/ViewCull.h"
#include "Island/Island.h"
#include "Island/IslandScenery.h"
#include "Object/Character/ForestSpirit/EnemyForestSpirit/EnemyForestSpirit.h"
#include "Object/HeightMap/HeightMap.h"
#include "Object/HoldableItem/HoldableItem.h"
#include "Object/Portal/IslandPortal/IslandPortal.h"
#include "Object/StaticObject/StaticObject.h"
#include "TexturePlane/TexturePlane.h"

static bool isVisible(const VisibleObjectSet& visible, Object* object) {
    return visible.count((std::uintptr_t)object) != 0;
}

void Island::drawHeightMap(Controller*) { heightMap->draw(); }

void Island::uploadDrawing() {
    heightMap->upload();
    nature->uploadTrees();
}

// Of the placed things the octree lets through, or that it does not hold,
// those wholly outside the view are not sent to the renderer.
static bool placedMayShow(const ViewCull& cull, Object* object) {
    StaticObject* placed = dynamic_cast<StaticObject*>(object);
    return !placed || cull.sphereMayShow(placed->getPosition(), placed->getDrawnRadius());
}

void Island::draw(Controller* controller) {
    ViewCull cull;
    cull.readFromGL();
    Camera* camera = controller->getCamera();
    Vector3D eye = camera->getEye();
    Vector3D centre = camera->getCenter();
    Vector3D up = camera->getUp();
    VisibleObjectSet visible = octree.getObjectsInFrustum(&eye, &centre, &up);
    nature->draw(&visible);
    for (Volcano* volcano : volcanoes) {
        if (isVisible(visible, volcano)) {
            volcano->draw();
        }
    }
    if (shopBuilding && isVisible(visible, shopBuilding)) {
        assert(shop);
        shopBuilding->draw();
    }
    for (size_t i = 0; i < texturePlanes.size(); i++) {
        assert(texturePlanes.at(i));
        texturePlanes.at(i)->draw();
    }
    for (size_t i = 0; i < islandHoldableItems.size(); i++) {
        assert(islandHoldableItems.at(i));
        if (octree.isObjectInFrustum(islandHoldableItems.at(i))) {
            islandHoldableItems.at(i)->draw();
        }
    }
    for (size_t i = 0; i < forestSpirits.size(); i++) {
        assert(forestSpirits.at(i));
        if (octree.isObjectInFrustum(forestSpirits.at(i))) {
            forestSpirits.at(i)->draw();
        }
    }
    for (size_t i = 0; i < otherStaticObjectsNoBuildings.size(); i++) {
        assert(otherStaticObjectsNoBuildings.at(i));
        if (placedMayShow(cull, otherStaticObjectsNoBuildings.at(i))) {
            otherStaticObjectsNoBuildings.at(i)->draw();
        }
    }
    for (size_t i = 0; i < buildings.size(); i++) {
        assert(buildings.at(i));
        if (isVisible(visible, buildings.at(i)) && placedMayShow(cull, buildings.at(i))) {
            buildings.at(i)->draw();
        }
    }
    for (size_t i = 0; i < islandPortals.size(); i++) {
        assert(islandPortals.at(i));
        if (isVisible(visible, islandPortals.at(i))) {
            islandPortals.at(i)->drawMesh(controller);
        }
    }
    for (size_t i = 0; i < waterPlanes.size(); i++) {
        assert(waterPlanes.at(i));
        waterPlanes.at(i)->draw();
    }
    for (size_t i = 0; i < questPoints.size(); i++) {
        assert(questPoints.at(i));
        questPoints.at(i)->drawIcon();
    }
}

void Island::drawIslandPortalOpenings(Controller* controller) {
    Camera* camera = controller->getCamera();
    Frustum frustum;
    frustum.setFrustum(45.0f, 1.3333334f, 0.1f, 1000.0f);
    frustum.setView(camera->getEye(), camera->getCenter(), camera->getUp());
    for (size_t i = 0; i < islandPortals.size(); i++) {
        assert(islandPortals.at(i));
        if (frustum.objectInFrustum(islandPortals.at(i)) != FRUSTUM_OUTSIDE) {
            islandPortals.at(i)->drawOpening(controller);
        }
    }
}

void Island::drawForLocalPortal(Controller* controller, Frustum* frustum, const ViewCull* cull) {
    drawObjectsInFrustum(controller, frustum, nullptr, cull);
}

void Island::drawForIslandPortal(Controller* controller, Frustum* frustum, IslandPortal* portal,
                                 const ViewCull* cull) {
    drawObjectsInFrustum(controller, frustum, portal, cull);
}

// Besides the frustum test, a thing wholly outside the cull is skipped.
// Only a plain placed thing's reach is known from its meshes.
static bool mayShow(Frustum* frustum, const ViewCull* cull, Object* object) {
    if (frustum->objectInFrustum(object) == FRUSTUM_OUTSIDE) {
        return false;
    }
    StaticObject* placed = dynamic_cast<StaticObject*>(object);
    return !cull || !placed || cull->sphereMayShow(placed->getPosition(), placed->getDrawnRadius());
}

// Items are never seen through a portal; `skipped` is the gate looked out of.
void Island::drawObjectsInFrustum(Controller* controller, Frustum* frustum, IslandPortal* skipped,
                                  const ViewCull* cull) {
    heightMap->draw();
    nature->drawInFrustum(frustum, cull);
    for (Volcano* volcano : volcanoes) {
        if (frustum->objectInFrustum(volcano) != FRUSTUM_OUTSIDE) {
            volcano->draw();
        }
    }
    if (shopBuilding && mayShow(frustum, cull, shopBuilding)) {
        assert(shop);
        shopBuilding->draw();
    }
    for (size_t i = 0; i < texturePlanes.size(); i++) {
        assert(texturePlanes.at(i));
        texturePlanes.at(i)->draw();
    }
    for (size_t i = 0; i < forestSpirits.size(); i++) {
        assert(forestSpirits.at(i));
        if (frustum->objectInFrustum(forestSpirits.at(i)) != FRUSTUM_OUTSIDE) {
            forestSpirits.at(i)->draw();
        }
    }
    for (size_t i = 0; i < otherStaticObjectsNoBuildings.size(); i++) {
        assert(otherStaticObjectsNoBuildings.at(i));
        if (mayShow(frustum, cull, otherStaticObjectsNoBuildings.at(i))) {
            otherStaticObjectsNoBuildings.at(i)->draw();
        }
    }
    for (size_t i = 0; i < buildings.size(); i++) {
        assert(buildings.at(i));
        if (mayShow(frustum, cull, buildings.at(i))) {
            buildings.at(i)->draw();
        }
    }
    for (size_t i = 0; i < islandPortals.size(); i++) {
        assert(islandPortals.at(i));
        if (islandPortals.at(i) != skipped && frustum->objectInFrustum(islandPortals.at(i)) != FRUSTUM_OUTSIDE) {
            islandPortals.at(i)->drawMesh(controller);
        }
    }
    for (size_t i = 0; i < waterPlanes.size(); i++) {
        assert(waterPlanes.at(i));
        waterPlanes.at(i)->draw();
    }
    for (size_t i = 0; i < questPoints.size(); i++) {
        assert(questPoints.at(i));
        questPoints.at(i)->drawIcon();
    }
}
