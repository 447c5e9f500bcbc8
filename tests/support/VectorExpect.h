#ifndef TAVIR_TESTS_VECTOREXPECT_H
#define TAVIR_TESTS_VECTOREXPECT_H

#include <gtest/gtest.h>

#include <cmath>

#include "Vector3D/Vector3D.h"

// Component-wise closeness, reporting the whole vector on failure.
inline ::testing::AssertionResult vectorNear(Vector3D got, Vector3D want, float tolerance = 1e-5f) {
    if (std::fabs(got.x - want.x) <= tolerance && std::fabs(got.y - want.y) <= tolerance &&
        std::fabs(got.z - want.z) <= tolerance) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure() << "(" << got.x << ", " << got.y << ", " << got.z << ") is not within "
                                         << tolerance << " of (" << want.x << ", " << want.y << ", " << want.z << ")";
}

#endif
