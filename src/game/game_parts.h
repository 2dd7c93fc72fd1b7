#pragma once

#include <string>
#include <vector>

#include "game/game.h"

namespace quenlit {

// Everything one running game is made of, built in the order the game needs it: the hero,
// the drawing object, the sound player, and the Game over all three. Every program, tool and
// test assembles its game here; what differs between them is only the clock, the shell, the
// canvas and the audio device they hand in.
struct GameParts {
  GameParts(platform::WallClock& wallClock, platform::Shell& shell)
      : game(hero, graphics, sound, wallClock, shell) {}
  GameParts(const GameParts&) = delete;
  GameParts& operator=(const GameParts&) = delete;

  // The drawing object paints on the canvas; without one it draws nothing.
  void DrawOn(platform::Canvas* canvas) { graphics.Initialize(canvas); }
  // The sound player plays on the device; without one the game is silent.
  void PlayOn(platform::AudioDevice* device) { sound.SetDevice(device); }
  // From now on every sound file played and every frame sequence started is noted, in order,
  // in `played` and `started`: the state dump and the tests read them.
  void NotePlayback() {
    sound.onPlay = [this](const std::string& file) { played.push_back(file); };
    game.onSequenceStart = [this](const std::string& name) { started.push_back(name); };
  }

  Hero hero;
  CD2DGraphics graphics;
  DSound sound;
  Game game;
  std::vector<std::string> played;
  std::vector<std::string> started;
};

}  // namespace quenlit
