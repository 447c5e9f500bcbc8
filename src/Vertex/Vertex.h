#ifndef VERTEX_H
#define VERTEX_H

#include "Vector3D/Vector3D.h"

// A polygon corner. The texture coordinate is optional, owned and never
// shared between vertices.
class Vertex {
public:
    Vector3D position;
    Vector3D normal;
    Vector3D* textureCoord;

    Vertex();
    Vertex(Vector3D position, Vector3D normal, Vector3D textureCoord);
    Vertex(Vector3D position, Vector3D normal);
    explicit Vertex(Vertex* other);
    virtual ~Vertex();

    Vector3D getPosition();
    Vector3D getNormal();
    bool hasTextureCoord() const { return textureCoord != nullptr; }
    // Only for a vertex that has one.
    Vector3D getTextureCoord();
    void setPosition(Vector3D& position);
    void setNormal(Vector3D& normal);
    void setTextureCoord(Vector3D& textureCoord);

    // Immediate mode: must run between the polygon's glBegin and glEnd.
    void draw();

private:
    Vertex(const Vertex&) = delete;
    Vertex& operator=(const Vertex&) = delete;
};

#endif
