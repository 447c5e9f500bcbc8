#include "World/World.h"

#include "OpenGL/OpenGL.h"

struct GroundCorner {
    float x, y, z;
    bool sloped;
    float u, v;
};

World::World() : texture("Textures/clover2.bmp") {
    Vector3D up(0.0f, 1.0f, 0.0f);
    Vector3D rise(0.0f, 2.0f, -1.0f);
    rise = rise.getUnitVector();
    Vector3D slope = rise.getAverage(&up).getUnitVector();

    static const GroundCorner quads[4][4] = {
        {{-10, 0, -10, false, 0, 0}, {10, 0, -10, false, 0, 1}, {10, 0, 10, false, 1, 1}, {-10, 0, 10, false, 1, 0}},
        {{-10, 0, 10, true, 0, 0}, {10, 0, 10, true, 0, 1}, {10, 2, 20, true, 1, 1}, {-10, 2, 20, true, 1, 0}},
        {{10, 5, 20, true, 0, 0}, {-10, 5, 20, true, 0, 1}, {-10, 5, 30, false, 1, 1}, {10, 5, 30, false, 1, 0}},
        // The step face stands vertical but keeps the upward normal.
        {{10, 2, 20, false, 1, 0}, {-10, 2, 20, false, 0, 0}, {-10, 5, 20, false, 0, 1}, {10, 5, 20, false, 1, 1}},
    };
    for (const auto& quad : quads) {
        Polygon3D* polygon = new Polygon3D();
        for (const GroundCorner& c : quad) {
            polygon->addVertex(new Vertex(Vector3D(c.x, c.y, c.z), c.sloped ? slope : up, Vector3D(c.u, c.v, 0.0f)));
        }
        addPolygon(polygon);
    }
}

World::~World() {}

void World::draw() {
    glColor3f(1.0f, 1.0f, 1.0f);
    glEnable(GL_TEXTURE_2D);
    texture.bindGLTexture();
    drawPolygons();
    glDisable(GL_TEXTURE_2D);
}

Polygon3D* World::getCollidingPolygon(Vector3D* p, float r) {
    Polygon3D* candidate = p->z > 10.0f ? polygons.at(1) : polygons.at(0);
    return candidate->doesSphereCollide(p, r) ? candidate : nullptr;
}

bool World::isHeightMap() { return false; }
