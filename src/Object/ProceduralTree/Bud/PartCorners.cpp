#include "Object/ProceduralTree/Bud/PartCorners.h"

#include <cassert>
#include <cstdint>
#include <cstring>
#include <map>
#include <vector>

#include "Geometry/Polygon3D.h"
#include "Mesh/Mesh.h"
#include "Vertex/Vertex.h"
#include "VertexBuffer/VertexBuffer.h"

// What the buffer would hold for the corner, as bits: a corner without a
// texture coordinate is written with (0, 0).
static std::vector<std::uint32_t> cornerBits(Vertex* vertex) {
    float values[8];
    Vector3D p = vertex->getPosition(), n = vertex->getNormal();
    Vector3D t = vertex->hasTextureCoord() ? vertex->getTextureCoord() : Vector3D(0, 0, 0);
    const float v[8] = {p.x, p.y, p.z, n.x, n.y, n.z, t.x, t.y};
    std::memcpy(values, v, sizeof values);
    std::vector<std::uint32_t> bits(8);
    std::memcpy(bits.data(), values, sizeof values);
    return bits;
}

PartCorners::PartCorners(Mesh* mesh) {
    if (mesh == nullptr) {
        return;
    }
    std::map<std::vector<std::uint32_t>, unsigned int> seen;
    for (Polygon3D* polygon : mesh->polygons) {
        // The buffers hold triangles only.
        assert(polygon->getVertices()->size() == VERTICES_PER_POLYGON);
        for (Vertex* vertex : *polygon->getVertices()) {
            auto found = seen.emplace(cornerBits(vertex), (unsigned int)corners.size());
            if (found.second) {
                corners.push_back(vertex);
            }
            triangleCorners.push_back(found.first->second);
        }
    }
}

size_t PartCorners::countVertices(Mesh* mesh) {
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
