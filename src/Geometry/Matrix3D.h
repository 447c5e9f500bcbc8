#ifndef MATRIX3D_H
#define MATRIX3D_H

#include "Vector3D/Vector3D.h"

// 3x3 matrix held as three columns; element m[r][c] is component r of column c.
class Matrix3D {
public:
    Vector3D column0;
    Vector3D column1;
    Vector3D column2;

    Matrix3D(Vector3D* column0, Vector3D* column1, Vector3D* column2);
    virtual ~Matrix3D();

    Vector3D multiplyVector(Vector3D* v);
    // Ends the program on a zero determinant; warns on a small one.
    Matrix3D getInverse();
    void printOut();
};

#endif
