#ifndef WORLD_H
#define WORLD_H

#include "Object/Object.h"
#include "Texture/Texture.h"

// A fixed piece of textured test ground in world coordinates: a floor, a
// ramp, a raised platform and the step face below it. Nothing in the game
// builds one.
class World : public Object {
public:
    Texture texture;

    World();
    virtual ~World();

    // Leaves texturing off and the colour white.
    void draw() override;
    // The floor below z = 10 (inclusive), the ramp beyond; the platform
    // and the step are never tested. Null when the sphere misses.
    Polygon3D* getCollidingPolygon(Vector3D* p, float r);
    bool isHeightMap();
};

#endif
