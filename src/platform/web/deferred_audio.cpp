#include "platform/web/deferred_audio.h"

#include <iostream>

namespace quenlit::platform::web {

void DeferredAudioDevice::Unlock() {
  if (output_) return;
  output_ = std::make_unique<SdlAudioDevice>();
  if (!output_->IsOpen())
    std::cerr << "quenlit: no sound output in this browser: " << SDL_GetError() << std::endl;
}

int DeferredAudioDevice::StartVoice(const WaveFormat& format, const uint8_t* data, uint32_t size) {
  return output_ ? output_->StartVoice(format, data, size) : -1;
}

bool DeferredAudioDevice::IsPlaying(int voice) const {
  return output_ && output_->IsPlaying(voice);
}

void DeferredAudioDevice::ReleaseVoice(int voice) {
  if (output_) output_->ReleaseVoice(voice);
}

}  // namespace quenlit::platform::web
