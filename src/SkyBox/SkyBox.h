#ifndef SKYBOX_H
#define SKYBOX_H

#include "Object/Object.h"
#include "Texture/Texture.h"

// The sunset sky: a cube of half-size 260 around the viewpoint, drawn first
// with the depth test as the frame has it, so the world covers it. Each
// face is wound to face the inside.
class SkyBox : public Object {
public:
    Texture north;
    Texture south;
    Texture east;
    Texture west;
    Texture up;
    Texture down;

    SkyBox();
    virtual ~SkyBox();

    // Leaves texturing off, lighting on and blending on, whatever they were.
    void draw() override;
    virtual void drawFromPosition(Vector3D position);
    virtual bool isHeightMap();

    void drawNorth();
    void drawSouth();
    void drawEast();
    void drawWest();
    void drawUp();
    void drawDown();
};

#endif
