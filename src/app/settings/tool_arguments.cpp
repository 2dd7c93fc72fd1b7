#include "app/settings/tool_arguments.h"

namespace quenlit {

ToolArguments ReadToolArguments(int argc, const char* const argv[]) {
  ToolArguments arguments;
  for (int i = 1; i < argc; ++i) {
    const std::string argument = argv[i];
    if (argument != "--root") {
      arguments.others.push_back(argument);
    } else if (i + 1 < argc) {
      arguments.root = argv[++i];
    } else {
      arguments.malformed = true;
    }
  }
  return arguments;
}

}  // namespace quenlit
