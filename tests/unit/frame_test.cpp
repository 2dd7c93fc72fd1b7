// The frame update: the 60-a-second cap, the sprite clock and the pulsing curtain.
#include <gtest/gtest.h>

#include "app/frame.h"
#include "world.h"

namespace quenlit::test {
namespace {

// Counts the frames that reach the canvas.
class CountingCanvas : public platform::NullCanvas {
 public:
  CountingCanvas() : NullCanvas(981, 621) {}
  void BeginDraw() override { ++frames; }
  int frames = 0;
};

struct FrameWorld {
  CountingCanvas counting;
  World world{&counting};
  Game& game = world.game;
};

TEST(Frame, DrawsAtMostSixtyFramesASecondOfGameClock) {
  FrameWorld frame;
  RenderFrame(frame.game, 1.0f);
  RenderFrame(frame.game, 1.01f);  // under 1/60 s later: nothing drawn, no lock taken
  EXPECT_EQ(frame.counting.frames, 1);
  EXPECT_TRUE(frame.game.loading.renderLock.try_acquire());
  frame.game.loading.renderLock.release();
  RenderFrame(frame.game, 1.0167f);
  EXPECT_EQ(frame.counting.frames, 2);
  // A clock of 0 always draws and leaves the cap and the sprite clock alone.
  RenderFrame(frame.game, 0.0f);
  EXPECT_EQ(frame.counting.frames, 3);
  EXPECT_EQ(frame.game.frameClock.lastDrawnTime, 1.0167f);
}

TEST(Frame, IdleTimeLastsUntilTheNextFrameTheCapLetsThrough) {
  FrameWorld frame;
  frame.game.screen = GameScreen::Map;
  RenderFrame(frame.game, 2.0f);
  EXPECT_NEAR(frame.game.IdleTime(2.0f), 1.0f / 60, 1e-5);
  EXPECT_NEAR(frame.game.IdleTime(2.01f), 1.0f / 60 - 0.01f, 1e-5);
  EXPECT_EQ(frame.game.IdleTime(2.5f), 0.0f);  // overdue: draw at once
  // The clock wrapped below the last frame (a new game clock): never longer than one frame.
  EXPECT_NEAR(frame.game.IdleTime(0.5f), 1.0f / 60, 1e-5);
  // A battle strikes on the millisecond its wait ends.
  frame.game.screen = GameScreen::Battle;
  EXPECT_EQ(frame.game.IdleTime(2.0f), 0.001f);
}

TEST(Frame, SpritePhaseFlipsFpsTimesASecondExceptWhilePaused) {
  FrameWorld frame;
  frame.game.settings.fps = 3;
  float now = 1.0f;
  const auto frameAt = [&](float t) { RenderFrame(frame.game, now = t); };
  frameAt(1.0f);  // the first tick since 0 flips at once
  const bool first = frame.game.frameClock.spritePhase;
  frameAt(1.2f);
  EXPECT_EQ(frame.game.frameClock.spritePhase, first);
  frameAt(1.34f);
  EXPECT_NE(frame.game.frameClock.spritePhase, first);

  frame.game.screen = GameScreen::Paused;
  const bool paused = frame.game.frameClock.spritePhase;
  for (float t = 1.4f; t < 3.0f; t += 0.05f) frameAt(t);
  EXPECT_EQ(frame.game.frameClock.spritePhase, paused);

  frame.game.settings.fps = 0;  // stops the animation
  frame.game.screen = GameScreen::Map;
  for (float t = 3.0f; t < 5.0f; t += 0.05f) frameAt(t);
  EXPECT_EQ(frame.game.frameClock.spritePhase, paused);
}

TEST(Frame, ThePromptCurtainPulsesOnMessageScreens) {
  FrameWorld frame;
  frame.game.screen = GameScreen::Message;
  frame.game.curtain.fadeLevel = 1.0f;
  frame.game.curtain.fadeRising = false;
  float now = 1.0f;
  int frames = 0;
  while (!frame.game.curtain.fadeRising && frames < 100) {
    RenderFrame(frame.game, now += 0.02f);
    ++frames;
  }
  EXPECT_EQ(frames, 53);  // 0.0192 a frame
  EXPECT_EQ(frame.game.curtain.fadeLevel, 0.0f);
  EXPECT_EQ(frame.game.screen, GameScreen::Message);

  frame.game.screen = GameScreen::Map;  // no curtain on the map
  RenderFrame(frame.game, now += 0.02f);
  EXPECT_EQ(frame.game.curtain.fadeLevel, 0.0f);
}

}  // namespace
}  // namespace quenlit::test
