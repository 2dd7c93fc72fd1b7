// quenlit: the game. It finds its game folder, which holds its data, pictures, sounds, fonts
// and shipped configuration, from where the program itself lies.
// SDL's main hands main() the command line in UTF-8 on every system.
#include <SDL_main.h>

#include <iostream>

#include "app/programs/program.h"
#include "app/settings/command_line.h"
#include "platform/standard_streams.h"

int main(int argc, char** argv) {
  quenlit::platform::WriteStandardStreamsAsBytes();
  const quenlit::CommandLine line = quenlit::ParseCommandLine(argc, argv);
  std::cout << line.output;
  std::cerr << line.errors;
  if (line.exitCode) return *line.exitCode;
  return quenlit::RunProgram(line);
}
