#ifndef BUD_H
#define BUD_H

#include <vector>

#include "Vector3D/Vector3D.h"

// What a bud grows at one of its end points.
const int SPAWN_INTERNODE = 9991199;
const int SPAWN_LEAF = 888118;

// A growth point of a procedural tree. Everything random about it (how many
// branches and leaves, and where they end) is drawn in the constructor, so
// a tree is fixed by the order in which its buds are made.
class Bud {
public:
    Bud(Vector3D position, int order, Vector3D direction);
    virtual ~Bud();
    // Moves as well as copies: growth keeps buds in a list it appends to
    // and erases from.
    Bud(const Bud&) = default;
    Bud(Bud&&) noexcept = default;
    Bud& operator=(const Bud&) = default;
    Bud& operator=(Bud&&) noexcept = default;

    // Draw and store the counts for the bud's order.
    int numInternodes();
    int numLeaves();
    // Fills the leaf directions (SPAWN_LEAF) or the internode end points
    // (any other kind).
    void calculateEndPoints(int kind);
    float getLengthOfInternode();
    // Draws afresh on every call for most orders.
    int spawnWhat();

    int getNumInterNodes();
    int getNumLeaves();
    Vector3D getEndPoint(unsigned i);
    Vector3D getLeafDirection(unsigned i);
    Vector3D getPosition();
    int getOrder();
    Vector3D getDirection();

private:
    Vector3D position;
    int order;
    Vector3D direction;
    int internodeCount;
    int leafCount;
    std::vector<Vector3D> endPoints;
    std::vector<Vector3D> leafDirections;
};

#endif
