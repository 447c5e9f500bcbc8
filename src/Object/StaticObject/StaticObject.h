#ifndef STATICOBJECT_H
#define STATICOBJECT_H

#include <vector>

#include "Object/Object.h"

class Mesh;

// A placed thing drawn from a list of meshes borrowed from the asset
// registry, turned about the y axis. Creators set position, radii, rotation
// and meshes after construction. The collision tests are Object's.
class StaticObject : public Object {
public:
    bool enabledDrawing;
    std::vector<Mesh*> meshes;
    float rotationAngleDegrees;

    StaticObject();
    // Frees the list, never the meshes.
    virtual ~StaticObject();

    void draw() override;
    // For the inventory and shop carousels: draws every mesh even while its
    // drawing is switched off.
    void drawInInventory();
    void addMesh(Mesh* mesh);
    void setRotationAngleDegrees(float degrees);
    float getRotationAngleDegrees() const;
    // Forwarded to the meshes, which are shared: switching one object off
    // hides every object in the world drawn with the same meshes.
    void setEnabledDrawing(bool enabled);
    bool isEnabledDrawing();
    bool isHeightMap();
    // How far from its position anything it draws can reach.
    float getDrawnRadius();

private:
    void drawMeshes(bool inInventory);
};

#endif
