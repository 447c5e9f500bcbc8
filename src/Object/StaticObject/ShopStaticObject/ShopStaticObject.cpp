#include "Object/StaticObject/ShopStaticObject/ShopStaticObject.h"

#include <cmath>

const float SHOP_SIDE_OFFSET_X = 7.0f;
const float SHOP_LINE_EXTRA_RADIUS = 2.0f;

ShopStaticObject::ShopStaticObject() : sideCollisionRadius(2.0f), centerCollisionRadius(4.0f) {}

ShopStaticObject::~ShopStaticObject() {}

static double horizontalDistance(double x1, double z1, double x2, double z2) {
    double dx = x1 - x2;
    double dz = z1 - z2;
    return std::sqrt(dx * dx + dz * dz);
}

bool ShopStaticObject::doesSphereCollide(Vector3D* p, float r) {
    double sideX = (double)position.x + SHOP_SIDE_OFFSET_X;
    if (horizontalDistance(sideX, position.z, p->x, p->z) <= (double)r + sideCollisionRadius) {
        return true;
    }
    return horizontalDistance(position.x, position.z, p->x, p->z) <= (double)r + centerCollisionRadius;
}

bool ShopStaticObject::doesLineCollide(Vector3D* a, Vector3D* b) {
    double radius = (double)collisionRadius + SHOP_LINE_EXTRA_RADIUS;
    double ux = (double)b->x - a->x, uz = (double)b->z - a->z;
    double length = std::sqrt(ux * ux + uz * uz);
    double mx = (double)a->x - position.x, mz = (double)a->z - position.z;
    double q = mx * mx + mz * mz;
    if (length == 0.0) {
        // A vertical segment has no direction in the plane: test it as a point.
        return q <= radius * radius;
    }
    ux /= length;
    uz /= length;
    double k = ux * mx + uz * mz;
    double disc = k * k - (q - radius * radius);
    if (disc < 0.0) {
        return false;
    }
    double root = std::sqrt(disc);
    return -k - root <= length && -k + root >= 0.0;
}
