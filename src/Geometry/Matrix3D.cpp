#include "Geometry/Matrix3D.h"

#include <cassert>
#include <cmath>
#include <iostream>

Matrix3D::Matrix3D(Vector3D* column0, Vector3D* column1, Vector3D* column2)
    : column0(*column0), column1(*column1), column2(*column2) {}

Matrix3D::~Matrix3D() {}

Vector3D Matrix3D::multiplyVector(Vector3D* v) {
    return Vector3D((float)((double)column0.x * v->x + (double)column1.x * v->y + (double)column2.x * v->z),
                    (float)((double)column0.y * v->x + (double)column1.y * v->y + (double)column2.y * v->z),
                    (float)((double)column0.z * v->x + (double)column1.z * v->y + (double)column2.z * v->z));
}

Matrix3D Matrix3D::getInverse() {
    double a = column0.x, b = column1.x, c = column2.x;
    double d = column0.y, e = column1.y, f = column2.y;
    double g = column0.z, h = column1.z, i = column2.z;
    float det = (float)(a * e * i + b * f * g + c * d * h - c * e * g - a * f * h - b * d * i);
    if (det == 0.0f) {
        std::cout << "*****ZERO DETERMINANT: INVERT FAILED*****" << std::endl;
        assert(false);
    }
    if (std::fabs(det) < 0.1f) {
        std::cout << "***SMALL DETERMINANT IN INVERSE CALL: " << det << "***" << std::endl;
    }
    Vector3D c0((float)((e * i - f * h) / det), (float)((f * g - d * i) / det), (float)((d * h - e * g) / det));
    Vector3D c1((float)((c * h - b * i) / det), (float)((a * i - c * g) / det), (float)((b * g - a * h) / det));
    Vector3D c2((float)((b * f - c * e) / det), (float)((c * d - a * f) / det), (float)((a * e - b * d) / det));
    return Matrix3D(&c0, &c1, &c2);
}

void Matrix3D::printOut() {
    std::cout << "--MATRIX--" << std::endl;
    std::cout << column0.x << " " << column1.x << " " << column2.x << std::endl;
    std::cout << column0.y << " " << column1.y << " " << column2.y << std::endl;
    std::cout << column0.z << " " << column1.z << " " << column2.z << std::endl;
}
