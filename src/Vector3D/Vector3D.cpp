#include "Vector3D/Vector3D.h"

#include <cmath>
#include <iostream>

#include "GeneralMath/GeneralMath.h"
#include "Geometry/Plane3D.h"

Vector3D::Vector3D() : x(0.0f), y(0.0f), z(0.0f) {}

Vector3D::Vector3D(float x, float y, float z) : x(x), y(y), z(z) {}

Vector3D::~Vector3D() {}

void Vector3D::setCoords(float x, float y, float z) {
    this->x = x;
    this->y = y;
    this->z = z;
}

void Vector3D::clear() { setCoords(0.0f, 0.0f, 0.0f); }

void Vector3D::setLength(double length) {
    double factor = length / getLength();
    x = (float)(x * factor);
    y = (float)(y * factor);
    z = (float)(z * factor);
}

bool Vector3D::equals(Vector3D* other) { return x == other->x && y == other->y && z == other->z; }

bool Vector3D::isEmpty() { return x == 0.0f && y == 0.0f && z == 0.0f; }

float Vector3D::getLength() { return (float)std::sqrt((double)x * x + (double)y * y + (double)z * z); }

float Vector3D::getDotProduct(Vector3D* a, Vector3D* b) {
    return (float)((double)a->x * b->x + (double)a->y * b->y + (double)a->z * b->z);
}

float Vector3D::getAngleBetween(Vector3D* other) {
    Vector3D otherUnit = other->getUnitVector();
    Vector3D thisUnit = getUnitVector();
    float dot = getDotProduct(&thisUnit, &otherUnit);
    if (dot > 1.0f) {
        return ANGLE_UNDEFINED;
    }
    return acosf(dot);
}

Vector3D Vector3D::add(Vector3D* other) { return Vector3D(x + other->x, y + other->y, z + other->z); }

Vector3D Vector3D::subtract(Vector3D* other) { return Vector3D(x - other->x, y - other->y, z - other->z); }

Vector3D Vector3D::multiply(double factor) {
    return Vector3D((float)(x * factor), (float)(y * factor), (float)(z * factor));
}

Vector3D Vector3D::getAverage(Vector3D* other) {
    return Vector3D((float)((x + (double)other->x) * 0.5), (float)((y + (double)other->y) * 0.5),
                    (float)((z + (double)other->z) * 0.5));
}

Vector3D Vector3D::getDirectionTo(Vector3D* other) { return other->subtract(this); }

Vector3D Vector3D::getUnitVector() {
    float length = getLength();
    return Vector3D(x / length, y / length, z / length);
}

Vector3D Vector3D::rotateAroundXAxis(double angle) {
    double c = std::cos(angle), s = std::sin(angle);
    return Vector3D(x, (float)(c * y + s * z), (float)(-s * y + c * z));
}

Vector3D Vector3D::rotateAroundYAxis(double angle) {
    double c = std::cos(angle), s = std::sin(angle);
    return Vector3D((float)(c * x - s * z), y, (float)(s * x + c * z));
}

Vector3D Vector3D::rotateAroundZAxis(double angle) {
    double c = std::cos(angle), s = std::sin(angle);
    return Vector3D((float)(c * x + s * y), (float)(-s * x + c * y), z);
}

Vector3D Vector3D::rotateAroundVector(double angle, Vector3D* axis) {
    float length = axis->getLength();
    Vector3D u(axis->x / length, axis->y / length, axis->z / length);
    double w = std::cos(angle / 2.0);
    double s = std::sin(angle / 2.0);
    double p = s * u.x, q = s * u.y, r = s * u.z;
    double nx = (w * w + p * p - q * q - r * r) * x + 2.0 * (p * q + w * r) * y + 2.0 * (p * r - w * q) * z;
    double ny = 2.0 * (p * q - w * r) * x + (w * w - p * p + q * q - r * r) * y + 2.0 * (q * r + w * p) * z;
    double nz = 2.0 * (p * r + w * q) * x + 2.0 * (q * r - w * p) * y + (w * w - p * p - q * q + r * r) * z;
    return Vector3D((float)nx, (float)ny, (float)nz);
}

Vector3D Vector3D::getCrossProduct(Vector3D* a, Vector3D* b) {
    return Vector3D((float)((double)a->y * b->z - (double)a->z * b->y), (float)((double)a->x * b->z - (double)a->z * b->x),
                    (float)((double)a->x * b->y - (double)a->y * b->x));
}

Vector3D Vector3D::getCrossProduct2(Vector3D* a, Vector3D* b) {
    return Vector3D((float)((double)a->y * b->z - (double)a->z * b->y), (float)((double)a->z * b->x - (double)a->x * b->z),
                    (float)((double)a->x * b->y - (double)a->y * b->x));
}

Vector3D Vector3D::getRandomPerpendicularVector(Vector3D* normal, Vector3D* point) {
    Plane3D plane(normal, point);
    int dx = GeneralMath::getRandomNumber(-10, 10);
    int dz = GeneralMath::getRandomNumber(-10, 10);
    float px = point->x + dx;
    float pz = point->z + dz;
    return Vector3D(px, plane.getHeight(px, pz), pz);
}

void Vector3D::output() { std::cout << "Vector3D(" << x << ", " << y << ", " << z << ");" << std::endl; }
