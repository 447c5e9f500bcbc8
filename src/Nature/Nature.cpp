#include "Nature/Nature.h"

#include <SDL.h>

#include <cassert>
#include <cstdint>
#include <cstdio>

#include "Frustum/Frustum.h"
#include "Frustum/ViewCull.h"
#include "GeneralMath/GeneralMath.h"
#include "Object/HeightMap/GreyPicture.h"
#include "Object/HeightMap/HeightMap.h"
#include "Object/ProceduralTree/ProceduralTree.h"
#include "Object/StaticObject/StaticObject.h"
#include "TexturesMeshes/TexturesMeshes.h"
#include "WorldType/WorldType.h"

Nature::Nature(HeightMap* heightMap, TexturesMeshes* texMesh, const char* prefix, int type)
    : worldType(type), texMeshPtr(nullptr), heightMap(nullptr), octree(nullptr) {
    assert(heightMap);
    this->heightMap = heightMap;
    texMeshPtr = texMesh;

    std::string trees = std::string(prefix) + "Trees.bmp";
    std::string flowers = std::string(prefix) + "Flowers.bmp";
    std::string grass = std::string(prefix) + "Grass.bmp";
    loadOverlay(flowers, &Nature::placeFlower);
    loadOverlay(trees, &Nature::placeTree);
    loadOverlay(grass, &Nature::placeGrass);
}

Nature::~Nature() {
    for (StaticObject* object : smallObjects) {
        delete object;
    }
    for (ProceduralTree* tree : trees) {
        delete tree;
    }
}

// A broken overlay costs the island its plants, not the game.
static void reportOverlay(const std::string& path, const char* problem) {
    std::fprintf(stderr, "Nature overlay \"%s\": %s\n", path.c_str(), problem);
    std::fflush(stderr);
}

void Nature::loadOverlay(const std::string& path, Placement place) {
    GreyPicture picture(path.c_str());
    const SDL_Surface* bmpFile = picture.surface();
    if (bmpFile == nullptr) {
        reportOverlay(path, (picture.problem() + "; nothing is planted from it").c_str());
        return;
    }
    assert(bmpFile->w >= heightMap->getSize());

    int size = (int)heightMap->getSize();
    for (int i = 0; i < size; ++i) {
        for (int j = 0; j < size; ++j) {
            // Rows past a short image count as empty.
            (this->*place)((float)i, (float)j, (float)picture.at(i, j));
        }
    }
}

bool Nature::groundPoint(float i, float j, float byte, Vector3D& ground) {
    if (byte == 0.0f) {
        return false;
    }
    float x = getCoordinateFromIndex(i);
    float z = getCoordinateFromIndex(j);
    float h = heightMap->getHeight(x, z);
    if (h == UNDEFINED_HEIGHT) {
        return false;
    }
    ground = Vector3D(x, h, z);
    return true;
}

StaticObject* Nature::makeSmallObject(Vector3D ground) {
    int yaw = GeneralMath::getRandomNumber(0, 360);
    float sink = GeneralMath::getRandomNumber(0, 100) / 200.0f;
    StaticObject* object = new StaticObject();
    object->setRotationAngleDegrees((float)yaw);
    object->setPosition(Vector3D(ground.x, ground.y - sink, ground.z));
    return object;
}

void Nature::placeFlower(float i, float j, float byte) {
    Vector3D ground;
    if (!groundPoint(i, j, byte, ground)) {
        return;
    }
    StaticObject* flower = makeSmallObject(ground);
    assert(texMeshPtr->flowerCenter);
    assert(texMeshPtr->flowerPetals);
    assert(texMeshPtr->flowerStem);
    flower->addMesh(texMeshPtr->flowerCenter);
    flower->addMesh(texMeshPtr->flowerPetals);
    flower->addMesh(texMeshPtr->flowerStem);
    flower->setBoundingRadius(1.0f);
    flower->setCollisionRadius(0.1f);
    smallObjects.push_back(flower);
}

void Nature::placeGrass(float i, float j, float byte) {
    Vector3D ground;
    if (!groundPoint(i, j, byte, ground)) {
        return;
    }
    StaticObject* grass = makeSmallObject(ground);
    assert(texMeshPtr->grass);
    switch (worldType) {
        case LAVA_WORLD:
            grass->addMesh(texMeshPtr->snowLavaRockMesh);
            grass->setBoundingRadius(3.0f);
            break;
        case SNOW_WORLD:
            grass->addMesh(texMeshPtr->snowMesh);
            grass->setBoundingRadius(3.0f);
            break;
        case MYSTIC_WORLD:
            grass->addMesh(texMeshPtr->mysticGrassMesh);
            grass->setBoundingRadius(1.0f);
            break;
        default:
            grass->addMesh(texMeshPtr->grass);
            grass->setBoundingRadius(1.0f);
            break;
    }
    grass->setCollisionRadius(0.01f);
    smallObjects.push_back(grass);
}

// Trees of any world type without trees of its own grow as on grass.
void Nature::placeTree(float i, float j, float byte) {
    Vector3D ground;
    if (!groundPoint(i, j, byte, ground)) {
        return;
    }
    TexturesMeshes* t = texMeshPtr;
    ProceduralTree* tree;
    switch (worldType) {
        case LAVA_WORLD:
            tree = new ProceduralTree(t->charcoalLeaf1Mesh, t->trunkMesh, t->branch1Mesh, t->branch2Mesh,
                                      t->branch3Mesh, t->branch4Mesh, t->branch5Mesh);
            break;
        case SNOW_WORLD:
            tree = new ProceduralTree(t->icyLeaf1Mesh, t->icyTrunkMesh, t->icyBranch1Mesh, t->icyBranch2Mesh,
                                      t->icyBranch3Mesh, t->icyBranch4Mesh, t->icyBranch5Mesh);
            break;
        default:
            tree = new ProceduralTree(t->leaf1Mesh, t->trunkMesh, t->branch1Mesh, t->branch2Mesh, t->branch3Mesh,
                                      t->branch4Mesh, t->branch5Mesh);
            break;
    }
    tree->seed(ground);
    tree->setCollisionRadius(2.0f);
    tree->setBoundingRadius(33.0f);
    trees.push_back(tree);
}

std::vector<StaticObject*>* Nature::getFlowers() { return &smallObjects; }

std::vector<ProceduralTree*>* Nature::getProceduralTrees() { return &trees; }

void Nature::setOctree(Octree* octree) { this->octree = octree; }

ProceduralTree* Nature::doesSphereCollide(Vector3D* centre, float radius) {
    for (ProceduralTree* tree : trees) {
        if (tree->doesSphereCollide(centre, radius)) {
            return tree;
        }
    }
    return nullptr;
}

ProceduralTree* Nature::doesLineCollideWithObjects(Vector3D* from, Vector3D* to) {
    for (ProceduralTree* tree : trees) {
        if (tree->doesLineCollide(from, to)) {
            return tree;
        }
    }
    return nullptr;
}

bool Nature::doesPortalIntersectObjects(Vector3D* centre, float radius) {
    for (ProceduralTree* tree : trees) {
        if (tree->doesSphereCollide(centre, radius)) {
            return true;
        }
    }
    for (size_t i = 0; i < smallObjects.size();) {
        StaticObject* object = smallObjects[i];
        if (object != nullptr && object->doesSphereCollide(centre, radius)) {
            if (octree != nullptr) {
                octree->removeObject(object);
            }
            delete object;
            smallObjects.erase(smallObjects.begin() + i);
        } else {
            ++i;
        }
    }
    return false;
}

// The octree's cells are coarse: of the things in a visible cell, those
// wholly outside the view are not sent to the renderer.
void Nature::draw(VisibleObjectSet* visible) {
    ViewCull cull;
    cull.readFromGL();
    for (StaticObject* currentObject : smallObjects) {
        assert(currentObject);
        if (visible->count(reinterpret_cast<std::uintptr_t>(currentObject)) &&
            cull.sphereMayShow(currentObject->getPosition(), currentObject->getDrawnRadius())) {
            currentObject->draw();
        }
    }
    for (ProceduralTree* tree : trees) {
        if (visible->count(reinterpret_cast<std::uintptr_t>(tree)) &&
            cull.sphereMayShow(tree->getPosition(), tree->getDrawnRadius())) {
            tree->draw(&cull);
        }
    }
}

void Nature::drawInFrustum(Frustum* frustum, const ViewCull* cull) {
    for (StaticObject* currentObject : smallObjects) {
        assert(currentObject);
        if (frustum->objectInFrustum(currentObject) &&
            (!cull || cull->sphereMayShow(currentObject->getPosition(), currentObject->getDrawnRadius()))) {
            currentObject->draw();
        }
    }
    for (ProceduralTree* tree : trees) {
        if (frustum->objectInFrustum(tree) && (!cull || cull->sphereMayShow(tree->getPosition(), tree->getDrawnRadius()))) {
            tree->draw(cull);
        }
    }
}

void Nature::uploadTrees() {
    for (ProceduralTree* tree : trees) {
        tree->upload();
    }
}

void Nature::drawAll() {
    for (StaticObject* currentObject : smallObjects) {
        assert(currentObject);
        currentObject->draw();
    }
    for (ProceduralTree* tree : trees) {
        tree->draw();
    }
}

float Nature::getCoordinateFromIndex(float i) { return i - 0.5f * heightMap->getSize(); }

float Nature::getIndexFromCoordinate(float c) { return c + 0.5f * heightMap->getSize(); }

void Nature::loadObjects() { assert(false); }
