#ifndef NATURE_H
#define NATURE_H

#include <string>
#include <vector>

#include "Octree/Octree.h"
#include "Vector3D/Vector3D.h"

class Frustum;
class HeightMap;
class Object;
class ProceduralTree;
class StaticObject;
class TexturesMeshes;
class ViewCull;

// The grass, flowers and trees of one island, planted from three 8-bit
// overlays (prefix + "Flowers.bmp", "Trees.bmp", "Grass.bmp") whose pixels
// map one to one onto the height-map grid. Only trees block anything; grass
// and flowers touched by an opening portal are cleared away.
class Nature {
public:
    Nature(HeightMap* heightMap, TexturesMeshes* texMesh, const char* prefix, int type);
    virtual ~Nature();

    // Grass and flowers together, in planting order.
    std::vector<StaticObject*>* getFlowers();
    std::vector<ProceduralTree*>* getProceduralTrees();
    // The island's octree holding the grass and flowers: what the portal
    // test clears leaves it too.
    void setOctree(Octree* octree);

    // The first tree hit, or null; grass and flowers are never tested.
    ProceduralTree* doesSphereCollide(Vector3D* centre, float radius);
    ProceduralTree* doesLineCollideWithObjects(Vector3D* from, Vector3D* to);
    // True when a tree is in the way (nothing is removed then); otherwise
    // deletes every grass tuft and flower the sphere touches.
    bool doesPortalIntersectObjects(Vector3D* centre, float radius);

    // Small objects first, then trees, each only when in the set.
    void draw(VisibleObjectSet* visible);
    // With a cull, what lies wholly outside it is skipped as well.
    void drawInFrustum(Frustum* frustum, const ViewCull* cull = nullptr);
    void drawAll();
    // Uploads every tree's vertex buffers.
    void uploadTrees();

    float getCoordinateFromIndex(float i);
    float getIndexFromCoordinate(float c);
    void loadObjects();

private:
    typedef void (Nature::*Placement)(float i, float j, float byte);

    void loadOverlay(const std::string& path, Placement place);
    bool groundPoint(float i, float j, float byte, Vector3D& ground);
    StaticObject* makeSmallObject(Vector3D ground);
    void placeFlower(float i, float j, float byte);
    void placeTree(float i, float j, float byte);
    void placeGrass(float i, float j, float byte);

    int worldType;
    std::vector<StaticObject*> smallObjects;
    std::vector<ProceduralTree*> trees;
    TexturesMeshes* texMeshPtr;
    HeightMap* heightMap;
    Octree* octree;

    Nature(const Nature&) = delete;
    Nature& operator=(const Nature&) = delete;
};

#endif
