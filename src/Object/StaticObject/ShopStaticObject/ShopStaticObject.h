#ifndef SHOPSTATICOBJECT_H
#define SHOPSTATICOBJECT_H

#include "Object/StaticObject/StaticObject.h"

// The shop building: a circle around the house and one around the stall
// beside it, 7 units along world +x whatever the rotation. Its tests run
// even with a collision radius of 0.
class ShopStaticObject : public StaticObject {
public:
    float sideCollisionRadius;
    float centerCollisionRadius;

    ShopStaticObject();
    virtual ~ShopStaticObject();

    // Ignores the collision radius.
    bool doesSphereCollide(Vector3D* p, float r) override;
    // A circle of the collision radius plus 2.
    bool doesLineCollide(Vector3D* a, Vector3D* b) override;
};

#endif
