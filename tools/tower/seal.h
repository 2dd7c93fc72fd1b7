#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace quenlit::tower {

// Four bytes that, appended to data whose CRC-32 is prefixCrc, give the CRC-32 target.
std::string ForceCrcSuffix(uint32_t prefixCrc, uint32_t target);

// A floor file (2 header bytes and 196 cells) sealed so that its text-mode CRC-32 is target:
// four bytes follow the cells, and the header bytes, which no reader uses, are varied until
// those four survive a text-mode read. Nothing when the cells hold byte 26, which would end a
// text-mode read before them.
std::optional<std::string> SealFloor(const std::string& header, const std::string& cells,
                                     uint32_t target);

// The monster table sealed by a final comment line "; seal XXXXXXXX" of printable characters
// (no line break after it), replacing an earlier seal line.
std::optional<std::string> SealMonsterTable(const std::string& text, uint32_t target);

// Seals floors 1 to 10 and monster.dat of a data folder in place against the game's built-in
// checksums; on failure names the file and the reason in error.
bool SealDataFolder(const std::string& folder, std::string& error);

}  // namespace quenlit::tower
