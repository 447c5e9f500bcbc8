#ifndef OCTREE_H
#define OCTREE_H

#include <cstdint>
#include <unordered_set>
#include <vector>

#include "Frustum/Frustum.h"
#include "Octree/OctNode.h"
#include "Vector3D/Vector3D.h"

class Object;

// The addresses of the visible objects, each once. Keys hold the whole
// address: a pointer does not fit in 32 bits here.
typedef std::unordered_set<std::uintptr_t> VisibleObjectSet;

// An island's spatial index: a complete tree built once before any object is
// added. An object sits in every leaf its bounding sphere may touch. The
// octree does not own its objects.
//
// An island's tree can instead be built at its first query: thirteen
// complete trees take tens of megabytes, and start-up needs none of them
// before the first frame. The tree then built, with the objects inserted in
// list order, is the one buildOctree and fillOctree would have made, since
// the objects indexed never move.
class Octree {
public:
    Octree();
    virtual ~Octree();

    void buildOctree(float width, float depth);
    // As buildOctree, but the tree is made (and every object listed so far
    // inserted) at the first view, collider or print query; until then root
    // stays null and fillOctree and removeObject only keep the list.
    void buildOctreeAtFirstQuery(float width, float depth);
    void fillOctree(std::vector<Object*>* objects);
    // Takes the object out of every leaf and out of objects, so no later
    // query returns it; call it before the object is deleted. The object
    // must stand where it stood when it was added. Unknown objects are
    // ignored.
    void removeObject(Object* object);
    // Places the octree's frustum and returns every object of a visible leaf
    // once, in hash order.
    VisibleObjectSet getObjectsInFrustum(Vector3D* eye, Vector3D* centre, Vector3D* up);
    // Against the view of the last getObjectsInFrustum.
    bool isObjectInFrustum(Object* object);
    // Candidates near a sphere; an object may be listed more than once.
    std::vector<Object*> getPossibleColliders(Vector3D* position, float radius);
    void printContents();

    // Null until buildOctree.
    OctNode* root;
    // Every object inserted, in insertion order.
    std::vector<Object*> objects;
    Frustum frustum;

private:
    // The shape buildOctreeAtFirstQuery asked for, while the tree waits.
    bool treeWaiting;
    float waitingWidth;
    float waitingDepth;

    void buildWaitingTree();
    void createChildren(OctNode* node, float width, int levels);
    void insert(OctNode* node, Object* object, int depth);
    void remove(OctNode* node, Object* object);
    void collectVisible(OctNode* node, VisibleObjectSet& visible);
    void collectColliders(OctNode* node, Object* probe, std::vector<Object*>& found);
    void printNode(OctNode* node);
    void release(OctNode* node);

    Octree(const Octree&) = delete;
    Octree& operator=(const Octree&) = delete;
};

#endif
