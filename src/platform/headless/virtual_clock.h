#pragma once

#include <cstdint>

#include "platform/clock.h"

namespace quenlit::platform {

// A wall clock that moves only when told to: it starts at 12:00:00.000.
class VirtualWallClock : public WallClock {
 public:
  WallTime Now() override {
    return {static_cast<int>((elapsedMs_ / 1000) % 60), static_cast<int>(elapsedMs_ % 1000)};
  }
  void AdvanceMs(int64_t ms) { elapsedMs_ += ms; }
  int64_t ElapsedMs() const { return elapsedMs_; }

 private:
  int64_t elapsedMs_ = 0;
};

}  // namespace quenlit::platform
