#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>

#include "QuestPoint/QuestPoint.h"
#include "Texture/Texture.h"

namespace {

Mesh* fakeMesh() {
    static char storage;
    return reinterpret_cast<Mesh*>(&storage);
}

// A walk along x away from and back to a point at the origin, with the
// hero's radius of 1: the distance that counts is |x| - 1.
TEST(QuestPoint, FiresOncePerApproachAndRearmsOnlyBeyondSixteen) {
    QuestPoint point(Vector3D(0, 0, 0), fakeMesh(), VILLAGE_ELDER_QUEST);
    struct Step {
        float x;
        bool fires;
        const char* why;
    } walk[] = {
        {9.01f, false, "8.01 away"},
        {9.0f, true, "exactly 8.0 away"},
        {5.0f, false, "already fired"},
        {15.0f, false, "between 8 and 16 nothing changes"},
        {17.0f, false, "exactly 16.0 keeps it set"},
        {4.0f, false, "still set"},
        {17.01f, false, "re-armed, but not fired in the same call"},
        {12.0f, false, "re-armed, not close enough"},
        {9.0f, true, "fires again"},
        {50.0f, false, "re-arms"},
        {2.0f, true, "straight in"},
    };
    for (const Step& s : walk) {
        Vector3D hero(s.x, 0, 0);
        EXPECT_EQ(point.checkIfInRadius(&hero, 1.0f), s.fires) << "at x " << s.x << ": " << s.why;
    }
}

TEST(QuestPoint, ReachIsThreeDimensional) {
    QuestPoint point(Vector3D(10, 20, 30), fakeMesh(), KING_INTRO_QUEST);
    Vector3D above(10, 29.5f, 30);
    EXPECT_FALSE(point.checkIfInRadius(&above, 1.0f)) << "8.5 straight above";
    Vector3D diagonal(14, 24, 34);  // sqrt(48) - 1, about 5.93
    EXPECT_TRUE(point.checkIfInRadius(&diagonal, 1.0f));
}

TEST(QuestPoint, NotANumberNeverFires) {
    QuestPoint point(Vector3D(0, 0, 0), fakeMesh(), PRINCESS_QUEST);
    Vector3D nowhere(std::nanf(""), 0, 0);
    EXPECT_FALSE(point.checkIfInRadius(&nowhere, 1.0f));
    Vector3D near(1, 0, 0);
    EXPECT_TRUE(point.checkIfInRadius(&near, 1.0f)) << "was not left triggered";
}

// The picture is still there to show after its point has been removed.
TEST(QuestPoint, StoryPictureOutlivesThePoint) {
    const char* pictures[] = {"Story/VillageElderStory.bmp", "Story/KingIntroStory.bmp",
                              "Story/KingReturnStory.bmp",   "Story/PrincessStory.bmp",
                              "Story/LadyOfTheLakeStory.bmp", "Story/EvilWizardIntroStory.bmp"};
    for (int id = 0; id < 6; id++) {
        QuestPoint* point = new QuestPoint(Vector3D(1, 2, 3), fakeMesh(), id);
        EXPECT_EQ(point->getId(), id);
        std::shared_ptr<Texture> picture = point->getStoryPicture();
        delete point;
        ASSERT_TRUE(picture);
        EXPECT_EQ(picture->file, pictures[id]);
        EXPECT_FALSE(picture->textureLoaded);
    }
}

TEST(QuestPointDeathTest, OnlySixStoriesExist) {
    EXPECT_DEATH(QuestPoint(Vector3D(0, 0, 0), fakeMesh(), 6), "false");
    EXPECT_DEATH(QuestPoint(Vector3D(0, 0, 0), fakeMesh(), -1), "false");
}

// Drawing runs outside any window here: only the assertion matters.
TEST(QuestPointDeathTest, AnIconNeedsItsMesh) {
    QuestPoint point(Vector3D(0, 0, 0), nullptr, LADY_OF_THE_LAKE_QUEST);
    EXPECT_DEATH(point.drawIcon(), "mesh");
}

}  // namespace
