#pragma once

#include <SDL.h>

#include <optional>
#include <vector>

#include "platform/audio.h"
#include "platform/sdl/voice_mixer.h"

namespace quenlit::platform {

// The default sound output through SDL, with our own mixer of one-shot voices. Each sound is
// converted from its file's own format to the output's when it starts.
class SdlAudioDevice : public AudioDevice {
 public:
  // Opens the default output; IsOpen() tells whether there is one.
  SdlAudioDevice();
  ~SdlAudioDevice() override;
  SdlAudioDevice(const SdlAudioDevice&) = delete;
  SdlAudioDevice& operator=(const SdlAudioDevice&) = delete;

  bool IsOpen() const override { return device_ != 0; }
  int StartVoice(const WaveFormat& format, const uint8_t* data, uint32_t size) override;
  bool IsPlaying(int voice) const override;
  void ReleaseVoice(int voice) override;

 private:
  static void Fill(void* self, Uint8* stream, int length);

  SDL_AudioDeviceID device_ = 0;
  SDL_AudioSpec spec_{};
  VoiceMixer mixer_;  // shared with the audio thread: touched only with the device locked
};

// The SDL sample format of a WAVE format; nothing for one SDL cannot read (24-bit, ADPCM...).
std::optional<SDL_AudioFormat> SdlSampleFormat(const WaveFormat& format);

// The samples converted to float in the output's channels and rate; empty when the format
// cannot be read or holds no whole frame.
std::vector<float> ConvertToOutput(const WaveFormat& format, const uint8_t* data, uint32_t size,
                                   int channels, int rate);

}  // namespace quenlit::platform
