#ifndef POLYGON3D_H
#define POLYGON3D_H

#include <vector>

#include "Geometry/Plane3D.h"
#include "Vector3D/Vector3D.h"
#include "Vertex/Vertex.h"

class Object;

const int PLANE_COINCIDENT = 0;
const int PLANE_FRONT = 1;
const int PLANE_BACK = 2;
const int PLANE_SPANNING = 3;

// A polygon that owns its vertices. Plane and triangle questions use the
// first three vertices only.
class Polygon3D {
public:
    std::vector<Vertex*> vertices;
    Object* parent;

    Polygon3D();
    explicit Polygon3D(Object* parent);
    explicit Polygon3D(std::vector<Vertex*> vertices);
    virtual ~Polygon3D();

    void addVertex(Vertex* vertex);
    std::vector<Vertex*>* getVertices();
    Object* getParent();
    Vector3D getPoint(int i);
    Vector3D getAPoint();

    // Not normalised: (p1 - p0) x (p2 - p0).
    Plane3D getPlane();
    Vector3D getNormal();
    float getDistanceToPolygon(Vector3D* p);
    Vector3D getIntersection(Vector3D* p1, Vector3D* p2, bool& hit);
    // Strict: points on an edge or corner are outside.
    bool isPointWithinTriangle(Vector3D* p);
    // Edges and corners count, and so do points up to `margin` (a fraction
    // of the edges) beyond them.
    bool isPointOnTriangle(Vector3D* p, double margin);
    // Probes six horizontal directions only; the first crossing decides.
    bool doesSphereCollide(Vector3D* centre, float radius);
    bool isDiagonal();
    float getSlope(Vector3D a, Vector3D b);
    int classifyByPlane(Plane3D* plane);

    void draw();
    void drawTriangle();
    void drawQuad();
    void drawPolygon();

private:
    void drawAs(unsigned int primitive);
    // The point's weights along the edges to the third and second corner;
    // false without three corners.
    bool getBarycentric(Vector3D* p, double& u, double& v);
    Polygon3D(const Polygon3D&) = delete;
    Polygon3D& operator=(const Polygon3D&) = delete;
};

#endif
