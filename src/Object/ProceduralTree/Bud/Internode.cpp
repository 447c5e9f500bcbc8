#include "Object/ProceduralTree/Bud/Internode.h"

#include <cassert>

#include "GeneralMath/GeneralMath.h"
#include "Geometry/Polygon3D.h"
#include "Mesh/Mesh.h"
#include "Object/ProceduralTree/Bud/PartCorners.h"
#include "VertexBuffer/VertexBuffer.h"

Internode::Internode(Vector3D start, int order, Vector3D direction, Vector3D end, Mesh* mesh)
    : start(start), order(order), end(end), direction(direction), mesh(mesh) {
    rotationY = (float)GeneralMath::getRandomNumber(0, 360);
}

Internode::~Internode() {}

Vector3D Internode::getStartPosition() { return start; }

Vector3D Internode::getEndPosition() { return end; }

int Internode::getOrder() { return order; }

Mesh* Internode::getMesh() { return mesh; }

Bud Internode::getBudOnEnd() {
    Vector3D along = end.subtract(&start);
    return Bud(end, order + 1, along.getUnitVector());
}

// The trunk only spins about y (its angle is taken as radians, a whole
// number of them); every other segment turns the mesh's +y onto itself.
Vector3D Internode::place(Vector3D meshPoint, const UpTurn& turn, Vector3D offset) {
    Vector3D p = order == 0 ? meshPoint.rotateAroundYAxis(rotationY) : turn.apply(meshPoint);
    return p.add(&offset);
}

void Internode::collectPolys(std::vector<Polygon3D*>* out, Vector3D treePosition) {
    if (mesh == nullptr) {
        return;
    }
    Vector3D offset = start.subtract(&treePosition);
    UpTurn turn(end.subtract(&start));
    for (Polygon3D* source : mesh->polygons) {
        Polygon3D* polygon = new Polygon3D(this);
        for (Vertex* vertex : *source->getVertices()) {
            Vector3D p = place(vertex->getPosition(), turn, offset);
            // Normals stay as the mesh has them.
            if (vertex->hasTextureCoord()) {
                polygon->addVertex(new Vertex(p, vertex->getNormal(), vertex->getTextureCoord()));
            } else {
                polygon->addVertex(new Vertex(p, vertex->getNormal()));
            }
        }
        out->push_back(polygon);
    }
}

size_t Internode::countVertices() { return PartCorners::countVertices(mesh); }

void Internode::writeVertices(VertexBuffer* buffer, const PartCorners& corners, size_t& nextCorner,
                              size_t& nextIndex, Vector3D treePosition) {
    if (mesh == nullptr) {
        return;
    }
    Vector3D offset = start.subtract(&treePosition);
    UpTurn turn(end.subtract(&start));
    // Normals stay as the mesh has them.
    corners.write(buffer, nextCorner, nextIndex, [&](Vertex* vertex, Vector3D& p, Vector3D& n) {
        p = place(vertex->getPosition(), turn, offset);
        n = vertex->getNormal();
    });
}

// Nothing draws the parts one by one (the tree bakes them): a plain
// immediate-mode copy of the placed mesh is enough.
void Internode::draw() {
    std::vector<Polygon3D*> placed;
    collectPolys(&placed, Vector3D(0.0f, 0.0f, 0.0f));
    for (Polygon3D* polygon : placed) {
        polygon->draw();
        delete polygon;
    }
}
