#include "BSP/BSP.h"

#include <cassert>
#include <cstddef>

BSP::BSP() : head(nullptr) {}

BSP::BSP(std::vector<Polygon3D*>& polygons) : head(nullptr) {
    if (!polygons.empty()) {
        recBuildTree(head, polygons);
    }
}

BSP::~BSP() {}

void BSP::buildBSP(std::vector<Polygon3D*>& polygons) {
    assert(head == nullptr && "head == NULL");
    if (!polygons.empty()) {
        recBuildTree(head, polygons);
    }
}

void BSP::recBuildTree(BSPnode*, std::vector<Polygon3D*>& polygons) {
    // One step only: the node is attached nowhere, so it goes with the two
    // side lists.
    BSPnode node;
    std::vector<Polygon3D*> front, back;
    partition(polygons, &node, front, back);
}

void BSP::partition(std::vector<Polygon3D*>& polygons, BSPnode* node, std::vector<Polygon3D*>& front,
                    std::vector<Polygon3D*>& back) {
    Polygon3D* first = polygons.at(0);
    node->plane = first->getPlane();
    node->polygons.push_back(first);
    for (size_t i = 1; i < polygons.size(); ++i) {
        switch (polygons[i]->classifyByPlane(&node->plane)) {
        case PLANE_FRONT:
            front.push_back(polygons[i]);
            break;
        case PLANE_BACK:
            back.push_back(polygons[i]);
            break;
        case PLANE_COINCIDENT:
            node->polygons.push_back(polygons[i]);
            break;
        default:
            break;  // spanning polygons would need splitting
        }
    }
}

void BSP::splitPolygon(Polygon3D*, Plane3D*) { assert(false); }

void BSP::partitionSpace() {}
