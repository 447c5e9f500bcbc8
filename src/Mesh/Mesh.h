#ifndef MESH_H
#define MESH_H

#include <vector>

#include "PolygonColor/PolygonColor.h"
#include "Vector3D/Vector3D.h"
#include "VertexBuffer/VertexBuffer.h"

class Polygon3D;
class Texture;

// A drawable triangle list, compiled once into its vertex buffer and drawn
// with its own texture, a flat colour, or the caller's state. It borrows its
// texture and does not delete its polygons.
class Mesh {
public:
    bool enabledToDraw;
    // A placement of the mesh's own, zero; the objects that draw a mesh
    // place it themselves, so nothing applies these.
    Vector3D position;
    Vector3D rotation;
    Vector3D scale;
    Texture* texture;
    VertexBuffer vertexBuffer;
    std::vector<Polygon3D*> polygons;
    PolygonColor color;

    Mesh();
    virtual ~Mesh();

    void addPolygon(Polygon3D* polygon);
    // Once, after the last polygon: later polygons never reach the buffer.
    void compile();
    void setTexture(Texture* texture);
    Texture* getTexture();
    void setColor(PolygonColor color);
    void enableDrawing(bool enabled);
    bool isEnabledToDraw();
    std::vector<Polygon3D*> getPolygons();
    Polygon3D* getPolygon(int i);

    // Each leaves GL_TEXTURE_2D disabled; all but drawWithNothing leave
    // lighting on.
    virtual void draw();
    // Draws even while drawing is switched off.
    void drawForInventory();
    // Binds the given texture; shows it only if the caller enabled texturing.
    virtual void drawWithTexture(Texture* texture);
    // The geometry alone, whatever the flag and with no state change.
    virtual void drawWithNothing();
    virtual bool isHeightMap();

private:
    Mesh(const Mesh&) = delete;
    Mesh& operator=(const Mesh&) = delete;
};

#endif
