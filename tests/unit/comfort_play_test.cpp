// The comfort options during play: the help overlay and the new game's hint, the note of a
// locked door, the damage numbers' key. Each does nothing while its option is off.
#include <gtest/gtest.h>

#include <algorithm>

#include "base/key_codes.h"
#include "game/tiles.h"
#include "game_texts.h"
#include "world.h"

namespace quenlit::test {
namespace {

TEST(HelpKeys, F1OrHOpensTheHelpAndAnyKeyClosesItDoingNothingElse) {
  for (const uint32_t opener : {vk::kF1, static_cast<uint32_t>('H')}) {
    World world;
    world.game.comfort.helpKeys = true;
    world.Press(opener);
    EXPECT_TRUE(world.game.comfortState.helpShown);
    EXPECT_EQ(world.game.screen, GameScreen::Map);
    // The key that closes the help is spent on it: the hero does not walk.
    world.Press(vk::kUp);
    EXPECT_FALSE(world.game.comfortState.helpShown);
    EXPECT_EQ(world.hero.Position(), (Cell{12, 7}));
    world.Press(vk::kUp);
    EXPECT_EQ(world.hero.Position(), (Cell{11, 7}));
  }
}

TEST(HelpKeys, WithoutTheOptionTheKeysDoNothing) {
  World world;
  world.Press(vk::kF1);
  world.Press('H');
  EXPECT_FALSE(world.game.comfortState.helpShown);
  world.Press(vk::kUp);
  EXPECT_EQ(world.hero.Position(), (Cell{11, 7}));
}

TEST(HelpKeys, TheHelpOpensOnlyOnTheMap) {
  World world;
  world.game.comfort.helpKeys = true;
  world.Press('D');
  world.Press(vk::kF1);
  EXPECT_FALSE(world.game.comfortState.helpShown);
  EXPECT_EQ(world.game.screen, GameScreen::Manual);
}

TEST(HelpKeys, ANewGameShowsTheHintForAFewSeconds) {
  for (const bool on : {true, false}) {
    World world;
    world.game.comfort.helpKeys = on;
    world.game.clock = 10;
    world.game.BeginPlay();
    world.game.Update(10);  // the hint's time starts with the first frame of the map
    EXPECT_EQ(world.game.comfortState.hintShown, on);
    world.game.Update(14.9f);
    EXPECT_EQ(world.game.comfortState.hintShown, on);
    world.game.Update(15.1f);
    EXPECT_FALSE(world.game.comfortState.hintShown);
  }
  // Opening the help takes the hint down at once.
  World world;
  world.game.comfort.helpKeys = true;
  world.game.BeginPlay();
  world.Press(vk::kF1);
  EXPECT_FALSE(world.game.comfortState.hintShown);
}

TEST(LockedDoorNote, ADoorWithoutItsKeySaysWhichKeyWithAKnock) {
  struct Case {
    uint8_t door, key;
    const char* note;
  };
  for (const Case c : {Case{tile::kYellowDoor, tile::kYellowKey, texts::kNeedYellowKey},
                       Case{tile::kBlueDoor, tile::kBlueKey, texts::kNeedBlueKey},
                       Case{tile::kRedDoor, tile::kRedKey, texts::kNeedRedKey}}) {
    SCOPED_TRACE(c.note);
    World world;
    world.game.comfort.lockedDoorNote = true;
    world.AddSound(Game::kLockedDoorSound);
    world.game.clock = 7;
    world.hero.Items(c.key) = 0;
    world.SetCell(11, 7, c.door);
    world.Press(vk::kUp);
    // The note does not stop play: the screen stays the map.
    EXPECT_EQ(world.game.screen, GameScreen::Map);
    EXPECT_TRUE(world.game.comfortState.note.shown);
    EXPECT_EQ(world.game.comfortState.note.text, c.note);
    EXPECT_EQ(world.played.back(), Game::kLockedDoorSound);
    EXPECT_EQ(world.Cell(11, 7), c.door);
    // It goes after about a second and a half.
    world.game.Update(8.4f);
    EXPECT_TRUE(world.game.comfortState.note.shown);
    world.game.Update(8.6f);
    EXPECT_FALSE(world.game.comfortState.note.shown);
  }
}

TEST(LockedDoorNote, WithoutTheOptionOrWithTheKeyNothingIsSaid) {
  World off;
  off.AddSound(Game::kLockedDoorSound);
  off.hero.Items(tile::kYellowKey) = 0;
  off.SetCell(11, 7, tile::kYellowDoor);
  off.Press(vk::kUp);
  EXPECT_FALSE(off.game.comfortState.note.shown);
  EXPECT_EQ(std::count(off.played.begin(), off.played.end(), Game::kLockedDoorSound), 0);

  World keyed;
  keyed.game.comfort.lockedDoorNote = true;
  keyed.SetCell(11, 7, tile::kYellowDoor);
  keyed.Press(vk::kUp);
  EXPECT_EQ(keyed.Cell(11, 7), tile::kFloor);
  EXPECT_FALSE(keyed.game.comfortState.note.shown);
  // The sealed door (244) has no key to name.
  keyed.SetCell(10, 7, 244);
  keyed.Press(vk::kUp);
  keyed.Press(vk::kUp);
  EXPECT_FALSE(keyed.game.comfortState.note.shown);
}

TEST(DamageNumbers, MTogglesThemFromTheConfiguredStart) {
  struct Case {
    DamageNumbers option;
    bool atStart, afterM;
  };
  for (const Case c :
       {Case{DamageNumbers::Shown, true, false}, Case{DamageNumbers::Hidden, false, true},
        Case{DamageNumbers::Off, false, false}}) {
    World world;
    world.game.comfort.damageNumbers = c.option;
    world.game.BeginPlay();
    EXPECT_EQ(world.game.comfortState.damageShown, c.atStart);
    world.Press('M');
    EXPECT_EQ(world.game.comfortState.damageShown, c.afterM);
    world.Press('M');
    EXPECT_EQ(world.game.comfortState.damageShown, c.atStart);
  }
}

}  // namespace
}  // namespace quenlit::test
