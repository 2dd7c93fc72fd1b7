// quenlit: the game. It finds its game folder, which holds its data, pictures, sounds, fonts
// and shipped configuration, from where the program itself lies.
#include <iostream>

#include "app/programs/program.h"
#include "app/settings/command_line.h"

int main(int argc, char** argv) {
  const quenlit::CommandLine line = quenlit::ParseCommandLine(argc, argv);
  std::cout << line.output;
  std::cerr << line.errors;
  if (line.exitCode) return *line.exitCode;
  return quenlit::RunProgram(line);
}
