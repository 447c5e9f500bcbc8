#include "Vertex/Vertex.h"

#include <cassert>

#include "OpenGL/OpenGL.h"

Vertex::Vertex() : textureCoord(nullptr) {}

Vertex::Vertex(Vector3D position, Vector3D normal, Vector3D textureCoord)
    : position(position), normal(normal), textureCoord(new Vector3D(textureCoord)) {}

Vertex::Vertex(Vector3D position, Vector3D normal) : position(position), normal(normal), textureCoord(nullptr) {}

Vertex::Vertex(Vertex* other)
    : position(other->position),
      normal(other->normal),
      textureCoord(other->textureCoord ? new Vector3D(*other->textureCoord) : nullptr) {}

Vertex::~Vertex() { delete textureCoord; }

Vector3D Vertex::getPosition() { return position; }

Vector3D Vertex::getNormal() { return normal; }

Vector3D Vertex::getTextureCoord() {
    assert(textureCoord);
    return *textureCoord;
}

void Vertex::setPosition(Vector3D& position) { this->position.setCoords(position.x, position.y, position.z); }

void Vertex::setNormal(Vector3D& normal) { this->normal.setCoords(normal.x, normal.y, normal.z); }

void Vertex::setTextureCoord(Vector3D& textureCoord) {
    delete this->textureCoord;
    this->textureCoord = new Vector3D(textureCoord);
}

void Vertex::draw() {
    glNormal3f(normal.x, normal.y, normal.z);
    if (textureCoord) {
        glTexCoord2f(textureCoord->x, textureCoord->y);
    }
    glVertex3f(position.x, position.y, position.z);
}
