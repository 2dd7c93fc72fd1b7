#pragma once

#include <ostream>

#include "floor_survey.h"
#include "route_runner.h"

namespace quenlit::tower {

// The checker's report, floor by floor: what can be reached from the stairs, the keys against
// the doors of each colour, the monsters' estimates at the hero's numbers as the route meets
// them, and the health left after the boss. The last line says whether the tower can be won.
void PrintReport(std::ostream& out, const TowerSurvey& survey, const RouteResult& route);

// The tower can be won: no rule is broken and the route beats the boss.
bool TowerWon(const TowerSurvey& survey, const RouteResult& route);

}  // namespace quenlit::tower
