#include "ui/sprite_names.h"

#include <array>

#include "game/game.h"
#include "game/tiles.h"

namespace quenlit::ui {
namespace {

// Items, doors, stairs and walls from 206 to 255; "" where the byte shows nothing.
constexpr std::array<const char*, 50> kItemPictures = {
    "badge1",     "badge2",     "badge3",  "sword1",  "sword2",  "sword3",  "sword4",  "sword5",
    "shield1",    "shield2",    "shield3", "shield4", "shield5", "cross",   "wing2",   "wing3",
    "wing1",      "holywater",  "",        "key1",    "key2",    "key3",    "gold",    "key4",
    "potion1",    "potion2",    "gem1",    "gem2",    "potion3", "potion4", "pickax1", "pickax2",
    "snow",       "holyshield", "gem3",    "door1",   "door2",   "door3",   "door4",   "jail",
    "downstairs", "upstairs",   "",        "",        "",        "",        "magma",   "dirt",
    "back",       "wall"};
constexpr uint8_t kFirstItem = 206;
constexpr uint8_t kBramble = 251;

}  // namespace

std::string PhasePicture(const std::string& stem, bool spritePhase) {
  return stem + (spritePhase ? "_1" : "_2");
}

std::string CharacterPicture(uint8_t code, bool spritePhase) {
  switch (code) {
    case tile::kMerchant:
      return PhasePicture("merchant", !spritePhase);
    case tile::kOldMan:
      return PhasePicture("oldman", !spritePhase);
    case tile::kThief:
      return PhasePicture("thief", spritePhase);
    case tile::kFairy:
      return PhasePicture("fairy", spritePhase);
    default:
      return "";
  }
}

std::string CellPicture(uint8_t code, bool spritePhase) {
  if (code == tile::kFloor) return "floor";
  if (tile::IsCharacter(code)) return CharacterPicture(code, spritePhase);
  if (code == kBramble) return PhasePicture("bramble", spritePhase);
  if (code >= kFirstItem) return kItemPictures[code - kFirstItem];
  return "";
}

std::string HeroPicture(Direction facing, bool arrowHeld, bool spritePhase) {
  const DirectionFacts* facts = FactsOf(facing);
  if (!facts) return "";
  if (!arrowHeld) return std::string("hero1") + facts->letter;
  return std::string("hero1w") + facts->letter + (spritePhase ? "1" : "2");
}

std::string MonsterPicture(const Game& game, int32_t id, bool spritePhase) {
  const auto found = game.monsters.find(id);
  if (found == game.monsters.end()) return "";
  return PhasePicture(found->second.keyName, spritePhase);
}

}  // namespace quenlit::ui
