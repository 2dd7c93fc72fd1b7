#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>

#include "game/types.h"

namespace quenlit {

// One line of a quenlit-sim script, the language of the headless driver, of recordings and of
// replays in the window:
//
//   key NAME, down NAME, up NAME   a key pressed and released, pressed, released
//   wait SECONDS                   the game runs on (at most 1000000 s)
//   until SCREEN [SECONDS]         ... until the screen shows (at most 60 s by default)
//   dump                           the state as one line of JSON
//   shot FILE                      a still of the window as a PNG
//   seed N                         the random generator starts again from N
//
// Blank lines and lines starting with '#' are nothing.
struct ScriptCommand {
  enum class Kind { Nothing, Key, Down, Up, Wait, Until, Dump, Shot, Seed };
  Kind kind = Kind::Nothing;
  uint32_t key = 0;
  double seconds = 0;  // of wait and until
  GameScreen screen = GameScreen::Map;
  std::string file;
  uint32_t seed = 0;
};

// The command of a line; nothing when the line is damaged or unknown.
std::optional<ScriptCommand> ParseScriptLine(const std::string& line);

// Sends the key messages of a key, down or up command: key is a key down then a key up.
void SendKeyMessages(const ScriptCommand& command,
                     const std::function<void(uint32_t message, uint32_t key)>& send);

// A key as scripts name it: Enter, Esc, Left, Up, Right, Down, F1, F8, a letter A-Z, or its decimal
// code.
std::string ScriptKeyName(uint32_t key);

// The message for a line that cannot be run, naming it: line 3: cannot understand "jump".
std::string ScriptLineError(int number, const std::string& line);
// A line as a message quotes it: its first 80 bytes, cut between characters and followed by
// "..." when longer, with control characters written as \xNN, so that a damaged file cannot
// flood the terminal or send it escape sequences.
std::string ShownLine(const std::string& line);

}  // namespace quenlit
