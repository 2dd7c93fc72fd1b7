#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <vector>

#include "data/floor.h"
#include "data/monster.h"

namespace quenlit {

// The tower: its floors, the monster table, and the reserved block that a save carries beside
// the floors. Lookups never add anything: a floor or a kind the tower lacks reads as absent.
struct World {
  std::vector<Floor> floors;            // the index is the floor number; index 0 is a placeholder
  std::map<int32_t, Monster> monsters;  // the monster table, keys 1 to 44 once loaded
  std::array<uint8_t, 200> reservedBytes{};  // kept in saves; no rule reads it otherwise

  // The floor of that number, or nullptr outside the tower.
  const Floor* FloorAt(int32_t number) const;
  Floor* FloorAt(int32_t number);
  // The cell's byte, or nothing outside the grid or the tower.
  std::optional<uint8_t> CellAt(int32_t floor, int row, int column) const;
  // Writes the cell's byte; a cell outside the grid or the tower is left alone.
  void SetCell(int32_t floor, int row, int column, uint8_t code);
  // The kind of that id, or nullptr when the table has none.
  const Monster* FindMonster(int32_t id) const;
};

}  // namespace quenlit
