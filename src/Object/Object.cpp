#include "Object/Object.h"

#include <algorithm>
#include <cassert>
#include <cmath>

Object::Object() : collisionRadius(0.0f), boundingRadius(4.0f) {}

Object::~Object() {
    for (Polygon3D* polygon : polygons) {
        delete polygon;
    }
}

bool Object::doesSphereCollide(Vector3D* centre, float radius) {
    if (collisionRadius == 0.0f) {
        return false;
    }
    double dx = (double)centre->x - position.x;
    double dz = (double)centre->z - position.z;
    return (double)radius + collisionRadius >= std::sqrt(dx * dx + dz * dz);
}

bool Object::doesLineCollide(Vector3D* from, Vector3D* to) {
    if (collisionRadius == 0.0f) {
        return false;
    }
    double ax = from->x, az = from->z;
    double ux = (double)to->x - ax, uz = (double)to->z - az;
    double length = std::sqrt(ux * ux + uz * uz);
    double mx = ax - position.x, mz = az - position.z;
    double q = mx * mx + mz * mz;
    double r2 = (double)collisionRadius * collisionRadius;
    if (length == 0.0) {
        // No direction in the plane: the segment is a point.
        return q <= r2;
    }
    ux /= length;
    uz /= length;
    double p = ux * mx + uz * mz;
    double disc = p * p - (q - r2);
    if (disc < 0.0) {
        return false;
    }
    double root = std::sqrt(disc);
    double t1 = -p - root, t2 = -p + root;
    return t1 <= length && t2 >= 0.0;
}

Vector3D Object::getPosition() { return position; }

void Object::setPosition(Vector3D p) { position.setCoords(p.x, p.y, p.z); }

void Object::setCollisionRadius(float r) { collisionRadius = r; }

float Object::getCollisionRadius() { return collisionRadius; }

void Object::setBoundingRadius(float r) { boundingRadius = r; }

float Object::getBoundingRadius() { return boundingRadius; }

int Object::classifyByPlane(Plane3D* plane) {
    double s = (double)plane->a * position.x + (double)plane->b * position.y + (double)plane->c * position.z + plane->d;
    if (boundingRadius > std::fabs(s)) {
        return PLANE_SPANNING;
    }
    return s > 0.0 ? PLANE_FRONT : PLANE_BACK;
}

bool Object::boundingRadiusOverlaps(Object* other) {
    // The distance between the two centres: the square root of the dot
    // product of the two positions measures nothing and is NaN for most
    // pairs.
    Vector3D between = position.subtract(&other->position);
    return (double)boundingRadius + other->boundingRadius > between.getLength();
}

void Object::addPolygon(Polygon3D* p) { polygons.push_back(p); }

void Object::removePolygon(Polygon3D* p) {
    std::vector<Polygon3D*>::iterator it = std::find(polygons.begin(), polygons.end(), p);
    if (it == polygons.end()) {
        return;  // not ours to delete
    }
    polygons.erase(it);
    delete p;
}

bool Object::doesSphereCollideWithPolygons(Vector3D* centre, float radius) {
    if (collisionRadius == 0.0f || polygons.empty()) {
        return false;
    }
    for (size_t i = 0; i < polygons.size(); ++i) {
        assert(polygons.at(i));
        if (polygons[i]->doesSphereCollide(centre, radius)) {
            return true;
        }
    }
    return false;
}

void Object::drawPolygons() {
    for (size_t i = 0; i < polygons.size(); ++i) {
        assert(polygons.at(i));
        polygons[i]->draw();
    }
}
