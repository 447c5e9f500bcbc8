#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "Controller/Controller.h"
#include "Mesh/Mesh.h"
#include "Object/Character/ForestSpirit/Hero/Hero.h"
#include "Object/HoldableItem/HoldableItem.h"
#include "Sounds/Sounds.h"
#include "TexturesMeshes/TexturesMeshes.h"
#include "support/Fixtures.h"
#include "support/GameFolder.h"

namespace {

// The statistics items change, opened for the checks.
class OpenHero : public Hero {
public:
    using ForestSpirit::drawBodyMesh;
    using Hero::armor;
    using Hero::health;
    using Hero::healthRegen;
    using Hero::jumpConstant;
    using Hero::missileConstant;
};

struct Stats {
    float armor, health, regen, missile, jump;
    bool bodyShown, helmetShown;
};

std::string describe(const Stats& s) {
    return "armor " + std::to_string(s.armor) + ", health " + std::to_string(s.health) + ", regen " +
           std::to_string(s.regen) + ", missile " + std::to_string(s.missile) + ", jump " + std::to_string(s.jump) +
           ", body " + std::to_string(s.bodyShown) + ", helmet " + std::to_string(s.helmetShown);
}

// Exact: an undo must give back the very values.
::testing::AssertionResult same(const Stats& got, const Stats& want) {
    if (got.armor == want.armor && got.health == want.health && got.regen == want.regen &&
        got.missile == want.missile && got.jump == want.jump && got.bodyShown == want.bodyShown &&
        got.helmetShown == want.helmetShown) {
        return ::testing::AssertionSuccess();
    }
    return ::testing::AssertionFailure() << describe(got) << "\n  wanted " << describe(want);
}

// Built in an empty folder: every mesh is empty, but every slot is there.
class ItemEffects : public ::testing::Test {
protected:
    TempFolder folder;
    WorkingDirectory inFolder{folder.path()};
    std::unique_ptr<TexturesMeshes> registry;
    Sounds sounds;  // no audio device: nothing is loaded, nothing plays

    void SetUp() override {
        testing::internal::CaptureStderr();
        registry.reset(new TexturesMeshes());
        testing::internal::GetCapturedStderr();
        registry->helmetMesh->enableDrawing(false);  // as the controller hangs it on the hero
    }

    Stats stats(OpenHero& hero) {
        return {hero.armor,           hero.health, hero.healthRegen, hero.missileConstant, hero.jumpConstant,
                hero.drawBodyMesh, registry->helmetMesh->isEnabledToDraw()};
    }
};

}  // namespace

// Each equippable item toggles: the first use puts it on with its effect,
// the second takes it off again. The hero starts wounded, so that only the
// helmet's refill shows in health.
TEST_F(ItemEffects, EquipThenUnequipGivesBackExactlyTheStatistics) {
    struct Case {
        const char* name;
        int type;
        void (*on)(Stats&);
        void (*off)(Stats&);
    };
    const Case cases[] = {
        {"gauntlets", ITEM_GAUNTLETS, [](Stats& s) { s.missile = 1.6f; }, [](Stats&) {}},
        {"boots", ITEM_BOOTS, [](Stats& s) { s.jump = 1.4f; }, [](Stats&) {}},
        {"helmet", ITEM_HELMET,
         [](Stats& s) {
             s.armor = 200;
             s.health = 200;
             s.bodyShown = false;
             s.helmetShown = true;
         },
         [](Stats& s) { s.health = 100; }},
        {"regeneration ring", ITEM_REGEN_RING, [](Stats& s) { s.regen = 0.03f; }, [](Stats&) {}},
    };
    for (const Case& k : cases) {
        SCOPED_TRACE(k.name);
        OpenHero hero;
        hero.health = 70;
        HoldableItem item(true, false, false, k.type);
        const Stats start = stats(hero);

        item.useOrEquip(&hero, registry.get(), &sounds);
        Stats on = start;
        k.on(on);
        EXPECT_TRUE(same(stats(hero), on)) << "equipped";

        item.useOrEquip(&hero, registry.get(), &sounds);
        Stats off = start;
        k.off(off);
        EXPECT_TRUE(same(stats(hero), off)) << "taken off";

        item.useOrEquip(&hero, registry.get(), &sounds);
        EXPECT_TRUE(same(stats(hero), on)) << "equipped again";
    }
}

// A vial heals 50 each time it is used; nothing else an item can be made as
// touches the hero.
TEST_F(ItemEffects, OnlyTheVialHealsAndTheRestDoNothing) {
    OpenHero hero;
    hero.health = 30;
    HoldableItem vial(false, true, false, ITEM_VIAL);
    vial.useOrEquip(&hero, registry.get(), &sounds);
    EXPECT_FLOAT_EQ(hero.health, 80);
    vial.useOrEquip(&hero, registry.get(), &sounds);
    EXPECT_FLOAT_EQ(hero.health, 130) << "over the maximum until the hero's frame caps it";

    struct Case {
        const char* name;
        bool equippable, consumable, isMoney;
        int type;
    };
    const Case inert[] = {
        {"money", false, false, true, ITEM_MONEY},        {"one ring", false, false, false, ITEM_ONE_RING},
        {"compass", false, false, false, ITEM_COMPASS},   {"map", false, false, false, ITEM_MAP},
        {"sword", false, false, false, ITEM_SWORD},       {"rich item", false, true, false, ITEM_RICH},
        {"princess", false, false, false, ITEM_PRINCESS},
    };
    for (const Case& k : inert) {
        SCOPED_TRACE(k.name);
        OpenHero other;
        other.health = 30;
        const Stats before = stats(other);
        HoldableItem item(k.equippable, k.consumable, k.isMoney, k.type);
        item.useOrEquip(&other, registry.get(), &sounds);
        item.useOrEquip(&other, registry.get(), &sounds);
        EXPECT_TRUE(same(stats(other), before));
    }
}

TEST(HoldableItemDeathTest, AnItemIsNeverBothEquippableAndConsumable) {
    EXPECT_DEATH(HoldableItem(true, true, false, ITEM_VIAL), "!\\(equippable && consumable\\)");
}

// The maximum a vial heals up to is the armor: 100 plain, 200 with the
// helmet on. The hero's frame applies it.
TEST(HoldableItemOnHero, HealthIsCappedAtTheArmorByTheNextFrame) {
    GameFolder folder;
    testing::internal::CaptureStdout();
    Controller* c = keepForTheProcess(new Controller());
    testing::internal::GetCapturedStdout();
    bool keys[KEY_SLOTS] = {};

    OpenHero hero;
    HoldableItem vial(false, true, false, ITEM_VIAL);
    HoldableItem helmet(true, false, false, ITEM_HELMET);

    hero.health = 80;
    vial.useOrEquip(&hero, &c->texturesMeshes, &c->sounds);
    hero.updateHero(false, keys, 0, 0, c);
    EXPECT_FLOAT_EQ(hero.getHealth(), 100);

    helmet.useOrEquip(&hero, &c->texturesMeshes, &c->sounds);
    hero.health = 120;
    vial.useOrEquip(&hero, &c->texturesMeshes, &c->sounds);
    hero.updateHero(false, keys, 0, 0, c);
    EXPECT_FLOAT_EQ(hero.getHealth(), 170.0f + hero.healthRegen) << "below the helmet's 200: only regeneration";
    vial.useOrEquip(&hero, &c->texturesMeshes, &c->sounds);
    hero.updateHero(false, keys, 0, 0, c);
    EXPECT_FLOAT_EQ(hero.getHealth(), 200);
    helmet.useOrEquip(&hero, &c->texturesMeshes, &c->sounds);
}
