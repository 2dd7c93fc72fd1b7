// The floor reader on any map file, and the game walking on whatever cells it gives: the
// first 198 bytes are the file, the rest are keys pressed on it.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string_view>

#include "data/floor_loader.h"
#include "fuzz_world.h"

namespace {

constexpr size_t kMapFile = 198;

// Monsters that can be fought to either end, so that battles on the floor happen.
void FillMonsters(quenlit::Game& game) {
  for (int32_t id = 1; id <= quenlit::kMonsterKinds; ++id) {
    quenlit::Monster& m = game.world.monsters[id];
    m.keyName = "Monster" + std::to_string(id);
    m.hp = 20 * id;
    m.attack = 5 * id;
    m.defend = id;
    m.combo = 1 + id % 3;
    m.swift = id % 20;
    m.critical = 150;
    m.criticalRatio = id % 30;
    m.exp = id;
    m.gold = id;
    m.weapon = id % 2 ? "fist" : "fog";
    m.ability = id % 7 == 0 ? quenlit::kMageAbility : "";
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string_view bytes(reinterpret_cast<const char*>(data), size);
  const auto floor = quenlit::FloorFromBytes(bytes.substr(0, kMapFile));
  if (!floor) return 0;
  quenlit::fuzz::FuzzWorld world;
  FillMonsters(world.game);
  // The floor twice, so that stairs lead from one copy to the other.
  world.game.world.floors[1] = *floor;
  world.game.world.floors[2] = *floor;
  world.hero.Items(228) = 500;  // gold to buy with
  const size_t keys = std::min<size_t>(size - std::min(size, kMapFile), 64);
  world.Play(data + kMapFile, keys);
  world.Draw();
  return 0;
}
