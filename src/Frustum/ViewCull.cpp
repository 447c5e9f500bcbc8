#include "Frustum/ViewCull.h"

#include <algorithm>
#include <cmath>

#include "OpenGL/OpenGL.h"

// Room for rounding in the matrices and in the things' extents.
const double VIEW_CULL_MARGIN = 0.05;

ViewCull::ViewCull() : planes{} {
    // Until read, everything may show.
    for (double* plane : planes) {
        plane[3] = 1.0;
        plane[4] = 1.0;
    }
}

void ViewCull::readFromGL() {
    GLdouble modelView[16], projection[16];
    GLint viewport[4], box[4] = {0, 0, 0, 0};
    glGetDoublev(GL_MODELVIEW_MATRIX, modelView);
    glGetDoublev(GL_PROJECTION_MATRIX, projection);
    glGetIntegerv(GL_VIEWPORT, viewport);
    bool scissored = glIsEnabled(GL_SCISSOR_TEST);
    if (scissored) {
        glGetIntegerv(GL_SCISSOR_BOX, box);
    }
    setView(modelView, projection, viewport, scissored ? box : nullptr);
}

void ViewCull::setView(const double modelView[16], const double projection[16], const int viewport[4],
                       const int scissorBox[4]) {
    double low[2] = {-1, -1}, high[2] = {1, 1};
    if (scissorBox && viewport[2] > 0 && viewport[3] > 0) {
        for (int k = 0; k < 2; k++) {
            low[k] = std::max(-1.0, 2.0 * (scissorBox[k] - 1 - viewport[k]) / viewport[2 + k] - 1.0);
            high[k] =
                std::min(1.0, 2.0 * (scissorBox[k] + scissorBox[2 + k] + 1 - viewport[k]) / viewport[2 + k] - 1.0);
        }
    }
    setMatrices(modelView, projection, low, high);
}

void ViewCull::setMatrices(const double modelView[16], const double projection[16], const double low[2],
                           const double high[2]) {
    // Row r of projection x model-view, as applied to (x, y, z, 1).
    double rows[4][4];
    for (int r = 0; r < 4; ++r) {
        for (int c = 0; c < 4; ++c) {
            double sum = 0;
            for (int k = 0; k < 4; ++k) {
                sum += projection[4 * k + r] * modelView[4 * c + k];
            }
            rows[r][c] = sum;
        }
    }
    // low w <= x <= high w, the same for y, and -w <= z <= w in clip space.
    for (int axis = 0; axis < 3; ++axis) {
        double from = axis < 2 && low ? low[axis] : -1.0;
        double to = axis < 2 && high ? high[axis] : 1.0;
        for (int side = 0; side < 2; ++side) {
            double* plane = planes[2 * axis + side];
            for (int c = 0; c < 4; ++c) {
                plane[c] = side == 0 ? rows[axis][c] - from * rows[3][c] : to * rows[3][c] - rows[axis][c];
            }
            plane[4] = std::sqrt(plane[0] * plane[0] + plane[1] * plane[1] + plane[2] * plane[2]);
        }
    }
}

bool ViewCull::sphereMayShow(const Vector3D& centre, double radius) const {
    for (const double* plane : planes) {
        // A plane without a direction (a flattened view) culls nothing.
        if (!(plane[4] > 1e-12)) {
            continue;
        }
        double distance = (plane[0] * centre.x + plane[1] * centre.y + plane[2] * centre.z + plane[3]) / plane[4];
        if (distance < -(radius + VIEW_CULL_MARGIN)) {
            return false;
        }
    }
    return true;
}

bool ViewCull::boxMayShow(const float low[3], const float high[3]) const {
    if (low[0] > high[0] || low[1] > high[1] || low[2] > high[2]) {
        return false;
    }
    for (const double* plane : planes) {
        if (!(plane[4] > 1e-12)) {
            continue;
        }
        // The box corner farthest along the plane's inward normal.
        double value = plane[3];
        for (int k = 0; k < 3; ++k) {
            value += plane[k] * (plane[k] >= 0 ? high[k] : low[k]);
        }
        if (value / plane[4] < -VIEW_CULL_MARGIN) {
            return false;
        }
    }
    return true;
}
