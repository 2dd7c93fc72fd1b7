#include "platform/sdl/voice_mixer.h"

#include <algorithm>

namespace quenlit::platform {

int VoiceMixer::Start(std::vector<float> samples) {
  voices_[nextVoice_] = Voice{std::move(samples), 0};
  return nextVoice_++;
}

bool VoiceMixer::IsPlaying(int voice) const {
  const auto found = voices_.find(voice);
  return found != voices_.end() && found->second.position < found->second.samples.size();
}

void VoiceMixer::Mix(float* out, size_t count) {
  std::fill(out, out + count, 0.0f);
  for (auto& [handle, voice] : voices_) {
    const size_t take = std::min(count, voice.samples.size() - voice.position);
    const float* from = voice.samples.data() + voice.position;
    for (size_t i = 0; i < take; ++i) out[i] += from[i];
    voice.position += take;
  }
  for (size_t i = 0; i < count; ++i) out[i] = std::clamp(out[i], -1.0f, 1.0f);
}

}  // namespace quenlit::platform
