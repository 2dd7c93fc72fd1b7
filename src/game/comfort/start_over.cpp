// A new game after the end, without leaving the program: the tower as loading found it, a
// fresh hero, and the counts of the summary from zero.
#include "game/game.h"

namespace quenlit {

void Game::StartOver() {
  if (!comfortState.startFloors.empty()) world.floors = comfortState.startFloors;
  world.reservedBytes = comfortState.startReserved;
  hero = Hero{};
  HideStrikeEffects();
  displays = TimedDisplays{};
  battle = BattleRecord{};
  keys = KeyState{};
  comfortState.note.shown = false;
  BeginPlay();
}

}  // namespace quenlit
