#ifndef SPHERELIST_H
#define SPHERELIST_H

// The limbs' and missiles' sphere (40 slices, 40 stacks, smooth normals,
// texture coordinates), recorded once per radius in a display list of the
// current context and replayed: the same vertices as a fresh quadric sends,
// without making them again for every sphere of every frame.
class SphereList {
public:
    static void draw(float radius);
};

#endif
