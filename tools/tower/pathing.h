#pragma once

#include <optional>
#include <string>
#include <vector>

#include "data/floor.h"
#include "game/types.h"

namespace quenlit::tower {

// The arrow presses that take the hero from a cell to a target cell of the same floor: he
// walks over plain floor only (stairs would take him away, anything else stops him), and the
// last press steps into the target, whatever it holds. Shortest first; nothing when the
// target cannot be reached that way. A target on the hero's own cell needs no press.
std::optional<std::vector<Direction>> PathTo(const Floor& floor, Cell from, Cell target);

// The cell one press in the direction leads to (it may lie outside the floor).
Cell Neighbour(Cell cell, Direction direction);

// A cell as the checker's messages write it: "(row, column)".
std::string CellText(Cell cell);

}  // namespace quenlit::tower
