// How the game ends: the reward picture and the congratulation on victory, the slow red
// "Game Over~" on defeat.
#include <cmath>

#include "game/game.h"
#include "game_texts.h"
#include "ui/draw_helpers.h"
#include "ui/screens.h"

namespace quenlit::ui {
namespace {

constexpr float kRewardShownFor = 1.0f;

// The game-over text fades in while rising from 215 to 180, stands for two seconds, then
// fades out while rising on to 145.
constexpr float kFadeInEnd = 3.5f, kStandEnd = 5.5f, kFadeTime = 3.5f;

}  // namespace

void DrawVictory(const Game& game, float shownAt) {
  if (!game.displays.victoryShown) return;
  if (shownAt - game.displays.victoryTime <= kRewardShownFor) {
    DrawPicture(game, "flag", 30, 127, 756, 191);
  } else {
    DrawTextAt(game, "Scrivane", 54, 213, 140, texts::kVictoryCongratulation, RGB(255, 255, 0));
  }
}

void DrawGameOver(const Game& game, float shownAt) {
  if (!game.displays.gameOverShown) return;
  const float d = shownAt - game.displays.gameOverTime;
  float y = 180, alpha = 1;
  if (d <= kFadeInEnd) {
    y = 215 - 10 * d;
    alpha = 1 - std::abs(d - kFadeInEnd) / kFadeTime;
  } else if (d > kStandEnd) {
    // Until the update takes it down after TimedDisplays::kGameOverShownFor seconds.
    y = 235 - 10 * d;
    alpha = 1 - std::abs(d - kStandEnd) / kFadeTime;
  }
  DrawTextAt(game, "Scrivane", 78, 213, y, texts::kGameOver, RGB(255, 0, 0), alpha);
}

}  // namespace quenlit::ui
