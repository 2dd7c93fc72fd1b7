#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "data/floor.h"

namespace quenlit {

// A floor from the bytes of its map file: two header bytes, then the 196 cells; nothing when
// the file is too short to hold them.
std::optional<Floor> FloorFromBytes(std::string_view bytes);

// Reads the twenty floors "./data/1.map" to "./data/20.map" into a list whose index 0 is the
// placeholder below floor 1. False, with the list unchanged, when a file is missing or short;
// error then names the file and why.
bool ReadFloors(std::vector<Floor>& floors, std::string& error);

}  // namespace quenlit
