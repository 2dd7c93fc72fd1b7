#include "fuzz_world.h"
#include "app/frame.h"
#include "base/key_codes.h"

#include <stdlib.h>

#include <filesystem>
#include <iterator>
#include <string>

#include "game/types.h"

namespace quenlit::fuzz {
namespace {

// The saves a fuzzed game makes go to a folder of this run's own under the temporary folder
// (scripts/fuzz.sh points TMPDIR into a folder of its own that it removes), never into the
// folder the fuzzer was started from.
const std::string& RunSaveFolder() {
  static const std::string folder = [] {
    std::string pattern = (std::filesystem::temp_directory_path() / "quenlit-fuzz-XXXXXX").string();
    if (!mkdtemp(pattern.data())) __builtin_trap();
    return pattern + "/sav";
  }();
  return folder;
}

}  // namespace

FuzzWorld::FuzzWorld() {
  game.userFiles.saveFolder = RunSaveFolder();
  parts.DrawOn(&canvas);
  parts.PlayOn(&audio);
  game.world.floors.assign(kFloorCount + 1, Floor{});
  game.StartNewGame();
  game.screen = GameScreen::Map;
  game.shop.shopPrice = 20;
  game.settings.fps = 3;
  game.random.Seed(1);
  game.settings.displayModes = {{735, 580}, {973, 768}};
}

void FuzzWorld::Play(const uint8_t* keys, size_t count) {
  static const uint32_t kKeys[] = {vk::kLeft, vk::kUp, vk::kRight, vk::kDown, vk::kEnter, 'D',
                                   'G',       'F',     'P',        'Q',       vk::kF8};
  for (size_t i = 0; i < count; ++i) {
    // Up to enough frames for a few strikes of a battle or a whole floor change.
    Press(kKeys[keys[i] % std::size(kKeys)], 1 + keys[i] / 16);
  }
}

void FuzzWorld::Press(uint32_t key, int frames) {
  game.HandleInput(vk::kKeyDown, key);
  game.HandleInput(vk::kKeyUp, key);
  // Drawing every frame would slow the run a hundredfold: battles step on their own, and
  // only the curtain of a floor change, which moves with drawn frames, needs them drawn.
  for (int frame = 0; frame < frames; ++frame) {
    now += 0.1f;
    if (game.screen == GameScreen::FloorChange) {
      RunFrame(game, now);
    } else if (game.screen == GameScreen::Battle) {
      game.BattleStep(now);
    }
  }
}

void FuzzWorld::Draw() {
  now += 0.1f;
  RenderFrame(game, now);
}

}  // namespace quenlit::fuzz
