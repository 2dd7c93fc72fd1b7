#include "tower_compiler.h"

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "floor_source.h"
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
  return tower;
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
