#pragma once

#include <array>
#include <cstdint>

namespace quenlit {

constexpr int kFloorSize = 14;
constexpr int kFloorCells = kFloorSize * kFloorSize;
constexpr int kFloorCount = 20;  // floors 1..20; index 0 of the list is a placeholder

// One floor: 14 x 14 tile codes, row-major, row 0 at the top.
struct Floor {
  std::array<uint8_t, kFloorCells> cells{};
  uint8_t& At(int row, int column) { return cells[row * kFloorSize + column]; }
  uint8_t At(int row, int column) const { return cells[row * kFloorSize + column]; }
};

constexpr bool InsideFloor(int row, int column) {
  return row >= 0 && row < kFloorSize && column >= 0 && column < kFloorSize;
}

}  // namespace quenlit
