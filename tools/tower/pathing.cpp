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

Vector Neighbour(Vector cell, Direction direction) {
  return Step(cell, direction);
}

std::string CellText(Vector cell) {
  return "(" + std::to_string(cell.a) + ", " + std::to_string(cell.b) + ")";
}

std::optional<std::vector<Direction>> PathTo(const Floor& floor, Vector from, Vector target) {
  if (from == target) return std::vector<Direction>{};
  // Breadth first from the hero; each cell remembers the press that first reached it.
  std::array<Direction, kFloorCells> reachedBy{};
  std::array<bool, kFloorCells> seen{};
  auto index = [](Vector cell) { return cell.a * kFloorSize + cell.b; };
  std::queue<Vector> open;
  open.push(from);
  seen[index(from)] = true;
  while (!open.empty()) {
    const Vector cell = open.front();
    open.pop();
    for (const DirectionFacts& facts : kDirections) {
      const Direction press = facts.direction;
      const Vector next = Neighbour(cell, press);
      if (!InsideFloor(next.a, next.b) || seen[index(next)]) continue;
      const bool walkable = floor.At(next.a, next.b) == tile::kFloor;
      if (!walkable && !(next == target)) continue;
      seen[index(next)] = true;
      reachedBy[index(next)] = press;
      if (next == target) {
        std::vector<Direction> presses;
        for (Vector back = target; !(back == from);) {
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
