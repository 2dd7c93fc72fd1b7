#pragma once

#include <optional>
#include <string>

namespace quenlit {

// What the command line asks of the program.
struct CommandLine {
  // Set when the program ends at once: after --help or --version (0), or on a mistake (2).
  std::optional<int> exitCode;
  std::string output;               // for standard output
  std::string errors;               // for standard error
  std::optional<std::string> root;  // --root: the game folder to play
  std::string recordFile;           // --record: where the session is written as a script
  std::string replayFile;           // --replay: the script played in the window
};

// Reads the program's arguments against the table of options in command_line.cpp.
CommandLine ParseCommandLine(int argc, const char* const argv[]);

// The text of --help: usage, options and the keys of the game.
std::string HelpText();

}  // namespace quenlit
