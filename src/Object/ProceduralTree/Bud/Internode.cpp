#include "Object/ProceduralTree/Bud/Internode.h"

#include "GeneralMath/GeneralMath.h"
#include "Geometry/Polygon3D.h"
#include "Mesh/Mesh.h"
#include "OpenGL/OpenGL.h"

Internode::Internode(Vector3D start, int order, Vector3D direction, Vector3D end, Mesh* mesh)
    : start(start), order(order), end(end), direction(direction), mesh(mesh) {
    rotationY = (float)GeneralMath::getRandomNumber(0, 360);
}

Internode::~Internode() {}

Vector3D Internode::getEndPosition() { return end; }

int Internode::getOrder() { return order; }

Mesh* Internode::getMesh() { return mesh; }

Bud Internode::getBudOnEnd() {
    Vector3D along = end.subtract(&start);
    return Bud(end, order + 1, along.getUnitVector());
}

// The trunk only spins about y (its angle is taken as radians, a whole
// number of them); every other segment turns the mesh's +y onto the segment.
Vector3D Internode::turn(Vector3D p) {
    if (order == 0) {
        return p.rotateAroundYAxis(rotationY);
    }
    Vector3D up(0.0f, 1.0f, 0.0f);
    Vector3D d = end.subtract(&start).getUnitVector();
    Vector3D axis = Vector3D::getCrossProduct2(&d, &up);
    float angle = d.getAngleBetween(&up);
    if (axis.isEmpty() || angle == ANGLE_UNDEFINED) {
        // Along y already (or straight down): no axis to turn about.
        return d.y < 0.0f ? p.rotateAroundXAxis(3.141592653589793) : p;
    }
    return p.rotateAroundVector(angle, &axis);
}

void Internode::collectPolys(std::vector<Polygon3D*>* out, Vector3D treePosition) {
    if (mesh == nullptr) {
        return;
    }
    Vector3D offset = start.subtract(&treePosition);
    for (Polygon3D* source : mesh->polygons) {
        Polygon3D* polygon = new Polygon3D(this);
        for (Vertex* vertex : *source->getVertices()) {
            Vector3D p = turn(vertex->getPosition());
            p = p.add(&offset);
            // Normals stay as the mesh has them.
            if (vertex->hasTextureCoord()) {
                polygon->addVertex(new Vertex(p, vertex->getNormal(), vertex->getTextureCoord()));
            } else {
                polygon->addVertex(new Vertex(p, vertex->getNormal()));
            }
        }
        out->push_back(polygon);
    }
}

void Internode::draw() {
    if (mesh == nullptr) {
        return;
    }
    glPushMatrix();
    glTranslatef(start.x, start.y, start.z);
    glBegin(GL_TRIANGLES);
    for (Polygon3D* source : mesh->polygons) {
        for (Vertex* vertex : *source->getVertices()) {
            Vector3D p = turn(vertex->getPosition());
            Vector3D n = vertex->getNormal();
            if (vertex->hasTextureCoord()) {
                Vector3D t = vertex->getTextureCoord();
                glTexCoord2f(t.x, t.y);
            }
            glNormal3f(n.x, n.y, n.z);
            glVertex3f(p.x, p.y, p.z);
        }
    }
    glEnd();
    glPopMatrix();
}
