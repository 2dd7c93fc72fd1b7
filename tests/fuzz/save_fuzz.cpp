// Loading any save into a game: a refused save changes nothing, an accepted one saves back
// to the very same bytes, and the game then plays on from it.
#include <cstddef>
#include <cstdint>
#include <vector>

#include "fuzz_world.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::vector<uint8_t> bytes(data, data + size);
  quenlit::fuzz::FuzzWorld world;
  const std::vector<uint8_t> before = world.game.EncodeSave();
  if (!world.game.DecodeSave(bytes)) {
    if (world.game.EncodeSave() != before) __builtin_trap();  // a refused save changed the game
    return 0;
  }
  if (world.game.EncodeSave() != bytes) __builtin_trap();  // not every byte came back
  // A few keys from the hero's numbers, so that every save plays a little differently.
  world.Play(data + 3920, 24);
  world.Draw();
  return 0;
}
