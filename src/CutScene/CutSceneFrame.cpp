#include "CutScene/CutSceneFrame.h"

CutSceneFrame::CutSceneFrame() {}

CutSceneFrame::CutSceneFrame(Vector3D eye, Vector3D up, Vector3D center) : eye(eye), up(up), center(center) {}

CutSceneFrame::~CutSceneFrame() {}
