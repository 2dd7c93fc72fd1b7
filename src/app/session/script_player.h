#pragma once

#include <cstdint>
#include <functional>
#include <istream>
#include <optional>
#include <string>
#include <vector>

#include "app/session/script.h"

namespace quenlit {

class Game;

// Plays a quenlit-sim script in the running game against the real clock, from the moment the
// game has loaded, as the driver plays it against its virtual clock.
class ScriptPlayer {
 public:
  // Does what a command asks of the program: keys, dump, shot and seed.
  using Perform = std::function<void(const ScriptCommand&)>;

  struct Line {
    int number = 0;
    std::string text;
    ScriptCommand command;
  };

  // Reads a whole script; nothing when a line is damaged or unknown, with the message naming
  // it in error.
  static std::optional<ScriptPlayer> Read(std::istream& in, std::string& error);

  // Runs every command due at nowMs (the first call's moment is the script's start) and
  // returns; waits and untils hold the script until their time. A wait for a screen that never
  // comes stops the script with the reason in error.
  void Play(const Game& game, uint64_t nowMs, const Perform& perform);

  // How long from nowMs the program may go on before the script needs a turn: zero when a
  // command is due, the rest of the current wait, or the time an until may still take;
  // nothing once the script is over.
  std::optional<uint64_t> MsUntilDue(uint64_t nowMs) const;

  bool Finished() const { return next_ >= lines_.size(); }
  const std::string& Error() const { return error_; }

 private:
  explicit ScriptPlayer(std::vector<Line> lines) : lines_(std::move(lines)) {}

  std::vector<Line> lines_;
  size_t next_ = 0;
  std::optional<uint64_t> startMs_;
  uint64_t scheduledMs_ = 0;  // since the start: where the script's own time stands
  std::string error_;
};

}  // namespace quenlit
