#ifndef CAMERAMODE_H
#define CAMERAMODE_H

enum CameraMode {
    CAMERA_FIRST_PERSON = 0,
    CAMERA_THIRD_PERSON = 1,
    CAMERA_FREE_VIEW = 2,
};

#endif
