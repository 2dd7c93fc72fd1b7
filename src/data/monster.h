#pragma once

#include <cstdint>
#include <string>

namespace quenlit {

constexpr int kMonsterKinds = 44;

// The ability that makes a monster's strikes ignore the hero's defence.
constexpr char kMageAbility[] = "法师";

// One monster kind of the monster table; its id is also the tile code of its cells.
struct Monster {
  std::string keyName;  // "Monster12": its section, and the stem of its picture names
  std::string name;
  std::string image1 = "Image 27.png";
  std::string image2 = "Image 27.png";
  std::string weapon = "fist";
  int32_t hp = 0;
  int32_t attack = 0;
  int32_t defend = 0;
  int32_t swift = 0;
  int32_t combo = 0;
  std::string ability;
  int32_t hemophagia = 0;
  int32_t critical = 0;
  int32_t criticalRatio = 0;
  int32_t exp = 0;
  int32_t gold = 0;
};

}  // namespace quenlit
