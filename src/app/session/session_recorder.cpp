#include "app/session/session_recorder.h"
#include "base/key_codes.h"

#include <cstdio>

#include "app/session/script.h"
#include "game/types.h"

namespace quenlit {

void SessionRecorder::Start(uint32_t seed, uint64_t nowMs) {
  started_ = true;
  lastMs_ = nowMs;
  out_ << "# A session of Quenlit, recorded in the window. Replay it in the game folder it was\n"
          "# played in with\n"
          "#   quenlit-sim --root GAME_FOLDER < FILE     or     quenlit --replay FILE\n";
  Seed(seed, nowMs);
}

void SessionRecorder::Seed(uint32_t seed, uint64_t nowMs) {
  if (!started_) return;
  WaitUntil(nowMs);
  out_ << "seed " << seed << std::endl;
}

void SessionRecorder::WaitUntil(uint64_t nowMs) {
  if (nowMs <= lastMs_) return;
  // Whole milliseconds, the driver's step: the waits add up to the session's exact time.
  const uint64_t ms = nowMs - lastMs_;
  char line[48];
  std::snprintf(line, sizeof line, "wait %llu.%03llu", static_cast<unsigned long long>(ms / 1000),
                static_cast<unsigned long long>(ms % 1000));
  out_ << line << '\n';
  lastMs_ = nowMs;
}

void SessionRecorder::Key(uint32_t message, uint32_t key, uint64_t nowMs) {
  if (!started_) return;
  WaitUntil(nowMs);
  out_ << (message == vk::kKeyDown ? "down " : "up ") << ScriptKeyName(key) << std::endl;
}

void SessionRecorder::Finish(const std::string& state, uint64_t nowMs) {
  if (!started_) return;
  WaitUntil(nowMs);
  out_ << "# The session ended in this state; the dump below shows the replay's.\n"
       << "# ended in: " << state << "\ndump" << std::endl;
  started_ = false;
}

}  // namespace quenlit
