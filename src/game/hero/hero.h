#pragma once

#include <cstdint>
#include <map>

#include "game/types.h"

namespace quenlit {

// The hero: where he stands, where he faces, his numbers and what he carries.
class Hero {
 public:
  int32_t floor = 1;
  Cell position{12, 7};  // (row, column)
  Direction facing = Direction::Down;
  std::map<uint8_t, int32_t> items;  // count per item tile code; absent reads as 0
  int32_t level = 1;
  int32_t exp = 0;
  int32_t hp = 1000;
  int32_t attack = 10;
  int32_t defence = 10;
  int32_t reserved1 = 0;
  int32_t agility = 2;
  int32_t reserved2 = 0;
  int32_t reserved3 = 0;
  int32_t reserved4 = 0;

  // Moves by steps cells (no bounds test: callers test first) and faces the direction.
  void Move(Direction direction, int steps);
  void SetFacing(Direction direction) { facing = direction; }
  int32_t Row() const { return position.row; }
  int32_t Column() const { return position.column; }
  Cell Position() const { return position; }
  void SetPosition(int32_t row, int32_t column) { position = {row, column}; }
  void SetFloor(int32_t number) { floor = number; }
  int32_t CurrentFloor() const { return floor; }
  // The counter of an item, created at 0 on first use.
  int32_t& Items(uint8_t code) { return items[code]; }
};

}  // namespace quenlit
