#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "data/monster.h"
#include "source_text.h"

namespace quenlit::tower {

// What each symbol of a floor drawing stands for: a tile code.
using Legend = std::map<char, uint8_t>;

// Adds one legend line "S = VALUE" to the legend. S is one printable character other than
// ';' and '='; VALUE is a tile code 0 to 255 or the name of a monster kind. A symbol keeps one
// meaning: defining it again is a problem. Returns the problem, if any.
std::optional<std::string> AddLegendLine(const SourceLine& line, const std::vector<Monster>& kinds,
                                         Legend& legend);

// Reads a file of legend lines. On a problem, nothing, and error says where and what.
std::optional<Legend> ReadLegend(const std::string& path, const std::vector<Monster>& kinds,
                                 std::string& error);

}  // namespace quenlit::tower
