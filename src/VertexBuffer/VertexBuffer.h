#ifndef VERTEXBUFFER_H
#define VERTEXBUFFER_H

#include <cstddef>
#include <vector>

#include "Vector3D/Vector3D.h"

class Polygon3D;

const unsigned int VERTICES_PER_POLYGON = 3;

// A triangle list in one OpenGL buffer object: all positions, then all
// texture coordinates (x and y), then all normals. The arrays are built in
// main memory at start-up and uploaded, then freed, at the first draw. The
// upload keeps a corner once where it meets it again close by (in practice
// nearly every repeat) and draws the triangles by index, in their order:
// the software renderer then runs a shared corner through its vertex stage
// once, and the picture is the same.
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
    // The element buffer and how many distinct corners the upload kept.
    unsigned int ibo;
    int numberOfUniqueVertices;
    // Made by allocateIndexedArrays: numberOfVertices corner numbers into
    // arrays of numberOfUniqueVertices corners. Null otherwise.
    unsigned int* indexArray;
    // Below zero until measured.
    float extent;

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
    // Once per buffer, instead of loadArrays: arrays for that many distinct
    // corners and the triangles' corner numbers, for the caller to fill in.
    // The upload keeps them as they are; a caller that shares only truly
    // identical corners gets the same picture as from allocateArrays.
    void allocateIndexedArrays(int corners, int triangleCorners);
    // Triangle corner i of arrays made by allocateIndexedArrays.
    void setIndex(size_t i, unsigned int corner);
    // Vertex i of arrays made by allocateArrays (corner i of those made by
    // allocateIndexedArrays).
    void setVertex(size_t i, const Vector3D& position, const Vector3D& normal, float s, float t);
    void loadVertexBuffer();
    // Uploads now what the first draw would, if anything is still to upload.
    void upload();
    // Uploads on the first call. A buffer without triangles draws nothing.
    void drawVertexBuffer();
    // Only the given runs of vertices (each a first vertex and a count, in
    // the order given), in one call; uploads on the first call like
    // drawVertexBuffer.
    void drawVertexRuns(const std::vector<int>& firsts, const std::vector<int>& counts);
    void setUseTexCoords(bool use);
    // Gives back the buffer objects and any arrays, as before loadArrays or
    // allocateArrays; the extent, once measured, is kept.
    void release();
    // The farthest any corner lies from the origin of the buffer's
    // coordinates; known before and after the upload.
    float getExtent();

private:
    void freeArrays();
    // Uploads if needed and sets up the arrays; false when there is nothing
    // to draw.
    bool bindForDrawing();
    void unbindAfterDrawing();
    bool usesShortIndices() const;
    // How many corners the arrays hold.
    size_t arrayCorners() const;
    VertexBuffer(const VertexBuffer&) = delete;
    VertexBuffer& operator=(const VertexBuffer&) = delete;
};

#endif
