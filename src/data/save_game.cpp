// Save games: one file of 4312 bytes per slot, holding the twenty floors, the hero's thirteen
// numbers, his item counts and the reserved bytes.
#include <array>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>
#include <vector>

#include "data/atomic_file.h"
#include "data/paths.h"
#include "game/game.h"

namespace quenlit {
namespace {

constexpr size_t kSaveSize = 4312;
constexpr size_t kHeroOffset = 3920;
constexpr size_t kItemsOffset = 3972;
constexpr size_t kReservedOffset = 4112;
constexpr uint8_t kFirstSavedItem = 206, kLastSavedItem = 240;

std::string SlotPath(const std::string& folder, int slot) {
  return folder + "/" + std::to_string(slot) + ".sav";
}

// The hero's numbers in file order.
std::array<int32_t*, 13> HeroNumbers(Hero& hero) {
  return {&hero.floor,     &hero.position.a, &hero.position.b, &hero.hp,        &hero.attack,
          &hero.defence,   &hero.agility,    &hero.reserved1,  &hero.reserved2, &hero.reserved3,
          &hero.reserved4, &hero.level,      &hero.exp};
}

void Put32(std::vector<uint8_t>& buffer, size_t at, int32_t value) {
  const uint32_t bits = static_cast<uint32_t>(value);
  for (int i = 0; i < 4; ++i) buffer[at + i] = static_cast<uint8_t>(bits >> (8 * i));
}

int32_t Get32(const std::vector<uint8_t>& buffer, size_t at) {
  uint32_t bits = 0;
  for (int i = 0; i < 4; ++i) bits |= uint32_t{buffer[at + i]} << (8 * i);
  return static_cast<int32_t>(bits);
}

// No game ends up with a health of 0 or less, or with negative numbers or counts: a save
// that holds them was damaged or edited, and loading it would break the rules (a door
// opened with -5 keys, gold that wraps round).
bool HoldsPlayableNumbers(const std::vector<uint8_t>& buffer) {
  const auto number = [&](int index) { return Get32(buffer, kHeroOffset + 4 * index); };
  constexpr int kHp = 3, kAttack = 4, kDefence = 5, kAgility = 6, kLevel = 11, kExp = 12;
  if (number(kHp) <= 0) return false;
  for (int index : {kAttack, kDefence, kAgility, kLevel, kExp}) {
    if (number(index) < 0) return false;
  }
  for (size_t at = kItemsOffset; at < kReservedOffset; at += 4) {
    if (Get32(buffer, at) < 0) return false;
  }
  return true;
}

}  // namespace

std::vector<uint8_t> Game::EncodeSave() const {
  std::vector<uint8_t> buffer(kSaveSize, 0);
  for (int f = 1; f <= kFloorCount; ++f) {
    std::memcpy(buffer.data() + (f - 1) * kFloorCells, floors[f].cells.data(), kFloorCells);
  }
  size_t at = kHeroOffset;
  for (int32_t* number : HeroNumbers(hero)) {
    Put32(buffer, at, *number);
    at += 4;
  }
  at = kItemsOffset;
  for (int code = kFirstSavedItem; code <= kLastSavedItem; ++code, at += 4) {
    Put32(buffer, at, hero.Items(static_cast<uint8_t>(code)));
  }
  std::memcpy(buffer.data() + kReservedOffset, reservedBytes.data(), reservedBytes.size());
  return buffer;
}

bool Game::SaveGame(int slot) {
  if (floors.size() <= kFloorCount) return false;  // nothing loaded to save
  const std::vector<uint8_t> buffer = EncodeSave();

  // The previous save survives every failure: the new one only takes its name once it is
  // complete on disk.
  const std::string path = SlotPath(userFiles.saveFolder, slot);
  const std::filesystem::path target = ResolveGamePath(path);
  std::error_code ignored;
  std::filesystem::create_directories(target.parent_path(), ignored);
  std::string error;
  if (!ReplaceFileAtomically(target.string(), buffer, error)) {
    std::cerr << "quenlit: saving failed: " << error << std::endl;
    return false;
  }
  return true;
}

bool Game::LoadGame(int slot) {
  if (floors.size() <= kFloorCount) return false;
  std::ifstream in(ResolveGamePath(SlotPath(userFiles.saveFolder, slot)), std::ios::binary);
  if (!in) return false;
  std::vector<uint8_t> buffer(kSaveSize, 0);
  in.read(reinterpret_cast<char*>(buffer.data()), static_cast<std::streamsize>(kSaveSize));
  buffer.resize(static_cast<size_t>(in.gcount()));
  return DecodeSave(buffer);
}

bool Game::DecodeSave(const std::vector<uint8_t>& buffer) {
  if (floors.size() <= kFloorCount || buffer.size() != kSaveSize) return false;

  // A save that would put the hero outside the tower is damaged: nothing of it is applied.
  const int32_t floor = Get32(buffer, kHeroOffset);
  const int32_t row = Get32(buffer, kHeroOffset + 4);
  const int32_t column = Get32(buffer, kHeroOffset + 8);
  if (floor < 1 || floor > kFloorCount || !InsideFloor(row, column)) return false;
  if (!HoldsPlayableNumbers(buffer)) return false;

  for (int f = 1; f <= kFloorCount; ++f) {
    std::memcpy(floors[f].cells.data(), buffer.data() + (f - 1) * kFloorCells, kFloorCells);
  }
  size_t at = kHeroOffset;
  for (int32_t* number : HeroNumbers(hero)) {
    *number = Get32(buffer, at);
    at += 4;
  }
  at = kItemsOffset;
  for (int code = kFirstSavedItem; code <= kLastSavedItem; ++code, at += 4) {
    hero.Items(static_cast<uint8_t>(code)) = Get32(buffer, at);
  }
  std::memcpy(reservedBytes.data(), buffer.data() + kReservedOffset, reservedBytes.size());
  return true;
}

}  // namespace quenlit
