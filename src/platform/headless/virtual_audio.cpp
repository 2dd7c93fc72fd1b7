#include "platform/headless/virtual_audio.h"

namespace quenlit::platform {

int VirtualAudioDevice::StartVoice(const WaveFormat& format, const uint8_t*, uint32_t size) {
  if (format.averageBytesPerSecond == 0 || size == 0) return -1;
  const int64_t durationMs = int64_t{size} * 1000 / format.averageBytesPerSecond;
  endMs_[nextVoice_] = clock_.ElapsedMs() + durationMs;
  return nextVoice_++;
}

bool VirtualAudioDevice::IsPlaying(int voice) const {
  const auto found = endMs_.find(voice);
  return found != endMs_.end() && clock_.ElapsedMs() < found->second;
}

}  // namespace quenlit::platform
