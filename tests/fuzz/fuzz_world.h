#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "game/game_parts.h"
#include "platform/headless/null_canvas.h"
#include "platform/headless/virtual_audio.h"
#include "platform/headless/virtual_clock.h"

namespace quenlit::fuzz {

// A shell that forgets its messages; ending the process would end the fuzzing run, so a
// reader that tried to is caught at once.
class QuietShell : public platform::Shell {
 public:
  void ShowMessage(const std::string&, const std::string&) override {}
  void MoveWindow(int, int, int, int) override {}
  [[noreturn]] void Exit(int) override { __builtin_trap(); }
};

// A fresh game in memory, as a new game starts: twenty floors of plain floor, an empty
// monster table, the hero at his start on the map, drawing on a canvas that draws nothing.
struct FuzzWorld {
  FuzzWorld();

  // Plays the bytes as keys, one a byte (the arrows, Enter, the manual, buying, pause,
  // retreat, F8), with a few frames of game time after each so that battles and curtains
  // move on.
  void Play(const uint8_t* keys, size_t count);
  // Presses the key and lets the game run for the frames, a tenth of a second each.
  void Press(uint32_t key, int frames);
  // Draws one frame of the screen the game is on.
  void Draw();

  platform::VirtualWallClock wallClock;
  platform::NullCanvas canvas{981, 621};
  QuietShell shell;
  platform::VirtualAudioDevice audio{wallClock};
  GameParts parts{wallClock, shell};
  Hero& hero = parts.hero;
  Game& game = parts.game;
  float now = 1.0f;
};

}  // namespace quenlit::fuzz
