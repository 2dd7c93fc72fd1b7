// Which picture each cell byte, character phase and hero stance shows.
#include <gtest/gtest.h>

#include "ui/sprite_names.h"
#include "ui_recorder.h"

namespace quenlit::test {
namespace {

TEST(UiSpriteNames, CellBytesPickTheirPictureInBothPhases) {
  struct Case {
    int code;
    const char* phaseSet;
    const char* phaseClear;
  };
  const Case cases[] = {
      {0, "floor", "floor"},
      {71, "merchant_2", "merchant_1"},
      {72, "oldman_2", "oldman_1"},
      {73, "thief_1", "thief_2"},
      {74, "fairy_1", "fairy_2"},
      {206, "badge1", "badge1"},
      {208, "badge3", "badge3"},
      {209, "sword1", "sword1"},
      {213, "sword5", "sword5"},
      {214, "shield1", "shield1"},
      {218, "shield5", "shield5"},
      {219, "cross", "cross"},
      {220, "wing2", "wing2"},
      {222, "wing1", "wing1"},
      {223, "holywater", "holywater"},
      {225, "key1", "key1"},
      {228, "gold", "gold"},
      {229, "key4", "key4"},
      {230, "potion1", "potion1"},
      {235, "potion4", "potion4"},
      {236, "pickax1", "pickax1"},
      {238, "snow", "snow"},
      {239, "holyshield", "holyshield"},
      {240, "gem3", "gem3"},
      {241, "door1", "door1"},
      {244, "door4", "door4"},
      {245, "jail", "jail"},
      {246, "downstairs", "downstairs"},
      {247, "upstairs", "upstairs"},
      {251, "bramble_1", "bramble_2"},
      {252, "magma", "magma"},
      {253, "dirt", "dirt"},
      {254, "back", "back"},
      {255, "wall", "wall"},
      // Bytes without a cell picture: monsters, unused values, the gaps among the items.
      {1, "", ""},
      {44, "", ""},
      {45, "", ""},
      {70, "", ""},
      {75, "", ""},
      {205, "", ""},
      {224, "", ""},
      {248, "", ""},
      {250, "", ""},
  };
  for (const Case& c : cases) {
    const auto code = static_cast<uint8_t>(c.code);
    EXPECT_EQ(ui::CellPicture(code, true), c.phaseSet) << "byte " << c.code;
    EXPECT_EQ(ui::CellPicture(code, false), c.phaseClear) << "byte " << c.code;
  }
}

TEST(UiSpriteNames, HeroWalksOnlyWhileHisArrowIsHeld) {
  struct Case {
    Direction facing;
    const char* standing;
    const char* walkingSet;
    const char* walkingClear;
  };
  const Case cases[] = {
      {Direction::Up, "hero1u", "hero1wu1", "hero1wu2"},
      {Direction::Down, "hero1d", "hero1wd1", "hero1wd2"},
      {Direction::Left, "hero1l", "hero1wl1", "hero1wl2"},
      {Direction::Right, "hero1r", "hero1wr1", "hero1wr2"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ui::HeroPicture(c.facing, false, true), c.standing);
    EXPECT_EQ(ui::HeroPicture(c.facing, false, false), c.standing);
    EXPECT_EQ(ui::HeroPicture(c.facing, true, true), c.walkingSet);
    EXPECT_EQ(ui::HeroPicture(c.facing, true, false), c.walkingClear);
  }
  EXPECT_EQ(ui::HeroPicture(Direction::None, true, true), "");
}

TEST(UiSpriteNames, MonstersUseTheirSectionNameAndUnknownIdsShowNothing) {
  UiWorld world;
  world.AddMonster(12, "骷髅", 50, 20, 5);
  EXPECT_EQ(ui::MonsterPicture(world.game, 12, true), "Monster12_1");
  EXPECT_EQ(ui::MonsterPicture(world.game, 12, false), "Monster12_2");
  EXPECT_EQ(ui::MonsterPicture(world.game, 13, true), "");
  EXPECT_EQ(ui::CharacterPicture(75, true), "");
}

}  // namespace
}  // namespace quenlit::test
