#ifndef CUTSCENE_H
#define CUTSCENE_H

class Camera;

// A scripted camera flight, scenes 1 to 4. Minimal for now: a scene has no
// key frames yet, so it is done as soon as it starts.
class CutScene {
public:
    Camera* camera;
    int sceneNumber;
    int currentStep;
    int totalSteps;

    CutScene(Camera* camera, int sceneNumber);
    virtual ~CutScene();

    void update();
    bool isCutSceneDone();
};

#endif
