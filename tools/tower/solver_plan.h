#pragma once

#include <string>
#include <vector>

#include "solver_model.h"
#include "solver_search.h"

namespace quenlit::tower {

// A line written as a route plan that the checker follows: the stairs it takes, every cell it
// steps into and its purchases, with "floor N" headings and a mark where each floor is first
// reached ("floorN") and first left upwards ("leaveN"). The comment opens the file, each of
// its lines prefixed with "; ".
std::string PlanText(const TowerModel& model, const SolverLine& line, const std::string& comment);

// The floor as the line has left it at that state: cleared objects are plain floor.
Floor FloorAt(const TowerModel& model, const SolverState& state, int floor);

}  // namespace quenlit::tower
