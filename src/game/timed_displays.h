#pragma once

namespace quenlit {

// What shows for a while from a moment of the game clock: the "MISS!!" beside whoever dodged a
// strike, the game-over text and the victory picture. Each flag says it is on show, its time
// when it began.
struct TimedDisplays {
  bool heroMissShown = false;
  float heroMissTime = 0;
  bool monsterMissShown = false;
  float monsterMissTime = 0;
  bool gameOverShown = false;
  float gameOverTime = 0;
  bool victoryShown = false;
  float victoryTime = 0;
};

}  // namespace quenlit
