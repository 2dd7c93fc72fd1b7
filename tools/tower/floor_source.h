#pragma once

#include <optional>
#include <string>
#include <vector>

#include "data/floor.h"
#include "data/monster.h"
#include "legend.h"

namespace quenlit::tower {

// Reads a floor drawing: 14 lines of 14 symbols, row 0 first, then the floor's own legend
// lines "S = VALUE" for the symbols the common legend does not have. On a problem, nothing,
// and error says where and what.
std::optional<Floor> ReadFloorSource(const std::string& path, const Legend& common,
                                     const std::vector<Monster>& kinds, std::string& error);

}  // namespace quenlit::tower
