// What the comfort options of config.ini add to the picture: the cost of each fight on the
// monsters' cells, the way out of the end screens, the new game's hint, the short note and
// the help overlay. Each sits where the game's own pictures leave room for it.
#include <algorithm>
#include <cstdint>

#include "game/game.h"
#include "game/tiles.h"
#include "game_texts.h"
#include "ui/draw_helpers.h"
#include "ui/screens.h"

namespace quenlit::ui {
namespace {

constexpr const char* kFont = "微软雅黑";
constexpr uint32_t kOutline = RGB(0, 0, 0);
constexpr uint32_t kFatal = RGB(255, 64, 64);

// The help overlay's rows: the keys, then what they do.
struct HelpRow {
  const char* keys;
  const char* meaning;
};
constexpr HelpRow kHelpRows[] = {
    {texts::kHelpWalkKeys, texts::kHelpWalk},       {texts::kHelpManualKeys, texts::kHelpManual},
    {texts::kHelpBuyKeys, texts::kHelpBuy},         {texts::kHelpSaveKeys, texts::kHelpSave},
    {texts::kHelpLoadKeys, texts::kHelpLoad},       {texts::kHelpPauseKeys, texts::kHelpPause},
    {texts::kHelpRetreatKeys, texts::kHelpRetreat}, {texts::kHelpCloseKeys, texts::kHelpClose},
    {texts::kHelpDamageKeys, texts::kHelpDamage},   {texts::kHelpWindowKeys, texts::kHelpWindow},
    {texts::kHelpGamepadKeys, texts::kHelpGamepad},
};

// Text with a dark rim, readable on any picture: the rim is the text drawn a unit off on each
// diagonal, under the text itself.
void DrawOutlinedText(const Game& game, float size, float left, float top, float right,
                      const std::string& text, uint32_t rgb, bool rightAlign) {
  const float bottom = top + 2 * size;
  for (const float dx : {-1.0f, 1.0f}) {
    for (const float dy : {-1.0f, 1.0f}) {
      game.graphics.DrawColorText(kFont, size, left + dx, top + dy, right + dx, bottom + dy, text,
                                  kOutline, 1, rightAlign);
    }
  }
  game.graphics.DrawColorText(kFont, size, left, top, right, bottom, text, rgb, 1, rightAlign);
}

}  // namespace

void DrawDamageNumbers(const Game& game) {
  const Floor* cells = game.world.FloorAt(FloorOnShow(game));
  if (cells == nullptr) return;
  // The digits sit in the cell's lower edge, right-aligned, over the monster's feet: small
  // enough to leave the sprite readable, and never under 10 pixels high, which a window
  // smaller than the scene would otherwise make them.
  constexpr float kSize = 12, kSmallestPixels = 10, kBelowDigits = 5;
  const float size = std::max(kSize, kSmallestPixels / game.graphics.PixelsPerUnit());
  const float rise = size + kBelowDigits;
  for (int row = 0; row < kFloorSize; ++row) {
    for (int column = 0; column < kFloorSize; ++column) {
      const uint8_t code = cells->At(row, column);
      if (!tile::IsMonster(code)) continue;
      // The manual's own estimate: -1 when the hero cannot hurt the monster.
      const int32_t damage = game.EstimateDamage(code);
      const std::string text = damage < 0 ? texts::kMapDamageUnknown : Format("%d", damage);
      const bool fatal = damage < 0 || damage >= game.hero.hp;
      const float left = CellLeft(column), top = CellTop(row) + kCellSize - rise;
      DrawOutlinedText(game, size, left - kCellSize, top, left + kCellSize - 1, text,
                       fatal ? kFatal : CD2DGraphics::kWhite, true);
    }
  }
}

void DrawGameOverChoices(const Game& game) {
  DrawPicture(game, "caption", 251, 290, 400, 38);
  DrawTextAt(game, kFont, 16, 268, 297, texts::kGameOverChoices, CD2DGraphics::kWhite);
}

void DrawVictorySummary(const Game& game) {
  const PlayStats& stats = game.comfortState.stats;
  const Hero& hero = game.hero;
  const int seconds = static_cast<int>(stats.endedAt - stats.startedAt);
  DrawPicture(game, "battleback", 262, 230, 381, 150);
  game.graphics.DrawRectangle(261, 229, 644, 381, 3);
  const std::string lines[] = {
      texts::kVictoryTitle,
      texts::kVictoryTime(seconds / 3600, seconds / 60 % 60, seconds % 60),
      texts::kVictorySteps(stats.steps, stats.fights, stats.saves),
      texts::kVictoryHero(hero.hp, hero.attack, hero.defence),
  };
  float top = 240;
  for (const std::string& line : lines) {
    DrawTextAt(game, kFont, 17, 285, top, line, CD2DGraphics::kWhite);
    top += 26;
  }
  DrawTextAt(game, kFont, 17, 285, top + 4, texts::kVictoryAgain, RGB(255, 255, 0));
}

void DrawHint(const Game& game) {
  DrawOutlinedText(game, 20, 60, 400, 200, texts::kHelpHint, RGB(255, 255, 0), false);
}

void DrawNote(const Game& game) {
  DrawPicture(game, "caption", 303, 505, 300, 38);
  DrawTextAt(game, kFont, 18, 330, 512, game.comfortState.note.text, CD2DGraphics::kWhite);
}

void DrawHelp(const Game& game) {
  DrawPicture(game, "Dback", 230, 35, 446, 446, 1, {800, 800});
  DrawTextAt(game, "汉仪雁翎体简", 22, 255, 52, texts::kHelpTitle, RGB(255, 255, 0));
  float top = 92;
  for (const HelpRow& row : kHelpRows) {
    DrawTextAt(game, kFont, 14, 255, top, row.keys, RGB(221, 253, 210));
    game.graphics.DrawColorText(kFont, 14, 350, top, 660, top + 28, row.meaning,
                                CD2DGraphics::kWhite, 1, false);
    top += 30;
  }
  DrawTextAt(game, kFont, 15, 255, top + 6, texts::kHelpAnyKey, RGB(255, 255, 0));
}

}  // namespace quenlit::ui
