#pragma once

#include <string>

namespace quenlit {

// Where the player's own files are: the configuration read at start and the folder of the save
// games. By default both are the game folder's; a program that keeps them elsewhere (per user,
// or in a browser's storage) sets them before the game starts. An empty save folder means
// there is nowhere to keep saves.
struct UserFiles {
  std::string configFile = "./config.ini";
  std::string saveFolder = "./sav";
};

}  // namespace quenlit
