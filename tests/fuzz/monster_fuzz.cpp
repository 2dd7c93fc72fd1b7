// The monster table on any text: the manual's estimate of every kind and a battle against
// each of a few of them, on numbers as extreme as the text likes.
#include <cstddef>
#include <cstdint>
#include <string>

#include "base/key_codes.h"
#include "data/monster_loader.h"
#include "fuzz_world.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  quenlit::fuzz::FuzzWorld world;
  quenlit::Game& game = world.game;
  game.world.monsters = quenlit::ReadMonsterTable(quenlit::IniFile::Parse(text));
  for (int32_t id = 0; id <= quenlit::kMonsterKinds + 1; ++id) game.EstimateDamage(id);

  // Kinds 1 to 4 around the hero; the manual lists them, then he fights each in turn.
  quenlit::Floor& floor = game.world.floors[1];
  floor.At(11, 7) = 1;
  floor.At(12, 6) = 2;
  floor.At(12, 8) = 3;
  floor.At(13, 7) = 4;
  for (const uint32_t key : {uint32_t{'D'}, quenlit::vk::kRight, quenlit::vk::kLeft}) {
    world.Press(key, 1);
  }
  world.Draw();  // the manual's page with the estimates
  world.Press(quenlit::vk::kEnter, 1);
  // Each fight runs for four seconds, then its reward is collected or the hero retreats.
  for (const uint32_t step :
       {quenlit::vk::kUp, quenlit::vk::kLeft, quenlit::vk::kRight, quenlit::vk::kDown}) {
    world.Press(step, 40);
    world.Press(quenlit::vk::kEnter, 1);
    world.Press('Q', 1);
  }
  world.Draw();
  return 0;
}
