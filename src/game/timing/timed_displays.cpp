#include "game/timing/timed_displays.h"

namespace quenlit {
namespace {

void EndAfter(bool& shown, float since, float shownFor, float shownAt) {
  if (shown && shownAt - since > shownFor) shown = false;
}

}  // namespace

void TimedDisplays::EndMisses(float shownAt) {
  EndAfter(monsterMissShown, monsterMissTime, kMissShownFor, shownAt);
  EndAfter(heroMissShown, heroMissTime, kMissShownFor, shownAt);
}

void TimedDisplays::EndGameOver(float shownAt) {
  EndAfter(gameOverShown, gameOverTime, kGameOverShownFor, shownAt);
}

}  // namespace quenlit
