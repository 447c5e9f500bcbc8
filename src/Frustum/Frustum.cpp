#include "Frustum/Frustum.h"

#include <cmath>

#include "Object/Object.h"
#include "Object/Portal/Portal.h"
#include "Octree/OctNode.h"

static double signedDistance(const Plane3D& plane, double x, double y, double z) {
    return plane.a * x + plane.b * y + plane.c * z + plane.d;
}

Frustum::Frustum()
    : fieldOfView(0.0f),
      ratio(0.0f),
      nearDistance(0.0f),
      farDistance(0.0f),
      nearWidth(0.0f),
      nearHeight(0.0f),
      farWidth(0.0f),
      farHeight(0.0f) {}

Frustum::Frustum(float fieldOfView, float ratio, float nearDistance, float farDistance) : Frustum() {
    setFrustum(fieldOfView, ratio, nearDistance, farDistance);
}

Frustum::~Frustum() {}

void Frustum::setFrustum(float fieldOfView, float ratio, float nearDistance, float farDistance) {
    this->fieldOfView = fieldOfView;
    this->ratio = ratio;
    this->nearDistance = nearDistance;
    this->farDistance = farDistance;
    float t = tanf((float)(fieldOfView * 0.5 * M_PI / 180.0));
    nearHeight = nearDistance * t;
    nearWidth = nearHeight * ratio;
    farHeight = farDistance * t;
    farWidth = farHeight * ratio;
}

void Frustum::setView(Vector3D eye, Vector3D centre, Vector3D up) {
    cameraPosition = eye;
    lookAtPoint = centre;

    Vector3D Z = eye.subtract(&centre);
    Z.setLength(1.0);
    Vector3D along = Z.multiply(Vector3D::getDotProduct(&up, &Z));
    up = up.subtract(&along);
    upVector = up;

    Vector3D toNear = Z.multiply(-nearDistance);
    Vector3D toFar = Z.multiply(-farDistance);
    Vector3D nc = eye.add(&toNear);
    Vector3D fc = eye.add(&toFar);

    planes[1] = Plane3D(&Z, &fc);
    Vector3D D = Z.multiply(-1.0);
    planes[0] = Plane3D(&D, &nc);

    Vector3D X = Vector3D::getCrossProduct2(&up, &D);
    X.setLength(1.0);
    Vector3D Y = Vector3D::getCrossProduct2(&D, &X);
    Y.setLength(1.0);

    Vector3D farUp = Y.multiply(farHeight);
    Vector3D farSide = X.multiply(farWidth);
    Vector3D edge, normal;

    edge = fc.add(&farUp).subtract(&eye).getUnitVector();
    normal = Vector3D::getCrossProduct2(&X, &edge);
    planes[2] = Plane3D(&normal, &eye);

    edge = fc.subtract(&farUp).subtract(&eye).getUnitVector();
    normal = Vector3D::getCrossProduct2(&edge, &X);
    planes[3] = Plane3D(&normal, &eye);

    edge = fc.subtract(&farSide).subtract(&eye).getUnitVector();
    normal = Vector3D::getCrossProduct2(&Y, &edge);
    planes[4] = Plane3D(&normal, &eye);

    edge = fc.add(&farSide).subtract(&eye).getUnitVector();
    normal = Vector3D::getCrossProduct2(&edge, &Y);
    planes[5] = Plane3D(&normal, &eye);
}

void Frustum::setPortalCullingView(Vector3D eye, Vector3D centre, Vector3D up, Portal* portal) {
    Vector3D portalPosition = portal->getPosition();
    float dist = portalPosition.subtract(&eye).getLength();
    // A 2.2-unit half-opening at the portal fills the view.
    setFrustum((float)(2.0 * (std::atan(2.2 / dist) * 180.0 / M_PI)), 1.0f, dist, 1000.0f);
    setView(eye, centre, up);
    Vector3D normal = portal->getNormal();
    planes[0] = Plane3D(&normal, &portalPosition);
}

int Frustum::objectInFrustum(Object* object) {
    Vector3D p = object->getPosition();
    double r = object->getBoundingRadius();
    int result = FRUSTUM_INSIDE;
    for (int i = 0; i < 6; ++i) {
        double s = signedDistance(planes[i], p.x, p.y, p.z);
        if (s < -r) {
            return FRUSTUM_OUTSIDE;
        }
        if (s < r) {
            result = FRUSTUM_INTERSECT;
        }
    }
    return result;
}

int Frustum::octNodeInFrustum(OctNode* node) {
    double h = node->getWidth() * 0.5;
    double x = node->getX(), y = node->getY(), z = node->getZ();
    for (int i = 0; i < 6; ++i) {
        const Plane3D& plane = planes[i];
        // The corner farthest along the normal.
        double cx = plane.a >= 0 ? x + h : x - h;
        double cy = plane.b >= 0 ? y + h : y - h;
        double cz = plane.c >= 0 ? z + h : z - h;
        if (signedDistance(plane, cx, cy, cz) < 0) {
            return 0;
        }
    }
    return 1;
}
