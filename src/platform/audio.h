#pragma once

#include <cstdint>

namespace quenlit::platform {

// The format of a PCM sound as a WAVE file's "fmt " chunk gives it.
struct WaveFormat {
  uint16_t formatTag = 0;
  uint16_t channels = 0;
  uint32_t samplesPerSecond = 0;
  uint32_t averageBytesPerSecond = 0;
  uint16_t blockAlign = 0;
  uint16_t bitsPerSample = 0;
  uint16_t extraSize = 0;
};

// Whether the game plays sounds of this format: 8, 16 or 32-bit integer or 32-bit float
// samples, one to eight channels, 1,000 to 384,000 samples a second.
bool IsPlayable(const WaveFormat& format);

// One-shot voices on the sound output. A voice plays its bytes once, in their own format.
class AudioDevice {
 public:
  virtual ~AudioDevice() = default;
  virtual bool IsOpen() const = 0;
  // Starts a voice over a copy of the bytes; returns its handle, or -1 when it cannot play.
  virtual int StartVoice(const WaveFormat& format, const uint8_t* data, uint32_t size) = 0;
  virtual bool IsPlaying(int voice) const = 0;
  // Stops the voice (if still playing) and forgets it.
  virtual void ReleaseVoice(int voice) = 0;
};

}  // namespace quenlit::platform
