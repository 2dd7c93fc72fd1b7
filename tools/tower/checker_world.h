#pragma once

#include <string>

#include "game/game_parts.h"
#include "platform/headless/null_canvas.h"
#include "platform/headless/stderr_shell.h"
#include "platform/headless/virtual_clock.h"

namespace quenlit::tower {

// A new game over the headless stand-ins, with the floors and the monster table of a game
// folder read by the game's own loaders: the rules the checker follows are the game's. It
// loads no pictures and no sounds, and has no sound device: the game plays nothing.
class CheckerWorld {
 public:
  CheckerWorld();
  CheckerWorld(const CheckerWorld&) = delete;
  CheckerWorld& operator=(const CheckerWorld&) = delete;

  // Reads "data/" of the game folder and starts a new game on the map. False, with the reason
  // in error, when a data file is missing or fails the integrity check.
  bool Load(const std::string& gameFolder, std::string& error);

  Game& game() { return parts_.game; }
  Hero& hero() { return parts_.hero; }

 private:
  platform::VirtualWallClock wallClock_;
  platform::StderrShell shell_;
  platform::NullCanvas canvas_{981, 621};
  GameParts parts_{wallClock_, shell_};
};

}  // namespace quenlit::tower
