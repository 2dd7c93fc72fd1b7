#pragma once

#include <string>

#include "platform/shell.h"

namespace quenlit {

// An "ERROR" box; with exitProcess set the process then ends with exit code 1.
void FatalError(platform::Shell& shell, const std::string& text, bool exitProcess);
// An "Info" box.
void ShowInfo(platform::Shell& shell, const std::string& text);

}  // namespace quenlit
