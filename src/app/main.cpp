// quenlit: the game. Started from the game folder, which holds its configuration, data,
// pictures, sounds and fonts.
#include <iostream>

#include "app/command_line.h"
#include "app/program.h"

int main(int argc, char** argv) {
  const quenlit::CommandLine line = quenlit::ParseCommandLine(argc, argv);
  std::cout << line.output;
  std::cerr << line.errors;
  if (line.exitCode) return *line.exitCode;
  return quenlit::RunProgram();
}
