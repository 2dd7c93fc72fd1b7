#pragma once

#include <filesystem>
#include <functional>
#include <optional>

#include "data/user_files.h"
#include "platform/shell.h"

namespace quenlit {

// The folder that holds the game's data, pictures, sounds and fonts for this run.
struct GameFolder {
  std::filesystem::path path;
  // Installed in the system's layout (the program in bin/, the folder in share/quenlit/): the
  // game never writes there, whoever runs it.
  bool installed = false;
};

// The folder asked for on the command line; else the program's own folder when it holds the
// game (a portable copy, or build/game); else "../share/quenlit" beside the program (an
// installed game); else the working directory.
GameFolder FindGameFolder(const std::optional<std::filesystem::path>& asked,
                          const std::filesystem::path& executable);

// Whether the game keeps the player's files in the game folder itself: only in a folder that is
// not installed and whose "sav" (or, before the first save, the folder itself) can be written.
bool KeepsPlayerFiles(const GameFolder& folder);

// Reads one environment variable, as getenv does.
using Environment = std::function<const char*(const char*)>;

// Where the player's configuration and saves live. In the game folder: "./config.ini" and
// "./sav". Otherwise they are the player's own: saves in "$XDG_DATA_HOME/quenlit/sav"
// (~/.local/share by default), and "$XDG_CONFIG_HOME/quenlit/config.ini" (~/.config by
// default), read instead of the shipped configuration when it exists. Without a home folder
// the game folder's are all there is.
UserFiles ChooseUserFiles(bool inGameFolder, const Environment& environment);

// Finds the game folder, makes it the working directory so that every path of the game
// resolves against it, and says where the player's files go. A folder that cannot be entered
// ends the process with a message.
UserFiles EnterGameFolder(const std::optional<std::filesystem::path>& asked,
                          platform::Shell& shell);

}  // namespace quenlit
