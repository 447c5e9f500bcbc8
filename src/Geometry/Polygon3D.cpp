#include "Geometry/Polygon3D.h"

#include <cassert>
#include <cmath>

#include "OpenGL/OpenGL.h"

Polygon3D::Polygon3D() : parent(nullptr) {}

Polygon3D::Polygon3D(Object* parent) : parent(parent) {}

Polygon3D::Polygon3D(std::vector<Vertex*> vertices) : vertices(vertices), parent(nullptr) {}

Polygon3D::~Polygon3D() {
    for (Vertex* vertex : vertices) {
        delete vertex;
    }
}

void Polygon3D::addVertex(Vertex* vertex) { vertices.push_back(vertex); }

std::vector<Vertex*>* Polygon3D::getVertices() { return &vertices; }

Object* Polygon3D::getParent() { return parent; }

Vector3D Polygon3D::getPoint(int i) { return vertices.at(i)->position; }

Vector3D Polygon3D::getAPoint() { return vertices.at(0)->position; }

Plane3D Polygon3D::getPlane() {
    assert(vertices.size() >= 3);
    double x0 = vertices[0]->position.x, y0 = vertices[0]->position.y, z0 = vertices[0]->position.z;
    double x1 = vertices[1]->position.x, y1 = vertices[1]->position.y, z1 = vertices[1]->position.z;
    double x2 = vertices[2]->position.x, y2 = vertices[2]->position.y, z2 = vertices[2]->position.z;
    double a = y0 * (z1 - z2) + y1 * (z2 - z0) + y2 * (z0 - z1);
    double b = z0 * (x1 - x2) + z1 * (x2 - x0) + z2 * (x0 - x1);
    double c = x0 * (y1 - y2) + x1 * (y2 - y0) + x2 * (y0 - y1);
    double d = -(x0 * (y1 * z2 - y2 * z1) + x1 * (y2 * z0 - y0 * z2) + x2 * (y0 * z1 - y1 * z0));
    return Plane3D((float)a, (float)b, (float)c, (float)d);
}

Vector3D Polygon3D::getNormal() { return getPlane().getNormal(); }

float Polygon3D::getDistanceToPolygon(Vector3D* p) { return getPlane().getDistanceFromPoint(p); }

Vector3D Polygon3D::getIntersection(Vector3D* p1, Vector3D* p2, bool& hit) {
    return getPlane().getIntersectionBetweenPoints(p1, p2, hit);
}

bool Polygon3D::isPointWithinTriangle(Vector3D* p) {
    double u = 0, v = 0;
    return getBarycentric(p, u, v) && u > 0 && v > 0 && u + v < 1;
}

bool Polygon3D::isPointOnTriangle(Vector3D* p, double margin) {
    double u = 0, v = 0;
    return getBarycentric(p, u, v) && u >= -margin && v >= -margin && u + v <= 1 + margin;
}

bool Polygon3D::getBarycentric(Vector3D* p, double& u, double& v) {
    Vertex* v0 = vertices.at(0);
    Vertex* v1 = vertices.at(1);
    Vertex* v2 = vertices.at(2);
    if (!v0 || !v1 || !v2) {
        return false;
    }
    Vector3D e0 = v2->position.subtract(&v0->position);
    Vector3D e1 = v1->position.subtract(&v0->position);
    Vector3D e2 = p->subtract(&v0->position);
    float d00 = Vector3D::getDotProduct(&e0, &e0);
    float d01 = Vector3D::getDotProduct(&e0, &e1);
    float d02 = Vector3D::getDotProduct(&e0, &e2);
    float d11 = Vector3D::getDotProduct(&e1, &e1);
    // Unlike the four above, not rounded to float: rounding it too changes
    // the answer for points on an edge.
    double d12 = (double)e1.x * e2.x + (double)e1.y * e2.y + (double)e1.z * e2.z;
    double inv = 1.0 / ((double)d00 * d11 - (double)d01 * d01);
    u = ((double)d11 * d02 - d01 * d12) * inv;
    v = (d00 * d12 - (double)d01 * d02) * inv;
    return true;
}

bool Polygon3D::doesSphereCollide(Vector3D* centre, float radius) {
    // The plane is derived once; the results match deriving it per probe.
    Plane3D plane = getPlane();
    if (!(plane.getDistanceFromPoint(centre) < radius)) {
        return false;
    }
    Vector3D d(0, 0, radius);
    for (int k = 1; k <= 6; ++k) {
        d = d.rotateAroundYAxis(M_PI / 3);
        Vector3D end = centre->add(&d);
        bool hit = false;
        Vector3D crossing = plane.getIntersectionBetweenPoints(centre, &end, hit);
        if (hit) {
            return isPointWithinTriangle(&crossing);
        }
    }
    return false;
}

bool Polygon3D::isDiagonal() {
    Vector3D p0 = vertices.at(0)->position;
    Vector3D p1 = vertices.at(1)->position;
    Vector3D p2 = vertices.at(2)->position;
    return getSlope(p0, p1) == 1.0f || getSlope(p1, p2) == 1.0f || getSlope(p0, p2) == 1.0f;
}

float Polygon3D::getSlope(Vector3D a, Vector3D b) {
    float dz = b.z - a.z;
    if (dz == 0.0f) {
        return 9.0f;
    }
    return (b.x - a.x) / dz;
}

int Polygon3D::classifyByPlane(Plane3D* plane) {
    assert(vertices.size() >= 3);
    int front = 0, back = 0;
    for (Vertex* vertex : vertices) {
        Vector3D& p = vertex->position;
        double s = (double)plane->a * p.x + (double)plane->b * p.y + (double)plane->c * p.z + plane->d;
        // The value truncated toward zero decides, so |s| < 1 counts as on the
        // plane. Compared, not converted: a NaN or huge value must not reach
        // an int.
        if (s >= 1.0) {
            ++front;
        } else if (s <= -1.0) {
            ++back;
        }
    }
    if (front && back) return PLANE_SPANNING;
    if (front) return PLANE_FRONT;
    if (back) return PLANE_BACK;
    return PLANE_COINCIDENT;
}

void Polygon3D::drawAs(unsigned int primitive) {
    glBegin(primitive);
    for (size_t i = 0; i < vertices.size(); ++i) {
        assert(vertices.at(i));
        vertices[i]->draw();
    }
    glEnd();
}

void Polygon3D::draw() {
    if (vertices.size() <= 3) {
        drawAs(GL_TRIANGLES);
    } else if (vertices.size() == 4) {
        drawAs(GL_QUADS);
    } else {
        drawAs(GL_POLYGON);
    }
}

void Polygon3D::drawTriangle() { drawAs(GL_TRIANGLES); }

void Polygon3D::drawQuad() { drawAs(GL_QUADS); }

void Polygon3D::drawPolygon() { drawAs(GL_POLYGON); }
