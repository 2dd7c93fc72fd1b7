#pragma once

#include <string>
#include <vector>

namespace quenlit {

// The arguments of a tool that reads a game folder. Like the game itself, every tool takes
// --root DIR for the game folder; what else it takes is its own business.
struct ToolArguments {
  std::string root = ".";           // --root DIR: the game folder, the working one by default
  std::vector<std::string> others;  // every other argument, in order
  bool malformed = false;           // --root without its folder
};

ToolArguments ReadToolArguments(int argc, const char* const argv[]);

}  // namespace quenlit
