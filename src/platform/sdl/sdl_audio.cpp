#include "platform/sdl/sdl_audio.h"

#include <algorithm>
#include <cstring>

namespace quenlit::platform {
namespace {

constexpr uint16_t kPcm = 1, kFloat = 3, kExtensible = 0xFFFE;

}  // namespace

std::optional<SDL_AudioFormat> SdlSampleFormat(const WaveFormat& format) {
  const bool pcm = format.formatTag == kPcm || format.formatTag == kExtensible;
  if (pcm && format.bitsPerSample == 8) return AUDIO_U8;
  if (pcm && format.bitsPerSample == 16) return AUDIO_S16LSB;
  if (pcm && format.bitsPerSample == 32) return AUDIO_S32LSB;
  if (format.formatTag == kFloat && format.bitsPerSample == 32) return AUDIO_F32LSB;
  return std::nullopt;
}

std::vector<float> ConvertToOutput(const WaveFormat& format, const uint8_t* data, uint32_t size,
                                   int channels, int rate) {
  const auto sampleFormat = SdlSampleFormat(format);
  if (!sampleFormat || !IsPlayable(format)) return {};
  const uint32_t frameBytes = format.channels * (format.bitsPerSample / 8u);
  const uint32_t whole = size - size % frameBytes;  // a torn last frame is left out
  if (whole == 0) return {};
  SDL_AudioCVT conversion;
  if (SDL_BuildAudioCVT(&conversion, *sampleFormat, static_cast<Uint8>(format.channels),
                        static_cast<int>(format.samplesPerSecond), AUDIO_F32SYS,
                        static_cast<Uint8>(channels), rate) < 0) {
    return {};
  }
  // The whole sound is converted in one go, in a buffer large enough for every step.
  std::vector<uint8_t> buffer(static_cast<size_t>(whole) * conversion.len_mult);
  std::copy(data, data + whole, buffer.begin());
  conversion.buf = buffer.data();
  conversion.len = static_cast<int>(whole);
  if (conversion.needed && SDL_ConvertAudio(&conversion) != 0) return {};
  const size_t bytes = conversion.needed ? static_cast<size_t>(conversion.len_cvt) : whole;
  std::vector<float> samples(bytes / sizeof(float));
  if (samples.empty()) return {};  // converted to less than one sample: nothing to play
  std::memcpy(samples.data(), buffer.data(), samples.size() * sizeof(float));
  return samples;
}

SdlAudioDevice::SdlAudioDevice() {
  if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return;
  SDL_AudioSpec wanted{};
  wanted.freq = 44100;
  wanted.format = AUDIO_F32SYS;
  wanted.channels = 2;
  wanted.samples = 1024;
  wanted.callback = &SdlAudioDevice::Fill;
  wanted.userdata = this;
  // SDL converts our float stereo to whatever the hardware takes.
  device_ = SDL_OpenAudioDevice(nullptr, 0, &wanted, &spec_, 0);
  if (device_ != 0) SDL_PauseAudioDevice(device_, 0);
}

SdlAudioDevice::~SdlAudioDevice() {
  if (device_ != 0) SDL_CloseAudioDevice(device_);
}

void SdlAudioDevice::Fill(void* self, Uint8* stream, int length) {
  auto* device = static_cast<SdlAudioDevice*>(self);
  device->mixer_.Mix(reinterpret_cast<float*>(stream), static_cast<size_t>(length) / sizeof(float));
}

int SdlAudioDevice::StartVoice(const WaveFormat& format, const uint8_t* data, uint32_t size) {
  if (device_ == 0) return -1;
  std::vector<float> samples = ConvertToOutput(format, data, size, spec_.channels, spec_.freq);
  if (samples.empty()) return -1;
  SDL_LockAudioDevice(device_);
  const int voice = mixer_.Start(std::move(samples));
  SDL_UnlockAudioDevice(device_);
  return voice;
}

bool SdlAudioDevice::IsPlaying(int voice) const {
  if (device_ == 0) return false;
  SDL_LockAudioDevice(device_);
  const bool playing = mixer_.IsPlaying(voice);
  SDL_UnlockAudioDevice(device_);
  return playing;
}

void SdlAudioDevice::ReleaseVoice(int voice) {
  if (device_ == 0) return;
  SDL_LockAudioDevice(device_);
  mixer_.Release(voice);
  SDL_UnlockAudioDevice(device_);
}

}  // namespace quenlit::platform
