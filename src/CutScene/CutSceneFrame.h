#ifndef CUTSCENEFRAME_H
#define CUTSCENEFRAME_H

#include "Vector3D/Vector3D.h"

// One key frame of a camera flight. The up vector keeps the length it was
// recorded with (10), as the camera takes it unnormalised.
class CutSceneFrame {
public:
    Vector3D eye;
    Vector3D up;
    Vector3D center;

    CutSceneFrame();
    CutSceneFrame(Vector3D eye, Vector3D up, Vector3D center);
    virtual ~CutSceneFrame();
};

#endif
