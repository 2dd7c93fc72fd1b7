#pragma once

#include <array>
#include <cstdint>

#include "game_texts.h"

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

// What a step into the cell does.
enum class Kind : uint8_t {
  Blocked,    // nothing: walls, scenery, the items never taken, the door that never opens
  Floor,      // the hero walks in
  Stairs,     // the hero walks in and the floor changes
  Item,       // taken: the cell becomes floor
  Door,       // opens with its key (the jail gate with none): the cell becomes floor
  Monster,    // a battle
  Character,  // a speech
};

// How a cell's picture follows the sprite clock: not at all, "_1" on its set phase, or the
// other way round (the merchant and the old man, so that a shop never blinks in step with
// the monsters around it).
enum class Blink : uint8_t { Still, InStep, AgainstStep };

// What taking an item does: which number grows by how much, and the notice, filled in with
// the amount (nullptr for the items taken away without effect or notice).
struct Gain {
  enum Stat : uint8_t { Nothing, Attack, Defence, Health, Agility, Counter, MasterKey } stat;
  int32_t amount;
  const TextFormat<int>* message;
};

struct Meaning {
  Kind kind = Kind::Blocked;
  // What the tools call it ("yellow key"); "" for codes no floor uses.
  const char* name = "";
  // The map's picture under whatever stands there ("" for none; a monster is drawn from the
  // monster table); for a blinking one, the stem of its "_1" and "_2" pictures.
  const char* picture = "";
  Blink blink = Blink::Still;
  Gain gain{};
  // A door: the key it takes (kFloor for none) and the frame sequence of its opening.
  uint8_t key = kFloor;
  const char* opening = "";
  // Stairs: -1 down, +1 up.
  int32_t floorChange = 0;
  // A character: the name in the speech box when the line names no one.
  const char* speaker = "";
};

namespace detail {

constexpr Meaning Scenery(const char* name, const char* picture, Blink blink = Blink::Still) {
  return {Kind::Blocked, name, picture, blink};
}
constexpr Meaning Item(const char* name, const char* picture, Gain::Stat stat, int32_t amount,
                       const TextFormat<int>* message) {
  return {Kind::Item, name, picture, Blink::Still, {stat, amount, message}};
}
constexpr Meaning Door(const char* name, const char* picture, uint8_t key, const char* opening) {
  return {Kind::Door, name, picture, Blink::Still, {}, key, opening};
}
constexpr Meaning Stairs(const char* name, const char* picture, int32_t floorChange) {
  return {Kind::Stairs, name, picture, Blink::Still, {}, kFloor, "", floorChange};
}
constexpr Meaning Character(const char* name, const char* picture, Blink blink,
                            const char* speaker) {
  return {Kind::Character, name, picture, blink, {}, kFloor, "", 0, speaker};
}

// Every code's meaning; the codes not written here show nothing and block.
constexpr std::array<Meaning, 256> MakeMeanings() {
  std::array<Meaning, 256> m{};
  m[kFloor] = {Kind::Floor, "floor", "floor"};
  for (int code = kFirstMonster; code <= kLastMonster; ++code) m[code] = {Kind::Monster, "monster"};
  m[kMerchant] = Character("merchant", "merchant", Blink::AgainstStep, texts::kSpeakerMerchant);
  m[kOldMan] = Character("old man", "oldman", Blink::AgainstStep, texts::kSpeakerOldMan);
  m[kThief] = Character("thief", "thief", Blink::InStep, texts::kSpeakerThief);
  m[kFairy] = Character("fairy", "fairy", Blink::InStep, texts::kSpeakerFairy);
  m[206] = Scenery("badge", "badge1");
  m[207] = Scenery("badge", "badge2");
  m[208] = Scenery("badge", "badge3");
  m[209] = Item("iron sword", "sword1", Gain::Attack, 10, &texts::kItemIronSword);
  m[210] = Item("silver sword", "sword2", Gain::Attack, 25, &texts::kItemSilverSword);
  m[211] = Item("knight's sword", "sword3", Gain::Attack, 45, &texts::kItemKnightsSword);
  m[212] = Item("diamond sword", "sword4", Gain::Attack, 70, &texts::kItemDiamondSword);
  m[213] = Item("sacred sword", "sword5", Gain::Attack, 100, &texts::kItemSacredSword);
  m[214] = Item("knight's shield", "shield1", Gain::Defence, 45, &texts::kItemKnightsShield);
  m[215] = Item("iron shield", "shield2", Gain::Defence, 10, &texts::kItemIronShield);
  m[216] = Item("silver shield", "shield3", Gain::Defence, 25, &texts::kItemSilverShield);
  m[217] = Item("diamond shield", "shield4", Gain::Defence, 70, &texts::kItemDiamondShield);
  m[218] = Item("sacred shield", "shield5", Gain::Defence, 100, &texts::kItemSacredShield);
  m[219] = Scenery("cross", "cross");
  m[220] = Scenery("wing", "wing2");
  m[221] = Scenery("wing", "wing3");
  m[222] = Scenery("wing", "wing1");
  m[223] = Scenery("holy water", "holywater");
  m[kYellowKey] = Item("yellow key", "key1", Gain::Counter, 1, &texts::kItemYellowKey);
  m[kBlueKey] = Item("blue key", "key2", Gain::Counter, 1, &texts::kItemBlueKey);
  m[kRedKey] = Item("red key", "key3", Gain::Counter, 1, &texts::kItemRedKey);
  m[kGold] = Item("gold", "gold", Gain::Counter, 200, &texts::kItemGold);
  m[229] = Item("master key", "key4", Gain::MasterKey, 1, &texts::kItemMasterKey);
  m[230] = Item("red potion", "potion1", Gain::Health, 150, &texts::kItemRedPotion);
  m[231] = Item("blue potion", "potion2", Gain::Health, 400, &texts::kItemBluePotion);
  m[232] = Item("red gem", "gem1", Gain::Attack, 2, &texts::kItemRedGem);
  m[233] = Item("blue gem", "gem2", Gain::Defence, 2, &texts::kItemBlueGem);
  m[234] = Item("potion", "potion3", Gain::Nothing, 0, nullptr);
  m[235] = Item("potion", "potion4", Gain::Nothing, 0, nullptr);
  m[236] = Item("pickaxe", "pickax1", Gain::Nothing, 0, nullptr);
  m[237] = Item("pickaxe", "pickax2", Gain::Nothing, 0, nullptr);
  m[238] = Item("snow", "snow", Gain::Nothing, 0, nullptr);
  m[239] = Item("holy shield", "holyshield", Gain::Nothing, 0, nullptr);
  m[240] = Item("green gem", "gem3", Gain::Agility, 1, &texts::kItemGreenGem);
  m[kYellowDoor] = Door("yellow door", "door1", kYellowKey, "opendoor1");
  m[kBlueDoor] = Door("blue door", "door2", kBlueKey, "opendoor2");
  m[kRedDoor] = Door("red door", "door3", kRedKey, "opendoor3");
  m[244] = Scenery("door", "door4");
  m[kJail] = Door("jail gate", "jail", kFloor, "openjail");
  m[kStairsDown] = Stairs("stairs down", "downstairs", -1);
  m[kStairsUp] = Stairs("stairs up", "upstairs", +1);
  m[251] = Scenery("bramble", "bramble", Blink::InStep);
  m[252] = Scenery("magma", "magma");
  m[253] = Scenery("dirt", "dirt");
  m[254] = Scenery("back", "back");
  m[kWall] = Scenery("wall", "wall");
  return m;
}

}  // namespace detail

inline constexpr std::array<Meaning, 256> kMeanings = detail::MakeMeanings();

constexpr const Meaning& MeaningOf(uint8_t code) {
  return kMeanings[code];
}
constexpr bool IsMonster(uint8_t code) {
  return MeaningOf(code).kind == Kind::Monster;
}
constexpr bool IsCharacter(uint8_t code) {
  return MeaningOf(code).kind == Kind::Character;
}
// Floor and stairs: the only cells the hero walks into.
constexpr bool IsWalkable(uint8_t code) {
  return MeaningOf(code).kind == Kind::Floor || MeaningOf(code).kind == Kind::Stairs;
}

}  // namespace quenlit::tile
