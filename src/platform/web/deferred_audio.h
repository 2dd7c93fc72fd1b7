#pragma once

#include <memory>

#include "platform/audio.h"
#include "platform/sdl/sdl_audio.h"

namespace quenlit::platform::web {

// The sound output of a page. Browsers let a page start sound only after the player has
// touched it, so the SDL device opens at the first key press; until then every sound is
// silently skipped, as a sound that cannot play is on the desktop.
class DeferredAudioDevice : public AudioDevice {
 public:
  // Opens the output if it is not open yet; called on each key press, cheap after the first.
  void Unlock();

  // Always true: a closed output here only waits for the player, nothing is wrong with it.
  bool IsOpen() const override { return true; }
  int StartVoice(const WaveFormat& format, const uint8_t* data, uint32_t size) override;
  bool IsPlaying(int voice) const override;
  void ReleaseVoice(int voice) override;

 private:
  std::unique_ptr<SdlAudioDevice> output_;
};

}  // namespace quenlit::platform::web
