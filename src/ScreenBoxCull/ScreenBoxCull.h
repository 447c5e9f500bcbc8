#ifndef SCREENBOXCULL_H
#define SCREENBOXCULL_H

#include "Vector3D/Vector3D.h"

// While the scissor test is on, only the part of the view that projects into
// the scissor box can change pixels. This holds the four planes through the
// eye and the box's edges (a pixel wider all round), in world coordinates,
// so that whole objects lying outside can be skipped without changing the
// picture.
class ScreenBoxCull {
public:
    ScreenBoxCull();

    // Reads the current model-view and projection matrices, viewport and
    // scissor box. With the scissor test off, or a box too thin to bound, the
    // cull lets everything through.
    void readFromGL();
    // False only when a sphere of this radius about centre lies wholly
    // outside the box's part of the view.
    bool sphereMayShow(const Vector3D& centre, double radius) const;
    bool isActive() const;

private:
    bool active;
    // a, b, c, d with the inside where a x + b y + c z + d >= 0, and the
    // length of (a, b, c).
    double planes[4][5];
};

#endif
