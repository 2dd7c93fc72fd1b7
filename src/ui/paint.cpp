// The paint of a frame: the loading screen, or a game screen's layers, over the drawing object.
#include "ui/paint.h"

#include "game/game.h"
#include "game_texts.h"
#include "ui/screens.h"

namespace quenlit::ui {
namespace {

void DrawLoadingScreen(const Game& game) {
  CD2DGraphics& graphics = game.graphics;
  graphics.Clear(RGB(0, 0, 0));
  // The first frames come before the loading screen's own pictures are in: not yet there is
  // not missing.
  if (game.assets.images.Contains("loadback")) {
    const CD2DImage& back = *game.assets.images.Find("loadback");
    if (back.bitmap) graphics.DrawImage(back, 100, -10, 500, 500, 1, 0, 0, 800, 800);
  }
  if (game.assets.sequences.Contains(kLoadingSequence)) {
    game.assets.sequences.Find(kLoadingSequence)
        ->Draw(graphics.GetRenderTarget(), static_cast<float>(game.loadingBar.loadingBarX), 400,
               618, 180, 1);
  }
  const std::string text = texts::kLoadingProgress(static_cast<int>(game.loadingBar.shownPercent));
  graphics.DrawColorText("迷你简娃娃篆", 35, 240, 430, 0, 0, text, RGB(255, 255, 255), 1, false);
}

}  // namespace

void Paint(const Game& game, float now) {
  game.graphics.BeginDraw();
  if (game.screen == GameScreen::Loading) {
    DrawLoadingScreen(game);
  } else {
    DrawGameScreen(game, game.ShownAt(now));
  }
  game.graphics.EndDraw();
}

}  // namespace quenlit::ui
