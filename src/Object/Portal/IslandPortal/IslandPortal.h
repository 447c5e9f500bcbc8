#ifndef ISLANDPORTAL_H
#define ISLANDPORTAL_H

#include <vector>

#include "Geometry/Plane3D.h"
#include "Object/Portal/Portal.h"
#include "Vector3D/Vector3D.h"

class Controller;
class Mesh;

// A fixed gate between two islands. Minimal for now: it keeps its place,
// pair and meshes; the opening, the view through it, the walls and the
// passage come with the gates (until then it takes nobody through).
class IslandPortal : public Portal {
public:
    IslandPortal(Vector3D position, Plane3D plane, int islandIndex);
    virtual ~IslandPortal();

    void setRotationAngleDegrees(float degrees);
    float getRotationAngleDegrees();
    void addMesh(Mesh* mesh);
    std::vector<Mesh*>* getMeshes();
    void setEnabled(bool enabled);
    bool isEnabled();
    void setIslandIndex(int index);
    int getIslandIndex();
    void setOtherIslandPortal(IslandPortal* partner);
    IslandPortal* getOtherIslandPortal();
    Plane3D getPlane();
    // The unit normal plus (0, 3.5, 0): the centre of the opening relative
    // to the gate's position.
    Vector3D getPortalCenterOffset();

    bool doesSphereCollide(Vector3D* centre, float radius) override;
    bool doesSphereCollideWithSolid(Vector3D* centre, float radius);
    bool doesLineCollideWithSolid(Vector3D* from, Vector3D* to);
    void drawMesh(Controller* controller);
    void drawOpening(Controller* controller);

private:
    Plane3D plane;
    int islandIndex;
    float size;
    bool enabled;
    float rotationAngleDegrees;
    IslandPortal* otherIslandPortal;
    std::vector<Mesh*> meshes;
};

#endif
