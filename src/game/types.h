#pragma once

#include <cstdint>
#include <string>

#include "game/direction.h"

namespace quenlit {

enum class GameScreen : int32_t {
  Loading = 2,
  Map = 4,
  Battle = 6,
  BattleWon = 7,
  Paused = 8,
  Manual = 9,
  Dialogue = 10,
  Message = 11,
  FloorChange = 12,
  Victory = 16,
  GameOver = 17,
};

// The battle panel stays on show under a fight that is won or lost.
bool ShowsBattlePanel(GameScreen screen);

// The name of a screen as the tools print it ("Map", "Battle", ...); "" for no screen.
const char* ScreenName(GameScreen screen);
// The screen of a name; false when the name is not a screen.
bool ScreenFromName(const std::string& name, GameScreen& screen);

}  // namespace quenlit
