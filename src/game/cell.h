#pragma once

#include <cstdint>

namespace quenlit {

// A cell of a floor: row 0 at the top, column 0 at the left.
struct Cell {
  int32_t row = 0;
  int32_t column = 0;
  bool operator==(const Cell&) const = default;
};

}  // namespace quenlit
