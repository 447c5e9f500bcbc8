#ifndef ARMSLEGS_H
#define ARMSLEGS_H

#include "OpenGL/OpenGL.h"
#include "Vector3D/Vector3D.h"

class Controller;
class ForestSpirit;
class Texture;

// Limb modes handed to ArmsLegs::update.
const int LIMBS_WALK_FORWARD = 11111;
const int LIMBS_WALK_BACKWARD = 11122;
const int LIMBS_STRAFE_RIGHT = 12222;
const int LIMBS_STAND = 133333;
const int LIMBS_STRAFE_LEFT = 144444;
const int LIMBS_ARMS_THROW = 155555;
const int LIMBS_LEGS_JUMP = 155556;

// A spirit's two arms and two legs: offsets from the body centre, drawn as
// spheres, and the counters that swing them. Held by value, so that a
// figure's snapshot can carry the whole limb state.
class ArmsLegs {
public:
    ArmsLegs();
    virtual ~ArmsLegs();

    // Poses the limbs for the mode and steps the counters; true while a
    // throw is in progress (four calls from its start).
    bool update(ForestSpirit* spirit, int mode, int armMode, int legMode);

    void setArmTexture(Texture* texture);
    void setlegTexture(Texture* texture);

    // The caller has translated to the spirit; the limbs turn themselves.
    void draw(ForestSpirit* spirit);
    void drawArms(Vector3D a, Vector3D b, ForestSpirit* spirit);
    void drawLegs(Vector3D a, Vector3D b, ForestSpirit* spirit);
    // Fixed limbs turned by angle degrees about y, for the inventory preview.
    void drawRotating(ForestSpirit* spirit, int angle);
    void DrawSphereWithRadius(GLUquadric*& quadric, double& radius);

    float SetArmsToStartingPos(Vector3D& dir, Vector3D& axis);
    float setArmWalking(Vector3D& dir, Vector3D& axis, int mode);
    void SetLegsToStartingPos(Vector3D& dir, Vector3D& axis);
    void SetLegWalking(Vector3D& dir, Vector3D& axis, int mode);
    void SetArmsToPortalPos(Vector3D& view, Vector3D& up);
    void SetArmsLegsToJumpingPos(Vector3D& legDir, Vector3D& legAxis, Vector3D& armDir, Vector3D& armAxis);

    float GetArmWalkingRotation(float t, int mode);
    float GetArmPortalShift();
    // Never called: limbs do not collide.
    bool checkIfCollides(Vector3D* point, Controller* controller);

    Vector3D getLeftArm() const { return leftArm; }
    Vector3D getRightArm() const { return rightArm; }
    Vector3D getLeftLeg() const { return leftLeg; }
    Vector3D getRightLeg() const { return rightLeg; }
    float getThrowCounter() const { return throwCounter; }
    float getWalkCounter() const { return walkCounter; }
    float getJumpPoseCounter() const { return jumpPoseCounter; }

protected:
    Texture* armTexture;
    Texture* legTexture;
    float armRadius;
    Vector3D leftArm;
    Vector3D rightArm;
    Vector3D leftLeg;
    Vector3D rightLeg;
    float legRadius;
    int walkStep;
    int throwStep;
    int backStep;
    int strafeStep;
    int jumpStep;
    int portalFlag;
    float walkCounter;
    float jumpPoseCounter;
    float throwCounter;
    float backCounter;
    float strafeCounter;
    Vector3D spare;
    bool spareFlag;

private:
    // The walking phase t of the mode's counter.
    float walkPhase(int mode);
    void applyMaterial();
    void drawPair(Vector3D a, Vector3D b, float radius, Texture* limbTexture);
};

#endif
