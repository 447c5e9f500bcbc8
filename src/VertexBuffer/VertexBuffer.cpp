#include "VertexBuffer/VertexBuffer.h"

#include <cassert>
#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "OpenGL/GLContext.h"
#include "Geometry/Polygon3D.h"
#include "OpenGL/OpenGL.h"

VertexBuffer::VertexBuffer()
    : numberOfVertices(0),
      vertexArray(nullptr),
      texCoordArray(nullptr),
      normalArray(nullptr),
      vboLoaded(false),
      arraysLoaded(false),
      useTexCoords(true),
      vbo(0),
      ibo(0),
      numberOfUniqueVertices(0),
      indexArray(nullptr),
      extent(-1.0f) {}

VertexBuffer::VertexBuffer(std::vector<Polygon3D*>* polygons) : VertexBuffer() { loadArrays(polygons); }

VertexBuffer::~VertexBuffer() {
    if (vboLoaded && GLContext::isAlive()) {
        glDeleteBuffersARB(1, &vbo);
        glDeleteBuffersARB(1, &ibo);
    }
    freeArrays();
}

void VertexBuffer::release() {
    if (vboLoaded && GLContext::isAlive()) {
        glDeleteBuffersARB(1, &vbo);
        glDeleteBuffersARB(1, &ibo);
    }
    vbo = 0;
    ibo = 0;
    vboLoaded = false;
    freeArrays();
    arraysLoaded = false;
    numberOfVertices = 0;
    numberOfUniqueVertices = 0;
}

void VertexBuffer::setPolygons(std::vector<Polygon3D*>* polygons) { loadArrays(polygons); }

void VertexBuffer::setUseTexCoords(bool use) { useTexCoords = use; }

void VertexBuffer::freeArrays() {
    delete[] vertexArray;
    delete[] normalArray;
    delete[] texCoordArray;
    delete[] indexArray;
    indexArray = nullptr;
    vertexArray = nullptr;
    normalArray = nullptr;
    texCoordArray = nullptr;
}

void VertexBuffer::loadArrays(std::vector<Polygon3D*>* polygons) {
    assert(!arraysLoaded);
    std::vector<Polygon3D*> triangles;
    for (Polygon3D* polygon : *polygons) {
        if (polygon != nullptr) {
            triangles.push_back(polygon);
        }
    }
    numberOfVertices = (int)(VERTICES_PER_POLYGON * triangles.size());
    if (numberOfVertices > 0) {
        vertexArray = new float[3 * numberOfVertices];
        texCoordArray = new float[2 * numberOfVertices];
        normalArray = new float[3 * numberOfVertices];
    }
    for (size_t t = 0; t < triangles.size(); ++t) {
        std::vector<Vertex*>* currentPolygonVertices = triangles[t]->getVertices();
        assert(currentPolygonVertices->size() == VERTICES_PER_POLYGON);
        for (size_t k = 0; k < VERTICES_PER_POLYGON; ++k) {
            Vertex* vertex = currentPolygonVertices->at(k);
            size_t i = VERTICES_PER_POLYGON * t + k;
            Vector3D position = vertex->getPosition();
            Vector3D normal = vertex->getNormal();
            vertexArray[3 * i] = position.x;
            vertexArray[3 * i + 1] = position.y;
            vertexArray[3 * i + 2] = position.z;
            if (vertex->hasTextureCoord()) {
                Vector3D textureCoord = vertex->getTextureCoord();
                texCoordArray[2 * i] = textureCoord.x;
                texCoordArray[2 * i + 1] = textureCoord.y;
            } else {
                texCoordArray[2 * i] = 0;
                texCoordArray[2 * i + 1] = 0;
            }
            normalArray[3 * i] = normal.x;
            normalArray[3 * i + 1] = normal.y;
            normalArray[3 * i + 2] = normal.z;
        }
    }
    arraysLoaded = true;
}

void VertexBuffer::allocateArrays(int vertices) {
    assert(!arraysLoaded);
    assert(vertices >= 0);
    numberOfVertices = vertices;
    if (numberOfVertices > 0) {
        vertexArray = new float[3 * (size_t)numberOfVertices];
        texCoordArray = new float[2 * (size_t)numberOfVertices];
        normalArray = new float[3 * (size_t)numberOfVertices];
    }
    arraysLoaded = true;
}

void VertexBuffer::allocateIndexedArrays(int corners, int triangleCorners) {
    assert(!arraysLoaded);
    assert(corners >= 0 && triangleCorners >= 0);
    numberOfVertices = triangleCorners;
    numberOfUniqueVertices = corners;
    if (numberOfVertices > 0) {
        vertexArray = new float[3 * (size_t)corners];
        texCoordArray = new float[2 * (size_t)corners];
        normalArray = new float[3 * (size_t)corners];
        indexArray = new unsigned int[(size_t)triangleCorners];
    }
    arraysLoaded = true;
}

void VertexBuffer::setIndex(size_t i, unsigned int corner) {
    assert(indexArray != nullptr && i < (size_t)numberOfVertices && corner < (unsigned int)numberOfUniqueVertices);
    indexArray[i] = corner;
}

size_t VertexBuffer::arrayCorners() const {
    return (size_t)(indexArray != nullptr ? numberOfUniqueVertices : numberOfVertices);
}

void VertexBuffer::setVertex(size_t i, const Vector3D& position, const Vector3D& normal, float s, float t) {
    assert(i < arrayCorners());
    vertexArray[3 * i] = position.x;
    vertexArray[3 * i + 1] = position.y;
    vertexArray[3 * i + 2] = position.z;
    texCoordArray[2 * i] = s;
    texCoordArray[2 * i + 1] = t;
    normalArray[3 * i] = normal.x;
    normalArray[3 * i + 1] = normal.y;
    normalArray[3 * i + 2] = normal.z;
}

// A type cannot be static: an unnamed namespace keeps it to this file.
namespace {

// A corner's position, texture coordinate and normal, compared bit for bit
// so that only truly identical corners are shared.
struct Corner {
    std::uint32_t bits[8];
    bool operator==(const Corner& other) const { return std::memcmp(bits, other.bits, sizeof bits) == 0; }
};

}  // namespace

static std::uint32_t hashOf(const Corner& corner) {
    std::uint64_t h = 1469598103934665603ull;
    for (std::uint32_t b : corner.bits) {
        h = (h ^ b) * 1099511628211ull;
    }
    return (std::uint32_t)(h ^ (h >> 32));
}

float VertexBuffer::getExtent() {
    if (extent < 0.0f) {
        double farthest = 0.0;
        for (size_t i = 0; vertexArray != nullptr && i < arrayCorners(); ++i) {
            const float* v = vertexArray + 3 * i;
            farthest = std::max(farthest, std::sqrt((double)v[0] * v[0] + (double)v[1] * v[1] + (double)v[2] * v[2]));
        }
        extent = (float)farthest;
    }
    return extent;
}

void VertexBuffer::loadVertexBuffer() {
    assert(arraysLoaded);
    assert(!vboLoaded);
    getExtent();
    size_t n = (size_t)numberOfVertices;
    std::vector<float> positions, coords, normals;
    std::vector<std::uint32_t> indices;
    const float *uniquePositions, *uniqueCoords, *uniqueNormals;
    const std::uint32_t* cornerNumbers;
    if (indexArray != nullptr) {
        uniquePositions = vertexArray;
        uniqueCoords = texCoordArray;
        uniqueNormals = normalArray;
        cornerNumbers = indexArray;
    } else {
        // A corner is shared with the last identical one whose hash took
        // its slot: neighbouring triangles' corners come close together, so
        // nearly every repeat is found without a growing map, and a repeat
        // missed only costs one more corner, never a different picture.
        indices.resize(n);
        size_t slots = 1024;
        while (slots < 2 * n && slots < ((size_t)1 << 17)) {
            slots *= 2;
        }
        std::vector<std::uint32_t> lastInSlot(slots, UINT32_MAX);
        std::vector<Corner> kept;
        kept.reserve(n);
        positions.reserve(3 * n);
        coords.reserve(2 * n);
        normals.reserve(3 * n);
        for (size_t i = 0; i < n; ++i) {
            Corner corner;
            std::memcpy(corner.bits, vertexArray + 3 * i, 12);
            std::memcpy(corner.bits + 3, texCoordArray + 2 * i, 8);
            std::memcpy(corner.bits + 5, normalArray + 3 * i, 12);
            std::uint32_t& slot = lastInSlot[hashOf(corner) & (slots - 1)];
            if (slot == UINT32_MAX || !(kept[slot] == corner)) {
                slot = (std::uint32_t)kept.size();
                kept.push_back(corner);
                positions.insert(positions.end(), vertexArray + 3 * i, vertexArray + 3 * i + 3);
                coords.insert(coords.end(), texCoordArray + 2 * i, texCoordArray + 2 * i + 2);
                normals.insert(normals.end(), normalArray + 3 * i, normalArray + 3 * i + 3);
            }
            indices[i] = slot;
        }
        numberOfUniqueVertices = (int)(positions.size() / 3);
        uniquePositions = positions.data();
        uniqueCoords = coords.data();
        uniqueNormals = normals.data();
        cornerNumbers = indices.data();
    }
    GLsizeiptrARB u = (GLsizeiptrARB)numberOfUniqueVertices;
    vbo = 0;
    glGenBuffersARB(1, &vbo);
    glBindBufferARB(GL_ARRAY_BUFFER_ARB, vbo);
    assert(glIsBufferARB(vbo));
    glBufferDataARB(GL_ARRAY_BUFFER_ARB, 32 * u, nullptr, GL_STATIC_DRAW_ARB);
    glBufferSubDataARB(GL_ARRAY_BUFFER_ARB, 0, 12 * u, uniquePositions);
    glBufferSubDataARB(GL_ARRAY_BUFFER_ARB, 12 * u, 8 * u, uniqueCoords);
    glBufferSubDataARB(GL_ARRAY_BUFFER_ARB, 20 * u, 12 * u, uniqueNormals);
    glBindBufferARB(GL_ARRAY_BUFFER_ARB, 0);
    ibo = 0;
    glGenBuffersARB(1, &ibo);
    glBindBufferARB(GL_ELEMENT_ARRAY_BUFFER_ARB, ibo);
    if (usesShortIndices()) {
        std::vector<std::uint16_t> shortIndices(cornerNumbers, cornerNumbers + n);
        glBufferDataARB(GL_ELEMENT_ARRAY_BUFFER_ARB, 2 * n, shortIndices.data(), GL_STATIC_DRAW_ARB);
    } else {
        glBufferDataARB(GL_ELEMENT_ARRAY_BUFFER_ARB, 4 * n, cornerNumbers, GL_STATIC_DRAW_ARB);
    }
    glBindBufferARB(GL_ELEMENT_ARRAY_BUFFER_ARB, 0);
    freeArrays();
    vboLoaded = true;
}

void VertexBuffer::upload() {
    if (arraysLoaded && !vboLoaded && numberOfVertices > 0) {
        loadVertexBuffer();
    }
}

bool VertexBuffer::usesShortIndices() const { return numberOfUniqueVertices <= 65536; }

bool VertexBuffer::bindForDrawing() {
    // A mesh from a missing or face-less file: nothing to draw, no buffer.
    if (numberOfVertices == 0) {
        return false;
    }
    if (!vboLoaded) {
        loadVertexBuffer();
    }
    assert(glIsBufferARB(vbo));
    glBindBufferARB(GL_ARRAY_BUFFER_ARB, vbo);
    glBindBufferARB(GL_ELEMENT_ARRAY_BUFFER_ARB, ibo);
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_TEXTURE_COORD_ARRAY);
    glEnableClientState(GL_NORMAL_ARRAY);
    size_t u = (size_t)numberOfUniqueVertices;
    glVertexPointer(3, GL_FLOAT, 0, (const GLvoid*)0);
    glTexCoordPointer(2, GL_FLOAT, 0, (const GLvoid*)(12 * u));
    glNormalPointer(GL_FLOAT, 0, (const GLvoid*)(20 * u));
    return true;
}

void VertexBuffer::unbindAfterDrawing() {
    glDisableClientState(GL_VERTEX_ARRAY);
    glDisableClientState(GL_TEXTURE_COORD_ARRAY);
    glDisableClientState(GL_NORMAL_ARRAY);
    glBindBufferARB(GL_ELEMENT_ARRAY_BUFFER_ARB, 0);
    glBindBufferARB(GL_ARRAY_BUFFER_ARB, 0);
}

void VertexBuffer::drawVertexBuffer() {
    if (!bindForDrawing()) {
        return;
    }
    glDrawElements(GL_TRIANGLES, numberOfVertices, usesShortIndices() ? GL_UNSIGNED_SHORT : GL_UNSIGNED_INT,
                   (const GLvoid*)0);
    unbindAfterDrawing();
}

void VertexBuffer::drawVertexRuns(const std::vector<int>& firsts, const std::vector<int>& counts) {
    assert(firsts.size() == counts.size());
    if (firsts.empty() || !bindForDrawing()) {
        return;
    }
    const size_t indexSize = usesShortIndices() ? 2 : 4;
    std::vector<GLsizei> sizes(counts.begin(), counts.end());
    std::vector<const GLvoid*> offsets(firsts.size());
    for (size_t k = 0; k < firsts.size(); ++k) {
        assert(firsts[k] >= 0 && counts[k] >= 0 && firsts[k] + counts[k] <= numberOfVertices);
        offsets[k] = (const GLvoid*)(indexSize * (size_t)firsts[k]);
    }
    glMultiDrawElements(GL_TRIANGLES, sizes.data(), indexSize == 2 ? GL_UNSIGNED_SHORT : GL_UNSIGNED_INT,
                        offsets.data(), (GLsizei)sizes.size());
    unbindAfterDrawing();
}
