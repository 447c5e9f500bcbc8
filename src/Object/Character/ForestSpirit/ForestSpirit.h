#ifndef FORESTSPIRIT_H
#define FORESTSPIRIT_H

#include <vector>

#include "ArmsLegs/ArmsLegs.h"
#include "Object/Character/Character.h"
#include "OpenGL/OpenGL.h"
#include "PolygonColor/PolygonColor.h"
#include "Vector3D/Vector3D.h"

class Controller;
class FireBallMissile;
class HeightMap;
class Mesh;
class Missile;
class Portal;
class PortalMissile;
class Sounds;
class StaticObject;
class Texture;

// Radii of a spirit's collision probes.
const float SPIRIT_BODY_RADIUS = 1.65f;
const float SPIRIT_EYE_RADIUS = 1.2f;
const float SPIRIT_SMALL_EYE_RADIUS = 0.53f;
const float SPIRIT_LANDING_RADIUS = 1.35f;
// The position stands this far above the ground.
const float SPIRIT_FOOT_HEIGHT = 1.3f;
const float SPIRIT_GRAVITY = 0.08f;
const float SPIRIT_JUMP_SPEED = 0.9f;
const float SPIRIT_MAX_FORWARD_RISE = 0.8f;
const float SPIRIT_MAX_SIDEWAYS_RISE = 0.02f;
const float SPIRIT_HIGHEST_PITCH = 0.9f;
const float SPIRIT_LOWEST_PITCH = -0.45f;
// A figure leaves a local portal this far beyond its body radius, at least
// this fast outwards and ahead, and clear of the ground by this much.
const float PASSAGE_EXIT_MARGIN = 0.35f;
const float PASSAGE_EXIT_SPEED = 0.4f;
const float PASSAGE_STEP_SPEED = 0.25f;
const float PASSAGE_GROUND_CLEARANCE = 0.05f;

// The spirit figure of the hero and of the enemy and allied spirits: its
// body, walking and falling over a height map, limb animation and throwing.
// The position is the figure's reference point, 1.3 above the ground while
// it stands; a null height map means airborne.
class ForestSpirit : public Character {
public:
    ForestSpirit();
    virtual ~ForestSpirit();

    void draw() override;
    // Never the spirit's own position or eye point; otherwise within
    // r + 1.65 horizontally, whatever the heights.
    bool doesSphereCollide(Vector3D* p, float r) override;
    // Unit view direction plus half the unit up vector; normalises the stored
    // up vector in place.
    virtual Vector3D getEyeOffset();
    // Launch: the missile in hand leaves from 2 ahead at 1.3 along the view.
    virtual void setMissilePositionAndVel();
    virtual void jump();

    void applyMatrixMultiplications();
    void drawForShadows();

    // Walking, turning and falling.
    void moveStraight(float d);
    // Positive d steps to the left.
    void strafeLeftRight(float d);
    // Positive d lowers the view, negative raises it; the pitch stays within
    // [-0.45, 0.9].
    void tiltUpDown(float d);
    void tiltLeftRight(float d);
    void applyGravity(Controller* controller);
    void forcePositionAboveGround();
    void setGroundVectors();
    void setLocation(Vector3D* point);
    void resetPosition();

    // Passage through the local portal pair.
    void applyLocalPortalCollisions(Controller* controller);
    void movePositionThroughPortal(Portal* in, Portal* out);

    // One frame of the limbs; launches the missile in hand and makes the
    // jump at their frames.
    void updateArmsAndLegs();

    // Throws: the new missile is held in the hand until the limbs launch it.
    // The controller owns it from the moment it is listed.
    void firePortalMissile(PortalMissile*& out);
    void fireFireBallMissile(FireBallMissile*& out);
    Missile* getMissileInHand() { return missileInHand; }
    // The controller destroyed the missile this spirit still holds.
    void clearMissileInHand() { missileInHand = nullptr; }

    void setMeshes(Mesh* eyes, Mesh* body, Mesh* leftFoot, Mesh* rightFoot, Mesh* leftArm, Mesh* rightArm);
    void setBodyColor(PolygonColor color);
    PolygonColor getBodyColor();
    void setSounds(Sounds* sounds);
    void setTexture(Texture* texture);
    void setFireballTexture(Texture* texture);
    void toggleDrawingBodyMesh(bool draw);
    // A worn or carried mesh, drawn with the figure; not owned.
    void addMeshToExtras(Mesh* mesh);
    std::vector<Mesh*>* getExtras();
    // True while a throw runs (a jump does not count).
    bool isCurrentlyAnimating();
    int getMissileQueue();
    void setMissileQueue(int queue);
    void drawHeadAndEyes();
    HeightMap* getHeightMap() { return heightMap; }
    ArmsLegs* getArmsLegs() { return &armsLegs; }

protected:
    // What a failed move puts back: not the velocity, the height map or any
    // statistic.
    struct Snapshot {
        Vector3D position;
        Vector3D up;
        Vector3D center;
        ArmsLegs armsLegs;
    };
    Snapshot takeSnapshot();
    void restoreSnapshot(const Snapshot& snapshot);
    // The fall's opening, shared by every figure: one step of gravity, and
    // what it moved from.
    Snapshot fallOneStep();
    // After the figure's own passage step: on touching the ground the step
    // is undone and the figure stands on it; true then.
    bool landIfGrounded(const Snapshot& snapshot, Controller* controller);
    // The passage itself; true when the figure went through.
    bool passThroughLocalPortals(Controller* controller);
    // Moves the position and the look-at point together.
    void moveBy(Vector3D step);
    // The view flattened onto the ground plane, not rescaled.
    Vector3D flatView();
    // The figure's pitch and yaw in degrees, as the body is drawn.
    void getBodyRotation(float& pitch, float& yaw, Vector3D& axis);

    PolygonColor bodyColor;
    bool jumpKeyLatch;
    Sounds* sounds;
    Missile* missileInHand;
    Texture* texture;
    HeightMap* heightMap;
    Mesh* bodyMesh;
    Mesh* eyesMesh;
    Texture* fireballTexture;
    bool animating;
    int missileQueue;
    bool movingForward;
    bool strafingRight;
    bool strafingLeft;
    bool movingBackward;
    Vector3D groundForward;
    Vector3D groundNormal;
    Mesh* leftArmMesh;
    Mesh* rightArmMesh;
    Mesh* leftFootMesh;
    Mesh* rightFootMesh;
    StaticObject* extras;
    bool throwing;
    ArmsLegs armsLegs;
    GLUquadric* quadric;
    int jumpCounter;
    float lastGroundY;
    bool jumping;
    bool drawBodyMesh;

private:
    ForestSpirit(const ForestSpirit&) = delete;
    ForestSpirit& operator=(const ForestSpirit&) = delete;
};

#endif
