#ifndef CAMERA_H
#define CAMERA_H

#include "Camera/CameraMode.h"
#include "Vector3D/Vector3D.h"

class Controller;
class Hero;

// The one viewpoint: at the hero's eyes, orbiting behind the hero, or flown
// freely. Locked to the hero unless in free view.
class Camera {
public:
    Camera();

    Vector3D getEye() const;
    Vector3D getCenter() const;
    Vector3D getUp() const;
    void setEye(Vector3D eye);
    void setCenter(Vector3D center);
    void setUp(Vector3D up);
    void setCameraMode(CameraMode mode);
    bool isCameraLockedToHero();

    // First person <-> third person; free view -> third person.
    void toggleMode();
    // Into free view, or out of it into third person; on the way out the hero
    // can be moved to where the camera flew.
    void toggleFreeView(Hero* hero, bool moveHero);

    void lookAt();

    // The per-frame follow of the hero.
    void heroMoved(Hero* hero, Controller* controller);
    void lookAtHeroFirstPerson(Hero* hero);
    void lookAtHeroFromRadius(Hero* const& hero, float radius);

    // Free-view control: held keys act once per frame.
    void processKeyPressed(bool* keys);
    void processMouseEvent(float dx, float dy, unsigned char button);

    void tiltUpDown(float angle);
    void tiltLeftRight(float angle);
    void moveStraight(float distance);
    void strafeLeftRight(float distance);

private:
    Vector3D eye;
    Vector3D center;
    // Handed to the look-at as it is; not kept at unit length.
    Vector3D up;
    CameraMode mode;
};

#endif
