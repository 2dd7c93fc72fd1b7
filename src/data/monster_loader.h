#pragma once

#include <cstdint>
#include <map>

#include "data/ini_file.h"
#include "data/monster.h"

namespace quenlit {

// The 44 monster kinds of a monster table, keyed by id; what a section lacks takes its
// default.
std::map<int32_t, Monster> ReadMonsterTable(const IniFile& file);

}  // namespace quenlit
