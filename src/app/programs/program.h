#pragma once

#include "app/settings/command_line.h"

namespace quenlit {

// The game program: start-up, the window and the main loop. Returns the process's exit code:
// 0 when the window is closed; start-up failures end the process with 1 on their own. The
// command line may ask for the session to be recorded or for a script to be replayed; a
// script with a damaged line ends it with 2, a recording that cannot be written with 1.
int RunProgram(const CommandLine& line);

}  // namespace quenlit
