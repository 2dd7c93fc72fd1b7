#pragma once

#include <string>
#include <vector>

#include "solver_model.h"
#include "solver_search.h"

namespace quenlit::tower {

// A move the best line does not make at one of its decisions, after which no line wins: an
// irreversible mistake.
struct Trap {
  int decision = 0;  // which of the line's decisions (1 = its first costly door or fight)
  int object = 0;    // the move made instead
  // How the game shows it beforehand: keys short on the door's floor, or a fight the manual
  // estimates at 40 % or more of the hero's health; empty when it shows neither.
  std::string warning;
};

struct TrapCensus {
  int decisions = 0;     // the line's costly doors and fights
  int alternatives = 0;  // the other costly moves allowed at them
  std::vector<Trap> traps;
};

// Tries, at every decision of the line, every other door and fight allowed there, and asks
// whether a win is left: the line itself, carried on past the move, or else the climbing search
// of the width. A search can miss a win that exists, so a narrow width overstates the traps.
TrapCensus CountTraps(const TowerModel& model, const SolverLine& line, int width);

}  // namespace quenlit::tower
