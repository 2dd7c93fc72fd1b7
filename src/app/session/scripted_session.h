#pragma once

#include <cstdint>
#include <fstream>
#include <functional>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "app/session/script_player.h"
#include "app/session/session_recorder.h"
#include "platform/files.h"

namespace quenlit {

class Game;

// What --record and --replay add to the game in the window. The session starts once the game
// has loaded, where the driver's scripts start too: a recording writes every key that reaches
// the game from then on; a replay presses the script's keys at their times, and the player's
// own keys are dropped until it is over. Keys before the start are dropped, so that a recording
// starts from the state the driver starts from.
class ScriptedSession {
 public:
  // press hands a key message to the game, as the player's keys go.
  ScriptedSession(Game& game, std::function<void(uint32_t message, uint32_t key)> press,
                  std::ostream& out, std::ostream& errors);

  // Opens the file to record to, or reads the script to replay; false with the reason, which
  // names the damaged line of a script. A file another game is recording to is left alone.
  bool Record(const std::string& path, uint32_t seed, std::string& error);
  bool Replay(const std::string& path, std::string& error);

  // Whether a key of the player goes to the game now.
  bool TakesPlayersKeys() const;
  // Every turn of the main loop: starts the session once the game has loaded, and plays the
  // script's commands that are due.
  void Tick(bool loaded, uint64_t nowMs);
  // How long the main loop may wait for events before the replay needs a turn; nothing when
  // no script is playing.
  std::optional<uint64_t> MsUntilDue(uint64_t nowMs) const;
  // A key message that has reached the game.
  void Pressed(uint32_t message, uint32_t key, uint64_t nowMs);
  // The window closed: the recording ends with the state the game is in.
  void End(uint64_t nowMs);
  // Whether the recording stopped because its file could not be written; it was said when it
  // happened, and the program ends with a failure.
  bool RecordingFailed() const { return recordingFailed_; }

 private:
  bool Active() const { return recording_ || player_; }
  void Perform(const ScriptCommand& command);
  // Stops the recording, saying why, when its last line could not be written.
  void CheckRecording();

  Game& game_;
  std::function<void(uint32_t, uint32_t)> press_;
  std::ostream& out_;
  std::ostream& errors_;
  bool started_ = false;
  // The sounds and sequences started since the session began, for the dumps.
  std::vector<std::string> played_;
  std::vector<std::string> sequences_;

  bool recording_ = false;
  bool recordingFailed_ = false;
  uint32_t seed_ = 0;
  std::string recordPath_;
  std::unique_ptr<platform::FileLock> recordLock_;  // no other game records to the same file
  std::ofstream file_;
  SessionRecorder recorder_{file_};

  std::optional<ScriptPlayer> player_;
  std::string replayPath_;
  bool replayOver_ = false;
  uint64_t nowMs_ = 0;
};

}  // namespace quenlit
