// The WAVE reader walks the RIFF chunks and never reads past the file's end.
#include "sound/wave_file.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "sound/dsound.h"
#include "temp_folder.h"

namespace quenlit {
namespace {

std::string U32(uint32_t v) {
  std::string out;
  for (int i = 0; i < 4; ++i) out += static_cast<char>((v >> (8 * i)) & 0xFF);
  return out;
}
std::string U16(uint16_t v) {
  return {static_cast<char>(v & 0xFF), static_cast<char>(v >> 8)};
}

std::string Chunk(const std::string& id, const std::string& body) {
  std::string chunk = id + U32(static_cast<uint32_t>(body.size())) + body;
  if (body.size() % 2) chunk += '\0';  // chunks are padded to an even length
  return chunk;
}

// A "fmt " body: 16-bit PCM at 22050 Hz with the given channels.
std::string Format(uint16_t channels, bool withExtraSize = false) {
  std::string body = U16(1) + U16(channels) + U32(22050) + U32(22050u * 2 * channels) +
                     U16(static_cast<uint16_t>(2 * channels)) + U16(16);
  if (withExtraSize) body += U16(0);
  return body;
}

std::string Riff(const std::string& chunks, const std::string& form = "WAVE") {
  return "RIFF" + U32(static_cast<uint32_t>(4 + chunks.size())) + form + chunks;
}

const std::string kSamples = "\x01\x02\x03\x04\x05\x06\x07\x08";

std::vector<uint8_t> Bytes(const std::string& text) {
  return {text.begin(), text.end()};
}

struct GoodCase {
  const char* name;
  std::string file;
  uint16_t channels;
};
// Names the case in test listings.
void PrintTo(const GoodCase& c, std::ostream* out) {
  *out << c.name;
}

class ReadableWaves : public testing::TestWithParam<GoodCase> {};

TEST_P(ReadableWaves, GiveTheFormatAndEveryDataByte) {
  WaveData wave;
  ASSERT_TRUE(ParseWave(Bytes(GetParam().file), wave));
  EXPECT_EQ(wave.format.formatTag, 1);
  EXPECT_EQ(wave.format.channels, GetParam().channels);
  EXPECT_EQ(wave.format.samplesPerSecond, 22050u);
  EXPECT_EQ(wave.format.bitsPerSample, 16);
  EXPECT_EQ(wave.format.blockAlign, 2 * GetParam().channels);
  EXPECT_EQ(std::string(wave.samples.begin(), wave.samples.end()), kSamples);
}

INSTANTIATE_TEST_SUITE_P(
    Wave, ReadableWaves,
    testing::Values(
        GoodCase{"Plain", Riff(Chunk("fmt ", Format(1)) + Chunk("data", kSamples)), 1},
        GoodCase{"FormatWithExtraSize",
                 Riff(Chunk("fmt ", Format(2, true)) + Chunk("data", kSamples)), 2},
        GoodCase{"DataBeforeFormat", Riff(Chunk("data", kSamples) + Chunk("fmt ", Format(2))), 2},
        GoodCase{"ExtraChunksAroundAndBetween",
                 Riff(Chunk("LIST", "INFOISFT") + Chunk("fmt ", Format(1)) + Chunk("fact", U32(4)) +
                      Chunk("data", kSamples) + Chunk("cue ", "x")),
                 1},
        GoodCase{"OddSizedChunkIsPadded",
                 Riff(Chunk("junk", "odd") + Chunk("fmt ", Format(1)) + Chunk("data", kSamples)),
                 1},
        // A RIFF size that claims more than the file holds: the file's end bounds the walk.
        GoodCase{"RiffSizeTooLarge",
                 "RIFF" + U32(100000) + "WAVE" + Chunk("fmt ", Format(1)) + Chunk("data", kSamples),
                 1}),
    [](const testing::TestParamInfo<GoodCase>& info) { return info.param.name; });

struct BadCase {
  const char* name;
  std::string file;
};
// Names the case in test listings.
void PrintTo(const BadCase& c, std::ostream* out) {
  *out << c.name;
}

class BrokenWaves : public testing::TestWithParam<BadCase> {};

TEST_P(BrokenWaves, AreRefusedWithoutKeepingAnything) {
  WaveData wave;
  wave.format.channels = 7;  // whatever was there stays
  EXPECT_FALSE(ParseWave(Bytes(GetParam().file), wave));
  EXPECT_EQ(wave.format.channels, 7);
  EXPECT_TRUE(wave.samples.empty());
}

const std::string kGood = Riff(Chunk("fmt ", Format(1)) + Chunk("data", kSamples));

INSTANTIATE_TEST_SUITE_P(
    Wave, BrokenWaves,
    testing::Values(
        BadCase{"Empty", ""}, BadCase{"ShorterThanTheHeader", "RIFF" + U32(16) + "WA"},
        BadCase{"NotRiff", "RIFX" + kGood.substr(4)},
        BadCase{"NotWave", Riff(Chunk("fmt ", Format(1)) + Chunk("data", kSamples), "AVI ")},
        BadCase{"TruncatedInTheData", kGood.substr(0, kGood.size() - 3)},
        BadCase{"TruncatedInTheFormat", kGood.substr(0, 12 + 8 + 10)},
        BadCase{"TruncatedChunkHeader", Riff(Chunk("fmt ", Format(1))) + "da"},
        BadCase{"NoData", Riff(Chunk("fmt ", Format(1)))},
        BadCase{"NoFormat", Riff(Chunk("data", kSamples))},
        BadCase{"FormatTooShort", Riff(Chunk("fmt ", U16(1) + U16(1)) + Chunk("data", kSamples))},
        BadCase{"DataSizeBeyondTheFile",
                Riff(Chunk("fmt ", Format(1))) + "data" + U32(0xFFFFFFF0u) + kSamples}),
    [](const testing::TestParamInfo<BadCase>& info) { return info.param.name; });

TEST(Wave, LoadWaveKeepsAnEmptyEntryForMissingOrBrokenFilesAndGoesOn) {
  test::WorkingFolder folder;
  folder.Write("wav/good.wav", kGood);
  folder.Write("wav/cut.wav", kGood.substr(0, kGood.size() - 3));
  folder.Write("wav/text.wav", "not a sound at all");
  DSound sound;
  sound.SetBasePath("./wav/");
  for (const char* file : {"cut.wav", "missing.wav", "text.wav", "good.wav"}) sound.LoadWave(file);
  const auto& buffers = sound.Buffers();
  ASSERT_EQ(buffers.size(), 4u);
  for (const char* file : {"cut.wav", "missing.wav", "text.wav"}) {
    EXPECT_EQ(buffers.at(file).size, 0u) << file;
    EXPECT_TRUE(buffers.at(file).data.empty()) << file;
    EXPECT_EQ(buffers.at(file).format.channels, 0) << file << " keeps no half-read format";
  }
  EXPECT_EQ(buffers.at("good.wav").size, kSamples.size());
  EXPECT_EQ(buffers.at("good.wav").format.samplesPerSecond, 22050u);
}

}  // namespace
}  // namespace quenlit
