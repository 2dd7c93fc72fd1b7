#pragma once

#include <cstdint>

#include "data/monster.h"

namespace quenlit {

// The battle under way: the monster being fought, copied from the monster table when the
// battle begins and worn down strike by strike, whose turn it is, and the battle's own clock.
struct BattleRecord {
  // Before the first battle nobody is fought, not even with fists.
  static Monster NoOpponent() {
    Monster none;
    none.weapon.clear();
    return none;
  }

  int8_t opponentId = 0;            // the monster's id, also the tile code of its cell
  Monster opponent = NoOpponent();  // hp falls with every strike; exp and gold are the reward
  // The monster's three percentages as single-precision fractions, as every strike uses them.
  float hemophagia = 0;
  float critical = 0;
  float criticalRatio = 0;
  int32_t hitCount = 0;         // the monster's strikes in its current round
  int32_t heroTurn = 0;         // 1 while the hero strikes next
  int32_t row = 0, column = 0;  // the monster's cell

  bool starting = false;  // the first step waits a moment before the first strike
  bool falling = false;   // the monster's health reached 0: the next step ends the battle
  bool sideChange = false;
  float lastStepTime = 0;  // game clock of the last strike
};

}  // namespace quenlit
