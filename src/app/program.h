#pragma once

#include "app/command_line.h"

namespace quenlit {

// The game program: start-up, the window and the main loop. Returns the process's exit code:
// 0 when the window is closed; start-up failures end the process with 1 on their own.
int RunProgram(const CommandLine& line);

}  // namespace quenlit
