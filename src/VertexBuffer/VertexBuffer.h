#ifndef VERTEXBUFFER_H
#define VERTEXBUFFER_H

#include <cstddef>
#include <vector>

#include "Vector3D/Vector3D.h"

class Polygon3D;

const unsigned int VERTICES_PER_POLYGON = 3;

// A triangle list in one OpenGL buffer object: all positions, then all
// texture coordinates (x and y), then all normals. The arrays are built in
// main memory at start-up and uploaded, then freed, at the first draw.
class VertexBuffer {
public:
    int numberOfVertices;
    float* vertexArray;
    float* texCoordArray;
    float* normalArray;
    bool vboLoaded;
    bool arraysLoaded;
    bool useTexCoords;
    unsigned int vbo;

    VertexBuffer();
    explicit VertexBuffer(std::vector<Polygon3D*>* polygons);
    virtual ~VertexBuffer();

    void setPolygons(std::vector<Polygon3D*>* polygons);
    // Once per buffer. Null entries are skipped; every polygon must be a
    // triangle. A vertex without a texture coordinate gets (0, 0).
    void loadArrays(std::vector<Polygon3D*>* polygons);
    // Once per buffer, instead of loadArrays: arrays for that many vertices,
    // for the caller to fill in loadArrays' layout.
    void allocateArrays(int vertices);
    // Vertex i of arrays made by allocateArrays.
    void setVertex(size_t i, const Vector3D& position, const Vector3D& normal, float s, float t);
    void loadVertexBuffer();
    // Uploads on the first call. A buffer without triangles draws nothing.
    void drawVertexBuffer();
    void setUseTexCoords(bool use);

private:
    void freeArrays();
    VertexBuffer(const VertexBuffer&) = delete;
    VertexBuffer& operator=(const VertexBuffer&) = delete;
};

#endif
