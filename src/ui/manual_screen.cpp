// The monster manual: three monsters of the current floor a page, each with its numbers and
// what a fight against it would cost the hero.
#include <iterator>

#include "game/game.h"
#include "game_texts.h"
#include "ui/draw_helpers.h"
#include "ui/screens.h"
#include "ui/sprite_names.h"

namespace quenlit::ui {
namespace {

constexpr float kEntryHeight = 136;
constexpr float kDimmed = 0.3f;
constexpr const char* kFont = "汉仪雁翎体简";
constexpr float kFontSize = 17;

struct Label {
  float x, y;
  const char* text;
};
constexpr Label kLabels[] = {{247, 57, texts::kManualName},    {295, 89, texts::kHealthLabel},
                             {358, 89, texts::kAttackLabel},   {435, 89, texts::kDefenceLabel},
                             {515, 89, texts::kAgilityLabel},  {295, 136, texts::kManualStrikes},
                             {389, 136, texts::kManualDamage}, {481, 136, texts::kManualExperience},
                             {538, 136, texts::kManualGold}};

void DrawEntry(const Game& game, int32_t id, float y) {
  static const Monster kUnknown{};
  const Monster* kind = game.world.FindMonster(id);
  const Monster& m = kind != nullptr ? *kind : kUnknown;

  for (const Label& label : kLabels) {
    DrawTextAt(game, kFont, kFontSize, label.x, label.y + y, label.text, CD2DGraphics::kWhite);
  }
  game.graphics.DrawRectangle(250, 95 + y, 284, 129 + y, 2);

  const auto value = [&](float x, float top, const std::string& text, uint32_t rgb) {
    DrawTextAt(game, kFont, kFontSize, x, top + y, text, rgb);
  };
  value(295, 57, m.name, RGB(221, 253, 210));
  value(295, 112, Format("%-3d", m.hp), RGB(102, 255, 0));
  value(358, 112, Format("%-3d", m.attack), RGB(200, 51, 200));
  value(435, 112, Format("%-3d", m.defend), RGB(255, 153, 102));
  value(515, 112, Format("%-3d", m.swift), RGB(0, 153, 0));
  value(295, 164, Format("%-3d", m.combo), RGB(0, 147, 196));
  // A monster the hero cannot hurt has no cost to estimate.
  const int32_t damage = game.EstimateDamage(id);
  value(389, 164, damage == -1 ? texts::kDamageUnknown : Format("%-3d", damage), RGB(255, 0, 0));
  value(481, 164, Format("%-3d", m.exp), RGB(102, 255, 255));
  value(538, 164, Format("%-3d", m.gold), RGB(255, 255, 0));

  const std::string picture = MonsterPicture(game, id, game.frameClock.spritePhase);
  if (!picture.empty()) DrawPicture(game, picture, 251, 96 + y, 32, 32);
}

}  // namespace

void DrawManual(const Game& game) {
  DrawPicture(game, "Dback", 230, 35, 446, 446, 1, {800, 800});
  game.graphics.DrawText("微软雅黑", 23, 591, 444, 814, 569, texts::kEnterPrompt, false, false,
                         game.curtain.fadeLevel);
  const bool firstPage = game.manual.manualPage < 2;
  const bool lastPage = game.manual.manualPage >= game.manual.manualPageCount;
  DrawPicture(game, "leftarrow", 594, 419, 25, 25, firstPage ? kDimmed : 1, {50, 50});
  DrawPicture(game, "rightarrow", 639, 419, 25, 25, lastPage ? kDimmed : 1, {50, 50});

  const int skipped = ManualRecord::kEntriesPerPage * (game.manual.manualPage - 1);
  if (skipped < 0 || skipped >= static_cast<int>(game.manual.manualMonsters.size())) return;
  auto id = std::next(game.manual.manualMonsters.begin(), skipped);
  for (int i = 0; i < game.manual.manualPageEntries && id != game.manual.manualMonsters.end();
       ++i, ++id) {
    DrawEntry(game, *id, kEntryHeight * static_cast<float>(i));
  }
}

}  // namespace quenlit::ui
