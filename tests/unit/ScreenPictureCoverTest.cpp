#include <gtest/gtest.h>

#include <vector>

#include "HeadsUpDisplay/ScreenPictureCover.h"

namespace {

typedef ScreenPictureCover::Box Box;

// How many of the boxes hold the screen pixel, and whether any two overlap.
int boxesHolding(const std::vector<Box>& boxes, int x, int y) {
    int n = 0;
    for (const Box& b : boxes) n += x >= b.x && x < b.x + b.width && y >= b.y && y < b.y + b.height;
    return n;
}

long area(const std::vector<Box>& boxes) {
    long sum = 0;
    for (const Box& b : boxes) sum += (long)b.width * b.height;
    return sum;
}

TEST(ScreenPictureCoverTest, BoxesHoldEveryOpaquePixelWithRoomAroundAndNothingFar) {
    const int w = 800, h = 600;
    struct Case {
        const char* name;
        std::vector<std::pair<int, int>> opaque;  // picture pixels (x, y)
        long maxArea;
    } cases[] = {
        {"fully transparent", {}, 0},
        {"one pixel in the middle", {{400, 300}}, 48L * 48},
        {"one pixel on a tile corner", {{415, 287}}, 64L * 64},
        {"the screen's corners", {{0, 0}, {799, 0}, {0, 599}, {799, 599}}, 4 * 32L * 32},
        {"a bar along the bottom", {{100, 590}, {101, 590}, {102, 590}, {650, 595}}, 3 * 48L * 48},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        std::vector<char> picture((size_t)w * h, 0);
        for (auto p : c.opaque) picture[(size_t)p.second * w + p.first] = 1;
        ScreenPictureCover cover;
        cover.build(picture, w, h);
        ASSERT_TRUE(cover.isKnown());
        const std::vector<Box>& boxes = cover.getBoxes();
        EXPECT_LE(area(boxes), c.maxArea);
        for (auto p : c.opaque) {
            // The pixel and its neighbours within the filter's reach.
            for (int dy = -8; dy <= 8; dy += 8) {
                for (int dx = -8; dx <= 8; dx += 8) {
                    int x = p.first + dx, y = p.second + dy;
                    if (x < 0 || y < 0 || x >= w || y >= h) continue;
                    EXPECT_EQ(boxesHolding(boxes, x, y), 1) << x << ", " << y;
                }
            }
        }
        for (const Box& b : boxes) {
            EXPECT_GE(b.x, 0);
            EXPECT_GE(b.y, 0);
            EXPECT_LE(b.x + b.width, w);
            EXPECT_LE(b.y + b.height, h);
        }
    }
}

TEST(ScreenPictureCoverTest, OpaquePicturesCoverTheScreenOnceAndOddSizesScale) {
    // An opaque picture: boxes tile the whole screen without overlap.
    ScreenPictureCover whole;
    whole.build(std::vector<char>(800 * 600, 1), 800, 600);
    EXPECT_EQ(area(whole.getBoxes()), 800L * 600);
    EXPECT_EQ(boxesHolding(whole.getBoxes(), 799, 599), 1);
    EXPECT_EQ(whole.getBoxes().size(), 1u) << "rows of equal spans merge";

    // A small picture is stretched over the screen: its one opaque pixel at
    // the bottom right stands for the screen's bottom right quarter.
    std::vector<char> small(8 * 8, 0);
    small[7 * 8 + 7] = 1;
    ScreenPictureCover stretched;
    stretched.build(small, 8, 8);
    EXPECT_EQ(boxesHolding(stretched.getBoxes(), 799, 599), 1);
    EXPECT_EQ(boxesHolding(stretched.getBoxes(), 720, 530), 1);

    // Pixels that do not match the size leave the cover unknown.
    ScreenPictureCover broken;
    broken.build(std::vector<char>(10, 1), 8, 8);
    EXPECT_FALSE(broken.isKnown());
    EXPECT_TRUE(broken.getBoxes().empty());
}

}  // namespace
