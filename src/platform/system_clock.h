#pragma once

#include "platform/clock.h"

namespace quenlit::platform {

// The real UTC wall clock.
class SystemWallClock : public WallClock {
 public:
  WallTime Now() override;
};

}  // namespace quenlit::platform
