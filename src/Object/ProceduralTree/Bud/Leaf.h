#ifndef LEAF_H
#define LEAF_H

#include <cstddef>
#include <vector>

#include "Object/Object.h"
#include "Vector3D/Vector3D.h"

class Mesh;
class PartCorners;
class Polygon3D;
class VertexBuffer;

// One leaf of a procedural tree: the mesh's +y turned onto the direction,
// standing at its position. Only the direction's heading counts.
class Leaf : public Object {
public:
    Leaf(Vector3D position, Vector3D direction, Mesh* mesh);
    virtual ~Leaf();

    // The mesh at the leaf's place, in immediate mode.
    void draw() override;
    Vector3D getDirection();
    Mesh* getMesh();
    // Appends new polygons (owned by the caller) of the turned mesh,
    // relative to treePosition.
    void collectPolys(std::vector<Polygon3D*>* out, Vector3D treePosition);
    // How many vertices collectPolys makes.
    size_t countVertices();
    // The vertices collectPolys makes, written into arrays made by the
    // buffer's allocateIndexedArrays: the mesh's distinct corners (corners,
    // made from this part's mesh) from corner nextCorner on, and its
    // triangles' corner numbers from nextIndex on.
    void writeVertices(VertexBuffer* buffer, const PartCorners& corners, size_t& nextCorner, size_t& nextIndex,
                       Vector3D treePosition);

private:
    Vector3D direction;
    Mesh* mesh;
};

#endif
