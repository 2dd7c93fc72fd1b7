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
// game (a portable copy, or build/game; installed when the Windows installer left its
// uninstaller beside the program); else "../share/quenlit" beside the program (an installed
// game); else the working directory.
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
// default), read instead of the shipped configuration when it exists. The home folder is $HOME
// when it is an absolute path, else accountHome. Without any home the game folder's
// configuration is read, but saves are kept nowhere, never in a game folder that is not the
// player's.
UserFiles ChooseUserFiles(bool inGameFolder, const Environment& environment,
                          const std::optional<std::filesystem::path>& accountHome);

// Where the player's configuration and saves live on Windows: in the game folder as above, or
// else in "ROAMING\Quenlit\": saves in "sav", and "config.ini", read instead of the shipped
// configuration when it exists. roaming is the user's roaming application-data folder.
UserFiles ChooseAppDataFiles(bool inGameFolder, const std::filesystem::path& roaming);

// The log that tells a failed start to a player who started the game without a terminal:
// "$XDG_STATE_HOME/quenlit/quenlit.log" (~/.local/state by default); "" without a home.
std::string ChooseLogFile(const Environment& environment,
                          const std::optional<std::filesystem::path>& accountHome);

// The log of this player on this system: "quenlit.log" in the folder of ChooseAppDataFiles
// where the system has a roaming application-data folder, else ChooseLogFile's.
std::string PlayersLogFile();

// Finds the game folder, makes it the working directory so that every path of the game
// resolves against it, and says where the player's files go. A folder that cannot be entered
// ends the process with a message.
UserFiles EnterGameFolder(const std::optional<std::filesystem::path>& asked,
                          platform::Shell& shell);

}  // namespace quenlit
