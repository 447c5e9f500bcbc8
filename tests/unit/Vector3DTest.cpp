#include <gtest/gtest.h>

#include <cmath>

#include "GeneralMath/GeneralMath.h"
#include "Geometry/Matrix3D.h"
#include "Vector3D/Vector3D.h"
#include "support/VectorExpect.h"

TEST(Vector3D, CrossProductNegatesYWhileCrossProduct2IsStandard) {
    Vector3D a(1, 2, 3), b(4, 5, 6);
    EXPECT_TRUE(vectorNear(Vector3D::getCrossProduct(&a, &b), Vector3D(-3, -6, -3)));
    EXPECT_TRUE(vectorNear(Vector3D::getCrossProduct2(&a, &b), Vector3D(-3, 6, -3)));

    Vector3D up(0, 1, 0);
    for (Vector3D* other : {&a, &b}) {
        Vector3D left = Vector3D::getCrossProduct(&up, other), left2 = Vector3D::getCrossProduct2(&up, other);
        Vector3D right = Vector3D::getCrossProduct(other, &up), right2 = Vector3D::getCrossProduct2(other, &up);
        EXPECT_TRUE(left.equals(&left2));
        EXPECT_TRUE(right.equals(&right2));
    }
}

TEST(Vector3D, AngleBetweenParallelVectorsIsTinyOrUndefinedNeverNaN) {
    // A sweep of directions: rounding decides which answer each gets.
    int undefined = 0;
    for (int i = 0; i < 2000; ++i) {
        double heading = i * 0.0031;
        Vector3D v((float)std::cos(heading) * 3.7f, (float)std::sin(i * 0.01), (float)std::sin(heading) * 3.7f);
        float angle = v.getAngleBetween(&v);
        ASSERT_FALSE(std::isnan(angle)) << i;
        if (angle == ANGLE_UNDEFINED) {
            ++undefined;
        } else {
            EXPECT_LT(angle, 0.001f) << i;
        }
    }
    EXPECT_GT(undefined, 0) << "the sentinel is reachable through rounding";
}

TEST(Vector3D, AngleBetweenKnownVectors) {
    Vector3D a(1, 0, 0), b(0, 0, 5), c(-2, 0, 0);
    EXPECT_NEAR(a.getAngleBetween(&b), M_PI / 2, 1e-6);
    EXPECT_NEAR(a.getAngleBetween(&c), M_PI, 1e-3);
    Vector3D zero;
    EXPECT_TRUE(std::isnan(a.getAngleBetween(&zero)));
}

TEST(Vector3D, RotationsTurnClockwiseSeenFromThePositiveAxis) {
    Vector3D x(1, 0, 0), y(0, 1, 0), z(0, 0, 1);
    EXPECT_TRUE(vectorNear(x.rotateAroundYAxis(M_PI / 2), Vector3D(0, 0, 1)));
    EXPECT_TRUE(vectorNear(x.rotateAroundZAxis(M_PI / 2), Vector3D(0, -1, 0)));
    EXPECT_TRUE(vectorNear(y.rotateAroundXAxis(M_PI / 2), Vector3D(0, 0, -1)));

    struct Case {
        Vector3D axis;
        Vector3D (Vector3D::*rotate)(double);
    } cases[] = {{x, &Vector3D::rotateAroundXAxis}, {y, &Vector3D::rotateAroundYAxis}, {z, &Vector3D::rotateAroundZAxis}};
    Vector3D probe(0.3f, -1.2f, 2.5f);
    for (Case& c : cases) {
        for (double angle : {0.4, -1.3, 2.9}) {
            Vector3D expected = (probe.*c.rotate)(angle);
            Vector3D got = probe.rotateAroundVector(angle, &c.axis);
            EXPECT_TRUE(vectorNear(got, expected));
        }
    }
    Vector3D longAxis(0, 7, 0);
    Vector3D viaLong = probe.rotateAroundVector(1.0, &longAxis), viaAxis = probe.rotateAroundYAxis(1.0);
    EXPECT_TRUE(vectorNear(viaLong, viaAxis));

    Vector3D zeroAxis;
    EXPECT_TRUE(std::isnan(probe.rotateAroundVector(1.0, &zeroAxis).x));
}

TEST(Vector3D, OnlySetLengthSetCoordsAndClearChangeTheVector) {
    Vector3D v(3, 0, 4);
    Vector3D doubled = v.multiply(2);
    EXPECT_TRUE(vectorNear(doubled, Vector3D(6, 0, 8)));
    EXPECT_TRUE(vectorNear(v, Vector3D(3, 0, 4)));
    v.add(&doubled);
    v.subtract(&doubled);
    v.getUnitVector();
    v.rotateAroundYAxis(1.0);
    EXPECT_TRUE(vectorNear(v, Vector3D(3, 0, 4)));

    v.setLength(2);
    EXPECT_TRUE(vectorNear(v, Vector3D(1.2f, 0, 1.6f)));
    v.clear();
    EXPECT_TRUE(v.isEmpty());
    v.setLength(1);
    EXPECT_TRUE(std::isnan(v.x));
}

TEST(Vector3D, ArithmeticResults) {
    Vector3D a(1, 2, 3), b(5, -2, 7);
    EXPECT_TRUE(vectorNear(a.add(&b), Vector3D(6, 0, 10)));
    EXPECT_TRUE(vectorNear(a.subtract(&b), Vector3D(-4, 4, -4)));
    EXPECT_TRUE(vectorNear(a.getAverage(&b), Vector3D(3, 0, 5)));
    EXPECT_TRUE(vectorNear(a.getDirectionTo(&b), Vector3D(4, -4, 4)));
    EXPECT_FLOAT_EQ(Vector3D::getDotProduct(&a, &b), 5 - 4 + 21);
    EXPECT_FLOAT_EQ(Vector3D(3, 0, 4).getLength(), 5);
    EXPECT_TRUE(vectorNear(Vector3D(0, 0, -9).getUnitVector(), Vector3D(0, 0, -1)));
}

TEST(Vector3D, EqualsIsExactAndNaNNeverEquals) {
    Vector3D zero, tiny(0, 0, 1e-7f), same(0, 0, 0);
    EXPECT_FALSE(zero.equals(&tiny));
    EXPECT_TRUE(zero.equals(&same));
    EXPECT_FALSE(tiny.isEmpty());
    Vector3D nan(NAN, 0, 0);
    EXPECT_FALSE(nan.equals(&nan));
}

TEST(Vector3D, OutputFormat) {
    testing::internal::CaptureStdout();
    Vector3D(1.5f, -2, 1.0f / 3).output();
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "Vector3D(1.5, -2, 0.333333);\n");
}

TEST(GeneralMath, RandomNumberStaysBelowTheUpperBound) {
    bool sawLow = false, sawHigh = false;
    for (int i = 0; i < 5000; ++i) {
        int n = GeneralMath::getRandomNumber(-10, 10);
        ASSERT_GE(n, -10);
        ASSERT_LE(n, 9);
        sawLow |= n == -10;
        sawHigh |= n == 9;
        ASSERT_EQ(GeneralMath::getRandomNumber(0, 1), 0);
    }
    EXPECT_TRUE(sawLow && sawHigh);
}

TEST(GeneralMathDeathTest, ConstructingItFailsTheAssertion) {
    EXPECT_DEATH({ GeneralMath math; }, "false");
}

TEST(Vector3D, RandomPerpendicularVectorLiesOnThePlaneNearThePoint) {
    Vector3D normal(0, 1, 0), point(5, 2, 5);
    for (int i = 0; i < 500; ++i) {
        Vector3D p = Vector3D::getRandomPerpendicularVector(&normal, &point);
        ASSERT_FLOAT_EQ(p.y, 2);
        ASSERT_GE(p.x, -5);
        ASSERT_LE(p.x, 14);
        ASSERT_GE(p.z, -5);
        ASSERT_LE(p.z, 14);
    }
    Vector3D tilted(1, 2, 0), origin(0, 0, 0);
    Vector3D p = Vector3D::getRandomPerpendicularVector(&tilted, &origin);
    EXPECT_NEAR(p.y, -p.x / 2, 1e-5);
}

TEST(Matrix3D, MultiplyUsesColumns) {
    Vector3D c0(1, 4, 7), c1(2, 5, 8), c2(3, 6, 10);
    Matrix3D m(&c0, &c1, &c2);
    Vector3D v(1, 0, 0), w(1, 1, 1);
    EXPECT_TRUE(vectorNear(m.multiplyVector(&v), Vector3D(1, 4, 7)));
    EXPECT_TRUE(vectorNear(m.multiplyVector(&w), Vector3D(6, 15, 25)));
}

TEST(Matrix3D, InverseOfIdentityIsIdentityWithoutComplaint) {
    Vector3D c0(1, 0, 0), c1(0, 1, 0), c2(0, 0, 1);
    Matrix3D identity(&c0, &c1, &c2);
    testing::internal::CaptureStdout();
    Matrix3D inverse = identity.getInverse();
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "");
    EXPECT_TRUE(inverse.column0.equals(&c0));
    EXPECT_TRUE(inverse.column1.equals(&c1));
    EXPECT_TRUE(inverse.column2.equals(&c2));
}

TEST(Matrix3D, InverseUndoesAGeneralMatrix) {
    Vector3D c0(2, 1, 0), c1(-1, 3, 2), c2(0.5f, 0, 4);
    Matrix3D m(&c0, &c1, &c2);
    Matrix3D inverse = m.getInverse();
    Vector3D v(0.7f, -1.9f, 3.3f);
    Vector3D there = m.multiplyVector(&v);
    EXPECT_TRUE(vectorNear(inverse.multiplyVector(&there), v, 1e-4f));
}

TEST(Matrix3D, SmallDeterminantIsReportedAndStillInverted) {
    Vector3D c0(0.05f, 0, 0), c1(0, 1, 0), c2(0, 0, 1);
    Matrix3D m(&c0, &c1, &c2);
    testing::internal::CaptureStdout();
    Matrix3D inverse = m.getInverse();
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "***SMALL DETERMINANT IN INVERSE CALL: 0.05***\n");
    EXPECT_NEAR(inverse.column0.x, 20, 1e-4);
}

TEST(Matrix3DDeathTest, ZeroDeterminantEndsTheProgram) {
    Vector3D c0(1, 2, 3), c1(2, 4, 6), c2(0, 0, 1);
    Matrix3D m(&c0, &c1, &c2);
    EXPECT_DEATH(m.getInverse(), "false");
}

TEST(Matrix3D, PrintOutWritesRows) {
    Vector3D c0(1, 4, 7), c1(2, 5, 8), c2(3, 6, 9);
    Matrix3D m(&c0, &c1, &c2);
    testing::internal::CaptureStdout();
    m.printOut();
    EXPECT_EQ(testing::internal::GetCapturedStdout(), "--MATRIX--\n1 2 3\n4 5 6\n7 8 9\n");
}
