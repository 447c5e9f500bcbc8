#include "Mesh/Mesh.h"

#include <cassert>

#include "OpenGL/OpenGL.h"
#include "Texture/Texture.h"

Mesh::Mesh() : enabledToDraw(true), texture(nullptr) {}

Mesh::~Mesh() {}

void Mesh::addPolygon(Polygon3D* polygon) { polygons.push_back(polygon); }

void Mesh::compile() { vertexBuffer.setPolygons(&polygons); }

void Mesh::setTexture(Texture* texture) { this->texture = texture; }

Texture* Mesh::getTexture() { return texture; }

void Mesh::setColor(PolygonColor color) { this->color = color; }

void Mesh::enableDrawing(bool enabled) { enabledToDraw = enabled; }

bool Mesh::isEnabledToDraw() { return enabledToDraw; }

std::vector<Polygon3D*> Mesh::getPolygons() { return polygons; }

Polygon3D* Mesh::getPolygon(int i) { return polygons.at(i); }

bool Mesh::isHeightMap() { return false; }

void Mesh::draw() {
    if (!enabledToDraw) {
        return;
    }
    drawForInventory();
}

void Mesh::drawForInventory() {
    glEnable(GL_LIGHTING);
    if (texture) {
        glEnable(GL_TEXTURE_2D);
        texture->bindGLTexture();
    } else {
        glColor3f(color.red, color.green, color.blue);
    }
    vertexBuffer.drawVertexBuffer();
    glDisable(GL_TEXTURE_2D);
}

void Mesh::drawWithTexture(Texture* texture) {
    if (!enabledToDraw) {
        return;
    }
    assert(texture);
    glEnable(GL_LIGHTING);
    texture->bindGLTexture();
    vertexBuffer.drawVertexBuffer();
    glDisable(GL_TEXTURE_2D);
}

void Mesh::drawWithNothing() { vertexBuffer.drawVertexBuffer(); }
