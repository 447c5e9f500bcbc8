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

size_t Leaf::countVertices() {
    size_t count = 0;
    if (mesh != nullptr) {
        for (Polygon3D* source : mesh->polygons) {
            // The buffers hold triangles only.
            assert(source->getVertices()->size() == VERTICES_PER_POLYGON);
            count += source->getVertices()->size();
        }
    }
    return count;
}

void Leaf::writeVertices(VertexBuffer* buffer, const PartCorners& corners, size_t& nextCorner, size_t& nextIndex,
                         Vector3D treePosition) {
    if (mesh == nullptr) {
        return;
    }
    Vector3D offset = position.subtract(&treePosition);
    UpTurn turn(direction);
    size_t first = nextCorner;
    for (Vertex* vertex : corners.corners) {
        Vector3D p = turn.apply(vertex->getPosition());
        p = p.add(&offset);
        Vector3D n = turn.apply(vertex->getNormal());
        bool textured = vertex->hasTextureCoord();
        Vector3D texCoord = textured ? vertex->getTextureCoord() : Vector3D(0, 0, 0);
        buffer->setVertex(nextCorner++, p, n, texCoord.x, texCoord.y);
    }
    for (unsigned int corner : corners.triangleCorners) {
        buffer->setIndex(nextIndex++, (unsigned int)(first + corner));
    }
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
