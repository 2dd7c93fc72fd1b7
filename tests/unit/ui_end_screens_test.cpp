// The victory picture and text, the game-over text's three phases, and the still picture's
// clock.
#include <gtest/gtest.h>

#include <cmath>

#include "ui_recorder.h"

namespace quenlit::test {
namespace {

TEST(UiEndScreens, GameOverFadesInStandsAndFadesOutThenClearsItself) {
  struct Case {
    float age;
    bool drawn;
    float y, alpha;
  };
  const Case cases[] = {
      {0.0f, true, 215, 0}, {1.0f, true, 205, 1 - 2.5f / 3.5f},
      {3.5f, true, 180, 1}, {4.0f, true, 180, 1},
      {5.5f, true, 180, 1}, {8.0f, true, 155, 1 - 2.5f / 3.5f},
      {9.0f, true, 145, 0}, {9.01f, false, 0, 0},
  };
  for (const Case& c : cases) {
    UiWorld world;
    world.game.screen = GameScreen::GameOver;
    world.game.displays.gameOverShown = true;
    world.game.displays.gameOverTime = 0;
    world.game.clock = c.age;
    world.Draw();
    const DrawCall* text = world.Find("Game Over~");
    EXPECT_EQ(text != nullptr, c.drawn) << c.age;
    EXPECT_EQ(world.game.displays.gameOverShown, c.drawn) << c.age;
    if (!text) continue;
    EXPECT_NEAR(text->box.top, c.y, 1e-3) << c.age;
    EXPECT_NEAR(text->alpha, c.alpha, 1e-4) << c.age;
    EXPECT_FLOAT_EQ(text->box.left, 213);
    EXPECT_EQ(text->family, "Scrivane");
    EXPECT_FLOAT_EQ(text->size, 78);
    EXPECT_EQ(text->rgb, RGB(255, 0, 0));
  }
}

TEST(UiEndScreens, GameOverTextStaysOffOnceCleared) {
  UiWorld world;
  world.Picture("battleback", 381, 125);
  world.game.screen = GameScreen::GameOver;
  world.game.displays.gameOverShown = false;
  world.game.clock = 2;
  world.Draw();
  EXPECT_FALSE(world.Shows("Game Over~"));
  EXPECT_TRUE(world.Shows("battleback"));  // the panel stays under it
}

TEST(UiEndScreens, VictoryShowsTheRewardPictureForOneSecondThenTheCongratulation) {
  struct Case {
    float age;
    bool shown;
    bool picture;
  };
  const Case cases[] = {{0.5f, true, true},
                        {1.0f, true, true},
                        {2.0f, true, false},
                        {30.0f, true, false},
                        {0.5f, false, false}};
  for (const Case& c : cases) {
    UiWorld world;
    world.Picture("flag", 756, 191);
    world.game.screen = GameScreen::Victory;
    world.game.displays.victoryShown = c.shown;
    world.game.displays.victoryTime = 100;
    world.game.clock = 100 + c.age;
    world.Draw();
    EXPECT_EQ(world.Shows("flag"), c.picture) << c.age;
    const DrawCall* text = world.Find("恭喜你 你赢了~");
    EXPECT_EQ(text != nullptr, c.shown && !c.picture) << c.age;
    if (c.picture) ExpectBox(world.Find("flag"), {30, 127, 786, 318});
    if (!text) continue;
    ExpectBox(text, {213, 140, 613, 340});
    EXPECT_EQ(text->family, "Scrivane");
    EXPECT_FLOAT_EQ(text->size, 54);
    EXPECT_EQ(text->rgb, RGB(255, 255, 0));
  }
}

TEST(UiEndScreens, AFrameDrawnOnTheRunningClockTimesItsTextsByThatClock) {
  UiWorld world;
  world.game.screen = GameScreen::GameOver;
  world.game.displays.gameOverShown = true;
  world.game.displays.gameOverTime = 10;
  world.game.clock = 99;  // a still would read this; a running frame reads its own clock
  world.Draw(14);
  const DrawCall* text = world.Find("Game Over~");
  ASSERT_NE(text, nullptr);
  EXPECT_FLOAT_EQ(text->box.top, 180);
}

}  // namespace
}  // namespace quenlit::test
