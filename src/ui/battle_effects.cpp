// What a strike looks like: its effect sequence over the struck fighter's picture, and the
// texts::kMiss that rises and fades beside whoever dodged.
#include "base/strike_effects.h"
#include "game/game.h"
#include "game_texts.h"
#include "ui/draw_helpers.h"
#include "ui/screens.h"

namespace quenlit::ui {
namespace {

// Draws one texts::kMiss while it lasts; the update takes it down once its time is over.
void DrawMiss(const Game& game, bool shown, float since, float shownAt, float x) {
  if (!shown) return;
  const float d = shownAt - since;
  DrawTextAt(game, "迷你简中特广告", 28, x + static_cast<float>(game.keys.battleNudgeX),
             167 - 60 * d + static_cast<float>(game.keys.battleNudgeY), texts::kMiss,
             RGB(255, 0, 0), 1 - 3.3f * d);
}

}  // namespace

void DrawStrikeEffects(const Game& game) {
  platform::Canvas* canvas = game.graphics.GetRenderTarget();
  for (const StrikeEffect& e : kStrikeEffects) {
    if (!e.HasSequence()) continue;
    const float dx = e.nudged ? static_cast<float>(game.keys.battleNudgeX) : 0;
    const float dy = e.nudged ? static_cast<float>(game.keys.battleNudgeY) : 0;
    const CD2DGif* sequence = game.assets.sequences.Find(e.name);
    if (sequence) sequence->Draw(canvas, e.centreX + dx, e.centreY + dy, e.width, e.height, 1);
  }
}

void AddStrikeEffectDraws(const SequenceRegistry& sequences, std::vector<FixedDraw>& draws) {
  for (const StrikeEffect& e : kStrikeEffects) {
    if (!e.HasSequence()) continue;
    const CD2DGif* sequence = sequences.Find(e.name);
    if (!sequence) continue;
    for (const GifFrame& frame : sequence->frames) {
      if (!frame.bitmap) continue;
      const platform::RectF part{0, 0, static_cast<float>(frame.width),
                                 static_cast<float>(frame.height)};
      // Where it shows unless the arrow keys nudged it.
      draws.push_back(
          {frame.bitmap, {part, CD2DGif::Box(e.centreX, e.centreY, e.width, e.height)}});
    }
  }
}

void DrawMissIndicators(const Game& game, float shownAt) {
  // The hero dodged: beside his picture on the right; the monster dodged: on the left.
  DrawMiss(game, game.displays.monsterMissShown, game.displays.monsterMissTime, shownAt, 509);
  DrawMiss(game, game.displays.heroMissShown, game.displays.heroMissTime, shownAt, 212);
}

}  // namespace quenlit::ui
