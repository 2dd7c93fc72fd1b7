#pragma once

#include <cstdint>
#include <string>

namespace quenlit {

enum class Direction : int32_t { None = 0, Up = 1, Down = 2, Left = 3, Right = 4 };

// Two signed integers: a cell as (row, column) or a window size as (width, height).
struct Vector {
  int32_t a = 0;
  int32_t b = 0;
  bool operator==(const Vector&) const = default;
};

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

// The name of a screen as the tools print it ("Map", "Battle", ...); "" for no screen.
const char* ScreenName(GameScreen screen);
// The screen of a name; false when the name is not a screen.
bool ScreenFromName(const std::string& name, GameScreen& screen);

}  // namespace quenlit
