// Saving and loading the one saved game: the floors, the hero and the reserved bytes go into
// the save file's record and come back from it; everything else keeps its value.
#include <iostream>

#include "data/save_file.h"
#include "game/game.h"

namespace quenlit {
namespace {

// The hero's numbers in the save file's order.
std::array<int32_t*, 13> HeroNumbers(Hero& hero) {
  return {&hero.floor,     &hero.position.row, &hero.position.column, &hero.hp,
          &hero.attack,    &hero.defence,      &hero.agility,         &hero.reserved1,
          &hero.reserved2, &hero.reserved3,    &hero.reserved4,       &hero.level,
          &hero.exp};
}

}  // namespace

std::vector<uint8_t> Game::EncodeSave() const {
  SaveRecord record;
  for (int f = 1; f <= kFloorCount; ++f) record.floors[f - 1] = world.floors[f].cells;
  const auto numbers = HeroNumbers(hero);
  for (size_t i = 0; i < numbers.size(); ++i) record.heroNumbers[i] = *numbers[i];
  for (size_t i = 0; i < record.items.size(); ++i) {
    record.items[i] = hero.Items(static_cast<uint8_t>(SaveRecord::kFirstItem + i));
  }
  record.reserved = world.reservedBytes;
  return EncodeSaveRecord(record);
}

bool Game::DecodeSave(const std::vector<uint8_t>& bytes) {
  if (world.floors.size() <= kFloorCount) return false;
  // A damaged save is refused whole: nothing of it is applied.
  const std::optional<SaveRecord> record = DecodeSaveRecord(bytes);
  if (!record) return false;
  for (int f = 1; f <= kFloorCount; ++f) world.floors[f].cells = record->floors[f - 1];
  const auto numbers = HeroNumbers(hero);
  for (size_t i = 0; i < numbers.size(); ++i) *numbers[i] = record->heroNumbers[i];
  for (size_t i = 0; i < record->items.size(); ++i) {
    hero.Items(static_cast<uint8_t>(SaveRecord::kFirstItem + i)) = record->items[i];
  }
  world.reservedBytes = record->reserved;
  return true;
}

bool Game::SaveGame(int slot) {
  if (world.floors.size() <= kFloorCount) return false;  // nothing loaded to save
  std::string error;
  if (userFiles.saveFolder.empty()) {
    std::cerr << "quenlit: saving failed: there is no folder for the player's saves (no home "
                 "folder)"
              << std::endl;
    return false;
  }
  if (!WriteSaveFile(SaveSlotPath(userFiles.saveFolder, slot), EncodeSave(), error)) {
    std::cerr << "quenlit: saving failed: " << error << std::endl;
    return false;
  }
  comfortState.stats.saves += 1;
  return true;
}

bool Game::LoadGame(int slot) {
  if (world.floors.size() <= kFloorCount || userFiles.saveFolder.empty()) return false;
  return DecodeSave(ReadSaveFile(SaveSlotPath(userFiles.saveFolder, slot)));
}

}  // namespace quenlit
