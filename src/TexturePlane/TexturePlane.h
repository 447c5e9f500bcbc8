#ifndef TEXTUREPLANE_H
#define TEXTUREPLANE_H

class Texture;

// A flat textured square in the horizontal plane, facing up: a ground patch
// placed by the islands. The texture is borrowed.
class TexturePlane {
public:
    float x;
    float y;
    float z;
    float size;
    // About the y axis, in degrees.
    float angle;
    Texture* texture;

    TexturePlane(float x, float y, float z, float size, float angle);
    virtual ~TexturePlane();

    // Needed before the first draw.
    void setTexture(Texture* texture);
    void draw();
};

#endif
