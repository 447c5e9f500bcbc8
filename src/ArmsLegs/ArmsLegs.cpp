#include "ArmsLegs/ArmsLegs.h"

#include <cassert>
#include <cmath>

#include "ArmsLegs/SphereList.h"
#include "Object/Character/ForestSpirit/ForestSpirit.h"
#include "Texture/Texture.h"

const double HALF_PI = M_PI / 2.0;
const double THIRD_PI = M_PI / 3.0;
const float ARM_REACH = 1.2f;
const float LEG_REACH = 1.3f;

// Steps a swing counter and turns its step round at the bounds.
static void swing(float& counter, int& step, float bound) {
    counter += step;
    if (counter >= bound || counter <= -bound) {
        step = -step;
    }
}

ArmsLegs::ArmsLegs()
    : armTexture(nullptr), legTexture(nullptr), armRadius(0.2f), legRadius(0.35f), walkStep(1), throwStep(1),
      backStep(1), strafeStep(1), jumpStep(1), portalFlag(0), walkCounter(0.0f), jumpPoseCounter(0.0f),
      throwCounter(0.0f), backCounter(0.0f), strafeCounter(0.0f), spareFlag(false) {}

ArmsLegs::~ArmsLegs() {}

void ArmsLegs::setArmTexture(Texture* texture) { armTexture = texture; }

void ArmsLegs::setlegTexture(Texture* texture) { legTexture = texture; }

bool ArmsLegs::update(ForestSpirit* spirit, int mode, int armMode, int legMode) {
    Vector3D center = spirit->getCenter();
    Vector3D position = spirit->getPosition();
    Vector3D view = center.subtract(&position);
    Vector3D flat(view.x, 0.0f, view.z);
    flat.setLength(1.0);
    Vector3D worldUp(0.0f, 1.0f, 0.0f);
    Vector3D up = spirit->getUp();
    bool throwArms = armMode == LIMBS_ARMS_THROW;

    switch (mode) {
    case LIMBS_STAND:
        if (throwArms) {
            SetArmsToPortalPos(view, up);
        } else {
            SetArmsToStartingPos(flat, worldUp);
        }
        if (legMode == LIMBS_LEGS_JUMP) {
            SetArmsToStartingPos(flat, worldUp);
            SetLegsToStartingPos(view, up);
            float f = -jumpPoseCounter * 0.2f;
            if (jumpPoseCounter >= 3) {
                f = -f;
            }
            leftLeg.y += f * 0.2f;
            rightLeg.y += f * 0.2f;
        } else {
            SetLegsToStartingPos(flat, worldUp);
        }
        break;
    case LIMBS_WALK_FORWARD:
    case LIMBS_WALK_BACKWARD:
        if (throwArms) {
            SetArmsToPortalPos(view, up);
        } else {
            setArmWalking(view, up, mode);
        }
        SetLegWalking(flat, worldUp, mode);
        break;
    case LIMBS_STRAFE_RIGHT:
    case LIMBS_STRAFE_LEFT: {
        if (throwArms) {
            SetArmsToPortalPos(view, up);
        } else {
            SetArmsToStartingPos(view, up);
        }
        SetLegsToStartingPos(flat, worldUp);
        Vector3D side = flat.rotateAroundVector(HALF_PI, &worldUp).getUnitVector();
        float s = strafeCounter * 0.125f;
        Vector3D shorter = side.multiply(-0.2 * s);
        Vector3D longer = side.multiply(0.4 * s);
        if (mode == LIMBS_STRAFE_RIGHT) {
            leftLeg = leftLeg.add(&shorter);
            rightLeg = rightLeg.add(&longer);
        } else {
            leftLeg = leftLeg.add(&longer);
            rightLeg = rightLeg.add(&shorter);
        }
        break;
    }
    default:
        break;
    }

    switch (mode) {
    case LIMBS_STAND:
    case LIMBS_WALK_FORWARD:
        swing(walkCounter, walkStep, 6.0f);
        break;
    case LIMBS_WALK_BACKWARD:
        swing(backCounter, backStep, 8.0f);
        break;
    case LIMBS_STRAFE_RIGHT:
    case LIMBS_STRAFE_LEFT:
        swing(strafeCounter, strafeStep, 8.0f);
        break;
    default:
        break;
    }

    // From 0 the throw counter runs 2, 4, 6, 6, 8.
    throwCounter += throwStep;
    if (throwCounter >= 4 || throwCounter <= -4) {
        throwStep = -throwStep;
    }
    throwCounter += 1;

    jumpPoseCounter += jumpStep;
    if (jumpPoseCounter >= 6) {
        jumpPoseCounter = 0;
    }

    if (throwCounter >= 8) {
        throwStep = 1;
        throwCounter = 0;
        portalFlag = 0;
        return false;
    }
    if (armMode == LIMBS_ARMS_THROW) {
        return true;
    }
    throwCounter = 0;
    portalFlag = 0;
    return false;
}

float ArmsLegs::walkPhase(int mode) {
    switch (mode) {
    case LIMBS_WALK_BACKWARD:
        return backCounter / 16.0f;
    case LIMBS_STRAFE_RIGHT:
    case LIMBS_STRAFE_LEFT:
        return strafeCounter / 16.0f;
    default:
        return walkCounter / 12.0f;
    }
}

float ArmsLegs::SetArmsToStartingPos(Vector3D& dir, Vector3D& axis) {
    float angle = (float)HALF_PI;
    leftArm = dir.rotateAroundVector(angle, &axis).multiply(ARM_REACH);
    rightArm = leftArm.multiply(-1.0);
    return angle;
}

float ArmsLegs::setArmWalking(Vector3D& dir, Vector3D& axis, int mode) {
    float angle = (float)(HALF_PI + THIRD_PI * walkPhase(mode));
    leftArm = dir.rotateAroundVector(angle, &axis).multiply(ARM_REACH);
    rightArm = leftArm.multiply(-1.0);
    return angle;
}

void ArmsLegs::SetLegWalking(Vector3D& dir, Vector3D& axis, int mode) {
    double angle = -(HALF_PI + THIRD_PI * walkPhase(mode));
    leftLeg = dir.rotateAroundVector(angle, &axis).multiply(LEG_REACH);
    rightLeg = leftLeg;
    leftLeg = leftLeg.rotateAroundVector(THIRD_PI, &dir);
    rightLeg = rightLeg.rotateAroundVector(-THIRD_PI, &dir).multiply(-1.0);
}

void ArmsLegs::SetLegsToStartingPos(Vector3D& dir, Vector3D& axis) {
    leftLeg = dir.rotateAroundVector(-HALF_PI, &axis).multiply(LEG_REACH);
    rightLeg = leftLeg;
    leftLeg = leftLeg.rotateAroundVector(THIRD_PI, &dir);
    rightLeg = rightLeg.rotateAroundVector(-THIRD_PI, &dir).multiply(-1.0);
}

// The arms swing in from the sides to the front and rise as the throw
// counter grows.
void ArmsLegs::SetArmsToPortalPos(Vector3D& view, Vector3D& up) {
    Vector3D u = view.getUnitVector();
    Vector3D unitUp = up.getUnitVector();
    Vector3D side = u.rotateAroundVector(HALF_PI, &unitUp).multiply(ARM_REACH);
    float shift = 0.125f * throwCounter;
    Vector3D inward = side.multiply(-1.1 * shift / ARM_REACH);
    Vector3D forward = u.multiply(2.4 * shift);
    Vector3D lift = unitUp.multiply(0.7 * shift);
    leftArm = side.add(&inward).add(&forward).add(&lift);
    Vector3D otherSide = side.multiply(-1.0);
    Vector3D otherInward = inward.multiply(-1.0);
    rightArm = otherSide.add(&otherInward).add(&forward).add(&lift);
}

void ArmsLegs::SetArmsLegsToJumpingPos(Vector3D& legDir, Vector3D& legAxis, Vector3D& armDir, Vector3D& armAxis) {
    SetArmsToStartingPos(armDir, armAxis);
    SetLegsToStartingPos(legDir, legAxis);
    float f = -jumpPoseCounter * 0.2f;
    if (jumpPoseCounter >= 3) {
        f = -f;
    }
    leftLeg.y += f * 0.2f;
    rightLeg.y += f * 0.2f;
}

float ArmsLegs::GetArmWalkingRotation(float t, int mode) {
    if (mode == LIMBS_WALK_BACKWARD || mode == LIMBS_STRAFE_RIGHT || mode == LIMBS_STRAFE_LEFT) {
        return (float)(HALF_PI + THIRD_PI * t / 16.0);
    }
    return (float)(HALF_PI + THIRD_PI * t / 12.0);
}

float ArmsLegs::GetArmPortalShift() { return 0.125f * throwCounter; }

bool ArmsLegs::checkIfCollides(Vector3D*, Controller*) {
    assert(false);
    return false;
}

// ---- drawing

void ArmsLegs::applyMaterial() {
    glColor3f(0.9f, 0.1f, 0.3f);
    const GLfloat specular[] = {0.5f, 1.0f, 0.5f, 1.0f};
    glMaterialfv(GL_FRONT_AND_BACK, GL_SPECULAR, specular);
    glMaterialf(GL_FRONT_AND_BACK, GL_SHININESS, 2.0f);
}

void ArmsLegs::draw(ForestSpirit* spirit) {
    applyMaterial();
    if (armTexture && legTexture) {
        glEnable(GL_TEXTURE_2D);
    } else {
        glDisable(GL_TEXTURE_2D);
    }
    drawArms(leftArm, rightArm, spirit);
    drawLegs(leftLeg, rightLeg, spirit);
    glDisable(GL_TEXTURE_2D);
}

void ArmsLegs::drawPair(Vector3D a, Vector3D b, float radius, Texture* limbTexture) {
    if (limbTexture == nullptr) {
        glColor3f(1.0f, 0.0f, 0.5f);
    } else {
        glEnable(GL_TEXTURE_2D);
        limbTexture->bindGLTexture();
    }
    for (Vector3D* offset : {&a, &b}) {
        glPushMatrix();
        glTranslatef(offset->x, offset->y, offset->z);
        SphereList::draw(radius);
        glPopMatrix();
    }
}

void ArmsLegs::drawArms(Vector3D a, Vector3D b, ForestSpirit*) { drawPair(a, b, armRadius, armTexture); }

void ArmsLegs::drawLegs(Vector3D a, Vector3D b, ForestSpirit*) { drawPair(a, b, legRadius, legTexture); }

void ArmsLegs::DrawSphereWithRadius(GLUquadric*& quadric, double& radius) { gluSphere(quadric, radius, 40, 40); }

// The preview's limbs: arms out to the sides at shoulder height, legs below
// and slightly apart, all turned with the figure.
void ArmsLegs::drawRotating(ForestSpirit* spirit, int angle) {
    applyMaterial();
    double turn = angle * M_PI / 180.0;
    Vector3D down(0.0f, -1.0f, 0.0f);
    Vector3D upward(0.0f, 1.0f, 0.0f);
    Vector3D ahead = down.rotateAroundZAxis(HALF_PI);  // (-1, 0, 0), turned below
    Vector3D armLeft = ahead.rotateAroundYAxis(HALF_PI + turn).multiply(ARM_REACH);
    Vector3D armRight = ahead.rotateAroundYAxis(-HALF_PI + turn).multiply(ARM_REACH);
    Vector3D legLeft = upward.rotateAroundZAxis(HALF_PI).rotateAroundYAxis(HALF_PI + turn).multiply(0.45);
    Vector3D legRight = upward.rotateAroundZAxis(HALF_PI).rotateAroundYAxis(-HALF_PI + turn).multiply(0.45);
    legLeft.y -= 1.4f;
    legRight.y -= 1.4f;
    drawArms(armLeft, armRight, spirit);
    drawLegs(legLeft, legRight, spirit);
}
