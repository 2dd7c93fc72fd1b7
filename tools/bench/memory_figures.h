#pragma once

// The memory figures the benchmarks report: the process's peak resident memory, and the
// decoded size of the game's pictures that it is measured against.
#include <fstream>
#include <set>
#include <string>

#include "game/game.h"

namespace quenlit::bench {

// The process's peak resident memory so far, in MiB (VmHWM).
inline double PeakMiB() {
  std::ifstream status("/proc/self/status");
  std::string key;
  long kib = 0;
  while (status >> key) {
    if (key == "VmHWM:") {
      status >> kib;
      break;
    }
  }
  return static_cast<double>(kib) / 1024.0;
}

// The pixels of every picture in the registry, each bitmap counted once, in MiB.
inline double DecodedMiB(const Game& game) {
  std::set<const platform::Bitmap*> seen;
  double bytes = 0;
  for (const auto& [name, image] : game.assets.images) {
    if (!image.bitmap || !seen.insert(image.bitmap.get()).second) continue;
    bytes += 4.0 * image.bitmap->Width() * image.bitmap->Height();
  }
  return bytes / (1024 * 1024);
}

}  // namespace quenlit::bench
