#include "Object/ProceduralTree/Bud/Leaf.h"

#include "Geometry/Polygon3D.h"
#include "Mesh/Mesh.h"
#include "OpenGL/OpenGL.h"

Leaf::Leaf(Vector3D position, Vector3D direction, Mesh* mesh) : direction(direction), mesh(mesh) {
    this->position = position;
}

Leaf::~Leaf() {}

Vector3D Leaf::getDirection() { return direction; }

Mesh* Leaf::getMesh() { return mesh; }

Vector3D Leaf::turn(Vector3D p) {
    Vector3D up(0.0f, 1.0f, 0.0f);
    Vector3D d = direction.getUnitVector();
    Vector3D axis = Vector3D::getCrossProduct2(&d, &up);
    float angle = d.getAngleBetween(&up);
    if (axis.isEmpty() || angle == ANGLE_UNDEFINED) {
        // Along y already (or straight down): no axis to turn about.
        return d.y < 0.0f ? p.rotateAroundXAxis(3.141592653589793) : p;
    }
    return p.rotateAroundVector(angle, &axis);
}

void Leaf::collectPolys(std::vector<Polygon3D*>* out, Vector3D treePosition) {
    if (mesh == nullptr) {
        return;
    }
    Vector3D offset = position.subtract(&treePosition);
    for (Polygon3D* source : mesh->polygons) {
        Polygon3D* polygon = new Polygon3D(this);
        for (Vertex* vertex : *source->getVertices()) {
            Vector3D p = turn(vertex->getPosition());
            p = p.add(&offset);
            Vector3D n = turn(vertex->getNormal());
            if (vertex->hasTextureCoord()) {
                polygon->addVertex(new Vertex(p, n, vertex->getTextureCoord()));
            } else {
                polygon->addVertex(new Vertex(p, n));
            }
        }
        out->push_back(polygon);
    }
}

void Leaf::draw() {
    if (mesh == nullptr) {
        return;
    }
    glPushMatrix();
    glTranslatef(position.x, position.y, position.z);
    glBegin(GL_TRIANGLES);
    for (Polygon3D* source : mesh->polygons) {
        for (Vertex* vertex : *source->getVertices()) {
            Vector3D p = turn(vertex->getPosition());
            Vector3D n = turn(vertex->getNormal());
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
