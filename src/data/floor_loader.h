#pragma once

#include <vector>

#include "data/floor.h"

namespace quenlit {

// Reads the twenty floors "./data/1.map" to "./data/20.map" into a list whose index 0 is the
// placeholder below floor 1. False, with the list unchanged, when a file is missing or short.
bool ReadFloors(std::vector<Floor>& floors);

}  // namespace quenlit
