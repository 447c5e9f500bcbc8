#ifndef FORESTSPIRIT_H
#define FORESTSPIRIT_H

#include <vector>

#include "Object/Character/Character.h"
#include "Vector3D/Vector3D.h"

class HeightMap;
class Mesh;
class PortalMissile;
class Sounds;
class Texture;

// The spirit figure of the hero and of the enemy and allied spirits.
// Minimal for now: body, meshes, movement and drawing come with the figures.
class ForestSpirit : public Character {
public:
    ForestSpirit();
    virtual ~ForestSpirit();

    // Nothing to draw until the figure has its meshes.
    void draw() override;
    // Unit view direction plus half the unit up vector; normalises the stored
    // up vector in place. Added to the position or the look-at point it gives
    // the eye of the first-person view and of the billboards.
    virtual Vector3D getEyeOffset();

    // Moves the figure to the point, keeping its view direction.
    void setLocation(Vector3D* point);
    // The start pose, standing on nothing.
    void resetPosition();

    void setMeshes(Mesh* eyes, Mesh* body, Mesh* leftFoot, Mesh* rightFoot, Mesh* leftArm, Mesh* rightArm);
    void setSounds(Sounds* sounds);
    void setTexture(Texture* texture);
    void setFireballTexture(Texture* texture);
    // A worn or carried mesh, drawn with the figure; not owned.
    void addMeshToExtras(Mesh* mesh);
    std::vector<Mesh*>* getExtras();
    // True while a throw runs. Minimal for now: there is no limb animation yet.
    bool isCurrentlyAnimating();
    // Starts a portal-missile throw. Minimal for now: there is no throw yet,
    // so no missile is handed back (null).
    void firePortalMissile(PortalMissile*& missile);

protected:
    // Null while airborne.
    HeightMap* heightMap;
    Vector3D groundForward;
    Vector3D groundNormal;
    Mesh* eyesMesh;
    Mesh* bodyMesh;
    Mesh* leftFootMesh;
    Mesh* rightFootMesh;
    Mesh* leftArmMesh;
    Mesh* rightArmMesh;
    Sounds* sounds;
    Texture* texture;
    Texture* fireballTexture;
    std::vector<Mesh*> extras;
};

#endif
