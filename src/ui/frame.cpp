// The frame: at most 60 drawn a second of game clock, each under the render lock, with the
// sprite clock and the curtain moving once per drawn frame.
#include <algorithm>
#include <cstdio>

#include "game/game.h"

namespace quenlit {
namespace {

constexpr float kFrameInterval = 1.0f / 60.0f;
constexpr float kFloorChangeFadeStep = 0.024f;  // 42 frames to close, 42 to open
constexpr float kPromptFadeStep = 0.0192f;      // the pulsing "-Enter-" prompts

bool HasCurtain(GameScreen screen) {
  return screen == GameScreen::Dialogue || screen == GameScreen::Manual ||
         screen == GameScreen::BattleWon || screen == GameScreen::Message ||
         screen == GameScreen::FloorChange;
}

}  // namespace

bool Game::Render(float now) {
  // A clock of exactly 0 draws at once and leaves the frame cap and sprite clock alone.
  if (now != 0) {
    if (now - frameClock.lastDrawnTime < kFrameInterval) return true;
    frameClock.lastDrawnTime = now;
  }
  const GameScreen current = screen;
  if (current == GameScreen::Loading) {
    renderLock.acquire();
    DrawLoadingScreen(now);
  } else {
    renderLock.acquire();
    graphics.BeginDraw();
    if (now != 0 && now - frameClock.lastToggleTime >= 1.0f / static_cast<float>(settings.fps)) {
      if (current != GameScreen::Paused) frameClock.spritePhase = !frameClock.spritePhase;
      frameClock.lastToggleTime = now;
    }
    graphics.Clear(RGB(128, 128, 128));
    DrawGameScreen(now);
  }
  graphics.EndDraw();
  ++framesDrawn;
  renderLock.release();
  return true;
}

float Game::IdleTime(float now) const {
  if (screen == GameScreen::Battle) return 0.001f;
  return std::clamp(frameClock.lastDrawnTime + kFrameInterval - now, 0.0f, kFrameInterval);
}

// Moves the curtain one step on the screens that use it; the map is already drawn, so the
// floor switch at the top shows from the next frame on, behind the closed curtain.
void Game::AdvanceCurtain() {
  if (!HasCurtain(screen)) return;
  const bool floorChange = screen == GameScreen::FloorChange;
  curtain.fadeStep = floorChange ? kFloorChangeFadeStep : kPromptFadeStep;
  if (curtain.fadeRising) {
    curtain.fadeLevel += curtain.fadeStep;
    if (curtain.fadeLevel > 1.0f) {
      curtain.fadeLevel = 1.0f;
      curtain.fadeRising = false;
      if (floorChange) hero.SetFloor(targetFloor);  // the switch happens behind the curtain
    }
  } else {
    curtain.fadeLevel -= curtain.fadeStep;
    if (curtain.fadeLevel < 0.0f) {
      curtain.fadeLevel = 0.0f;
      curtain.fadeRising = true;
      if (floorChange) screen = GameScreen::Map;
    }
  }
}

void Game::DrawLoadingScreen(float now) {
  graphics.BeginDraw();
  graphics.Clear(RGB(0, 0, 0));
  const int32_t progress = loadProgress;
  if (loadingBar.loadingBarX < progress * 6 + 100) loadingBar.loadingBarX += 30;
  if (loadingBar.shownPercent < static_cast<float>(progress)) {
    loadingBar.shownPercent += 5;
    if (loadingBar.shownPercent < static_cast<float>(progress - 10)) loadingBar.shownPercent += 10;
  }
  // The first frames come before the loading screen's own pictures are in: not yet there is
  // not missing.
  if (images.Contains("loadback")) {
    const CD2DImage& back = *images.Find("loadback");
    if (back.bitmap) graphics.DrawImage(back, 100, -10, 500, 500, 1, 0, 0, 800, 800);
  }
  if (sequences.Contains("loading")) {
    sequences.Find("loading")->Draw(graphics.GetRenderTarget(), now,
                                    static_cast<float>(loadingBar.loadingBarX), 400, 618, 180, 1);
  }
  char text[32];
  std::snprintf(text, sizeof text, "Loading %d%%", static_cast<int>(loadingBar.shownPercent));
  graphics.DrawColorText("迷你简娃娃篆", 35, 240, 430, 0, 0, text, RGB(255, 255, 255), 1, false);
}

}  // namespace quenlit
