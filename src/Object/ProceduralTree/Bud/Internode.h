#ifndef INTERNODE_H
#define INTERNODE_H

#include <cstddef>
#include <vector>

#include "Object/Object.h"
#include "Object/ProceduralTree/Bud/Bud.h"
#include "Object/ProceduralTree/Bud/UpTurn.h"
#include "Vector3D/Vector3D.h"

class Mesh;
class PartCorners;
class Polygon3D;
class VertexBuffer;

// One branch segment of a procedural tree, from start to end. The tree bakes
// its shape into a vertex buffer; the segment's own position stays at the
// origin.
class Internode : public Object {
public:
    Internode(Vector3D start, int order, Vector3D direction, Vector3D end, Mesh* mesh);
    virtual ~Internode();

    // The mesh at the segment's place, in immediate mode.
    void draw() override;
    Vector3D getStartPosition();
    Vector3D getEndPosition();
    int getOrder();
    Mesh* getMesh();
    // A new bud at the end, one order higher, pointing along the segment.
    Bud getBudOnEnd();
    // Appends new polygons (owned by the caller) of the mesh laid along the
    // segment, relative to treePosition.
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
    Vector3D start;
    int order;
    Vector3D end;
    Vector3D direction;
    float rotationY;
    Mesh* mesh;

    // A mesh point laid along the segment, relative to the tree.
    Vector3D place(Vector3D meshPoint, const UpTurn& turn, Vector3D offset);
};

#endif
