#pragma once

#include <optional>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "base/key_codes.h"
#include "game/game_parts.h"
#include "platform/headless/null_canvas.h"
#include "platform/headless/virtual_audio.h"
#include "platform/headless/virtual_clock.h"
#include "temp_folder.h"

namespace quenlit::test {

// A shell that remembers its messages and window moves; ending the process throws instead.
class RecordingShell : public platform::Shell {
 public:
  struct ExitCalled : std::runtime_error {
    explicit ExitCalled(int code) : std::runtime_error("exit"), code(code) {}
    int code;
  };
  void ShowMessage(const std::string& caption, const std::string& text) override {
    messages.emplace_back(caption, text);
  }
  void MoveWindow(int x, int y, int width, int height) override {
    moves.push_back({x, y, width, height});
  }
  [[noreturn]] void Exit(int code) override { throw ExitCalled(code); }
  std::optional<Area> UsableArea() const override { return usable; }

  std::vector<std::pair<std::string, std::string>> messages;
  std::vector<std::vector<int>> moves;
  std::optional<Area> usable;  // the display's usable area, when a test gives one
};

// A fresh game in memory: twenty floors of plain floor, an empty monster table, the hero at
// his start, screen Map, a silent audio device whose voices keep virtual time.
struct World {
  // Draws on the given canvas, or on a canvas that draws nothing.
  explicit World(platform::Canvas* drawOn = nullptr) : audio(wallClock) {
    parts.DrawOn(drawOn ? drawOn : &nullCanvas);
    parts.PlayOn(&audio);
    parts.NotePlayback();
    game.world.floors.assign(21, Floor{});
    game.StartNewGame();
    game.screen = GameScreen::Map;
    game.shop.shopPrice = 20;
    game.settings.fps = 3;
    game.random.Seed(1);
  }

  // Loads a sound of the given length under its file name (and short name, if any).
  void AddSound(const std::string& file, const std::string& name = "", uint32_t bytes = 8820);
  // Registers an empty frame sequence under the name, so that rules can start and stop it.
  void AddSequence(const std::string& name) { game.assets.sequences.Put(name, CD2DGif()); }
  void SetCell(int row, int column, uint8_t code) {
    game.world.floors[hero.floor].At(row, column) = code;
  }
  uint8_t Cell(int row, int column) const { return game.world.floors[hero.floor].At(row, column); }
  void Press(uint32_t key) {
    game.HandleInput(vk::kKeyDown, key);
    game.HandleInput(vk::kKeyUp, key);
  }

  platform::VirtualWallClock wallClock;
  platform::NullCanvas nullCanvas{981, 621};
  RecordingShell shell;
  platform::VirtualAudioDevice audio;
  GameParts parts{wallClock, shell};
  Hero& hero = parts.hero;
  CD2DGraphics& graphics = parts.graphics;
  DSound& sound = parts.sound;
  Game& game = parts.game;
  std::vector<std::string>& played = parts.played;
  std::vector<std::string>& started = parts.started;
  std::optional<TempFolder> soundFolder;  // made by the first AddSound, removed with the world
};

}  // namespace quenlit::test
