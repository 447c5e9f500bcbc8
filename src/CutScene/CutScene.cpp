#include "CutScene/CutScene.h"

#include <cassert>

CutScene::CutScene(Camera* camera, int sceneNumber)
    : camera(camera), sceneNumber(sceneNumber), currentStep(0), totalSteps(0) {
    assert(sceneNumber >= 1 && sceneNumber <= 4);
}

CutScene::~CutScene() {}

void CutScene::update() {
    assert(!isCutSceneDone());
    currentStep++;
}

bool CutScene::isCutSceneDone() { return currentStep >= totalSteps; }
