#ifndef OBJECT_H
#define OBJECT_H

#include <vector>

#include "Geometry/Plane3D.h"
#include "Geometry/Polygon3D.h"
#include "Vector3D/Vector3D.h"

// Base of everything placed in the world. The two collision tests treat the
// object as an infinite vertical cylinder of radius collisionRadius; a
// collision radius of 0 switches them off. The bounding radius is what the
// octree and the view frustum test.
class Object {
public:
    Object();
    virtual ~Object();

    virtual void draw() = 0;
    virtual bool doesSphereCollide(Vector3D* centre, float radius);
    virtual bool doesLineCollide(Vector3D* from, Vector3D* to);

    Vector3D getPosition();
    void setPosition(Vector3D p);
    void setCollisionRadius(float r);
    float getCollisionRadius();
    void setBoundingRadius(float r);
    float getBoundingRadius();

    // PLANE_SPANNING, PLANE_FRONT or PLANE_BACK for the bounding sphere; the
    // plane is used as stored, not normalised.
    int classifyByPlane(Plane3D* plane);
    bool boundingRadiusOverlaps(Object* other);

    // The object takes ownership.
    void addPolygon(Polygon3D* p);
    // Deletes p and drops it from the list.
    void removePolygon(Polygon3D* p);
    bool doesSphereCollideWithPolygons(Vector3D* centre, float radius);
    void drawPolygons();

protected:
    Vector3D position;
    std::vector<Polygon3D*> polygons;
    float collisionRadius;
    float boundingRadius;
};

#endif
