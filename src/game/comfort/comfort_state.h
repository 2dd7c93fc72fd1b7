#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "data/floor.h"

namespace quenlit {

// A short line on the map that does not stop play, such as the key a locked door wants. It
// shows from `since` for kShownFor seconds of game clock.
struct Note {
  std::string text;
  float since = 0;
  bool shown = false;
  static constexpr float kShownFor = 1.5f;
};

// What the victory summary tells of the game just won. Loading a save does not wind it back:
// it counts what the player did, not what the hero has.
struct PlayStats {
  float startedAt = 0;  // game clock when the game began
  float endedAt = 0;    // game clock when the demon king fell
  int32_t steps = 0;
  int32_t fights = 0;
  int32_t saves = 0;
};

// The state of the comfort options while playing. None of it is saved.
struct ComfortState {
  bool helpShown = false;    // the help overlay lies over the map; any key closes it
  bool damageShown = false;  // the fights' costs show on the monsters' cells
  bool hintShown = false;    // "F1 帮助" shows on a new game
  float hintSince = 0;
  Note note;
  PlayStats stats;
  // The tower as a new game finds it, for a new game after the end.
  std::vector<Floor> startFloors;
  std::array<uint8_t, 200> startReserved{};

  static constexpr float kHintShownFor = 5.0f;

  // Takes down, at the moment shownAt, the note and the hint whose time is over.
  void EndTimed(float shownAt);
  // A moment that the next frame takes as its own.
  static constexpr float kNotYet = -1.0f;
};

}  // namespace quenlit
