#include "app/session/script_player.h"

#include <cmath>
#include <sstream>

#include "game/game.h"

namespace quenlit {

std::optional<ScriptPlayer> ScriptPlayer::Read(std::istream& in, std::string& error) {
  std::vector<Line> lines;
  std::string text;
  for (int number = 1; std::getline(in, text); ++number) {
    if (!text.empty() && text.back() == '\r') text.pop_back();
    const std::optional<ScriptCommand> command = ParseScriptLine(text);
    if (!command) {
      error = ScriptLineError(number, text);
      return std::nullopt;
    }
    if (command->kind != ScriptCommand::Kind::Nothing) lines.push_back({number, text, *command});
  }
  return ScriptPlayer(std::move(lines));
}

namespace {

uint64_t DurationMs(const ScriptCommand& command) {
  return static_cast<uint64_t>(std::llround(command.seconds * 1000));
}

}  // namespace

std::optional<uint64_t> ScriptPlayer::MsUntilDue(uint64_t nowMs) const {
  if (Finished()) return std::nullopt;
  const ScriptCommand& command = lines_[next_].command;
  using Kind = ScriptCommand::Kind;
  if (!startMs_ || (command.kind != Kind::Wait && command.kind != Kind::Until)) return 0;
  const uint64_t dueMs = *startMs_ + scheduledMs_ + DurationMs(command);
  return dueMs > nowMs ? dueMs - nowMs : 0;
}

void ScriptPlayer::Play(const Game& game, uint64_t nowMs, const Perform& perform) {
  if (!startMs_) startMs_ = nowMs;
  const uint64_t elapsed = nowMs - *startMs_;
  using Kind = ScriptCommand::Kind;
  while (!Finished()) {
    const Line& line = lines_[next_];
    const ScriptCommand& command = line.command;
    const uint64_t ms = DurationMs(command);
    if (command.kind == Kind::Wait) {
      // Counted from where the script stands, not from when this turn came, so that late
      // turns do not add up.
      if (elapsed < scheduledMs_ + ms) return;
      scheduledMs_ += ms;
    } else if (command.kind == Kind::Until) {
      if (game.screen != command.screen) {
        if (elapsed < scheduledMs_ + ms) return;
        std::ostringstream reason;
        reason << "line " << line.number << ": until " << ScreenName(command.screen) << ": still "
               << ScreenName(game.screen) << " after " << command.seconds << " s";
        error_ = reason.str();
        next_ = lines_.size();
        return;
      }
      scheduledMs_ = elapsed;
    } else {
      perform(command);
    }
    ++next_;
  }
}

}  // namespace quenlit
