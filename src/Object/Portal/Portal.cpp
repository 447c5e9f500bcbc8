#include "Object/Portal/Portal.h"

#include <algorithm>
#include <cassert>
#include <cmath>

#include "Controller/Controller.h"
#include "Frustum/Frustum.h"
#include "Geometry/Matrix3D.h"
#include "Mesh/Mesh.h"
#include "Object/HeightMap/HeightMap.h"
#include "OpenGL/OpenGL.h"

const float FULL_SIZE_GROWTH = 0.3f;
const double FULL_SIZE = 2.2;
const double ENTRY_SIZE = 0.6;
const float ENTRY_REACH = 0.8f;
const float OBJECT_CLEARANCE = 1.7f;
const int RIM_POINTS = 20;
const float COVER_FULL_DISTANCE = 40.0f;

Portal::Portal(Polygon3D* polygon, Vector3D point, Vector3D shotDirection, Mesh* edgeMeshA, Mesh* edgeMeshB)
    : normalIsYAxis(false), polygon(polygon), edgeMeshA(edgeMeshA), edgeMeshB(edgeMeshB), size(0.0f),
      fullSizeCount(0) {
    position = point;
    plane = polygon->getPlane();
    normal = plane.getNormal();

    Vector3D flatNormal(normal.x, 0.0f, normal.z);
    if (!flatNormal.isEmpty()) {
        leftHandVector = flatNormal.rotateAroundYAxis(M_PI / 2);
    } else {
        normalIsYAxis = true;
        Vector3D flatShot(shotDirection.x, 0.0f, shotDirection.z);
        if (flatShot.isEmpty()) {
            leftHandVector.setCoords(0.0f, 0.0f, 1.0f);
        } else {
            leftHandVector = flatShot.rotateAroundYAxis(-M_PI / 2);
        }
    }

    Vector3D base(0.0f, plane.getHeight(0.0f, 0.0f), 0.0f);
    planeVector = position.subtract(&base);
    // The rim must lie in the plane. The point stands slightly in front of
    // the plane, which tilts that vector out of it near x = z = 0, and a
    // vertical plane has no height there at all: keep only the part in the
    // plane, and take the left-hand vector when nothing usable is left.
    Vector3D unitNormal = normal.getUnitVector();
    Vector3D off = unitNormal.multiply(Vector3D::getDotProduct(&planeVector, &unitNormal));
    rimDirection = planeVector.subtract(&off);
    float length = rimDirection.getLength();
    if (!std::isfinite(length) || length < 1e-3f * planeVector.getLength() || length == 0.0f) {
        rimDirection = leftHandVector;
    }
    rimDirection.setLength(1.0);
}

Portal::Portal()
    : normalIsYAxis(false), polygon(nullptr), edgeMeshA(nullptr), edgeMeshB(nullptr), size(0.0f),
      fullSizeCount(0) {}

Portal::Portal(Vector3D, Vector3D) : Portal() { assert(false); }

Portal::~Portal() {}

void Portal::draw() { assert(false); }

bool Portal::update() {
    if (FULL_SIZE > size) {
        size = (float)(size + (double)FULL_SIZE_GROWTH);
    }
    // Compared as double: the float 2.2 lies above it, so a full-grown
    // portal counts every later call and answers false.
    if (size > FULL_SIZE) {
        size = (float)FULL_SIZE;
        fullSizeCount++;
        return fullSizeCount == 1;
    }
    return false;
}

bool Portal::shouldPortalDispell(HeightMap* heightMap, Portal* other, Controller* controller) {
    if (!(size < FULL_SIZE)) {
        return false;
    }
    Vector3D n = normal;
    n.setLength(1.0);
    if (other) {
        Vector3D otherPosition = other->getPosition();
        if (doesPortalCollide(&otherPosition, other->getSize())) {
            return true;
        }
    }
    if (controller->doesPortalIntersectObject(&position, size + OBJECT_CLEARANCE)) {
        return true;
    }
    setPlaneVectorLength(size);
    for (int i = 0; i < RIM_POINTS; i++) {
        Vector3D rim = getRimPoint(i);
        Vector3D p = position.add(&rim);
        Polygon3D* ground = heightMap->getPolygon(p.x, p.z);
        if (ground == nullptr) {
            return true;
        }
        if (ground->isDiagonal()) {
            continue;
        }
        Vector3D groundNormal = ground->getPlane().getNormal();
        groundNormal.setLength(1.0);
        if (!groundNormal.equals(&n)) {
            return true;
        }
    }
    return false;
}

bool Portal::doesPortalCollide(Vector3D* centre, float radius) {
    return position.subtract(centre).getLength() < radius + size;
}

bool Portal::doesSphereCollide(Vector3D* centre, float radius) {
    if (ENTRY_SIZE > size) {
        return false;
    }
    Vector3D offset = centre->subtract(&position);
    return radius > plane.getDistanceFromPoint(centre) && radius + ENTRY_REACH > offset.getLength();
}

Vector3D Portal::getNormal() { return normal; }

Vector3D Portal::getLeftHandVector() { return leftHandVector; }

Vector3D Portal::getPlaneVector() { return planeVector; }

float Portal::getSize() { return size; }

bool Portal::isNormalYAxis() { return normalIsYAxis; }

void Portal::setLeftHandVector(Vector3D vector) { leftHandVector = vector; }

Vector3D Portal::getVectorAngleFromLHS(float angle) { return leftHandVector.rotateAroundYAxis(angle); }

float Portal::getAngleFromLeft(Vector3D* view) {
    assert(!view->isEmpty());
    assert(!leftHandVector.isEmpty());
    Vector3D flat(view->x, 0.0f, view->z);
    return flat.getAngleBetween(&leftHandVector);
}

Polygon3D* Portal::getPolygon() { return polygon; }

bool Portal::isHeightMap() { return false; }

void Portal::setPlaneVectorLength(float length) { planeVector = rimDirection.multiply(length); }

Vector3D Portal::getRimPoint(int i) { return planeVector.rotateAroundVector(-2 * i * M_PI / 20, &normal); }

// ---- the view through a pair

void Portal::getBasis(Vector3D& n, Vector3D& b, Vector3D& a) {
    n = normal;
    n.setLength(1.0);
    b = leftHandVector;
    a = leftHandVector.rotateAroundVector(M_PI / 2, &normal);
    b.setLength(1.0);
    a.setLength(1.0);
}

Vector3D Portal::carryDirection(Portal* exit, Vector3D direction) {
    Vector3D n, b, a;
    getBasis(n, b, a);
    Matrix3D entry(&n, &b, &a);
    Vector3D local = entry.getInverse().multiplyVector(&direction);

    // The exit's frame seen from behind: turned half round its own
    // a-axis, so what went in through the front comes out of the front.
    Vector3D exitN, exitB, exitA;
    exit->getBasis(exitN, exitB, exitA);
    exitN = exitN.multiply(-1.0);
    exitB = exitB.multiply(-1.0);
    Matrix3D outgoing(&exitN, &exitB, &exitA);
    return outgoing.multiplyVector(&local);
}

Vector3D Portal::carryPoint(Portal* exit, Vector3D point) {
    Vector3D relative = point.subtract(&position);
    Vector3D carried = carryDirection(exit, relative);
    Vector3D exitPosition = exit->getPosition();
    return carried.add(&exitPosition);
}

void Portal::aimFloorPortal(Portal* partner, Vector3D eye) {
    if (normalIsYAxis && !partner->normalIsYAxis) {
        Vector3D t = position.subtract(&eye);
        t.y = 0.0f;
        if (!t.isEmpty()) {
            t.setLength(1.0);
            leftHandVector = t.rotateAroundVector(-M_PI / 2, &normal);
        }
    } else if (!normalIsYAxis && partner->normalIsYAxis) {
        Vector3D t = partner->position.subtract(&eye);
        t.y = 0.0f;
        if (!t.isEmpty()) {
            t.setLength(1.0);
            Vector3D partnerNormal = partner->normal.getUnitVector();
            partner->leftHandVector = t.rotateAroundVector(-M_PI / 2, &partnerNormal);
        }
    }
}

// ---- drawing

void Portal::drawDisc() {
    glBegin(GL_POLYGON);
    for (int i = 0; i < RIM_POINTS; i++) {
        Vector3D p = getRimPoint(i);
        glVertex3f(p.x, p.y, p.z);
    }
    glEnd();
}

void Portal::draw(Controller* controller, Portal* partner) {
    if (partner) {
        drawDouble(controller, partner);
        drawPortalCover(controller);
    } else {
        drawSinglePortal(controller, partner);
    }
}

void Portal::drawDouble(Controller* controller, Portal* other) {
    Camera* camera = controller->getCamera();
    Vector3D eye = camera->getEye();
    Vector3D centre = camera->getCenter();
    Vector3D up = camera->getUp();

    aimFloorPortal(other, eye);
    Vector3D newEye = carryPoint(other, eye);
    Vector3D newCentre = carryPoint(other, centre);
    Vector3D newUp = carryDirection(other, up);

    glColorMask(GL_FALSE, GL_FALSE, GL_FALSE, GL_FALSE);
    glDepthMask(GL_FALSE);
    glEnable(GL_STENCIL_TEST);
    glEnable(GL_DEPTH_TEST);
    glClear(GL_STENCIL_BUFFER_BIT);
    glStencilFunc(GL_ALWAYS, 1, 1);
    glStencilOp(GL_KEEP, GL_KEEP, GL_REPLACE);
    setPlaneVectorLength(size);
    // Nothing outside the opening passes the stencil: the rasteriser need
    // not visit it at all. The picture is the same.
    GLint box[4];
    bool clipped = getScreenBox(box);
    if (clipped) {
        glScissor(box[0], box[1], box[2], box[3]);
        glEnable(GL_SCISSOR_TEST);
    }
    glPushMatrix();
    glTranslatef(position.x, position.y, position.z);
    drawDisc();
    glPopMatrix();
    glDepthMask(GL_TRUE);
    glStencilFunc(GL_EQUAL, 1, 1);
    glStencilOp(GL_KEEP, GL_KEEP, GL_KEEP);
    glColorMask(GL_TRUE, GL_TRUE, GL_TRUE, GL_TRUE);

    // The whole view from the moved eye, not one narrowed to the opening.
    Frustum frustum;
    frustum.setFrustum(45.0f, 4.0f / 3.0f, 0.1f, 1000.0f);
    frustum.setView(newEye, newCentre, newUp);
    controller->renderWorldForLocalPortal(newEye, newCentre, newUp, -1, &frustum);

    if (clipped) {
        glDisable(GL_SCISSOR_TEST);
    }
    glDisable(GL_STENCIL_TEST);
    glClear(GL_STENCIL_BUFFER_BIT);
}

bool Portal::getScreenBox(GLint* box) {
    Vector3D points[RIM_POINTS];
    for (int i = 0; i < RIM_POINTS; i++) {
        Vector3D rim = getRimPoint(i);
        points[i] = position.add(&rim);
    }
    return getScreenBoxOfPoints(points, RIM_POINTS, box);
}

bool Portal::getScreenBoxOfPoints(const Vector3D* points, int count, GLint* box) {
    GLdouble model[16], projection[16];
    GLint viewport[4];
    glGetDoublev(GL_MODELVIEW_MATRIX, model);
    glGetDoublev(GL_PROJECTION_MATRIX, projection);
    glGetIntegerv(GL_VIEWPORT, viewport);
    double low[2] = {1e30, 1e30}, high[2] = {-1e30, -1e30};
    for (int i = 0; i < count; i++) {
        double p[4] = {points[i].x, points[i].y, points[i].z, 1.0}, eye[4], clip[4];
        for (int r = 0; r < 4; r++) eye[r] = model[r] * p[0] + model[4 + r] * p[1] + model[8 + r] * p[2] + model[12 + r];
        for (int r = 0; r < 4; r++) {
            clip[r] = projection[r] * eye[0] + projection[4 + r] * eye[1] + projection[8 + r] * eye[2] +
                      projection[12 + r] * eye[3];
        }
        // A point at or behind the eye: its projection says nothing.
        if (!(clip[3] > 1e-6)) {
            return false;
        }
        for (int k = 0; k < 2; k++) {
            double window = viewport[k] + (clip[k] / clip[3] + 1.0) * 0.5 * viewport[2 + k];
            low[k] = std::min(low[k], window);
            high[k] = std::max(high[k], window);
        }
    }
    // Two pixels of margin for the rasteriser's rounding; an opening off
    // the screen leaves an empty box.
    for (int k = 0; k < 2; k++) {
        double from = std::max(low[k] - 2.0, (double)viewport[k]);
        double to = std::min(high[k] + 3.0, (double)(viewport[k] + viewport[2 + k]));
        box[k] = (GLint)std::floor(from);
        box[2 + k] = std::max(0, (GLint)std::ceil(to) - box[k]);
    }
    return true;
}

float Portal::getCoverAlpha(float distance) {
    float t = distance / COVER_FULL_DISTANCE;
    return t <= 1.0f ? 0.7f * t + 0.1f : 0.8f;
}

void Portal::drawPortalCover(Controller* controller) {
    glPushMatrix();
    glTranslatef(position.x, position.y, position.z);
    setPlaneVectorLength(size);
    glDepthFunc(GL_ALWAYS);
    glDisable(GL_LIGHTING);
    glDisable(GL_TEXTURE_2D);
    glEnable(GL_BLEND);
    Vector3D eye = controller->getCamera()->getEye();
    float alpha = getCoverAlpha(eye.subtract(&position).getLength());
    glColor4f(0.5f, 0.52f, 0.63f, alpha);
    drawDisc();
    glEnable(GL_TEXTURE_2D);
    glEnable(GL_LIGHTING);
    glDisable(GL_BLEND);
    glDepthFunc(GL_LESS);
    glPopMatrix();
}

void Portal::drawSinglePortal(Controller*, Portal*) {
    glPushMatrix();
    glTranslatef(position.x, position.y, position.z);
    setPlaneVectorLength(size);
    glDisable(GL_LIGHTING);
    glDisable(GL_TEXTURE_2D);
    glDisable(GL_BLEND);
    // Nearly black, faintly blue-green.
    glColor3f(0.0f, 0.05f, 0.05f);
    drawDisc();
    glEnable(GL_TEXTURE_2D);
    glEnable(GL_LIGHTING);
    glEnable(GL_BLEND);
    glPopMatrix();
}

void Portal::drawPortalEdge() {
    glPushMatrix();
    glTranslatef(position.x, position.y, position.z);
    Vector3D n = normal.getUnitVector();
    Vector3D flat(n.x, 0.0f, n.z);
    if (flat.getLength() != 0.0f) {
        Vector3D l = leftHandVector;
        l.setLength(1.0);
        Vector3D yAxis(0.0f, 1.0f, 0.0f);
        float angle = normal.getAngleBetween(&yAxis);
        float tilt = angle == ANGLE_UNDEFINED ? 0.0f : (float)(angle * 180.0 / M_PI);
        if (n.y < 0.0f) {
            tilt = -tilt;
        }
        glRotatef(-tilt, l.x, l.y, l.z);
    }
    float s = (float)(size / FULL_SIZE);
    glScalef(s, s, s);
    glEnable(GL_TEXTURE_2D);
    if (edgeMeshB) edgeMeshB->draw();
    if (edgeMeshA) edgeMeshA->draw();
    glDisable(GL_TEXTURE_2D);
    glPopMatrix();
}

void Portal::testDrawWorld() {
    glClear(GL_COLOR_BUFFER_BIT | GL_DEPTH_BUFFER_BIT);
    glPushMatrix();
    glLoadIdentity();
    gluLookAt(0, 0, 0, 0, 0, 1, 0, 1, 0);
    glColor3f(1.0f, 0.0f, 0.0f);
    glBegin(GL_QUADS);
    glVertex3f(-5, -5, 1);
    glVertex3f(-5, 5, 1);
    glVertex3f(5, 5, 1);
    glVertex3f(5, -5, 1);
    glEnd();
    glPopMatrix();
}
