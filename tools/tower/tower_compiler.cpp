#include "tower_compiler.h"

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>

#include "character_source.h"
#include "floor_source.h"
#include "game/tiles.h"
#include "legend.h"
#include "monster_source.h"
#include "seal.h"

namespace quenlit::tower {
namespace {

// Byte 26 ends a text-mode read, so the checked floors 1 to 10 cannot hold it: it would hide
// the sealing bytes from the integrity check.
constexpr uint8_t kTextEnd = 26;
constexpr int kLastCheckedFloor = 10;

std::optional<std::string> TextEndCell(const Floor& floor) {
  for (int row = 0; row < kFloorSize; ++row)
    for (int column = 0; column < kFloorSize; ++column)
      if (floor.At(row, column) == kTextEnd)
        return "(" + std::to_string(row) + ", " + std::to_string(column) + ")";
  return std::nullopt;
}

bool WriteBytes(const std::filesystem::path& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(out.flush());
}

}  // namespace

std::string FloorSourcePath(const std::string& towerFolder, int floor) {
  char name[16];
  std::snprintf(name, sizeof name, "%02d.txt", floor);
  return (std::filesystem::path(towerFolder) / "floors" / name).string();
}

std::optional<TowerSource> ReadTower(const std::string& towerFolder, std::string& error) {
  const std::filesystem::path folder(towerFolder);
  TowerSource tower;
  auto kinds = ReadMonsterTable((folder / "monsters.txt").string(), error);
  if (!kinds) return std::nullopt;
  tower.kinds = *kinds;
  const auto legend = ReadLegend((folder / "legend.txt").string(), tower.kinds, error);
  if (!legend) return std::nullopt;
  for (int n = 1; n <= kFloorCount; ++n) {
    const std::string path = FloorSourcePath(towerFolder, n);
    auto floor = ReadFloorSource(path, *legend, tower.kinds, error);
    if (!floor) return std::nullopt;
    if (n <= kLastCheckedFloor) {
      if (const auto cell = TextEndCell(*floor)) {
        error = path + ": kind 26 cannot stand on floors 1 to 10 (its byte ends a text-mode " +
                "read of the checked file), found at " + *cell;
        return std::nullopt;
      }
    }
    tower.floors.push_back(*floor);
  }
  const std::string charactersPath = (folder / "characters.txt").string();
  const auto characters = ReadCharacters(charactersPath, error);
  if (!characters) return std::nullopt;
  if (const auto problem = SpeechesAgreeWithFloors(*characters, tower.floors)) {
    error = charactersPath + ": " + *problem;
    return std::nullopt;
  }
  return tower;
}

std::optional<std::string> SpeechesAgreeWithFloors(const CharactersSource& characters,
                                                   const std::vector<Floor>& floors) {
  auto where = [](int floor, int row, int column) {
    return "floor " + std::to_string(floor) + " at (" + std::to_string(row) + ", " +
           std::to_string(column) + ")";
  };
  for (const SpeechSource& speech : characters.speeches) {
    const bool onAFloor = speech.floor >= 1 && speech.floor <= static_cast<int>(floors.size());
    if (!onAFloor || !tile::IsCharacter(floors[speech.floor - 1].At(speech.row, speech.column)))
      return "the speech for " + where(speech.floor, speech.row, speech.column) +
             " has no character on its cell";
  }
  for (size_t n = 0; n < floors.size(); ++n) {
    for (int row = 0; row < kFloorSize; ++row) {
      for (int column = 0; column < kFloorSize; ++column) {
        if (!tile::IsCharacter(floors[n].At(row, column))) continue;
        const int floor = static_cast<int>(n) + 1;
        const bool speaks = std::any_of(
            characters.speeches.begin(), characters.speeches.end(), [&](const SpeechSource& s) {
              return s.floor == floor && s.row == row && s.column == column;
            });
        if (!speaks) return "the character on " + where(floor, row, column) + " has no speech";
      }
    }
  }
  return std::nullopt;
}

bool WriteTowerData(const TowerSource& tower, const std::string& dataFolder, std::string& error) {
  namespace fs = std::filesystem;
  std::error_code made;
  fs::create_directories(dataFolder, made);
  for (int n = 1; n <= kFloorCount; ++n) {
    const Floor& floor = tower.floors[n - 1];
    std::string bytes(2, '\0');  // the header, which no reader uses
    bytes.append(reinterpret_cast<const char*>(floor.cells.data()), floor.cells.size());
    const fs::path path = fs::path(dataFolder) / (std::to_string(n) + ".map");
    if (!WriteBytes(path, bytes)) {
      error = path.string() + ": cannot be written";
      return false;
    }
  }
  const fs::path table = fs::path(dataFolder) / "monster.dat";
  if (!WriteBytes(table, MonsterDataText(tower.kinds))) {
    error = table.string() + ": cannot be written";
    return false;
  }
  return SealDataFolder(dataFolder, error);
}

}  // namespace quenlit::tower
