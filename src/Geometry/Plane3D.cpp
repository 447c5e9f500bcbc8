#include "Geometry/Plane3D.h"

#include <cassert>
#include <cmath>
#include <iostream>
#include <limits>

Plane3D::Plane3D() : a(0.0f), b(0.0f), c(0.0f), d(0.0f) {}

Plane3D::Plane3D(float a, float b, float c, float d) : a(a), b(b), c(c), d(d) {}

Plane3D::Plane3D(Vector3D* normal, Vector3D* point) { setNormalAndPoint(normal, point); }

void Plane3D::setNormalAndPoint(Vector3D* normal, Vector3D* point) {
    a = normal->x;
    b = normal->y;
    c = normal->z;
    d = -Vector3D::getDotProduct(normal, point);
}

void Plane3D::setCoefficients(float a, float b, float c, float d) {
    this->a = a;
    this->b = b;
    this->c = c;
    this->d = d;
}

Vector3D Plane3D::getNormal() { return Vector3D(a, b, c); }

float Plane3D::getHeight(float x, float z) {
    if (b == 0.0f) {
        return std::numeric_limits<float>::quiet_NaN();
    }
    return (float)((-(double)d - (double)a * x - (double)c * z) / b);
}

float Plane3D::getDistanceFromPoint(Vector3D* p) {
    double numerator = std::fabs((double)a * p->x + (double)b * p->y + (double)c * p->z + d);
    float root = (float)std::sqrt((double)a * a + (double)b * b + (double)c * c);
    return (float)(numerator / root);
}

Vector3D Plane3D::getIntersectionBetweenPoints(Vector3D* p1, Vector3D* p2, bool& hit) {
    Vector3D dir = p2->subtract(p1);
    Vector3D n(a, b, c);
    double nDotDir = Vector3D::getDotProduct(&n, &dir);
    if (nDotDir == 0.0) {
        hit = false;
        float nan = std::numeric_limits<float>::quiet_NaN();
        return Vector3D(nan, nan, nan);
    }
    double t = (-(double)d - Vector3D::getDotProduct(&n, p1)) / nDotDir;
    hit = (t >= 0.0 && t <= 1.0);
    Vector3D step = dir.multiply(t);
    return p1->add(&step);
}

bool Plane3D::equals(Plane3D*) {
    assert(false);
    return false;
}

void Plane3D::output() {
    std::cout << "[Plane] a: " << a << ", b: " << b << ", c: " << c << ", d: " << d << std::endl;
}
