#ifndef VIEWCULL_H
#define VIEWCULL_H

#include "Vector3D/Vector3D.h"

// The six clipping planes of the current model-view and projection, in the
// coordinates the model-view takes in. A triangle whose corners all lie
// outside one of them makes no pixel, so a thing wholly outside one can be
// left out without changing the picture.
class ViewCull {
public:
    ViewCull();

    // Reads the current model-view and projection matrices; while the
    // scissor test is on, the sides close in to the scissor box.
    void readFromGL();
    // The same from given column-major matrices and viewport; with a
    // scissor box (may be null), the sides close in to it, a pixel wider
    // all round, outside which nothing can change.
    void setView(const double modelView[16], const double projection[16], const int viewport[4],
                 const int scissorBox[4]);
    // The same with the sides at low and high x and y in normalised device
    // coordinates (-1 and 1 for the whole view).
    void setMatrices(const double modelView[16], const double projection[16], const double low[2] = nullptr,
                     const double high[2] = nullptr);
    // False only when the sphere lies wholly outside one plane.
    bool sphereMayShow(const Vector3D& centre, double radius) const;
    // False only when the box from low to high lies wholly outside one
    // plane; an inverted box (low above high) never shows.
    bool boxMayShow(const float low[3], const float high[3]) const;

private:
    // a, b, c, d with the inside where a x + b y + c z + d >= 0, and the
    // length of (a, b, c).
    double planes[6][5];
};

#endif
