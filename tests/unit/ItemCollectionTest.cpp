#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "Inventory/ItemCollection.h"
#include "Object/HoldableItem/HoldableItem.h"
#include "support/HeardSounds.h"
#include "support/VectorExpect.h"

namespace {

typedef std::vector<std::string> Heard;
const Heard NOTHING;
const Heard TURN{"turn"};

// Counts the items destroyed, to tell who deleted what.
int itemsDestroyed = 0;
class CountedItem : public HoldableItem {
public:
    explicit CountedItem(int type = ITEM_COMPASS) : HoldableItem(false, false, false, type) {}
    ~CountedItem() override { itemsDestroyed++; }
};

// Owns the items, as the game's item list does: a carousel only refers to
// them. Emptied after each test.
std::vector<std::unique_ptr<HoldableItem>> made;
HoldableItem* newItem(int type = ITEM_COMPASS) {
    made.emplace_back(new CountedItem(type));
    return made.back().get();
}

// Where item i of n stands when item `front` faces the viewer: the point
// (0, 0, -2) turned by pi plus its steps away from the front.
Vector3D placeOf(int i, int front, int n) {
    return Vector3D(0.0f, 0.0f, -2.0f).rotateAroundYAxis(M_PI + (i - front) * 2.0 * M_PI / n);
}

class Carousel : public ::testing::Test {
protected:
    HeardSounds heard;
    ItemCollection carousel{"inventoryBackground"};

    void SetUp() override {
        ASSERT_TRUE(heard.isOpen()) << heard.getError();
        carousel.setSound(&heard.sounds);
    }
    void TearDown() override { made.clear(); }

    void fill(int n) {
        for (int i = 0; i < n; i++) carousel.addItem(newItem());
    }
    bool turning() { return carousel.turningLeft || carousel.turningRight; }
    // What draw does for the turn, over that many frames; returns the frames
    // in which a turn was still running.
    int drawFrames(int frames) {
        int turned = 0;
        for (int f = 0; f < frames; f++) {
            if (turning()) {
                carousel.rotateItems();
                turned++;
            }
        }
        return turned;
    }
    ::testing::AssertionResult standsAt(int front) {
        int n = (int)carousel.holdableItems.size();
        for (int i = 0; i < n; i++) {
            ::testing::AssertionResult near =
                vectorNear(carousel.holdableItems[i]->getPosition(), placeOf(i, front, n), 1e-4f);
            if (!near) return near << " (item " << i << " of " << n << ")";
        }
        return ::testing::AssertionSuccess();
    }
};

}  // namespace

TEST(CoinPiles, GoldIsShownAsCappedTwentiesThenTensFivesAndOnes) {
    struct Case {
        int gold, twenties, tens, fives, ones;
    } cases[] = {
        {0, 0, 0, 0, 0},      {4, 0, 0, 0, 4},      {5, 0, 0, 1, 0},        {14, 0, 1, 0, 4},
        {15, 0, 1, 1, 0},     {19, 0, 1, 1, 4},     {20, 1, 0, 0, 0},       {39, 1, 1, 1, 4},
        {300, 15, 0, 0, 0},   {500, 25, 0, 0, 0},   {519, 25, 1, 1, 4},     {600, 25, 10, 0, 0},
        {1000, 25, 50, 0, 0}, {1004, 25, 50, 0, 4},
    };
    for (const Case& c : cases) {
        CoinPiles piles = ItemCollection::coinPiles(c.gold);
        EXPECT_EQ(piles.twenties, c.twenties) << c.gold << " gold";
        EXPECT_EQ(piles.tens, c.tens) << c.gold << " gold";
        EXPECT_EQ(piles.fives, c.fives) << c.gold << " gold";
        EXPECT_EQ(piles.ones, c.ones) << c.gold << " gold";
    }
}

// true brings the previous item, false the next one, round the ends; the
// ring then takes exactly 20 frames to bring the new item to the front.
TEST_F(Carousel, ATurnTakesTwentyFramesAndEndsWithTheNewItemInFront) {
    // One ring, turned on from where the previous case left it.
    struct Case {
        int from;
        bool left;
        int to;
    } cases[] = {{0, false, 1}, {1, false, 2}, {2, false, 0}, {0, true, 2}, {2, true, 1}};
    fill(3);
    for (const Case& c : cases) {
        SCOPED_TRACE("from " + std::to_string(c.from) + (c.left ? " left" : " right"));
        ASSERT_EQ(carousel.curr, c.from);
        carousel.cycleItem(c.left);
        EXPECT_EQ(heard.take(), TURN);
        EXPECT_EQ(carousel.curr, c.to);
        EXPECT_EQ(drawFrames(19), 19);
        EXPECT_TRUE(turning()) << "ended early";
        EXPECT_EQ(drawFrames(5), 1);
        EXPECT_FALSE(turning());
        EXPECT_EQ(carousel.turnCounter, 0.0f);
        EXPECT_TRUE(standsAt(c.to));
    }
}

TEST_F(Carousel, RequestsDuringATurnOrWhileZoomedAreIgnoredSilently) {
    fill(3);
    carousel.cycleItem(false);
    heard.take();
    carousel.rotateItems();
    for (bool left : {false, true}) {
        carousel.cycleItem(left);
        EXPECT_EQ(heard.take(), NOTHING);
        EXPECT_EQ(carousel.curr, 1);
    }
    EXPECT_EQ(drawFrames(40), 19) << "a refused request lengthened or restarted the turn";
    EXPECT_TRUE(standsAt(1));

    carousel.toggleZoom();
    EXPECT_EQ(heard.take(), (Heard{"bringUp"}));
    for (bool left : {false, true}) {
        carousel.cycleItem(left);
        EXPECT_EQ(heard.take(), NOTHING);
        EXPECT_EQ(carousel.curr, 1);
        EXPECT_FALSE(turning());
    }
    carousel.toggleZoom();
    EXPECT_EQ(heard.take(), (Heard{"unequip"}));
    carousel.cycleItem(false);
    EXPECT_EQ(heard.take(), TURN);
    EXPECT_EQ(carousel.curr, 2);
}

// With nothing to turn to the request is still heard, and nothing moves.
TEST_F(Carousel, OneItemOrNoneOnlyPlaysTheTurnSound) {
    for (int n : {0, 1}) {
        SCOPED_TRACE(std::to_string(n) + " items");
        fill(n);
        for (bool left : {false, true}) {
            carousel.cycleItem(left);
            EXPECT_EQ(heard.take(), TURN);
            EXPECT_EQ(carousel.curr, 0);
            EXPECT_FALSE(turning());
        }
        EXPECT_TRUE(standsAt(0));
    }
}

// Changing the list mid-turn stands the ring afresh and ends the turn, so
// the remaining frames cannot carry the new front item off its place.
TEST_F(Carousel, ChangingTheListDuringATurnLeavesTheRingAligned) {
    struct Case {
        const char* change;
        void (*apply)(ItemCollection&);
        int itemsAfter;
    } cases[] = {
        {"add", [](ItemCollection& c) { c.addItem(newItem()); }, 5},
        {"remove the current item", [](ItemCollection& c) { c.removeCurrentItem(); }, 3},
        {"remove by type", [](ItemCollection& c) { c.removeItemOfType(ITEM_MAP); }, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.change);
        ItemCollection ring("shopBackground");
        ring.setSound(&heard.sounds);
        for (int type : {ITEM_VIAL, ITEM_REGEN_RING, ITEM_BOOTS, ITEM_MAP}) ring.addItem(newItem(type));
        ring.cycleItem(false);
        ring.rotateItems();  // the frame drawn before the change
        c.apply(ring);
        ASSERT_EQ((int)ring.holdableItems.size(), c.itemsAfter);
        EXPECT_EQ(ring.curr, 0);
        EXPECT_FALSE(ring.turningLeft || ring.turningRight);
        EXPECT_EQ(ring.turnCounter, 0.0f);
        for (int i = 0; i < c.itemsAfter; i++) {
            EXPECT_TRUE(vectorNear(ring.holdableItems[i]->getPosition(), placeOf(i, 0, c.itemsAfter), 1e-4f)) << i;
        }
    }
    heard.take();
}

TEST_F(Carousel, AddingAnItemMakesTheFirstCurrentAndStandsTheRingAfresh) {
    fill(3);
    carousel.cycleItem(true);
    drawFrames(20);
    ASSERT_EQ(carousel.curr, 2);
    carousel.addItem(newItem());
    EXPECT_EQ(carousel.curr, 0);
    EXPECT_TRUE(standsAt(0));
    EXPECT_FLOAT_EQ(carousel.angleStep, (float)(M_PI / 2));
    heard.take();
}

// Neither a removal nor the carousel's end deletes an item: its owner does.
TEST_F(Carousel, RemovalAndTheCarouselsEndLeaveTheItemsToTheirOwner) {
    itemsDestroyed = 0;
    HoldableItem* removed = nullptr;
    HoldableItem* byType = nullptr;
    {
        ItemCollection ring("inventoryBackground");
        for (int type : {ITEM_COMPASS, ITEM_MAP, ITEM_SWORD, ITEM_RICH}) ring.addItem(newItem(type));
        ring.setCurrentObject(1);
        removed = ring.getCurrentObject();
        ring.removeCurrentItem();
        byType = ring.holdableItems[2];
        ring.removeItemOfType(ITEM_RICH);
        ring.removeItemOfType(ITEM_PRINCESS);  // none: nothing changes
        ASSERT_EQ(ring.holdableItems.size(), 2u);
        EXPECT_EQ(ring.holdableItems[0]->itemType, ITEM_COMPASS);
        EXPECT_EQ(ring.holdableItems[1]->itemType, ITEM_SWORD);
        EXPECT_EQ(itemsDestroyed, 0);
    }
    EXPECT_EQ(itemsDestroyed, 0);
    EXPECT_EQ(removed->itemType, ITEM_MAP);
    EXPECT_EQ(byType->itemType, ITEM_RICH);
    made.clear();
    EXPECT_EQ(itemsDestroyed, 4);

    ItemCollection empty("inventoryBackground");
    empty.removeCurrentItem();
    EXPECT_EQ(empty.getCurrentObject(), nullptr);
}
