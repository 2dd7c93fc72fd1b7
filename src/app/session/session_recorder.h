#pragma once

#include <cstdint>
#include <ostream>
#include <string>

namespace quenlit {

// Writes a session played in the window as a quenlit-sim script: the random seed, every key
// down and key up at the moment it came, and at the end the state the session ended in (as a
// comment) and a dump, so that the driver replays it to the same state. Lines are flushed as
// they are written: a session that ends badly keeps what was played.
class SessionRecorder {
 public:
  explicit SessionRecorder(std::ostream& out) : out_(out) {}

  // The session starts: the seed the game's rolls start from, and the moment the times of
  // the keys count from.
  void Start(uint32_t seed, uint64_t nowMs);
  // The rolls start again from seed at nowMs.
  void Seed(uint32_t seed, uint64_t nowMs);
  // A key message (vk::kKeyDown or vk::kKeyUp) dispatched at nowMs.
  void Key(uint32_t message, uint32_t key, uint64_t nowMs);
  // The session ends at nowMs in the state dumped as one line of JSON.
  void Finish(const std::string& state, uint64_t nowMs);

 private:
  void WaitUntil(uint64_t nowMs);

  std::ostream& out_;
  bool started_ = false;
  uint64_t lastMs_ = 0;
};

}  // namespace quenlit
