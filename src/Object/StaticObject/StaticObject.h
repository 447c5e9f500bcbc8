#ifndef STATICOBJECT_H
#define STATICOBJECT_H

#include <vector>

#include "Object/Object.h"

class Mesh;

// A placed thing drawn from a list of borrowed meshes, turned about y.
// Minimal for now: the shop building and the castle come with the levels.
class StaticObject : public Object {
public:
    bool enabledDrawing;
    std::vector<Mesh*> meshes;
    float rotationAngleDegrees;

    StaticObject();
    virtual ~StaticObject();

    void draw() override;
    void addMesh(Mesh* mesh);
    void setRotationAngleDegrees(float degrees);
    float getRotationAngleDegrees() const;
    void setEnabledDrawing(bool enabled);
    bool isEnabledDrawing();
};

#endif
