#pragma once

#include <cstdint>

namespace quenlit {

// A width and a height in pixels: a window's or a display mode's.
struct Size {
  int32_t width = 0;
  int32_t height = 0;
  bool operator==(const Size&) const = default;
};

}  // namespace quenlit
