#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "data/floor.h"

namespace quenlit {

// What a save game holds: the twenty floors, the hero's thirteen numbers in the file's order
// (floor, row, column, health, attack, defence, agility, four reserved numbers, level,
// experience), his counts of the items 206 to 240, and the reserved bytes.
struct SaveRecord {
  static constexpr uint8_t kFirstItem = 206, kLastItem = 240;
  std::array<std::array<uint8_t, kFloorCells>, kFloorCount> floors{};
  std::array<int32_t, 13> heroNumbers{};
  std::array<int32_t, kLastItem - kFirstItem + 1> items{};
  std::array<uint8_t, 200> reserved{};
};

// The save file of slot in folder ("./sav" and 1 give "./sav/1.sav").
std::string SaveSlotPath(const std::string& folder, int slot);

// The autosave of a floor in folder, written when the hero arrives there ("./sav" and 3 give
// "./sav/auto-3.sav"); never the player's own slot.
std::string AutosavePath(const std::string& folder, int floor);

// The record as the file's 4312 bytes.
std::vector<uint8_t> EncodeSaveRecord(const SaveRecord& record);
// The record of a file's bytes; nothing for bytes no game can have written: the wrong size,
// a hero outside the tower, a health of 0 or less, or negative numbers or counts.
std::optional<SaveRecord> DecodeSaveRecord(const std::vector<uint8_t>& bytes);

// Writes the bytes as the save file at path, when they are a save the loader takes back. The
// previous save survives every failure; false, with error saying what failed, when the file
// was not written.
bool WriteSaveFile(const std::string& path, const std::vector<uint8_t>& bytes, std::string& error);
// The first 4312 bytes of the save file at path: fewer when it is short, none when missing.
std::vector<uint8_t> ReadSaveFile(const std::string& path);

}  // namespace quenlit
