#ifndef WATER_H
#define WATER_H

#include <vector>

#include "Vector3D/Vector3D.h"

// A flat, translucent lake or lava surface at a fixed height, from a fixed
// outline chosen by island (and, on island 4, by a second index). Not an
// Object: the island draws it and asks it whether a sphere has sunk in.
class Water {
public:
    // Corners in drawing order; only x and z are used.
    std::vector<Vector3D> outline;
    bool isWater;
    float height;
    float alpha;
    // The outline cut into triangles, three corner indices each, every one
    // turning the same way as the outline. Several outlines are concave, and
    // a single GL_POLYGON is only defined for convex ones.
    std::vector<int> fillTriangles;

    Water(int level, int index);
    virtual ~Water();

    // Both windings, so the surface shows from above and from below. Leaves
    // texture, blend and depth state as it found them.
    void draw();
    // Heights only: the outline is not consulted.
    bool isInWater(Vector3D* centre, float radius);
    void update();

    void setUpLevel1Water();
    void setUpLevel4Water1();
    void setUpLevel4Water2();
    void setUpLevel7Water();
    void setUpLevel8Water();
    void setUpLevel9Water();
    void setUpLevel10Water();
    void setUpLevel12Water();

    // Ear clipping in the x-z plane; the triangles keep the outline's turn.
    static std::vector<int> triangulate(const std::vector<Vector3D>& corners);

private:
    void addCorners(const float (*corners)[2], int count);
};

#endif
