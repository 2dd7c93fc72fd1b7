#pragma once

#include <ostream>
#include <string>

#include "checker_world.h"

namespace quenlit::tower {

struct SolveOptions {
  int width = 250;              // the beam's width; the sweep also runs it four times as wide
  int checkWidth = 60;          // the narrower beam of the what-if questions
  std::string planPath;         // where to write the best line as a route plan
  std::string otherWaysFolder;  // where to write the other winning ways
  int trapWidth = 0;            // the climb that asks after each mistake; 0: no trap census
};

// Solves the tower of a loaded game and reports the figures that say how hard it is; the
// exit code is 0 when the tower can be won.
int Solve(CheckerWorld& world, const SolveOptions& options, std::ostream& out);

}  // namespace quenlit::tower
