#include <gtest/gtest.h>

#include <cmath>

#include "Camera/Camera.h"
#include "CutScene/CutScene.h"
#include "support/VectorExpect.h"

namespace {

bool sameVector(Vector3D a, Vector3D b) { return a.x == b.x && a.y == b.y && a.z == b.z; }

// The camera stands exactly on a key frame.
::testing::AssertionResult onFrame(Camera& camera, const CutSceneFrame& frame) {
    if (sameVector(camera.getEye(), frame.eye) && sameVector(camera.getCenter(), frame.center) &&
        sameVector(camera.getUp(), frame.up)) {
        return ::testing::AssertionSuccess();
    }
    Vector3D eye = camera.getEye();
    return ::testing::AssertionFailure() << "eye (" << eye.x << ", " << eye.y << ", " << eye.z << ") vs key frame ("
                                         << frame.eye.x << ", " << frame.eye.y << ", " << frame.eye.z << ")";
}

::testing::AssertionResult nearFrame(Camera& camera, const CutSceneFrame& frame, float tolerance) {
    ::testing::AssertionResult eye = vectorNear(camera.getEye(), frame.eye, tolerance);
    if (!eye) return eye << " (eye)";
    ::testing::AssertionResult center = vectorNear(camera.getCenter(), frame.center, tolerance);
    if (!center) return center << " (centre)";
    ::testing::AssertionResult up = vectorNear(camera.getUp(), frame.up, tolerance);
    if (!up) return up << " (up)";
    return ::testing::AssertionSuccess();
}

// Runs updates until `steps` have been played.
void playTo(CutScene& scene, int steps) {
    while (scene.currentStep < steps) scene.update();
}

struct SceneShape {
    int number;
    size_t keyFrames;
    int totalSteps;
    // The first and last key frames as tabled: eye, centre, up.
    float first[3][3];
    float last[3][3];
};

const SceneShape SCENES[] = {
    {1, 20, 500,
     {{-92.4709f, 55.1750f, 93.6993f}, {-86.8454f, 50.9157f, 86.6133f}, {2.6484f, 9.0475f, -3.3360f}},
     {{5.7890f, 9.2552f, 8.7674f}, {5.7890f, 6.3000f, -1.3860f}, {0.0f, 9.5534f, -2.9552f}}},
    {2, 16, 200,
     {{88.8618f, 105.9140f, -101.3930f}, {80.7127f, 101.4930f, -97.6454f}, {-4.0172f, 8.9694f, 1.8473f}},
     {{-0.7940f, 18.2552f, 170.0430f}, {-0.7940f, 15.3000f, 160.4900f}, {0.0f, 9.5534f, -2.9552f}}},
    {3, 13, 300,
     {{67.6001f, 79.2895f, -205.5130f}, {65.3985f, 76.2485f, -196.2450f}, {-0.7028f, 9.5264f, 2.9587f}},
     {{-104.1500f, 11.1988f, -110.7200f}, {-97.3199f, 10.3000f, -103.4710f}, {0.6164f, 9.9595f, 0.6542f}}},
    {4, 16, 400,
     {{150.6930f, 230.4780f, -148.6560f}, {145.4110f, 225.5880f, -141.7140f}, {-2.9612f, 8.7226f, 3.8921f}},
     {{53.7083f, 44.2993f, -119.1090f}, {52.0607f, 42.2342f, -109.4640f}, {-0.3478f, 9.7845f, 2.0356f}}},
};

Vector3D row(const float (&v)[3]) { return Vector3D(v[0], v[1], v[2]); }

}  // namespace

// The ends of each table pin its order and which column is eye, centre or
// up; the geometry every recorded frame shares catches a mistyped row in
// between: the centre 10 ahead of the eye, an up of length 10 square to
// the view.
TEST(CutScene, KeyFramesAndLengthsAreThoseOfEachScene) {
    Camera camera;
    for (const SceneShape& shape : SCENES) {
        SCOPED_TRACE("scene " + std::to_string(shape.number));
        CutScene scene(&camera, shape.number);
        ASSERT_EQ(scene.frames.size(), shape.keyFrames);
        EXPECT_EQ(scene.totalSteps, shape.totalSteps);
        EXPECT_EQ(scene.currentStep, 0);
        EXPECT_FALSE(scene.isCutSceneDone());
        const CutSceneFrame& first = scene.frames.front();
        const CutSceneFrame& last = scene.frames.back();
        EXPECT_TRUE(vectorNear(first.eye, row(shape.first[0]), 0));
        EXPECT_TRUE(vectorNear(first.center, row(shape.first[1]), 0));
        EXPECT_TRUE(vectorNear(first.up, row(shape.first[2]), 0));
        EXPECT_TRUE(vectorNear(last.eye, row(shape.last[0]), 0));
        EXPECT_TRUE(vectorNear(last.center, row(shape.last[1]), 0));
        EXPECT_TRUE(vectorNear(last.up, row(shape.last[2]), 0));

        for (size_t k = 0; k < scene.frames.size(); k++) {
            SCOPED_TRACE("key frame " + std::to_string(k));
            CutSceneFrame frame = scene.frames[k];
            Vector3D view = frame.eye.getDirectionTo(&frame.center);
            float reach = view.getLength();
            EXPECT_NEAR(frame.up.getLength(), 10.0f, 1e-3f);
            if (shape.number == 1 && k + 1 == scene.frames.size()) {
                EXPECT_NEAR(reach, 10.5747f, 1e-3f);
                continue;
            }
            EXPECT_NEAR(reach, 10.0f, 1e-3f);
            EXPECT_NEAR(Vector3D::getDotProduct(&view, &frame.up) / (reach * 10.0f), 0.0f, 1e-3f);
        }
    }
    CutScene four(&camera, 4);
    EXPECT_TRUE(vectorNear(four.frames[1].eye, four.frames[2].eye, 0));
    EXPECT_TRUE(vectorNear(four.frames[1].center, four.frames[2].center, 0));
    EXPECT_TRUE(vectorNear(four.frames[1].up, four.frames[2].up, 0));
}

TEST(CutScene, TheCameraLandsOnKeyFramesAndBlendsBetweenThem) {
    Camera camera;
    CutScene one(&camera, 1);
    one.update();
    EXPECT_TRUE(onFrame(camera, one.frames[0])) << "the first update";
    EXPECT_EQ(one.currentStep, 1);

    // Step 10 of 500 over 20 frames: 0.4 of the way to key frame 1.
    playTo(one, 10);
    one.update();
    CutSceneFrame a = one.frames[0], b = one.frames[1];
    Vector3D eyeA = a.eye.multiply(0.6), eyeB = b.eye.multiply(0.4);
    Vector3D upA = a.up.multiply(0.6), upB = b.up.multiply(0.4);
    EXPECT_TRUE(vectorNear(camera.getEye(), eyeA.add(&eyeB), 1e-4f));
    EXPECT_TRUE(vectorNear(camera.getUp(), upA.add(&upB), 1e-4f));

    playTo(one, 25);
    one.update();
    EXPECT_TRUE(onFrame(camera, one.frames[1])) << "update 26, step 25";

    CutScene two(&camera, 2);
    playTo(two, 25);
    two.update();
    EXPECT_TRUE(onFrame(camera, two.frames[2])) << "step 25 of 200 over 16 frames";

    // Wherever the steps fall on key frames, the flight passes through them.
    for (int number : {1, 2, 3, 4}) {
        CutScene scene(&camera, number);
        int n = (int)scene.frames.size();
        for (int k = 0; k < n; k++) {
            if (k * scene.totalSteps % n != 0) continue;
            playTo(scene, k * scene.totalSteps / n);
            scene.update();
            EXPECT_TRUE(nearFrame(camera, scene.frames[k], 1e-4f)) << "scene " << number << ", key frame " << k;
        }
    }
}

TEST(CutScene, SceneFourHoldsStillOverItsRepeatedKeyFrame) {
    Camera camera;
    CutScene four(&camera, 4);
    playTo(four, 25);
    for (int step = 25; step <= 50; step++) {
        four.update();
        EXPECT_TRUE(nearFrame(camera, four.frames[1], 1e-3f)) << "step " << step;
    }
    four.update();
    EXPECT_FALSE(vectorNear(camera.getEye(), four.frames[1].eye, 1e-2f)) << "moving again after step 50";
}

// The last segment holds the last key frame; a finished scene stays
// finished and never plays again.
TEST(CutScene, HoldsItsLastKeyFrameToTheEndAndNeverRewinds) {
    Camera camera;
    CutScene one(&camera, 1);
    playTo(one, 475);
    for (int step = 475; step < 500; step++) {
        EXPECT_FALSE(one.isCutSceneDone()) << "step " << step;
        one.update();
        EXPECT_TRUE(nearFrame(camera, one.frames[19], 1e-4f)) << "step " << step;
    }
    EXPECT_TRUE(one.isCutSceneDone()) << "after 500 updates";
    for (int i = 0; i < 3; i++) {
        EXPECT_TRUE(one.isCutSceneDone());
    }
    EXPECT_EQ(one.currentStep, 500);
}

TEST(CutSceneDeathTest, OnlyScenesOneToFourExist) {
    Camera camera;
    for (int number : {0, 5, -1}) {
        EXPECT_DEATH(CutScene(&camera, number), "false") << number;
    }
}
