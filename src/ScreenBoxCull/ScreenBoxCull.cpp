#include "ScreenBoxCull/ScreenBoxCull.h"

#include <cmath>

#include "OpenGL/OpenGL.h"

// Room for rounding in the projection and in the objects' extents.
const double CULL_MARGIN = 0.05;

ScreenBoxCull::ScreenBoxCull() : active(false), planes{} {}

bool ScreenBoxCull::isActive() const { return active; }

void ScreenBoxCull::readFromGL() {
    active = false;
    if (!glIsEnabled(GL_SCISSOR_TEST)) {
        return;
    }
    GLdouble model[16], projection[16];
    GLint viewport[4], box[4];
    glGetDoublev(GL_MODELVIEW_MATRIX, model);
    glGetDoublev(GL_PROJECTION_MATRIX, projection);
    glGetIntegerv(GL_VIEWPORT, viewport);
    glGetIntegerv(GL_SCISSOR_BOX, box);
    if (viewport[2] <= 0 || viewport[3] <= 0 || box[2] <= 0 || box[3] <= 0) {
        return;
    }
    // The box in normalised device coordinates, a pixel wider each side.
    double low[2], high[2];
    for (int k = 0; k < 2; k++) {
        low[k] = 2.0 * (box[k] - 1 - viewport[k]) / viewport[2 + k] - 1.0;
        high[k] = 2.0 * (box[k] + box[2 + k] + 1 - viewport[k]) / viewport[2 + k] - 1.0;
    }
    // In clip space: x >= low w, x <= high w, and the same for y. A plane
    // in eye space is a combination of the projection's rows; times the
    // model-view it is the plane in world space.
    auto row = [&](int r, int c) { return projection[4 * c + r]; };
    const double sides[4][3] = {{0, 1, -low[0]}, {0, -1, high[0]}, {1, 1, -low[1]}, {1, -1, high[1]}};
    for (int p = 0; p < 4; p++) {
        int axis = (int)sides[p][0];
        double eyePlane[4];
        for (int c = 0; c < 4; c++) {
            eyePlane[c] = sides[p][1] * row(axis, c) + sides[p][2] * row(3, c);
        }
        double length = 0;
        for (int c = 0; c < 4; c++) {
            double sum = 0;
            for (int r = 0; r < 4; r++) {
                sum += eyePlane[r] * model[4 * c + r];
            }
            planes[p][c] = sum;
            if (c < 3) {
                length += sum * sum;
            }
        }
        planes[p][4] = std::sqrt(length);
        if (!(planes[p][4] > 1e-12)) {
            return;
        }
    }
    active = true;
}

bool ScreenBoxCull::sphereMayShow(const Vector3D& centre, double radius) const {
    if (!active) {
        return true;
    }
    for (const double* plane : planes) {
        double distance = (plane[0] * centre.x + plane[1] * centre.y + plane[2] * centre.z + plane[3]) / plane[4];
        if (distance < -(radius + CULL_MARGIN)) {
            return false;
        }
    }
    return true;
}
