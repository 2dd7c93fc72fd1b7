#include "pathing.h"

#include <algorithm>
#include <array>
#include <queue>

#include "game/tiles.h"

namespace quenlit::tower {
namespace {

Direction Opposite(Direction direction) {
  const DirectionFacts* facts = FactsOf(direction);
  return facts ? facts->opposite : Direction::None;
}

}  // namespace

Cell Neighbour(Cell cell, Direction direction) {
  return Step(cell, direction);
}

std::string CellText(Cell cell) {
  return "(" + std::to_string(cell.row) + ", " + std::to_string(cell.column) + ")";
}

std::optional<std::vector<Direction>> PathTo(const Floor& floor, Cell from, Cell target) {
  if (from == target) return std::vector<Direction>{};
  // Breadth first from the hero; each cell remembers the press that first reached it.
  std::array<Direction, kFloorCells> reachedBy{};
  std::array<bool, kFloorCells> seen{};
  auto index = [](Cell cell) { return cell.row * kFloorSize + cell.column; };
  std::queue<Cell> open;
  open.push(from);
  seen[index(from)] = true;
  while (!open.empty()) {
    const Cell cell = open.front();
    open.pop();
    for (const DirectionFacts& facts : kDirections) {
      const Direction press = facts.direction;
      const Cell next = Neighbour(cell, press);
      if (!InsideFloor(next.row, next.column) || seen[index(next)]) continue;
      const bool walkable = floor.At(next.row, next.column) == tile::kFloor;
      if (!walkable && !(next == target)) continue;
      seen[index(next)] = true;
      reachedBy[index(next)] = press;
      if (next == target) {
        std::vector<Direction> presses;
        for (Cell back = target; !(back == from);) {
          const Direction last = reachedBy[index(back)];
          presses.push_back(last);
          back = Neighbour(back, Opposite(last));
        }
        std::reverse(presses.begin(), presses.end());
        return presses;
      }
      open.push(next);
    }
  }
  return std::nullopt;
}

}  // namespace quenlit::tower
