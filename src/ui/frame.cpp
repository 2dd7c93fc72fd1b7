// The frame: the update, then the paint of the current screen under the render lock.
#include <cstdio>

#include "game/game.h"

namespace quenlit {

void Game::Render(float now) {
  if (!Update(now)) return;
  loading.renderLock.acquire();
  Paint(now);
  ++loading.framesDrawn;
  loading.renderLock.release();
}

void Game::Paint(float now) const {
  graphics.BeginDraw();
  if (screen == GameScreen::Loading) {
    DrawLoadingScreen();
  } else {
    DrawGameScreen(ShownAt(now));
  }
  graphics.EndDraw();
}

void Game::DrawLoadingScreen() const {
  graphics.Clear(RGB(0, 0, 0));
  // The first frames come before the loading screen's own pictures are in: not yet there is
  // not missing.
  if (assets.images.Contains("loadback")) {
    const CD2DImage& back = *assets.images.Find("loadback");
    if (back.bitmap) graphics.DrawImage(back, 100, -10, 500, 500, 1, 0, 0, 800, 800);
  }
  if (assets.sequences.Contains(kLoadingSequence)) {
    assets.sequences.Find(kLoadingSequence)
        ->Draw(graphics.GetRenderTarget(), static_cast<float>(loadingBar.loadingBarX), 400, 618,
               180, 1);
  }
  char text[32];
  std::snprintf(text, sizeof text, "Loading %d%%", static_cast<int>(loadingBar.shownPercent));
  graphics.DrawColorText("迷你简娃娃篆", 35, 240, 430, 0, 0, text, RGB(255, 255, 255), 1, false);
}

}  // namespace quenlit
