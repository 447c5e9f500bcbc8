#include "Object/ProceduralTree/Bud/UpTurn.h"

#include <cmath>

UpTurn::UpTurn(Vector3D direction) {
    Vector3D up(0.0f, 1.0f, 0.0f);
    Vector3D d = direction.getUnitVector();
    Vector3D axis = Vector3D::getCrossProduct2(&d, &up);
    float angle = d.getAngleBetween(&up);
    double u[3] = {0.0, 0.0, 0.0};
    double halfAngle = 0.0;
    if (!axis.isEmpty() && angle != ANGLE_UNDEFINED) {
        double length = axis.getLength();
        u[0] = axis.x / length;
        u[1] = axis.y / length;
        u[2] = axis.z / length;
        halfAngle = angle / 2.0;
    } else if (d.y < 0.0f) {
        // Straight down: any horizontal axis will do.
        u[0] = 1.0;
        halfAngle = 3.141592653589793 / 2.0;
    }
    double w = std::cos(halfAngle), s = std::sin(halfAngle);
    double p = s * u[0], q = s * u[1], r = s * u[2];
    m[0][0] = w * w + p * p - q * q - r * r;
    m[0][1] = 2.0 * (p * q + w * r);
    m[0][2] = 2.0 * (p * r - w * q);
    m[1][0] = 2.0 * (p * q - w * r);
    m[1][1] = w * w - p * p + q * q - r * r;
    m[1][2] = 2.0 * (q * r + w * p);
    m[2][0] = 2.0 * (p * r + w * q);
    m[2][1] = 2.0 * (q * r - w * p);
    m[2][2] = w * w - p * p - q * q + r * r;
}

UpTurn::~UpTurn() {}

Vector3D UpTurn::apply(Vector3D v) const {
    return Vector3D((float)(m[0][0] * v.x + m[0][1] * v.y + m[0][2] * v.z),
                    (float)(m[1][0] * v.x + m[1][1] * v.y + m[1][2] * v.z),
                    (float)(m[2][0] * v.x + m[2][1] * v.y + m[2][2] * v.z));
}
