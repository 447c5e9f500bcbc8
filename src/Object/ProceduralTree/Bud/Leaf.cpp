#include "Object/ProceduralTree/Bud/Leaf.h"

#include <cassert>

#include "Geometry/Polygon3D.h"
#include "Mesh/Mesh.h"
#include "Object/ProceduralTree/Bud/PartCorners.h"
#include "Object/ProceduralTree/Bud/UpTurn.h"
#include "VertexBuffer/VertexBuffer.h"

Leaf::Leaf(Vector3D position, Vector3D direction, Mesh* mesh) : direction(direction), mesh(mesh) {
    this->position = position;
}

Leaf::~Leaf() {}

Vector3D Leaf::getDirection() { return direction; }

Mesh* Leaf::getMesh() { return mesh; }

void Leaf::collectPolys(std::vector<Polygon3D*>* out, Vector3D treePosition) {
    if (mesh == nullptr) {
        return;
    }
    Vector3D offset = position.subtract(&treePosition);
    UpTurn turn(direction);
    for (Polygon3D* source : mesh->polygons) {
        Polygon3D* polygon = new Polygon3D(this);
        for (Vertex* vertex : *source->getVertices()) {
            Vector3D p = turn.apply(vertex->getPosition());
            p = p.add(&offset);
            Vector3D n = turn.apply(vertex->getNormal());
            if (vertex->hasTextureCoord()) {
                polygon->addVertex(new Vertex(p, n, vertex->getTextureCoord()));
            } else {
                polygon->addVertex(new Vertex(p, n));
            }
        }
        out->push_back(polygon);
    }
}

size_t Leaf::countVertices() { return PartCorners::countVertices(mesh); }

void Leaf::writeVertices(VertexBuffer* buffer, const PartCorners& corners, size_t& nextCorner, size_t& nextIndex,
                         Vector3D treePosition) {
    if (mesh == nullptr) {
        return;
    }
    Vector3D offset = position.subtract(&treePosition);
    UpTurn turn(direction);
    corners.write(buffer, nextCorner, nextIndex, [&](Vertex* vertex, Vector3D& p, Vector3D& n) {
        p = turn.apply(vertex->getPosition());
        p = p.add(&offset);
        n = turn.apply(vertex->getNormal());
    });
}

// Nothing draws the parts one by one (the tree bakes them): a plain
// immediate-mode copy of the placed mesh is enough.
void Leaf::draw() {
    std::vector<Polygon3D*> placed;
    collectPolys(&placed, Vector3D(0.0f, 0.0f, 0.0f));
    for (Polygon3D* polygon : placed) {
        polygon->draw();
        delete polygon;
    }
}
