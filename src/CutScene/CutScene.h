#ifndef CUTSCENE_H
#define CUTSCENE_H

#include <vector>

#include "CutScene/CutSceneFrame.h"
#include "Vector3D/Vector3D.h"

class Camera;

// A scripted camera flight through fixed key frames, scenes 1 to 4. The
// scene only moves the camera; the world is drawn as usual. A scene is
// played once: its step count never goes back, so a finished scene stays
// finished and a skipped one picks up where it was left.
class CutScene {
public:
    std::vector<CutSceneFrame> frames;
    int currentStep;
    int totalSteps;
    Camera* camera;

    CutScene(Camera* camera, int sceneNumber);
    virtual ~CutScene();

    bool isCutSceneDone();
    // One step of the flight; only while the scene is not done.
    void update();
    Vector3D interpolateTwoVectors(Vector3D a, Vector3D b, float t);

private:
    void initializeCutScene1();
    void initializeCutScene2();
    void initializeCutScene3();
    void initializeCutScene4();
    // Appends key frames given as rows of eye, centre and up.
    void addFrames(const float (*rows)[3][3], int count);
};

#endif
