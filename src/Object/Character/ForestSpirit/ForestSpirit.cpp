#include "Object/Character/ForestSpirit/ForestSpirit.h"

#include <cassert>
#include <cmath>

#include "Controller/Controller.h"
#include "Mesh/Mesh.h"
#include "Object/HeightMap/HeightMap.h"
#include "Object/Missile/FireBallMissile/FireBallMissile.h"
#include "Object/Missile/PortalMissile/PortalMissile.h"
#include "Object/Portal/Portal.h"
#include "Object/StaticObject/StaticObject.h"

static float flatDistance(Vector3D a, Vector3D b) {
    a.y = 0.0f;
    b.y = 0.0f;
    return a.subtract(&b).getLength();
}

ForestSpirit::ForestSpirit()
    : jumpKeyLatch(false), sounds(nullptr), missileInHand(nullptr), texture(nullptr), heightMap(nullptr),
      bodyMesh(nullptr), eyesMesh(nullptr), fireballTexture(nullptr), animating(false), missileQueue(0),
      movingForward(false), strafingRight(false), strafingLeft(false), movingBackward(false),
      leftArmMesh(nullptr), rightArmMesh(nullptr), leftFootMesh(nullptr), rightFootMesh(nullptr),
      extras(new StaticObject()), throwing(false), quadric(nullptr), jumpCounter(0), lastGroundY(0.0f),
      jumping(false), drawBodyMesh(true) {
    quadric = gluNewQuadric();
    gluQuadricDrawStyle(quadric, GLU_FILL);
    gluQuadricNormals(quadric, GLU_SMOOTH);
    gluQuadricTexture(quadric, GL_TRUE);
    bodyColor.setRed(0.0f);
    bodyColor.setGreen(0.0f);
    bodyColor.setBlue(0.0f);
    resetPosition();
}

// The missile in hand belongs to the controller's list and is not ours.
ForestSpirit::~ForestSpirit() {
    gluDeleteQuadric(quadric);
    delete extras;
}

// ---- body

Vector3D ForestSpirit::getEyeOffset() {
    up = up.getUnitVector();
    Vector3D view = getViewDirection().getUnitVector();
    Vector3D halfUp = up.multiply(0.5);
    return view.add(&halfUp);
}

bool ForestSpirit::doesSphereCollide(Vector3D* p, float r) {
    Vector3D offset = getEyeOffset();
    Vector3D eye = position.add(&offset);
    if (p->equals(&position) || p->equals(&eye)) {
        return false;
    }
    return flatDistance(*p, position) <= r + SPIRIT_BODY_RADIUS;
}

void ForestSpirit::getBodyRotation(float& pitch, float& yaw, Vector3D& axis) {
    Vector3D v = getViewDirection().getUnitVector();
    Vector3D h(v.x, 0.0f, v.z);
    h = h.getUnitVector();
    Vector3D worldUp(0.0f, 1.0f, 0.0f);
    Vector3D worldX(1.0f, 0.0f, 0.0f);
    Vector3D worldZ(0.0f, 0.0f, 1.0f);
    float angle = h.getAngleBetween(&v);
    pitch = angle == ANGLE_UNDEFINED ? 0.0f : (float)(angle * 180.0 / M_PI);
    if (Vector3D::getDotProduct(&worldUp, &v) < 0) {
        pitch = -pitch;
    }
    // Looking exactly along +z meets the same rounding as the pitch.
    angle = worldZ.getAngleBetween(&h);
    yaw = angle == ANGLE_UNDEFINED ? 0.0f : (float)(angle * 180.0 / M_PI);
    if (Vector3D::getDotProduct(&worldX, &h) < 0) {
        yaw = -yaw;
    }
    axis = h.rotateAroundYAxis(M_PI / 2.0);
}

void ForestSpirit::applyMatrixMultiplications() {
    float pitch, yaw;
    Vector3D axis;
    getBodyRotation(pitch, yaw, axis);
    glTranslatef(position.x, position.y, position.z);
    glRotatef(pitch, axis.x, axis.y, axis.z);
    glRotatef(yaw, 0.0f, 1.0f, 0.0f);
}

void ForestSpirit::draw() {
    assert(bodyMesh && "bodyMesh");
    float pitch, yaw;
    Vector3D axis;
    getBodyRotation(pitch, yaw, axis);
    glPushMatrix();
    glTranslatef(position.x, position.y, position.z);
    armsLegs.draw(this);
    glRotatef(pitch, axis.x, axis.y, axis.z);
    glRotatef(yaw, 0.0f, 1.0f, 0.0f);
    if (jumping) {
        glTranslatef(0.0f, -jumpCounter * 0.2f, 0.0f);
    }
    if (drawBodyMesh) {
        bodyMesh->draw();
        if (eyesMesh) {
            eyesMesh->draw();
        }
    }
    extras->draw();
    glPopMatrix();
}

void ForestSpirit::drawForShadows() {
    if (!drawBodyMesh) {
        return;
    }
    assert(bodyMesh && "bodyMesh");
    bodyMesh->drawWithNothing();
}

// ---- movement

ForestSpirit::Snapshot ForestSpirit::takeSnapshot() { return Snapshot{position, up, center, armsLegs}; }

void ForestSpirit::restoreSnapshot(const Snapshot& snapshot) {
    position = snapshot.position;
    up = snapshot.up;
    center = snapshot.center;
    armsLegs = snapshot.armsLegs;
}

void ForestSpirit::moveBy(Vector3D step) {
    position = position.add(&step);
    center = center.add(&step);
}

Vector3D ForestSpirit::flatView() {
    Vector3D v = getViewDirection();
    return Vector3D(v.x, 0.0f, v.z);
}

void ForestSpirit::moveStraight(float d) {
    if (heightMap == nullptr) {
        Vector3D step = getViewDirection();
        step.setLength(d);
        moveBy(step);
        return;
    }
    movingForward = true;
    Vector3D h = flatView();
    Vector3D probe = position.add(&h);
    float ground = heightMap->getHeight(probe.x, probe.z);
    if (ground == UNDEFINED_HEIGHT) {
        heightMap = nullptr;
        moveBy(h);
        return;
    }
    float rise = ground - (position.y - SPIRIT_FOOT_HEIGHT);
    if (rise < 0) {
        h.setLength(1.0);
        moveBy(h);
        heightMap = nullptr;
    } else if (rise < SPIRIT_MAX_FORWARD_RISE) {
        h.setLength(d);
        moveBy(h);
    }
}

void ForestSpirit::strafeLeftRight(float d) {
    Vector3D v = getViewDirection();
    Vector3D s = v.rotateAroundVector(-M_PI / 2.0, &up);
    if (heightMap == nullptr) {
        s.setLength(d);
        moveBy(s);
        return;
    }
    Vector3D h(s.x, 0.0f, s.z);
    h.setLength(d);
    Vector3D probe = position.add(&h);
    float ground = heightMap->getHeight(probe.x, probe.z);
    if (ground == UNDEFINED_HEIGHT) {
        // No ground beside: the figure stays put and the next gravity step
        // decides where it stands.
        heightMap = nullptr;
        return;
    }
    if (ground - (position.y - SPIRIT_FOOT_HEIGHT) <= SPIRIT_MAX_SIDEWAYS_RISE) {
        moveBy(h);
        heightMap = nullptr;
    }
}

void ForestSpirit::tiltUpDown(float d) {
    Vector3D v = getViewDirection();
    Vector3D h = flatView();
    // About the level side axis: turned about the figure's own (tilted) up,
    // the axis leaves the level plane and every pitch step also turns the
    // figure sideways. From a level view the two agree.
    Vector3D axis = h.rotateAroundYAxis(M_PI / 2.0);
    float a = v.getAngleBetween(&h);
    // A level view can round to no angle at all: it is a pitch of 0.
    if (a == ANGLE_UNDEFINED) {
        a = 0.0f;
    }
    if (v.y < 0) {
        a = -a;
    }
    if (a - d > SPIRIT_HIGHEST_PITCH) {
        d = a - SPIRIT_HIGHEST_PITCH;
    }
    if (a - d < SPIRIT_LOWEST_PITCH) {
        d = a - SPIRIT_LOWEST_PITCH;
    }
    // Turned so that the new pitch is a - d: a negative d raises the view.
    v = v.rotateAroundVector(d, &axis);
    center = position.add(&v);
    up = up.rotateAroundVector(d, &axis);
}

void ForestSpirit::tiltLeftRight(float d) {
    Vector3D v = position.getDirectionTo(&center).rotateAroundYAxis(d);
    center = position.add(&v);
    up = up.rotateAroundYAxis(d);
    groundForward = groundForward.rotateAroundYAxis(d);
    movingForward = true;
}

void ForestSpirit::jump() {
    Vector3D impulse = Vector3D(0.0f, 1.0f, 0.0f).multiply(SPIRIT_JUMP_SPEED);
    velocity = velocity.add(&impulse);
    heightMap = nullptr;
    jumping = false;
    jumpCounter = 0;
}

void ForestSpirit::forcePositionAboveGround() {
    assert(heightMap && "heightMap");
    float ground = heightMap->getHeight(position.x, position.z);
    if (ground == UNDEFINED_HEIGHT) {
        heightMap = nullptr;
        return;
    }
    moveBy(Vector3D(0.0f, ground + SPIRIT_FOOT_HEIGHT - position.y, 0.0f));
}

void ForestSpirit::setGroundVectors() {
    groundNormal.setCoords(0.0f, 1.0f, 0.0f);
    if (heightMap) {
        // Exactly on a grid line beside a hole there is a height but no
        // triangle: keep the level normal.
        Polygon3D* ground = heightMap->getPolygon(position.x, position.z);
        if (ground) {
            groundNormal = ground->getNormal();
        }
    }
    Vector3D v = getViewDirection();
    Vector3D c = Vector3D::getCrossProduct(&groundNormal, &v);
    groundForward = groundNormal.rotateAroundVector(M_PI / 2.0, &c);
    if (Vector3D::getDotProduct(&groundForward, &v) < 0) {
        groundForward = groundForward.multiply(-1.0);
    }
    groundForward.setLength(1.0);
    groundNormal.setLength(1.0);
}

void ForestSpirit::applyGravity(Controller* controller) {
    Snapshot snapshot = fallOneStep();
    applyLocalPortalCollisions(controller);
    if (landIfGrounded(snapshot, controller)) {
        setGroundVectors();
    }
}

ForestSpirit::Snapshot ForestSpirit::fallOneStep() {
    assert(heightMap == nullptr && "heightMap == NULL");
    Snapshot snapshot = takeSnapshot();
    Vector3D fall(0.0f, -SPIRIT_GRAVITY, 0.0f);
    velocity = velocity.add(&fall);
    moveBy(velocity);
    return snapshot;
}

bool ForestSpirit::landIfGrounded(const Snapshot& snapshot, Controller* controller) {
    heightMap = controller->getCollidingHeightMap(&position, SPIRIT_LANDING_RADIUS);
    if (!heightMap) {
        return false;
    }
    restoreSnapshot(snapshot);
    velocity.clear();
    jumpKeyLatch = false;
    forcePositionAboveGround();
    return true;
}

void ForestSpirit::setLocation(Vector3D* point) {
    Vector3D view = getViewDirection();
    position = *point;
    center = point->add(&view);
}

void ForestSpirit::resetPosition() {
    position.setCoords(5.789f, 6.3f, -0.786f);
    up.setCoords(0.0f, 1.0f, 0.0f);
    center.setCoords(5.789f, 6.3f, -1.786f);
    groundNormal.setCoords(0.0f, 1.0f, 0.0f);
    Vector3D view = getViewDirection();
    Vector3D axis = view.rotateAroundVector(M_PI / 2.0, &up);
    groundForward = groundNormal.rotateAroundVector(-M_PI / 2.0, &axis);
    groundForward.setLength(1.0);
    heightMap = nullptr;
}

// ---- local portals

void ForestSpirit::applyLocalPortalCollisions(Controller* controller) { passThroughLocalPortals(controller); }

bool ForestSpirit::passThroughLocalPortals(Controller* controller) {
    Portal* in = nullptr;
    Portal* out = nullptr;
    controller->getCollidingPortal(&position, SPIRIT_BODY_RADIUS, in, out);
    if (in == nullptr || out == nullptr) {
        return false;
    }
    movePositionThroughPortal(in, out);
    // The caller undoes the frame's move if the figure lands at once, which
    // would put it back in front of the entry: arrive clear of the ground.
    HeightMap* ground = controller->getCurrentHeightMap();
    float groundHeight = ground->getHeight(position.x, position.z);
    float lowest = groundHeight + SPIRIT_LANDING_RADIUS + PASSAGE_GROUND_CLEARANCE;
    if (groundHeight != UNDEFINED_HEIGHT && position.y < lowest) {
        moveBy(Vector3D(0.0f, lowest - position.y, 0.0f));
    }
    return true;
}

// The heading a level figure takes for a view: the level part of the view,
// or, looking straight up or down, the direction the top of the view
// pointed (away from it when looking up). Empty only when both are vertical.
static Vector3D levelHeading(Vector3D view, Vector3D up) {
    view.setLength(1.0);
    up.setLength(1.0);
    Vector3D heading(view.x - view.y * up.x, 0.0f, view.z - view.y * up.z);
    return heading.getLength() < 1e-4f ? Vector3D() : heading;
}

void ForestSpirit::movePositionThroughPortal(Portal* in, Portal* out) {
    // The turn the view through the pair shows, so that the figure arrives
    // where the player saw; the figure stays upright and only its heading
    // follows.
    Vector3D view = getViewDirection();
    Vector3D exitNormal = out->getNormal().getUnitVector();
    Vector3D heading = levelHeading(in->carryDirection(out, view), in->carryDirection(out, up));
    if (heading.isEmpty()) {
        heading.setCoords(exitNormal.x, 0.0f, exitNormal.z);
    }
    if (heading.getLength() < 1e-4f) {
        heading = out->getLeftHandVector();
    }
    Vector3D level(view.x, 0.0f, view.z);
    if (level.getLength() < 1e-4f) {
        // A figure looking straight up or down takes the heading level.
        heading.setLength(view.getLength());
        view = heading;
    } else {
        double turn = std::atan2(heading.z, heading.x) - std::atan2(level.z, level.x);
        view = view.rotateAroundYAxis(turn);
        up = up.rotateAroundYAxis(turn);
        groundForward = groundForward.rotateAroundYAxis(turn);
    }

    // Out along the exit's normal, just clear of its entry test, and on
    // along the heading: a figure that walked in has no speed of its own and
    // would otherwise drop straight back into a floor exit, for ever.
    velocity = in->carryDirection(out, velocity);
    float outward = Vector3D::getDotProduct(&velocity, &exitNormal);
    if (outward < PASSAGE_EXIT_SPEED) {
        Vector3D push = exitNormal.multiply(PASSAGE_EXIT_SPEED - outward);
        velocity = velocity.add(&push);
    }
    Vector3D ahead(view.x, 0.0f, view.z);
    if (ahead.getLength() > 1e-4f) {
        ahead.setLength(1.0);
        float along = Vector3D::getDotProduct(&velocity, &ahead);
        if (along < PASSAGE_STEP_SPEED) {
            Vector3D step = ahead.multiply(PASSAGE_STEP_SPEED - along);
            velocity = velocity.add(&step);
        }
    }
    Vector3D clear = exitNormal.multiply(SPIRIT_BODY_RADIUS + PASSAGE_EXIT_MARGIN);
    Vector3D exitPosition = out->getPosition();
    position = exitPosition.add(&clear);
    center = position.add(&view);
    heightMap = nullptr;
}

// ---- limbs and throwing

void ForestSpirit::updateArmsAndLegs() {
    int armMode = throwing ? LIMBS_ARMS_THROW : 0;
    if (movingForward) {
        animating = armsLegs.update(this, LIMBS_WALK_FORWARD, armMode, 0);
        movingForward = false;
    } else {
        if (!strafingRight && !strafingLeft) {
            animating = armsLegs.update(this, LIMBS_STAND, armMode, 0);
        }
        if (movingBackward) {
            animating = armsLegs.update(this, LIMBS_WALK_BACKWARD, armMode, 0);
            movingBackward = false;
        } else if (strafingRight) {
            animating = armsLegs.update(this, LIMBS_STRAFE_RIGHT, armMode, 0);
            strafingRight = false;
        } else if (strafingLeft) {
            animating = armsLegs.update(this, LIMBS_STRAFE_LEFT, armMode, 0);
            strafingLeft = false;
        }
    }
    if (jumpKeyLatch) {
        int legMode = jumping && jumpCounter <= 6 ? LIMBS_LEGS_JUMP : 0;
        animating = armsLegs.update(this, LIMBS_STAND, armMode, legMode);
    }
    if (throwing) {
        if (missileQueue == 3 && missileInHand) {
            missileInHand->setLaunched(true);
            setMissilePositionAndVel();
        }
        missileQueue += 1;
    }
    if (jumping) {
        jumpCounter += 1;
        if (jumpCounter > 2) {
            jump();
        }
    }
    if (!animating) {
        throwing = false;
        missileQueue = 0;
    }
}

void ForestSpirit::firePortalMissile(PortalMissile*& out) {
    throwing = true;
    Vector3D view = getViewDirection();
    view.setLength(2.0);
    Vector3D offset = getEyeOffset();
    Vector3D start = position.add(&view).add(&offset);
    Vector3D speed = getViewDirection();
    speed.setLength(1.3);
    out = new PortalMissile(&start, &speed, &up);
    missileInHand = out;
}

void ForestSpirit::fireFireBallMissile(FireBallMissile*& out) {
    throwing = true;
    Vector3D view = getViewDirection();
    view.setLength(2.0);
    Vector3D offset = getEyeOffset();
    Vector3D start = position.add(&view).add(&offset);
    Vector3D speed = getViewDirection();
    speed.setLength(2.3);
    out = new FireBallMissile(&start, &speed, &up);
    out->setTexture(fireballTexture);
    missileInHand = out;
}

void ForestSpirit::setMissilePositionAndVel() {
    Vector3D view = getViewDirection();
    view.setLength(2.0);
    missileInHand->setPosition(position.add(&view));
    Vector3D speed = getViewDirection();
    speed.setLength(1.3);
    missileInHand->setVelocity(speed);
}

// ---- looks

void ForestSpirit::setMeshes(Mesh* eyes, Mesh* body, Mesh* leftFoot, Mesh* rightFoot, Mesh* leftArm,
                             Mesh* rightArm) {
    eyesMesh = eyes;
    bodyMesh = body;
    leftFootMesh = leftFoot;
    rightFootMesh = rightFoot;
    leftArmMesh = leftArm;
    rightArmMesh = rightArm;
}

void ForestSpirit::setBodyColor(PolygonColor color) {
    bodyColor = color;
    if (bodyMesh) {
        bodyMesh->setColor(color);
    }
}

PolygonColor ForestSpirit::getBodyColor() { return bodyColor; }

void ForestSpirit::setSounds(Sounds* sounds) { this->sounds = sounds; }

void ForestSpirit::setTexture(Texture* texture) { this->texture = texture; }

void ForestSpirit::setFireballTexture(Texture* texture) { fireballTexture = texture; }

void ForestSpirit::toggleDrawingBodyMesh(bool draw) { drawBodyMesh = draw; }

void ForestSpirit::addMeshToExtras(Mesh* mesh) { extras->addMesh(mesh); }

std::vector<Mesh*>* ForestSpirit::getExtras() { return &extras->meshes; }

bool ForestSpirit::isCurrentlyAnimating() { return animating; }

int ForestSpirit::getMissileQueue() { return missileQueue; }

void ForestSpirit::setMissileQueue(int) {}

void ForestSpirit::drawHeadAndEyes() {}
