#include "game/world/world.h"

namespace quenlit {

const Floor* World::FloorAt(int32_t number) const {
  if (number < 0 || number >= static_cast<int32_t>(floors.size())) return nullptr;
  return &floors[number];
}

Floor* World::FloorAt(int32_t number) {
  return const_cast<Floor*>(static_cast<const World*>(this)->FloorAt(number));
}

std::optional<uint8_t> World::CellAt(int32_t floor, int row, int column) const {
  const Floor* cells = FloorAt(floor);
  if (cells == nullptr || !InsideFloor(row, column)) return std::nullopt;
  return cells->At(row, column);
}

void World::SetCell(int32_t floor, int row, int column, uint8_t code) {
  Floor* cells = FloorAt(floor);
  if (cells != nullptr && InsideFloor(row, column)) cells->At(row, column) = code;
}

const Monster* World::FindMonster(int32_t id) const {
  const auto found = monsters.find(id);
  return found != monsters.end() ? &found->second : nullptr;
}

}  // namespace quenlit
