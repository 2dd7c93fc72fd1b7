// The panel left of the map: the hero's six numbers, then his keys and gold.
#include "game/game.h"
#include "game/tiles.h"
#include "game_texts.h"
#include "ui/draw_helpers.h"
#include "ui/screens.h"

namespace quenlit::ui {
namespace {

constexpr const char* kNumberLabels[] = {texts::kLevelLabel,   texts::kHealthLabel,
                                         texts::kAttackLabel,  texts::kDefenceLabel,
                                         texts::kAgilityLabel, texts::kExperienceLabel};

// Each shown with the picture its cell shows on the map.
constexpr uint8_t kCounters[] = {tile::kYellowKey, tile::kBlueKey, tile::kRedKey, tile::kGold};

// Reads a counter without creating it: the panel only looks.
int32_t CountOf(const Hero& hero, uint8_t item) {
  const auto found = hero.items.find(item);
  return found == hero.items.end() ? 0 : found->second;
}

}  // namespace

void DrawStatusPanel(const Game& game) {
  const Hero& hero = game.hero;
  DrawPicture(game, "infoback", 32, 32, 161, 357);
  const int32_t numbers[] = {hero.level,   hero.hp,      hero.attack,
                             hero.defence, hero.agility, hero.exp};
  for (int i = 0; i < 6; ++i) {
    const float top = 60.0f + 25.0f * static_cast<float>(i);
    // The tab lines the numbers up in one column whatever the label's width.
    const std::string line = Format("%s\t  %d", kNumberLabels[i], numbers[i]);
    game.graphics.DrawText("汉仪雁翎体简", 16, 55, top, 205, top + 100, line, false, false, 1);
  }
  for (int i = 0; i < 4; ++i) {
    const float offset = 33.0f * static_cast<float>(i);
    DrawPicture(game, tile::MeaningOf(kCounters[i]).picture, 53, 247 + offset, 32, 32);
    const std::string count = Format(" %-2d", CountOf(hero, kCounters[i]));
    game.graphics.DrawText("汉仪雁翎体简", 24, 97, 250 + offset, 247, 350 + offset, count, false,
                           false, 1);
  }
}

}  // namespace quenlit::ui
