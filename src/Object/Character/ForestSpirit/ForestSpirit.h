#ifndef FORESTSPIRIT_H
#define FORESTSPIRIT_H

#include "Object/Character/Character.h"
#include "Vector3D/Vector3D.h"

class HeightMap;

// The spirit figure of the hero and of the enemy and allied spirits.
// Minimal for now: body, meshes, movement and drawing come with the figures.
class ForestSpirit : public Character {
public:
    ForestSpirit();
    virtual ~ForestSpirit();

    // Nothing to draw until the figure has its meshes.
    void draw() override;
    // Unit view direction plus half the unit up vector; normalises the stored
    // up vector in place. Added to the position or the look-at point it gives
    // the eye of the first-person view and of the billboards.
    virtual Vector3D getEyeOffset();

    // Moves the figure to the point, keeping its view direction.
    void setLocation(Vector3D* point);
    // The start pose, standing on nothing.
    void resetPosition();

protected:
    // Null while airborne.
    HeightMap* heightMap;
    Vector3D groundForward;
    Vector3D groundNormal;
};

#endif
