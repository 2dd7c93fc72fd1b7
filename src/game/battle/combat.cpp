// The arithmetic of a fight: who hurts whom and by how much, and the manual's estimate.
#include <cmath>
#include <cstdlib>

#include "game/bounded.h"
#include "game/game.h"

namespace quenlit {
void Game::BeginBattle(int row, int column) {
  const uint8_t code = CellAt(row, column).value_or(0);
  battle.opponentId = static_cast<int8_t>(code);
  // Every kind 1 to 44 is in a loaded table; one it lacks fights as a missing section of the
  // monster file reads, with the file's defaults, and the table stays as it was loaded.
  const Monster* kind = world.FindMonster(battle.opponentId);
  const Monster m = kind != nullptr ? *kind : Monster{};
  battle.opponent = m;
  battle.hitCount = 0;
  battle.hemophagia = static_cast<float>(m.hemophagia) / 100.0f;
  battle.critical = static_cast<float>(m.critical) / 100.0f;
  battle.criticalRatio = static_cast<float>(m.criticalRatio) / 100.0f;
  battle.heroTurn = 1;
  battle.row = row;
  battle.column = column;
  battle.starting = true;
  screen = GameScreen::Battle;
}

void Game::HeroStrikeDamage() {
  AddBounded(battle.opponent.hp, -std::abs(int64_t{hero.attack} - battle.opponent.defend));
}

void Game::MonsterStrikeDamage(bool critical) {
  const bool mage = battle.opponent.ability == kMageAbility;
  const int64_t base =
      mage ? int64_t{battle.opponent.attack} : int64_t{battle.opponent.attack} - hero.defence;
  if (critical) {
    // Formed in single precision and truncated toward zero: a base of 3 at 150 % takes 4.
    AddBounded(hero.hp, -int64_t{TruncateToInt32(static_cast<float>(base) * battle.critical)});
  } else {
    AddBounded(hero.hp, mage ? -base : -std::abs(base));
  }
}

int32_t Game::EstimateDamage(int32_t id) const {
  const Monster* kind = world.FindMonster(id);
  if (kind == nullptr) return -1;
  const Monster& m = *kind;
  const int64_t heroDamage = int64_t{hero.attack} - m.defend;
  if (heroDamage <= 0) return -1;
  const bool mage = m.ability == kMageAbility;
  const int64_t monsterDamage = int64_t{m.attack} - hero.defence;
  if (!mage && monsterDamage <= 0) return 0;
  const int64_t strikes =
      static_cast<int64_t>(std::ceil(static_cast<float>(m.hp) / static_cast<float>(heroDamage)));
  const int64_t rounds = SaturatingMultiply(strikes - 1, m.combo);
  return Clamp32(SaturatingMultiply(rounds, mage ? m.attack : monsterDamage));
}

}  // namespace quenlit
