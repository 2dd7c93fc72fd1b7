#include "app/session/scripted_session.h"
#include "base/key_codes.h"

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "app/session/state_dump.h"
#include "game/game.h"
#include "platform/utf8_path.h"

namespace quenlit {

ScriptedSession::ScriptedSession(Game& game,
                                 std::function<void(uint32_t message, uint32_t key)> press,
                                 std::ostream& out, std::ostream& errors)
    : game_(game), press_(std::move(press)), out_(out), errors_(errors) {}

bool ScriptedSession::Record(const std::string& path, uint32_t seed, std::string& error) {
  // Locked before it is emptied: a second game recording to the same file must not wipe the
  // first one's session.
  recordLock_ = platform::FileLock::Take(path, platform::FileLock::Wait::No, error);
  if (!recordLock_) {
    error = "cannot write the recording " + path + ": " + error;
    return false;
  }
  file_.open(platform::PathFromUtf8(path), std::ios::out | std::ios::trunc);
  if (!file_) {
    error = "cannot write the recording " + path + ": " + std::strerror(errno);
    recordLock_.reset();
    return false;
  }
  recording_ = true;
  recordPath_ = path;
  seed_ = seed;
  return true;
}

bool ScriptedSession::Replay(const std::string& path, std::string& error) {
  std::error_code ignored;
  if (std::filesystem::is_directory(platform::PathFromUtf8(path), ignored)) {
    error = "cannot read the script " + path + ": it is a folder";
    return false;
  }
  std::ifstream in(platform::PathFromUtf8(path));
  if (!in) {
    error = "cannot read the script " + path + ": " + std::strerror(errno);
    return false;
  }
  std::string damaged;
  player_ = ScriptPlayer::Read(in, damaged);
  if (!player_) {
    error = path + ": " + damaged;
    return false;
  }
  replayPath_ = path;
  return true;
}

bool ScriptedSession::TakesPlayersKeys() const {
  if (!Active()) return true;
  return started_ && (!player_ || replayOver_);
}

void ScriptedSession::Tick(bool loaded, uint64_t nowMs) {
  nowMs_ = nowMs;
  if (!Active()) return;
  if (!started_) {
    if (!loaded) return;
    started_ = true;
    game_.sound.onPlay = [this](const std::string& file) { played_.push_back(file); };
    game_.onSequenceStart = [this](const std::string& name) { sequences_.push_back(name); };
    if (recording_) {
      game_.random.Seed(seed_);
      recorder_.Start(seed_, nowMs);
      CheckRecording();
    }
  }
  if (!player_ || replayOver_) return;
  player_->Play(game_, nowMs, [this](const ScriptCommand& command) { Perform(command); });
  if (!player_->Finished()) return;
  replayOver_ = true;
  if (!player_->Error().empty())
    errors_ << "quenlit: " << replayPath_ << ": " << player_->Error() << std::endl;
  errors_ << "quenlit: the replay of " << replayPath_ << " is over; the keys are yours"
          << std::endl;
}

std::optional<uint64_t> ScriptedSession::MsUntilDue(uint64_t nowMs) const {
  if (!started_ || !player_ || replayOver_) return std::nullopt;
  return player_->MsUntilDue(nowMs);
}

void ScriptedSession::Perform(const ScriptCommand& command) {
  using Kind = ScriptCommand::Kind;
  switch (command.kind) {
    case Kind::Key:
    case Kind::Down:
    case Kind::Up:
      SendKeyMessages(command, press_);
      break;
    case Kind::Dump:
      out_ << DumpState(game_, played_, sequences_) << std::endl;
      played_.clear();
      sequences_.clear();
      break;
    case Kind::Seed:
      game_.random.Seed(command.seed);
      if (recording_) {
        recorder_.Seed(command.seed, nowMs_);
        CheckRecording();
      }
      break;
    case Kind::Shot:
      errors_ << "quenlit: shot " << command.file << " skipped: quenlit-sim draws the stills"
              << std::endl;
      break;
    default:
      break;
  }
}

void ScriptedSession::Pressed(uint32_t message, uint32_t key, uint64_t nowMs) {
  if (!recording_) return;
  recorder_.Key(message, key, nowMs);
  CheckRecording();
}

void ScriptedSession::End(uint64_t nowMs) {
  if (!recording_) return;
  recorder_.Finish(DumpState(game_, played_, sequences_), nowMs);
  CheckRecording();
}

void ScriptedSession::CheckRecording() {
  if (file_.good()) return;
  // Taken at once: the failed write left its reason behind.
  const std::string reason = errno != 0 ? std::strerror(errno) : "the write failed";
  errors_ << "quenlit: the recording " << recordPath_
          << " stopped, it cannot be written: " << reason << std::endl;
  recording_ = false;
  recordingFailed_ = true;
}

}  // namespace quenlit
