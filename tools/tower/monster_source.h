#pragma once

#include <optional>
#include <string>
#include <vector>

#include "data/monster.h"

namespace quenlit::tower {

// The picture file of a kind: kind n shows "Image <2000 + 2n - 1>.png" and "Image <2000 + 2n>.png".
std::string MonsterPicture(int kind, int phase);

// Reads the readable monster table: a header line naming the columns, then one line per kind
// in order 1 to 44. Entry i of the result is kind i + 1. On a problem, nothing, and error
// names the file, the line and what is wrong.
std::optional<std::vector<Monster>> ReadMonsterTable(const std::string& path, std::string& error);

// The table in the game's initialisation-file form, one "[MonsterN]" section per kind.
std::string MonsterDataText(const std::vector<Monster>& kinds);

}  // namespace quenlit::tower
