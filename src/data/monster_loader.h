#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>

#include "data/ini_file.h"
#include "data/monster.h"

namespace quenlit {

// The 44 monster kinds of a monster table, keyed by id; what a section lacks takes its
// default.
std::map<int32_t, Monster> ReadMonsterTable(const IniFile& file);

// What makes the table one no game can be played with, as "[Monster12] Gold=-1000 is below 0";
// nothing for a playable table. Refused: a file without a single monster section, a negative
// number, and a chance (Swift, CriticalRatio, Hemophagia) above 100 percent. Critical is the
// damage of a critical strike in percent of an ordinary one, and may pass 100.
std::optional<std::string> FindImpossibleMonster(const IniFile& file,
                                                 const std::map<int32_t, Monster>& monsters);

}  // namespace quenlit
