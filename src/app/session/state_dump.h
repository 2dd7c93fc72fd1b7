#pragma once

#include <string>
#include <vector>

namespace quenlit {

class Game;

// One line of JSON with the state of the game, and the sounds and sequences started since the
// last dump.
std::string DumpState(Game& game, const std::vector<std::string>& played,
                      const std::vector<std::string>& started);

}  // namespace quenlit
