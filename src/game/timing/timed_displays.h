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

  // How long a "MISS!!" and the game-over text last, in seconds of game clock.
  static constexpr float kMissShownFor = 0.3f;
  static constexpr float kGameOverShownFor = 9.0f;

  // Takes down, at the moment shownAt, the misses and the game-over text whose time is over.
  // Each is only watched while its screen shows it.
  void EndMisses(float shownAt);
  void EndGameOver(float shownAt);
};

}  // namespace quenlit
