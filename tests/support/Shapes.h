#ifndef TAVIR_TESTS_SHAPES_H
#define TAVIR_TESTS_SHAPES_H

#include <initializer_list>

#include "Geometry/Polygon3D.h"
#include "Object/Object.h"
#include "Vertex/Vertex.h"

// A polygon of fresh vertices at the given points, with zero normals.
inline Polygon3D* makePolygon(std::initializer_list<Vector3D> points) {
    Polygon3D* polygon = new Polygon3D();
    for (const Vector3D& point : points) {
        polygon->addVertex(new Vertex(point, Vector3D(0, 0, 0)));
    }
    return polygon;
}

// An object that is nothing but a bounding sphere, for culling and indexing.
class Ball : public Object {
public:
    Ball(Vector3D at, float radius = 4.0f) {
        setPosition(at);
        setBoundingRadius(radius);
    }
    void draw() override {}
};

#endif
