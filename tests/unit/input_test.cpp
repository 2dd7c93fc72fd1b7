// The keyboard on every screen: held keys, the manual, pause, window sizes and retreat.
#include <gtest/gtest.h>

#include "base/key_codes.h"
#include "game/tiles.h"
#include "world.h"

namespace quenlit::test {
namespace {

TEST(Input, HeldKeysStayMarkedOnlyOnTheMap) {
  World world;
  world.game.HandleInput(vk::kKeyDown, vk::kUp);
  EXPECT_EQ(world.game.keys.keyDown[vk::kUp], 1);
  world.game.HandleInput(vk::kKeyUp, vk::kUp);
  EXPECT_EQ(world.game.keys.keyDown[vk::kUp], 0);

  world.game.screen = GameScreen::Paused;
  world.game.HandleInput(vk::kKeyDown, vk::kUp);
  EXPECT_EQ(world.game.keys.keyDown[vk::kUp], 0);
}

TEST(Input, KeyRepeatsStepAgain) {
  World world;
  for (int i = 0; i < 3; ++i) world.game.HandleInput(vk::kKeyDown, vk::kUp);
  EXPECT_EQ(world.hero.Position(), (Cell{9, 7}));
}

TEST(Input, ManualListsEachKindOnceInPagesOfThree) {
  struct Case {
    std::vector<uint8_t> codes;
    std::set<int32_t> kinds;
    int pages;
    int entries;
  };
  const Case cases[] = {
      {{3, 3, 7, 1}, {1, 3, 7}, 1, 3},      {{}, {}, 0, 0},
      {{44, 2, 5, 9}, {2, 5, 9, 44}, 2, 3}, {{1, 2, 3, 4, 5, 6, 7}, {1, 2, 3, 4, 5, 6, 7}, 3, 3},
      {{45, 71, 200, 8}, {8}, 1, 1},  // only bytes 1 to 44 are monsters
  };
  for (const Case& c : cases) {
    World world;
    for (size_t i = 0; i < c.codes.size(); ++i) world.SetCell(2, static_cast<int>(i), c.codes[i]);
    world.Press('D');
    EXPECT_EQ(world.game.screen, GameScreen::Manual);
    EXPECT_EQ(world.game.manual.manualMonsters, c.kinds);
    EXPECT_EQ(world.game.manual.manualPageCount, c.pages);
    EXPECT_EQ(world.game.manual.manualPage, 1);
    EXPECT_EQ(world.game.manual.manualPageEntries, c.entries);
  }
}

TEST(Input, ManualPagesTurnWithinTheirBoundsWithTheirSound) {
  World world;
  world.game.clock = 10.0f;
  world.AddSound("Sound 1618.wav");
  for (int column = 0; column < 7; ++column) world.SetCell(0, column, column + 1);
  world.Press('D');
  world.Press(vk::kLeft);
  EXPECT_EQ(world.game.manual.manualPage, 1);
  EXPECT_TRUE(world.played.empty());
  for (int i = 0; i < 3; ++i) {
    world.game.clock += 0.1f;
    world.Press(vk::kRight);
  }
  EXPECT_EQ(world.game.manual.manualPage, 3);
  EXPECT_EQ(world.played.size(), 2u);  // Right on the last page plays nothing
  world.Press(vk::kEnter);
  EXPECT_EQ(world.game.screen, GameScreen::Map);
}

TEST(Input, PauseResumesOnlyWithP) {
  World world;
  world.Press('P');
  EXPECT_EQ(world.game.screen, GameScreen::Paused);
  for (uint32_t key : {vk::kEnter, vk::kUp, uint32_t{'Q'}, uint32_t{'D'}}) world.Press(key);
  EXPECT_EQ(world.game.screen, GameScreen::Paused);
  EXPECT_EQ(world.hero.Position(), (Cell{12, 7}));
  world.Press('P');
  EXPECT_EQ(world.game.screen, GameScreen::Map);
}

TEST(Input, F8CyclesWindowSizesOnEveryScreenAndWraps) {
  World world;
  world.Press(vk::kF8);  // before loading has listed the sizes: nothing happens
  EXPECT_TRUE(world.shell.moves.empty());
  EXPECT_EQ(world.game.settings.displayModeIndex, 0);

  world.game.settings.displayModes = {
      {735, 580}, {973, 768}, {1242, 980}, {1366, 1078}, {1700, 1331}};
  const GameScreen screens[] = {GameScreen::Paused, GameScreen::FloorChange, GameScreen::Victory,
                                GameScreen::GameOver, GameScreen::Map};
  for (GameScreen screen : screens) {
    world.game.screen = screen;
    world.Press(vk::kF8);
    EXPECT_EQ(world.game.keys.keyDown[vk::kF8], 0);
  }
  EXPECT_EQ(world.game.settings.displayModeIndex, 0);
  ASSERT_EQ(world.shell.moves.size(), 5u);
  EXPECT_EQ(world.shell.moves[0], (std::vector<int>{0, 0, 973, 768}));
  EXPECT_EQ(world.shell.moves[4], (std::vector<int>{0, 0, 735, 580}));
}

TEST(Input, EndScreensIgnoreEveryKeyButF8) {
  for (GameScreen screen :
       {GameScreen::Victory, GameScreen::GameOver, GameScreen::FloorChange, GameScreen::Loading}) {
    World world;
    world.game.screen = screen;
    for (uint32_t key : {vk::kEnter, vk::kUp, vk::kLeft, uint32_t{'P'}, uint32_t{'D'},
                         uint32_t{'S'}, uint32_t{'Q'}}) {
      world.Press(key);
    }
    EXPECT_EQ(world.game.screen, screen);
    EXPECT_EQ(world.hero.Position(), (Cell{12, 7}));
  }
}

}  // namespace
}  // namespace quenlit::test
