#ifndef FRUSTUM_H
#define FRUSTUM_H

#include "Geometry/Plane3D.h"
#include "Vector3D/Vector3D.h"

class Object;
class OctNode;
class Portal;

const int FRUSTUM_OUTSIDE = 0;
const int FRUSTUM_INSIDE = 1;
const int FRUSTUM_INTERSECT = 2;

// A view volume of six unit planes whose normals point inwards, so a
// point's value on a plane is its signed distance into the volume.
class Frustum {
public:
    // Near, far, then the upper, lower, right and left sides.
    Plane3D planes[6];
    // Vertical opening angle in degrees.
    float fieldOfView;
    // Width over height.
    float ratio;
    float nearDistance;
    float farDistance;
    // Half-extents of the near and far rectangles.
    float nearWidth;
    float nearHeight;
    float farWidth;
    float farHeight;
    // The last view given to setView; the up vector made square to the view.
    Vector3D cameraPosition;
    Vector3D lookAtPoint;
    Vector3D upVector;

    Frustum();
    Frustum(float fieldOfView, float ratio, float nearDistance, float farDistance);
    virtual ~Frustum();

    void setFrustum(float fieldOfView, float ratio, float nearDistance, float farDistance);
    void setView(Vector3D eye, Vector3D centre, Vector3D up);
    // The view through a local portal: nothing on the near side of the
    // portal's plane counts.
    void setPortalCullingView(Vector3D eye, Vector3D centre, Vector3D up, Portal* portal);

    // FRUSTUM_OUTSIDE, FRUSTUM_INSIDE or FRUSTUM_INTERSECT for the bounding
    // sphere.
    int objectInFrustum(Object* object);
    // 0 when the node's cube lies wholly outside one plane, else 1. A cube
    // outside near a corner of the volume still counts as in.
    int octNodeInFrustum(OctNode* node);
};

#endif
