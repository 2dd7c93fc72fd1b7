#pragma once

#include <array>
#include <cstdint>

#include "base/key_codes.h"
#include "game/cell.h"

namespace quenlit {

enum class Direction : int32_t { None = 0, Up = 1, Down = 2, Left = 3, Right = 4 };

// Everything a direction means, one row each: the step it makes on the grid (rows grow
// downwards), the arrow key that walks it, the letter of the hero's pictures that face it,
// the key's name in scripts, and the way back.
struct DirectionFacts {
  Direction direction;
  int32_t rowStep, columnStep;
  uint32_t arrowKey;
  char letter;
  const char* keyName;
  Direction opposite;
};

inline constexpr std::array<DirectionFacts, 4> kDirections{{
    {Direction::Up, -1, 0, vk::kUp, 'u', "Up", Direction::Down},
    {Direction::Down, 1, 0, vk::kDown, 'd', "Down", Direction::Up},
    {Direction::Left, 0, -1, vk::kLeft, 'l', "Left", Direction::Right},
    {Direction::Right, 0, 1, vk::kRight, 'r', "Right", Direction::Left},
}};

// The row of a direction; nullptr for None.
constexpr const DirectionFacts* FactsOf(Direction direction) {
  for (const DirectionFacts& facts : kDirections)
    if (facts.direction == direction) return &facts;
  return nullptr;
}

// The direction an arrow key walks; None for any other key.
constexpr Direction DirectionOfArrow(uint32_t key) {
  for (const DirectionFacts& facts : kDirections)
    if (facts.arrowKey == key) return facts.direction;
  return Direction::None;
}

// The cell steps cells away from cell in the direction; cell itself for None.
constexpr Cell Step(Cell cell, Direction direction, int32_t steps = 1) {
  const DirectionFacts* facts = FactsOf(direction);
  if (!facts) return cell;
  return {cell.row + facts->rowStep * steps, cell.column + facts->columnStep * steps};
}

}  // namespace quenlit
