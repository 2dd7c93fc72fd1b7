#include "pathing.h"

#include <algorithm>
#include <array>
#include <queue>

#include "game/tiles.h"

namespace quenlit::tower {
namespace {

Direction Opposite(Direction direction) {
  switch (direction) {
    case Direction::Up:
      return Direction::Down;
    case Direction::Down:
      return Direction::Up;
    case Direction::Left:
      return Direction::Right;
    case Direction::Right:
      return Direction::Left;
    case Direction::None:
      break;
  }
  return Direction::None;
}

}  // namespace

Vector Neighbour(Vector cell, Direction direction) {
  switch (direction) {
    case Direction::Up:
      return {cell.a - 1, cell.b};
    case Direction::Down:
      return {cell.a + 1, cell.b};
    case Direction::Left:
      return {cell.a, cell.b - 1};
    case Direction::Right:
      return {cell.a, cell.b + 1};
    case Direction::None:
      break;
  }
  return cell;
}

std::string CellText(Vector cell) {
  return "(" + std::to_string(cell.a) + ", " + std::to_string(cell.b) + ")";
}

std::optional<std::vector<Direction>> PathTo(const Floor& floor, Vector from, Vector target) {
  if (from == target) return std::vector<Direction>{};
  constexpr Direction kPresses[] = {Direction::Up, Direction::Down, Direction::Left,
                                    Direction::Right};
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
    for (Direction press : kPresses) {
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
