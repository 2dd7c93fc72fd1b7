// What a strike looks like: its effect sequence over the struck fighter's picture, and the
// "MISS!!" that rises and fades beside whoever dodged.
#include "game/game.h"
#include "ui/draw_helpers.h"
#include "ui/screens.h"
#include "ui/strike_effect_places.h"

namespace quenlit::ui {
namespace {

// In drawing order. The hero's slash lands on the monster's picture (left), every monster
// strike on the hero's (right); the big spells spill over the panel around it.
constexpr EffectPlace kEffects[] = {
    {"heroslash", 251, 178, 53, 53},
    {"heroslashb", 251, 178, 50, 50},
    {"fist", 553, 178, 48, 48},
    {"fistb", 553, 178, 55, 55},
    {"water", 551, 178, 58, 58},
    {"waterb", 551, 165, 63, 63},
    {"sword", 551, 178, 53, 53},
    {"swordb", 552, 179, 57, 57},
    {"suck", 551, 178, 48, 48},
    {"suckb", 548, 179, 60, 60},
    {"flash", 551, 178, 52, 52},
    {"explode", 551, 178, 75, 75},
    {"explodeb", 551, 166, 75, 75},
    {"poision", 548, 178, 50, 60},
    {"nuclear", 551, 173, 90, 60},
    {"nuclearb", 551, 166, 75, 75},
    {"greenlaser", 549, 181, 63, 63},
    {"laser", 549, 181, 63, 63},
    {"magic", 551, 178, 53, 53},
    {"magicb", 551, 166, 75, 75},
    {"firesword", 551, 178, 53, 53},
    {"fire", 551, 178, 400, 400},
    {"fireb", 551, 158, 300, 300},
    {"fireswordb", 516, 178, 200, 200},
    {"ice", 561, 168, 300, 230},
    {"iceb", 551, 178, 1000, 1000},
    {"curse", 551, 178, 500, 500},
    {"curseb", 556, 178, 500, 500},
    {"barrage", 511, 148, 400, 400},
    {"barrageb", 551, 168, 650, 650},
    {"hit", 551, 168, 400, 400},
    {"fog", 551, 202, 400, 400},
    // The arrow keys nudge the fog of the strongest breath around.
    {"fogb", 551, 158, 300, 300, true},
};

constexpr float kMissShownFor = 0.3f;

// Draws one "MISS!!" while it lasts and clears its flag on the first frame after.
void DrawMiss(Game& game, bool& shown, float since, float shownAt, float x) {
  if (!shown) return;
  const float d = shownAt - since;
  if (d > kMissShownFor) {
    shown = false;
    return;
  }
  DrawTextAt(game, "迷你简中特广告", 28, x + static_cast<float>(game.battleNudgeX),
             167 - 60 * d + static_cast<float>(game.battleNudgeY), "MISS!!", RGB(255, 0, 0),
             1 - 3.3f * d);
}

}  // namespace

std::span<const EffectPlace> StrikeEffectPlaces() {
  return kEffects;
}

void DrawStrikeEffects(Game& game, float now) {
  platform::Canvas* canvas = game.graphics.GetRenderTarget();
  for (const EffectPlace& e : kEffects) {
    const float dx = e.nudged ? static_cast<float>(game.battleNudgeX) : 0;
    const float dy = e.nudged ? static_cast<float>(game.battleNudgeY) : 0;
    CD2DGif* sequence = game.sequences.Find(e.name);
    if (sequence) sequence->Draw(canvas, now, e.centreX + dx, e.centreY + dy, e.width, e.height, 1);
  }
}

void AddStrikeEffectDraws(const SequenceRegistry& sequences, std::vector<FixedDraw>& draws) {
  for (const EffectPlace& e : kEffects) {
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

void DrawMissIndicators(Game& game, float shownAt) {
  // The hero dodged: beside his picture on the right; the monster dodged: on the left.
  DrawMiss(game, game.monsterMissShown, game.monsterMissTime, shownAt, 509);
  DrawMiss(game, game.heroMissShown, game.heroMissTime, shownAt, 212);
}

}  // namespace quenlit::ui
