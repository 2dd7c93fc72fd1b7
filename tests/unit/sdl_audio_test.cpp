// The sound output: reading each file's own sample format, converting it, and mixing the
// one-shot voices.
#include "platform/sdl/sdl_audio.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "process.h"

namespace quenlit::platform {
namespace {

WaveFormat Pcm(uint16_t channels, uint32_t rate, uint16_t bits, uint16_t tag = 1) {
  const uint16_t align = static_cast<uint16_t>(channels * bits / 8);
  return {tag, channels, rate, rate * align, align, bits, 0};
}

TEST(Audio, SampleFormatsOfWaveFiles) {
  EXPECT_EQ(SdlSampleFormat(Pcm(1, 22050, 8)), AUDIO_U8);
  EXPECT_EQ(SdlSampleFormat(Pcm(2, 44100, 16)), AUDIO_S16LSB);
  EXPECT_EQ(SdlSampleFormat(Pcm(2, 44100, 32)), AUDIO_S32LSB);
  EXPECT_EQ(SdlSampleFormat(Pcm(2, 44100, 32, 3)), AUDIO_F32LSB);
  EXPECT_EQ(SdlSampleFormat(Pcm(2, 44100, 16, 0xFFFE)), AUDIO_S16LSB);
  EXPECT_FALSE(SdlSampleFormat(Pcm(2, 44100, 24)).has_value());
  EXPECT_FALSE(SdlSampleFormat(Pcm(1, 22050, 4, 2)).has_value()) << "ADPCM";
  EXPECT_FALSE(SdlSampleFormat(Pcm(1, 22050, 16, 3)).has_value()) << "16-bit float";
}

TEST(Audio, ConversionReachesTheOutputsChannelsAndRate) {
  // 0.1 s of 16-bit mono at 22050 Hz, a steady half-scale level.
  std::vector<int16_t> mono(2205, 16384);
  const std::vector<float> out =
      ConvertToOutput(Pcm(1, 22050, 16), reinterpret_cast<const uint8_t*>(mono.data()),
                      static_cast<uint32_t>(mono.size() * 2), 2, 44100);
  EXPECT_NEAR(static_cast<double>(out.size()), 2 * 4410, 64);
  ASSERT_GT(out.size(), 2000u);
  EXPECT_NEAR(out[1000], 0.5f, 0.01f);
  EXPECT_NEAR(out[1001], 0.5f, 0.01f) << "both channels";
}

TEST(Audio, UnreadableSoundsConvertToNothing) {
  const uint8_t bytes[6] = {1, 2, 3, 4, 5, 6};
  EXPECT_TRUE(ConvertToOutput(Pcm(2, 44100, 24), bytes, 6, 2, 44100).empty());
  EXPECT_TRUE(ConvertToOutput(Pcm(0, 44100, 16), bytes, 6, 2, 44100).empty());
  EXPECT_TRUE(ConvertToOutput(Pcm(1, 0, 16), bytes, 6, 2, 44100).empty());
  EXPECT_TRUE(ConvertToOutput(Pcm(1, 1, 16), bytes, 6, 2, 44100).empty())
      << "one sample a second: 44100 times its size at the output's rate";
  EXPECT_TRUE(ConvertToOutput(Pcm(1, 999, 16), bytes, 6, 2, 44100).empty());
  EXPECT_FALSE(ConvertToOutput(Pcm(1, 1000, 16), bytes, 6, 2, 44100).empty())
      << "a slow rate, but a sound";
  EXPECT_TRUE(ConvertToOutput(Pcm(2, 44100, 16), bytes, 3, 2, 44100).empty())
      << "less than one whole frame";
  // A torn last frame is left out rather than read past.
  const auto whole = ConvertToOutput(Pcm(2, 44100, 16), bytes, 4, 2, 44100);
  const auto torn = ConvertToOutput(Pcm(2, 44100, 16), bytes, 6, 2, 44100);
  EXPECT_EQ(torn.size(), whole.size());
}

TEST(Audio, TheMixerAddsVoicesAndKeepsTheSumInRange) {
  VoiceMixer mixer;
  const int quiet = mixer.Start({0.25f, 0.25f, 0.25f});
  const int loud = mixer.Start({0.9f, 0.9f});
  EXPECT_TRUE(mixer.IsPlaying(quiet));
  float out[4] = {9, 9, 9, 9};
  mixer.Mix(out, 2);
  EXPECT_FLOAT_EQ(out[0], 1.0f) << "0.25 + 0.9 is held at full scale";
  EXPECT_FALSE(mixer.IsPlaying(loud));
  EXPECT_TRUE(mixer.IsPlaying(quiet));
  mixer.Mix(out, 4);
  EXPECT_FLOAT_EQ(out[0], 0.25f);
  EXPECT_FLOAT_EQ(out[1], 0.0f) << "silence after the last sample";
  EXPECT_FALSE(mixer.IsPlaying(quiet));
  mixer.Release(quiet);
  mixer.Release(12345);  // unknown voices are ignored
  EXPECT_FALSE(mixer.IsPlaying(quiet));
}

TEST(Audio, TheDeviceStartsAndStopsVoices) {
  if (!std::getenv("SDL_AUDIODRIVER")) test::SetEnvironment("SDL_AUDIODRIVER", "dummy");
  SdlAudioDevice device;
  ASSERT_TRUE(device.IsOpen()) << SDL_GetError();
  std::vector<int16_t> tenSeconds(441000, 1000);
  const int voice =
      device.StartVoice(Pcm(1, 44100, 16), reinterpret_cast<const uint8_t*>(tenSeconds.data()),
                        static_cast<uint32_t>(tenSeconds.size() * 2));
  ASSERT_GE(voice, 0);
  EXPECT_TRUE(device.IsPlaying(voice));
  device.ReleaseVoice(voice);
  EXPECT_FALSE(device.IsPlaying(voice));
  const uint8_t bytes[6] = {};
  EXPECT_EQ(device.StartVoice(Pcm(2, 44100, 24), bytes, 6), -1);
}

}  // namespace
}  // namespace quenlit::platform
