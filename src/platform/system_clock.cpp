#include "platform/system_clock.h"

#include <chrono>

namespace quenlit::platform {

WallTime SystemWallClock::Now() {
  using namespace std::chrono;
  const auto ms = duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
  return WallTime{static_cast<int>((ms / 1000) % 60), static_cast<int>(ms % 1000)};
}

}  // namespace quenlit::platform
