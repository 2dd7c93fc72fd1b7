#pragma once

#include <cstdint>

namespace quenlit::tile {

// The byte of a floor cell. Monsters are their ids 1..44; characters 71..74; items, doors,
// stairs and walls from 206 up.
constexpr uint8_t kFloor = 0;
constexpr uint8_t kFirstMonster = 1, kLastMonster = 44;
constexpr uint8_t kMerchant = 71, kOldMan = 72, kThief = 73, kFairy = 74;
constexpr uint8_t kYellowKey = 225, kBlueKey = 226, kRedKey = 227, kGold = 228;
constexpr uint8_t kYellowDoor = 241, kBlueDoor = 242, kRedDoor = 243, kJail = 245;
constexpr uint8_t kStairsDown = 246, kStairsUp = 247;
constexpr uint8_t kWall = 255;

// The boss stands on floor 9 at row 5, column 7: beating it wins the game.
constexpr int32_t kBossFloor = 9;
constexpr int32_t kBossRow = 5, kBossColumn = 7;

constexpr bool IsMonster(uint8_t code) {
  return code >= kFirstMonster && code <= kLastMonster;
}
constexpr bool IsCharacter(uint8_t code) {
  return code >= kMerchant && code <= kFairy;
}

}  // namespace quenlit::tile
