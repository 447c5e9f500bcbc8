#ifndef BSP_H
#define BSP_H

#include <vector>

#include "Geometry/Plane3D.h"
#include "Geometry/Polygon3D.h"

// The first step of a binary space partition over polygons: one partition
// of a list about its first polygon's plane. The full tree, recursion and
// splitting are not built; the tree therefore stays empty.
class BSP {
public:
    struct BSPnode {
        Plane3D plane;
        // The polygons lying in the plane; not owned.
        std::vector<Polygon3D*> polygons;
        BSPnode* front;
        BSPnode* back;

        BSPnode() : front(nullptr), back(nullptr) {}
    };

    BSPnode* head;

    BSP();
    explicit BSP(std::vector<Polygon3D*>& polygons);
    ~BSP();

    void buildBSP(std::vector<Polygon3D*>& polygons);
    void recBuildTree(BSPnode* node, std::vector<Polygon3D*>& polygons);
    // The partition itself: the node takes the first polygon's plane and the
    // polygons lying in it; the rest go to front or back, and spanning ones
    // nowhere.
    static void partition(std::vector<Polygon3D*>& polygons, BSPnode* node, std::vector<Polygon3D*>& front,
                          std::vector<Polygon3D*>& back);
    // No splitting exists: ends the program.
    void splitPolygon(Polygon3D* polygon, Plane3D* plane);
    void partitionSpace();
};

#endif
