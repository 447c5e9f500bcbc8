#ifndef ISLANDPORTAL_H
#define ISLANDPORTAL_H

#include <vector>

#include "Geometry/Plane3D.h"
#include "Object/Portal/Portal.h"
#include "Vector3D/Vector3D.h"

class Controller;
class Mesh;
class Wall;

// A fixed stone gate between two islands. Its opening shows the partner
// island and takes whoever steps into it there; its pillars and back wall
// are solid whether it is enabled or not. A disabled gate takes nobody and
// shows no opening, but its stones are drawn.
class IslandPortal : public Portal {
public:
    IslandPortal(Vector3D position, Plane3D plane, int islandIndex);
    // Not a way to make a gate: ends the program.
    IslandPortal();
    virtual ~IslandPortal();

    // Turns the pillars and the back wall with the drawn stones and builds
    // the wall; meant to be called once.
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
    // Relative to the position: the two pillars, then the two ends of the
    // back wall.
    Vector3D getCornerOffset(int i);
    std::vector<Wall*>* getWalls();

    // The entering test: enabled, nearer to the plane than the radius and
    // nearer to the position than the radius + 6.
    bool doesSphereCollide(Vector3D* centre, float radius) override;
    // Gates stand still.
    bool update() override;
    bool doesSphereCollideWithSolid(Vector3D* centre, float radius);
    bool doesLineCollideWithSolid(Vector3D* from, Vector3D* to);
    void drawMesh(Controller* controller);
    // The partner island through a stencil of the opening, then the veil.
    void drawOpening(Controller* controller);
    void drawCover();

private:
    bool enabled;
    int islandIndex;
    std::vector<Mesh*> meshes;
    std::vector<Wall*> walls;
    float rotationAngleDegrees;
    IslandPortal* otherPortal;
    Vector3D cornerOffsets[4];

    void createWall(Vector3D p1, Vector3D p2, float height);
    // Point i of the opening's rim, relative to its centre.
    Vector3D getOpeningRimPoint(int i);
    void drawOpeningDisc();

    IslandPortal(const IslandPortal&) = delete;
    IslandPortal& operator=(const IslandPortal&) = delete;
};

#endif
