#include <gtest/gtest.h>

#include <cmath>

#include "Frustum/Frustum.h"
#include "Object/Object.h"
#include "Object/Portal/Portal.h"
#include "Octree/OctNode.h"
#include "support/Shapes.h"
#include "support/VectorExpect.h"

namespace {

class PortalAt : public Portal {
public:
    PortalAt(Vector3D at, Vector3D normal) {
        setPosition(at);
        this->normal = normal;
    }
};

Frustum gameFrustum() {
    Frustum frustum;
    frustum.setFrustum(45, 1.3333334f, 0.1f, 1000);
    return frustum;
}

// From the origin along -z, y up.
Frustum straightAhead() {
    Frustum frustum = gameFrustum();
    frustum.setView(Vector3D(0, 0, 0), Vector3D(0, 0, -1), Vector3D(0, 1, 0));
    return frustum;
}

double valueOn(const Plane3D& plane, Vector3D p) { return plane.a * p.x + plane.b * p.y + plane.c * p.z + plane.d; }

}  // namespace

TEST(Frustum, ShapeOfTheGameView) {
    Frustum frustum = gameFrustum();
    EXPECT_NEAR(frustum.nearHeight, 0.1 * std::tan(22.5 * M_PI / 180), 1e-6);
    EXPECT_NEAR(frustum.nearHeight, 0.041421f, 1e-6);
    EXPECT_NEAR(frustum.nearWidth, frustum.nearHeight * 1.3333334f, 1e-6);
    EXPECT_NEAR(frustum.farHeight, 414.21f, 0.01);
    EXPECT_NEAR(frustum.farWidth, 552.28f, 0.01);

    Frustum built(45, 1.3333334f, 0.1f, 1000);
    EXPECT_FLOAT_EQ(built.farWidth, frustum.farWidth);
}

TEST(Frustum, PlanesOfAStraightView) {
    Frustum frustum = straightAhead();
    const Plane3D& nearPlane = frustum.planes[0];
    const Plane3D& farPlane = frustum.planes[1];
    EXPECT_TRUE(vectorNear(Vector3D(nearPlane.a, nearPlane.b, nearPlane.c), Vector3D(0, 0, -1)));
    EXPECT_NEAR(nearPlane.d, -0.1f, 1e-6);
    EXPECT_TRUE(vectorNear(Vector3D(farPlane.a, farPlane.b, farPlane.c), Vector3D(0, 0, 1)));
    EXPECT_NEAR(farPlane.d, 1000, 1e-3);

    Vector3D inside(0, 0, -10);
    for (int i = 0; i < 6; ++i) {
        Vector3D n(frustum.planes[i].a, frustum.planes[i].b, frustum.planes[i].c);
        EXPECT_NEAR(n.getLength(), 1, 1e-5) << "plane " << i;
        EXPECT_GT(valueOn(frustum.planes[i], inside), 0) << "plane " << i << " faces inwards";
    }
    // The sides are upper, lower, then the viewer's right and left.
    EXPECT_LT(frustum.planes[2].b, 0);
    EXPECT_GT(frustum.planes[3].b, 0);
    EXPECT_LT(frustum.planes[4].a, 0);
    EXPECT_GT(frustum.planes[5].a, 0);
}

TEST(Frustum, UpVectorIsMadeSquareToTheView) {
    Frustum slanted = gameFrustum();
    slanted.setView(Vector3D(0, 0, 0), Vector3D(0, 0, -1), Vector3D(0, 1, 1));
    Frustum straight = straightAhead();
    EXPECT_TRUE(vectorNear(slanted.upVector, Vector3D(0, 1, 0)));
    for (int i = 0; i < 6; ++i) {
        const Plane3D &a = slanted.planes[i], &b = straight.planes[i];
        EXPECT_TRUE(vectorNear(Vector3D(a.a, a.b, a.c), Vector3D(b.a, b.b, b.c))) << "plane " << i;
        EXPECT_NEAR(a.d, b.d, 1e-4) << "plane " << i;
    }
}

TEST(Frustum, ClassifiesBoundingSpheres) {
    Frustum frustum = straightAhead();
    const double right = std::atan(std::tan(22.5 * M_PI / 180) * 1.3333334), up = 22.5 * M_PI / 180;
    auto at = [](double azimuth, double elevation, double distance) {
        return Vector3D((float)(distance * std::tan(azimuth)), (float)(distance * std::tan(elevation)), (float)-distance);
    };
    struct Case {
        const char* what;
        Vector3D position;
        float radius;
        int expected;
    } cases[] = {
        {"well inside", {0, 0, -20}, 4, FRUSTUM_INSIDE},
        {"touching the upper and lower sides", {0, 0, -10}, 4, FRUSTUM_INTERSECT},
        {"straddling the near plane", {0, 0, 2}, 4, FRUSTUM_INTERSECT},
        {"behind the eye", {0, 0, 10}, 4, FRUSTUM_OUTSIDE},
        {"straddling the far plane", {0, 0, -998}, 4, FRUSTUM_INTERSECT},
        {"beyond the far plane", {0, 0, -1010}, 4, FRUSTUM_OUTSIDE},
        {"inside the wider horizontal opening", at(right - 0.02, 0, 100), 0.5f, FRUSTUM_INSIDE},
        {"outside it", at(right + 0.02, 0, 100), 0.5f, FRUSTUM_OUTSIDE},
        {"outside it on the left", at(-right - 0.02, 0, 100), 0.5f, FRUSTUM_OUTSIDE},
        {"inside the vertical opening", at(0, up - 0.02, 100), 0.5f, FRUSTUM_INSIDE},
        {"above it", at(0, up + 0.02, 100), 0.5f, FRUSTUM_OUTSIDE},
        {"below it", at(0, -up - 0.02, 100), 0.5f, FRUSTUM_OUTSIDE},
    };
    for (Case& c : cases) {
        Ball ball(c.position, c.radius);
        EXPECT_EQ(frustum.objectInFrustum(&ball), c.expected) << c.what;
    }
}

TEST(Frustum, FollowsAnyView) {
    Frustum frustum = gameFrustum();
    Vector3D eye(10, 5, 3), centre(20, 5, 13);  // along (1, 0, 1)
    frustum.setView(eye, centre, Vector3D(0, 1, 0));
    EXPECT_TRUE(vectorNear(frustum.cameraPosition, eye));
    EXPECT_TRUE(vectorNear(frustum.lookAtPoint, centre));
    Ball ahead(Vector3D(40, 5, 33), 1), behind(Vector3D(-20, 5, -27), 1), aside(Vector3D(40, 5, -27), 1);
    EXPECT_EQ(frustum.objectInFrustum(&ahead), FRUSTUM_INSIDE);
    EXPECT_EQ(frustum.objectInFrustum(&behind), FRUSTUM_OUTSIDE);
    EXPECT_EQ(frustum.objectInFrustum(&aside), FRUSTUM_OUTSIDE);
}

TEST(Frustum, ClassifiesOctreeCubes) {
    Frustum frustum = straightAhead();
    struct Case {
        const char* what;
        float x, y, z, width;
        int expected;
    } cases[] = {
        {"centred on the eye", 0, 0, 0, 1, 1},
        {"ahead", 0, 0, -50, 10, 1},
        {"behind", 0, 0, 50, 10, 0},
        {"just behind the near plane", 0, 0, 0.5f, 0.8f, 0},
        {"beyond the far plane", 0, 0, -1100, 100, 0},
        {"far off to the right", 500, 0, -50, 10, 0},
        {"huge, holding the whole view", 0, 0, 0, 4000, 1},
    };
    for (Case& c : cases) {
        OctNode node(c.x, c.y, c.z, c.width);
        EXPECT_EQ(frustum.octNodeInFrustum(&node), c.expected) << c.what;
    }
}

TEST(Frustum, DegenerateViewCullsNothing) {
    Frustum frustum = gameFrustum();
    frustum.setView(Vector3D(1, 2, 3), Vector3D(1, 2, 3), Vector3D(0, 1, 0));
    Ball anywhere(Vector3D(-300, 7, 900), 1);
    OctNode node(400, 400, 400, 1);
    EXPECT_NE(frustum.objectInFrustum(&anywhere), FRUSTUM_OUTSIDE);
    EXPECT_NE(frustum.octNodeInFrustum(&node), 0);

    frustum.setView(Vector3D(0, 0, 0), Vector3D(0, 5, 0), Vector3D(0, 1, 0));  // up along the view
    EXPECT_NE(frustum.objectInFrustum(&anywhere), FRUSTUM_OUTSIDE);
}

TEST(Frustum, PortalViewStartsAtThePortalAndNarrowsToIt) {
    Frustum frustum = gameFrustum();
    PortalAt portal(Vector3D(0, 0, -10), Vector3D(0, 0, -3));  // facing away from the viewer
    frustum.setPortalCullingView(Vector3D(0, 0, 0), Vector3D(0, 0, -1), Vector3D(0, 1, 0), &portal);
    EXPECT_NEAR(frustum.fieldOfView, 2 * std::atan(0.22) * 180 / M_PI, 1e-4);
    EXPECT_FLOAT_EQ(frustum.ratio, 1);
    EXPECT_FLOAT_EQ(frustum.nearDistance, 10);
    EXPECT_FLOAT_EQ(frustum.farDistance, 1000);
    EXPECT_NEAR(frustum.nearWidth, 2.2, 1e-4);
    EXPECT_NEAR(frustum.farHeight, 220, 1e-2);

    Ball between(Vector3D(0, 0, -5), 1), through(Vector3D(0, 0, -30), 1), past(Vector3D(8, 0, -30), 1);
    EXPECT_EQ(frustum.objectInFrustum(&between), FRUSTUM_OUTSIDE) << "on the viewer's side of the portal";
    EXPECT_EQ(frustum.objectInFrustum(&through), FRUSTUM_INSIDE);
    EXPECT_EQ(frustum.objectInFrustum(&past), FRUSTUM_OUTSIDE) << "outside the opening";
}
