#pragma once

namespace quenlit::platform {

// The two readings of the UTC wall clock that the game clock is built from.
struct WallTime {
  int second = 0;       // 0..59
  int millisecond = 0;  // 0..999
};

class WallClock {
 public:
  virtual ~WallClock() = default;
  virtual WallTime Now() = 0;
};

}  // namespace quenlit::platform
