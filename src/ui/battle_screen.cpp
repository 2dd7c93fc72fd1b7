// The battle panel: both fighters' pictures and numbers face to face, the retreat hint while
// the fight runs, and the reward line once it is won.
#include "game/game.h"
#include "game_texts.h"
#include "ui/draw_helpers.h"
#include "ui/screens.h"
#include "ui/sprite_names.h"

namespace quenlit::ui {
namespace {

constexpr const char* kFont = "汉仪雁翎体简";
constexpr const char* kLabels[] = {texts::kHealthLabel, texts::kAttackLabel, texts::kDefenceLabel,
                                   texts::kAgilityLabel};
constexpr const char* kHeroLabels[] = {texts::kHeroHealthLabel, texts::kHeroAttackLabel,
                                       texts::kHeroDefenceLabel, texts::kHeroAgilityLabel};

// The four rows of numbers. The hero's side is on the right and reads right to left (the
// label after the number); the monster's on the left reads left to right.
void DrawNumbers(const Game& game) {
  const Hero& hero = game.hero;
  const int32_t heroNumbers[] = {hero.hp, hero.attack, hero.defence, hero.agility};
  const int32_t monsterNumbers[] = {game.battle.opponent.hp, game.battle.opponent.attack,
                                    game.battle.opponent.defend, game.battle.opponent.swift};
  CD2DGraphics& g = game.graphics;
  for (int i = 0; i < 4; ++i) {
    const float top = 160.0f + 25.0f * static_cast<float>(i), bottom = top + 100;
    g.DrawText(kFont, 16, 312, top, 462, bottom, Format("%d", heroNumbers[i]), true, false, 1);
    g.DrawText(kFont, 16, 372, top, 522, bottom, kHeroLabels[i], true, false, 1);
    g.DrawText(kFont, 16, 343, top, 493, bottom, Format("%d", monsterNumbers[i]), false, false, 1);
    g.DrawText(kFont, 16, 282, top, 432, bottom, kLabels[i], false, false, 1);
  }
}

}  // namespace

void DrawBattlePanel(const Game& game) {
  CD2DGraphics& g = game.graphics;
  DrawPicture(game, "battleback", 212, 131, 381, 125);
  g.DrawRectangle(211, 130, 594, 257, 3);
  g.DrawRectangle(235, 162, 269, 196, 2);
  g.DrawRectangle(534, 162, 568, 196, 2);

  DrawPicture(game, "hero1d", 535, 163, 32, 32);
  const std::string monster =
      MonsterPicture(game, game.battle.opponentId, game.frameClock.spritePhase);
  if (!monster.empty()) DrawPicture(game, monster, 236, 163, 32, 32);

  DrawNumbers(game);
  g.DrawText("迷你简娃娃篆", 20, 385, 135, 535, 235, texts::kVersus, false, false, 1);
  g.DrawText(kFont, 16, 240, 138, 390, 238, game.battle.opponent.name, false, false, 1);
  g.DrawText(kFont, 16, 535, 138, 685, 238, texts::kHeroName, false, false, 1);
  // Retreat is only possible while the fight runs.
  if (game.screen == GameScreen::Battle) {
    g.DrawText(kFont, 16, 530, 231, 680, 331, texts::kRetreatHint, false, true, 1);
  }
}

void DrawBattleWon(const Game& game) {
  DrawPicture(game, "battleendback", 212, 256, 381, 32);
  game.graphics.DrawRectangle(211, 257, 594, 290, 3);
  DrawTextAt(game, "迷你简中特广告", 22, 240, 264, texts::kBattleWon, CD2DGraphics::kWhite);
  DrawTextAt(game, kFont, 16, 420, 264, texts::kBattleExperience(game.battle.opponent.exp),
             CD2DGraphics::kWhite);
  DrawTextAt(game, kFont, 16, 505, 264, texts::kBattleGold(game.battle.opponent.gold),
             CD2DGraphics::kWhite);
  game.graphics.DrawText("微软雅黑", 17, 530, 231, 680, 331, texts::kEnterPrompt, false, false,
                         game.curtain.fadeLevel);
}

}  // namespace quenlit::ui
