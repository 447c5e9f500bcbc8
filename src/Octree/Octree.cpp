#include "Octree/Octree.h"

#include <algorithm>
#include <cassert>
#include <iostream>

#include "Geometry/Plane3D.h"
#include "Geometry/Polygon3D.h"
#include "Object/Object.h"
#include "Octree/OctreeObject.h"

// For each axis, whether the object belongs to the lower and to the upper
// half of the node: the lower unless wholly in front of the centre plane,
// the upper unless wholly behind it.
struct Halves {
    bool lower[3];
    bool upper[3];
};

static Halves classify(OctNode* node, Object* object, int (&codes)[3]) {
    Plane3D planes[3] = {
        Plane3D(1, 0, 0, -node->getX()),
        Plane3D(0, 1, 0, -node->getY()),
        Plane3D(0, 0, 1, -node->getZ()),
    };
    Halves halves;
    for (int axis = 0; axis < 3; ++axis) {
        codes[axis] = object->classifyByPlane(&planes[axis]);
        halves.lower[axis] = codes[axis] != PLANE_FRONT;
        halves.upper[axis] = codes[axis] != PLANE_BACK;
    }
    return halves;
}

// Child i is octant (x, y, z) with x outermost, each axis lower before upper.
static bool childChosen(const Halves& halves, int child) {
    for (int axis = 0; axis < 3; ++axis) {
        bool upper = (child >> (2 - axis)) & 1;
        if (!(upper ? halves.upper[axis] : halves.lower[axis])) {
            return false;
        }
    }
    return true;
}

Octree::Octree() : root(nullptr), treeWaiting(false), waitingWidth(0.0f), waitingDepth(0.0f) {
    frustum.setFrustum(45.0f, 1.3333334f, 0.1f, 1000.0f);
}

Octree::~Octree() {
    if (root) {
        release(root);
    }
}

void Octree::release(OctNode* node) {
    for (OctNode* child : *node->getChildren()) {
        release(child);
    }
    delete node;
}

void Octree::buildOctree(float width, float depth) {
    root = new OctNode(0.0f, 0.0f, 0.0f, width);
    int levels = (int)(depth - 1.0f);
    createChildren(root, width / 2.0f, levels);
}

void Octree::buildOctreeAtFirstQuery(float width, float depth) {
    assert(root == nullptr);
    treeWaiting = true;
    waitingWidth = width;
    waitingDepth = depth;
}

void Octree::buildWaitingTree() {
    if (!treeWaiting) {
        return;
    }
    treeWaiting = false;
    buildOctree(waitingWidth, waitingDepth);
    for (Object* object : objects) {
        insert(root, object, 0);
    }
}

void Octree::createChildren(OctNode* node, float width, int levels) {
    for (int i = -1; i <= 1; i += 2) {
        for (int j = -1; j <= 1; j += 2) {
            for (int k = -1; k <= 1; k += 2) {
                OctNode* child = new OctNode(node->getX() + i * width / 2.0f, node->getY() + j * width / 2.0f,
                                             node->getZ() + k * width / 2.0f, width);
                node->getChildren()->push_back(child);
                if (levels > 0) {
                    createChildren(child, width / 2.0f, levels - 1);
                }
            }
        }
    }
}

void Octree::fillOctree(std::vector<Object*>* objects) {
    for (Object* object : *objects) {
        if (!treeWaiting) {
            insert(root, object, 0);
        }
        this->objects.push_back(object);
    }
}

void Octree::insert(OctNode* node, Object* object, int depth) {
    std::vector<OctNode*>* children = node->getChildren();
    if (children->empty()) {
        node->getObjects()->push_back(object);
        return;
    }
    int codes[3];
    Halves halves = classify(node, object, codes);
    for (int child = 0; child < 8; ++child) {
        if (childChosen(halves, child)) {
            insert(children->at(child), object, depth + 1);
        }
    }
}

void Octree::removeObject(Object* object) {
    if (root) {
        remove(root, object);
    }
    objects.erase(std::remove(objects.begin(), objects.end(), object), objects.end());
}

// Walks the same leaves as insert did.
void Octree::remove(OctNode* node, Object* object) {
    std::vector<OctNode*>* children = node->getChildren();
    if (children->empty()) {
        std::vector<Object*>* held = node->getObjects();
        held->erase(std::remove(held->begin(), held->end(), object), held->end());
        return;
    }
    int codes[3];
    Halves halves = classify(node, object, codes);
    for (int child = 0; child < 8; ++child) {
        if (childChosen(halves, child)) {
            remove(children->at(child), object);
        }
    }
}

VisibleObjectSet Octree::getObjectsInFrustum(Vector3D* eye, Vector3D* centre, Vector3D* up) {
    buildWaitingTree();
    frustum.setView(*eye, *centre, *up);
    VisibleObjectSet visible(100);
    collectVisible(root, visible);
    return visible;
}

void Octree::collectVisible(OctNode* node, VisibleObjectSet& visible) {
    std::vector<OctNode*>* children = node->getChildren();
    if (children->empty()) {
        for (Object* object : *node->getObjects()) {
            visible.insert(reinterpret_cast<std::uintptr_t>(object));
        }
        return;
    }
    for (OctNode* child : *children) {
        if (frustum.octNodeInFrustum(child) != 0) {
            collectVisible(child, visible);
        }
    }
}

bool Octree::isObjectInFrustum(Object* object) { return frustum.objectInFrustum(object) != FRUSTUM_OUTSIDE; }

std::vector<Object*> Octree::getPossibleColliders(Vector3D* position, float radius) {
    buildWaitingTree();
    OctreeObject probe;
    probe.setPosition(*position);
    probe.setCollisionRadius(radius);
    std::vector<Object*> found;
    collectColliders(root, &probe, found);
    return found;
}

void Octree::collectColliders(OctNode* node, Object* probe, std::vector<Object*>& found) {
    std::vector<OctNode*>* children = node->getChildren();
    if (children->empty()) {
        for (Object* object : *node->getObjects()) {
            if (object->boundingRadiusOverlaps(probe)) {
                found.push_back(object);
            }
        }
        return;
    }
    int codes[3];
    Halves halves = classify(node, probe, codes);
    std::cout << "find colliders " << probe->getBoundingRadius() << " " << codes[0] << " " << codes[1] << " "
              << codes[2] << " " << std::endl;
    for (int child = 0; child < 8; ++child) {
        if (childChosen(halves, child)) {
            collectColliders(children->at(child), probe, found);
        }
    }
}

void Octree::printContents() {
    buildWaitingTree();
    if (root) {
        printNode(root);
    }
}

void Octree::printNode(OctNode* node) {
    std::cout << "----NODE----" << std::endl;
    std::cout << "x: " << node->getX() << std::endl;
    std::cout << "y: " << node->getY() << std::endl;
    std::cout << "z: " << node->getZ() << std::endl;
    std::cout << "#children: " << node->getChildren()->size() << std::endl;
    std::cout << "#objects: " << node->getObjects()->size() << std::endl;
    for (OctNode* child : *node->getChildren()) {
        printNode(child);
    }
}
