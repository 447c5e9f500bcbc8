#include "VertexBuffer/VertexBuffer.h"

#include <cassert>
#include <cstddef>

#include "GLContext/GLContext.h"
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
      vbo(0) {}

VertexBuffer::VertexBuffer(std::vector<Polygon3D*>* polygons) : VertexBuffer() { loadArrays(polygons); }

VertexBuffer::~VertexBuffer() {
    if (vboLoaded && GLContext::isAlive()) {
        glDeleteBuffersARB(1, &vbo);
    }
    freeArrays();
}

void VertexBuffer::setPolygons(std::vector<Polygon3D*>* polygons) { loadArrays(polygons); }

void VertexBuffer::setUseTexCoords(bool use) { useTexCoords = use; }

void VertexBuffer::freeArrays() {
    delete[] vertexArray;
    delete[] normalArray;
    delete[] texCoordArray;
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

void VertexBuffer::setVertex(size_t i, const Vector3D& position, const Vector3D& normal, float s, float t) {
    assert(i < (size_t)numberOfVertices);
    vertexArray[3 * i] = position.x;
    vertexArray[3 * i + 1] = position.y;
    vertexArray[3 * i + 2] = position.z;
    texCoordArray[2 * i] = s;
    texCoordArray[2 * i + 1] = t;
    normalArray[3 * i] = normal.x;
    normalArray[3 * i + 1] = normal.y;
    normalArray[3 * i + 2] = normal.z;
}

void VertexBuffer::loadVertexBuffer() {
    assert(arraysLoaded);
    assert(!vboLoaded);
    vbo = 0;
    glGenBuffersARB(1, &vbo);
    glBindBufferARB(GL_ARRAY_BUFFER_ARB, vbo);
    assert(glIsBufferARB(vbo));
    GLsizeiptrARB n = numberOfVertices;
    glBufferDataARB(GL_ARRAY_BUFFER_ARB, 32 * n, NULL, GL_STATIC_DRAW_ARB);
    glBufferSubDataARB(GL_ARRAY_BUFFER_ARB, 0, 12 * n, vertexArray);
    glBufferSubDataARB(GL_ARRAY_BUFFER_ARB, 12 * n, 8 * n, texCoordArray);
    glBufferSubDataARB(GL_ARRAY_BUFFER_ARB, 20 * n, 12 * n, normalArray);
    glBindBufferARB(GL_ARRAY_BUFFER_ARB, 0);
    freeArrays();
    vboLoaded = true;
}

void VertexBuffer::drawVertexBuffer() {
    // A mesh from a missing or face-less file: nothing to draw, no buffer.
    if (numberOfVertices == 0) {
        return;
    }
    if (!vboLoaded) {
        loadVertexBuffer();
    }
    assert(glIsBufferARB(vbo));
    glBindBufferARB(GL_ARRAY_BUFFER_ARB, vbo);
    glEnableClientState(GL_VERTEX_ARRAY);
    glEnableClientState(GL_TEXTURE_COORD_ARRAY);
    glEnableClientState(GL_NORMAL_ARRAY);
    size_t n = (size_t)numberOfVertices;
    glVertexPointer(3, GL_FLOAT, 0, (const GLvoid*)0);
    glTexCoordPointer(2, GL_FLOAT, 0, (const GLvoid*)(12 * n));
    glNormalPointer(GL_FLOAT, 0, (const GLvoid*)(20 * n));
    glDrawArrays(GL_TRIANGLES, 0, numberOfVertices);
    glDisableClientState(GL_VERTEX_ARRAY);
    glDisableClientState(GL_TEXTURE_COORD_ARRAY);
    glDisableClientState(GL_NORMAL_ARRAY);
    glBindBufferARB(GL_ARRAY_BUFFER_ARB, 0);
}
