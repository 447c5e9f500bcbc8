#ifndef PARTCORNERS_H
#define PARTCORNERS_H

#include <cstddef>
#include <vector>

#include "Vertex/Vertex.h"
#include "Vector3D/Vector3D.h"
#include "VertexBuffer/VertexBuffer.h"

class Mesh;

// A part mesh's distinct corners (position, normal and texture coordinate
// alike bit for bit), each once in the order they first appear, and its
// triangles' corners as numbers into them. A tree writes each placed part's
// corners once: the renderer's vertex stage then runs each once, and the
// picture is that of the triangles one by one.
class PartCorners {
public:
    explicit PartCorners(Mesh* mesh);

    // How many triangle corners a part of this mesh puts in a buffer (none
    // without a mesh).
    static size_t countVertices(Mesh* mesh);

    // Writes the corners, each placed by place(corner, position, normal),
    // into arrays made by the buffer's allocateIndexedArrays from corner
    // nextCorner on, and the triangles' corner numbers from nextIndex on.
    template <class Place>
    void write(VertexBuffer* buffer, size_t& nextCorner, size_t& nextIndex, Place place) const {
        size_t first = nextCorner;
        for (Vertex* vertex : corners) {
            Vector3D position, normal;
            place(vertex, position, normal);
            Vector3D texCoord = vertex->hasTextureCoord() ? vertex->getTextureCoord() : Vector3D(0, 0, 0);
            buffer->setVertex(nextCorner++, position, normal, texCoord.x, texCoord.y);
        }
        for (unsigned int corner : triangleCorners) {
            buffer->setIndex(nextIndex++, (unsigned int)(first + corner));
        }
    }

    std::vector<Vertex*> corners;
    std::vector<unsigned int> triangleCorners;
};

#endif
