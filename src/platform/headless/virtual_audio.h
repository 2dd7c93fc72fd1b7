#pragma once

#include <cstdint>
#include <map>

#include "platform/audio.h"
#include "platform/headless/virtual_clock.h"

namespace quenlit::platform {

// A sound output that plays nothing but keeps time like a real one: a voice counts as playing
// for its sound's duration on the virtual clock.
class VirtualAudioDevice : public AudioDevice {
 public:
  explicit VirtualAudioDevice(const VirtualWallClock& clock) : clock_(clock) {}
  bool IsOpen() const override { return true; }
  int StartVoice(const WaveFormat& format, const uint8_t* data, uint32_t size) override;
  bool IsPlaying(int voice) const override;
  void ReleaseVoice(int voice) override { endMs_.erase(voice); }

 private:
  const VirtualWallClock& clock_;
  std::map<int, int64_t> endMs_;
  int nextVoice_ = 0;
};

}  // namespace quenlit::platform
