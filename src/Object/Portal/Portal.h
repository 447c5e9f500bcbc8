#ifndef PORTAL_H
#define PORTAL_H

#include "Geometry/Plane3D.h"
#include "Geometry/Polygon3D.h"
#include "Object/Object.h"
#include "Vector3D/Vector3D.h"

class Controller;
class HeightMap;
class Mesh;

// A round opening on a terrain triangle, made where a portal missile
// strikes the ground. It grows for seven frames to full size, may close
// while it grows when it does not fit its ground, and shows the world seen
// from behind its partner. The triangle and the rim meshes are borrowed.
class Portal : public Object {
public:
    // The struck triangle, the point just in front of it, the shot's
    // direction and the two rim meshes.
    Portal(Polygon3D* polygon, Vector3D point, Vector3D shotDirection, Mesh* edgeMeshA, Mesh* edgeMeshB);
    // Zero members, for gates to build on.
    Portal();
    // Not a way to make a portal: ends the program.
    Portal(Vector3D a, Vector3D b);
    virtual ~Portal();

    // A portal is drawn only through the view of its pair.
    void draw() override;
    // Inside the opening: from the second growth step on, nearer to the
    // plane than the radius and nearer to the centre than the radius + 0.8.
    bool doesSphereCollide(Vector3D* centre, float radius) override;
    // The world behind the partner through the opening, or a dark disc
    // without one.
    virtual void draw(Controller* controller, Portal* partner);
    // One growth step of 0.3 up to 2.2; true only on the step that first
    // finds it full grown.
    virtual bool update();

    // Whether a portal still opening must close: it overlaps the other
    // portal, touches an island object, or its rim leaves its ground.
    bool shouldPortalDispell(HeightMap* heightMap, Portal* other, Controller* controller);
    // The two openings overlap.
    bool doesPortalCollide(Vector3D* centre, float radius);

    Vector3D getNormal();
    Vector3D getLeftHandVector();
    Vector3D getPlaneVector();
    float getSize();
    bool isNormalYAxis();
    void setLeftHandVector(Vector3D vector);
    Vector3D getVectorAngleFromLHS(float angle);
    // The angle between the level part of the view and the left-hand vector.
    float getAngleFromLeft(Vector3D* view);
    Polygon3D* getPolygon();
    bool isHeightMap();

    // The view through a pair. A point or direction in front of this
    // portal is carried to where it lies behind the exit; what goes into
    // this portal comes out of the exit. The drawing and the passage use
    // the same turn, so where one arrives is what one saw.
    Vector3D carryPoint(Portal* exit, Vector3D point);
    Vector3D carryDirection(Portal* exit, Vector3D direction);
    // A floor portal paired with a wall portal turns its left-hand vector
    // to follow the viewer; the change stays.
    void aimFloorPortal(Portal* partner, Vector3D eye);

    void drawDouble(Controller* controller, Portal* other);
    void drawPortalCover(Controller* controller);
    void drawSinglePortal(Controller* controller, Portal* ignored);
    void drawPortalEdge();
    // A red square straight ahead of the origin.
    void testDrawWorld();

    // The cover's opacity for an eye at that distance.
    static float getCoverAlpha(float distance);

protected:
    bool normalIsYAxis;
    Vector3D leftHandVector;
    Vector3D normal;
    Plane3D plane;
    Polygon3D* polygon;
    Mesh* edgeMeshA;
    Mesh* edgeMeshB;
    Vector3D planeVector;
    float size;
    int fullSizeCount;

private:
    // The rim's start direction, unit length, so that any size can be set
    // on planeVector again (also after a size of 0).
    Vector3D rimDirection;

    void setPlaneVectorLength(float length);
    // Point i of the 20-point rim relative to the position.
    Vector3D getRimPoint(int i);
    void drawDisc();
    // The window rectangle (x, y, width, height) the opening covers under
    // the current matrices; false when part of it lies behind the eye.
    bool getScreenBox(int* box);

protected:
    // The same for a polygon of world points.
    static bool getScreenBoxOfPoints(const Vector3D* points, int count, int* box);

private:
    // Columns: unit normal, left-hand vector, and the left-hand vector
    // turned a quarter about the normal; as seen from the front, or
    // turned half round for the far side of a pair.
    void getBasis(Vector3D& n, Vector3D& b, Vector3D& a);

    Portal(const Portal&) = delete;
    Portal& operator=(const Portal&) = delete;
};

#endif
