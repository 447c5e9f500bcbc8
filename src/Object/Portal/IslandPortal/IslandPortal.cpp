#include "Object/Portal/IslandPortal/IslandPortal.h"

#include <cassert>
#include <cmath>

#include "Controller/Controller.h"
#include "Frustum/Frustum.h"
#include "Mesh/Mesh.h"
#include "Object/StaticObject/Wall/Wall.h"
#include "OpenGL/OpenGL.h"

const float GATE_SIZE = 6.0f;
const float GATE_REACH = 6.0f;
const float PILLAR_RADIUS = 0.5f;
const float WALL_HEIGHT = 10.0f;
const float WALL_DEPTH = 0.8f;
const float OPENING_RADIUS = 4.0f;
const float OPENING_LIFT = 3.5f;
const int OPENING_POINTS = 20;

IslandPortal::IslandPortal(Vector3D position, Plane3D plane, int islandIndex)
    : enabled(true), islandIndex(islandIndex), rotationAngleDegrees(0.0f), otherPortal(nullptr) {
    this->position = position;
    this->plane = plane;
    normal = plane.getNormal();
    size = GATE_SIZE;
    planeVector = normal.rotateAroundYAxis(-M_PI / 2);
    leftHandVector = planeVector;
    cornerOffsets[0].setCoords(6.0f, 0.0f, 4.5f);
    cornerOffsets[1].setCoords(-6.0f, 0.0f, 4.5f);
    cornerOffsets[2].setCoords(5.8f, 0.0f, -0.7f);
    cornerOffsets[3].setCoords(-5.8f, 0.0f, -0.7f);
}

IslandPortal::IslandPortal() : IslandPortal(Vector3D(), Plane3D(), 0) { assert(false); }

// Each wall triangle has vertices of its own, so each polygon frees its own.
IslandPortal::~IslandPortal() {
    for (Wall* wall : walls) {
        delete wall->polygon;
        delete wall;
    }
}

void IslandPortal::setRotationAngleDegrees(float degrees) {
    rotationAngleDegrees = degrees;
    for (Vector3D& offset : cornerOffsets) {
        offset = offset.rotateAroundYAxis(-degrees * M_PI / 180.0);
    }
    Vector3D a = position.add(&cornerOffsets[3]);
    Vector3D b = position.add(&cornerOffsets[2]);
    createWall(a, b, WALL_HEIGHT);
    Vector3D n = normal;
    n.setLength(WALL_DEPTH);
    createWall(a.add(&n), b.add(&n), WALL_HEIGHT);
}

void IslandPortal::createWall(Vector3D p1, Vector3D p2, float height) {
    Vector3D up(0.0f, height, 0.0f);
    Vector3D p3 = p1.add(&up);
    Vector3D p4 = p2.add(&up);
    const Vector3D corners[2][3] = {{p1, p2, p3}, {p2, p3, p4}};
    for (const auto& triangle : corners) {
        Polygon3D* polygon = new Polygon3D();
        for (const Vector3D& corner : triangle) {
            polygon->addVertex(new Vertex(corner, up, Vector3D(0.0f, 0.0f, 0.0f)));
        }
        Wall* wall = new Wall();
        wall->setPolygon(polygon);
        walls.push_back(wall);
    }
}

float IslandPortal::getRotationAngleDegrees() { return rotationAngleDegrees; }

void IslandPortal::addMesh(Mesh* mesh) { meshes.push_back(mesh); }

std::vector<Mesh*>* IslandPortal::getMeshes() { return &meshes; }

void IslandPortal::setEnabled(bool enabled) { this->enabled = enabled; }

bool IslandPortal::isEnabled() { return enabled; }

void IslandPortal::setIslandIndex(int index) { islandIndex = index; }

int IslandPortal::getIslandIndex() { return islandIndex; }

void IslandPortal::setOtherIslandPortal(IslandPortal* partner) { otherPortal = partner; }

IslandPortal* IslandPortal::getOtherIslandPortal() { return otherPortal; }

Plane3D IslandPortal::getPlane() { return plane; }

Vector3D IslandPortal::getPortalCenterOffset() {
    Vector3D lift(0.0f, OPENING_LIFT, 0.0f);
    return normal.getUnitVector().add(&lift);
}

Vector3D IslandPortal::getCornerOffset(int i) {
    assert(i >= 0 && i < 4);
    return cornerOffsets[i];
}

std::vector<Wall*>* IslandPortal::getWalls() { return &walls; }

// ---- collision

bool IslandPortal::doesSphereCollide(Vector3D* centre, float radius) {
    if (!enabled) {
        return false;
    }
    Vector3D offset = centre->subtract(&position);
    return radius > plane.getDistanceFromPoint(centre) && radius + GATE_REACH > offset.getLength();
}

bool IslandPortal::update() { return false; }

bool IslandPortal::doesSphereCollideWithSolid(Vector3D* centre, float radius) {
    for (size_t i = 0; i < walls.size(); i++) {
        if (walls.at(i)->polygon->doesSphereCollide(centre, radius)) {
            return true;
        }
    }
    Vector3D flatCentre(centre->x, 0.0f, centre->z);
    for (int pillar : {1, 0}) {
        Vector3D p = position.add(&cornerOffsets[pillar]);
        p.y = 0.0f;
        if (flatCentre.subtract(&p).getLength() <= radius + PILLAR_RADIUS) {
            return true;
        }
    }
    return false;
}

// The segment against a vertical pillar of radius 0.5, flattened to x-z.
static bool segmentHitsPillar(Vector3D* a, Vector3D* b, Vector3D pillar) {
    Vector3D a2(a->x, 0.0f, a->z);
    Vector3D b2(b->x, 0.0f, b->z);
    Vector3D c(pillar.x, 0.0f, pillar.z);
    Vector3D along = b2.subtract(&a2);
    float length = along.getLength();
    if (length == 0.0f) {
        // A segment seen end on is a point.
        return a2.subtract(&c).getLength() <= PILLAR_RADIUS;
    }
    Vector3D d = along.multiply(1.0 / length);
    Vector3D m = a2.subtract(&c);
    float k = Vector3D::getDotProduct(&d, &m);
    float disc = k * k - (Vector3D::getDotProduct(&m, &m) - PILLAR_RADIUS * PILLAR_RADIUS);
    if (disc < 0.0f) {
        return false;
    }
    float root = std::sqrt(disc);
    float t1 = -k - root;
    float t2 = -k + root;
    bool bothBeyond = t1 > length && t2 > length;
    bool bothBefore = t1 < 0.0f && t2 < 0.0f;
    return !bothBeyond && !bothBefore;
}

bool IslandPortal::doesLineCollideWithSolid(Vector3D* from, Vector3D* to) {
    for (size_t i = 0; i < walls.size(); i++) {
        Polygon3D* triangle = walls.at(i)->polygon;
        bool hit = false;
        Vector3D crossing = triangle->getIntersection(from, to, hit);
        if (hit && triangle->isPointWithinTriangle(&crossing)) {
            return true;
        }
    }
    bool second = segmentHitsPillar(from, to, position.add(&cornerOffsets[1]));
    bool first = segmentHitsPillar(from, to, position.add(&cornerOffsets[0]));
    return second || first;
}

// ---- drawing

void IslandPortal::drawMesh(Controller*) {
    glPushMatrix();
    glTranslatef(position.x, position.y, position.z);
    glRotatef(rotationAngleDegrees, 0.0f, 1.0f, 0.0f);
    for (size_t i = 0; i < meshes.size(); i++) {
        assert(meshes.at(i) && "meshes.at(i)");
        meshes.at(i)->draw();
    }
    glPopMatrix();
}

Vector3D IslandPortal::getOpeningRimPoint(int i) {
    planeVector.setLength(OPENING_RADIUS);
    return planeVector.rotateAroundVector(-2 * i * M_PI / OPENING_POINTS, &normal);
}

void IslandPortal::drawOpeningDisc() {
    glBegin(GL_POLYGON);
    for (int i = 0; i < OPENING_POINTS; i++) {
        Vector3D p = getOpeningRimPoint(i);
        glVertex3f(p.x, p.y, p.z);
    }
    glEnd();
}

void IslandPortal::drawOpening(Controller* controller) {
    if (enabled) {
        assert(otherPortal && "otherPortal");
        Camera* camera = controller->getCamera();
        // What stands in front of this gate is seen in front of the
        // partner, from behind it.
        Vector3D newEye = carryPoint(otherPortal, camera->getEye());
        Vector3D newCentre = carryPoint(otherPortal, camera->getCenter());
        Vector3D newUp = carryDirection(otherPortal, camera->getUp());

        glColorMask(GL_FALSE, GL_FALSE, GL_FALSE, GL_FALSE);
        glDepthMask(GL_FALSE);
        glEnable(GL_STENCIL_TEST);
        glEnable(GL_DEPTH_TEST);
        glClear(GL_STENCIL_BUFFER_BIT);
        glStencilFunc(GL_ALWAYS, 1, 1);
        glStencilOp(GL_KEEP, GL_KEEP, GL_REPLACE);
        Vector3D offset = getPortalCenterOffset();
        Vector3D centre = position.add(&offset);
        // Nothing outside the opening passes the stencil: the rasteriser
        // need not visit it, nor the island's things that cannot reach it.
        // The picture is the same.
        Vector3D rim[OPENING_POINTS];
        for (int i = 0; i < OPENING_POINTS; i++) {
            Vector3D p = getOpeningRimPoint(i);
            rim[i] = centre.add(&p);
        }
        GLint box[4];
        bool clipped = getScreenBoxOfPoints(rim, OPENING_POINTS, box);
        if (clipped) {
            glScissor(box[0], box[1], box[2], box[3]);
            glEnable(GL_SCISSOR_TEST);
        }
        glPushMatrix();
        glTranslatef(centre.x, centre.y, centre.z);
        glColor3f(0.3f, 0.4f, 1.0f);
        drawOpeningDisc();
        glPopMatrix();
        glDepthMask(GL_TRUE);
        glStencilFunc(GL_EQUAL, 1, 1);
        glStencilOp(GL_KEEP, GL_KEEP, GL_KEEP);
        glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);

        // The whole view from the moved eye, not one narrowed to the opening.
        Frustum frustum;
        frustum.setFrustum(45.0f, 4.0f / 3.0f, 0.1f, 1000.0f);
        frustum.setView(newEye, newCentre, newUp);
        controller->renderWorldForIslandPortal(newEye, newCentre, newUp, otherPortal->getIslandIndex(), &frustum,
                                               otherPortal);
        if (clipped) {
            glDisable(GL_SCISSOR_TEST);
        }
    }
    drawCover();
    glDisable(GL_STENCIL_TEST);
    glClear(GL_STENCIL_BUFFER_BIT);
}

void IslandPortal::drawCover() {
    if (!enabled) {
        return;
    }
    glPushMatrix();
    Vector3D offset = getPortalCenterOffset();
    Vector3D centre = position.add(&offset);
    glTranslatef(centre.x, centre.y, centre.z);
    glDepthFunc(GL_ALWAYS);
    glDisable(GL_LIGHTING);
    glDisable(GL_TEXTURE_2D);
    glEnable(GL_BLEND);
    glColor4f(1.0f, 1.0f, 1.0f, 0.3f);
    drawOpeningDisc();
    glEnable(GL_TEXTURE_2D);
    glEnable(GL_LIGHTING);
    glDisable(GL_BLEND);
    glDepthFunc(GL_LESS);
    glPopMatrix();
}
