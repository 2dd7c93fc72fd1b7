#pragma once

#include <optional>
#include <string>
#include <vector>

#include "source_text.h"

namespace quenlit::tower {

// One step of a route plan:
//   floor N            the hero is on floor N here (a heading the runner holds the plan to)
//   to ROW COLUMN      walk over plain floor and step into that cell of the current floor
//   up, down           walk to the floor's stairs up (down) and take them
//   buy attack [N]     press G (F for defence) N times, once when N is left out
//   mark NAME          a place in the plan that another plan can follow from or to
//   follow FILE [from MARK] [to MARK]
//                      the steps of another plan (relative to this one), from just after the
//                      first mark up to just before the second
struct PlanStep {
  enum class Kind { Floor, To, Up, Down, BuyAttack, BuyDefence, Mark };
  Kind kind = Kind::Mark;
  int a = 0, b = 0;  // floor, row and column, or how many purchases
  std::string mark;
  SourceLine where;
};

// Reads a plan, with the plans it follows spliced in. On a problem, nothing, and error says
// where and what.
std::optional<std::vector<PlanStep>> ReadPlan(const std::string& path, std::string& error);

}  // namespace quenlit::tower
