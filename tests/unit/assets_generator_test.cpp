// The asset generator and what it wrote into the built game folder: every file there, each
// picture at least the size the game shows of it, distinct monsters, two beats that differ,
// effects that move, clean 16-bit sounds, the fonts and their credits, and the same bytes on
// every run.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "catalogue/catalogue.h"
#include "process.h"
#include "sound/wave_file.h"
#include "temp_folder.h"

namespace quenlit::test {
namespace {

namespace fs = std::filesystem;

// The build puts the generator in tools/ beside the game folder.
const fs::path kGameDir = QUENLIT_GAME_DIR;
const fs::path kGenerator = kGameDir.parent_path() / "tools" / "quenlit-assetgen";

std::string ReadBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

struct PngSize {
  int width = 0;
  int height = 0;
};

// The size in a PNG file's header; 0 x 0 when the file is no PNG.
PngSize SizeOf(const fs::path& path) {
  const std::string bytes = ReadBytes(path);
  if (bytes.size() < 24 || bytes.compare(1, 3, "PNG") != 0 || bytes.compare(12, 4, "IHDR") != 0)
    return {};
  auto big = [&](size_t at) {
    return int(uint8_t(bytes[at])) << 24 | int(uint8_t(bytes[at + 1])) << 16 |
           int(uint8_t(bytes[at + 2])) << 8 | int(uint8_t(bytes[at + 3]));
  };
  return {big(16), big(20)};
}

fs::path Picture(int number) {
  return kGameDir / "Images" / ("Image " + std::to_string(number) + ".png");
}

// Registry name -> file number, for the catalogue's pictures.
std::map<std::string, int> FileNumbers() {
  std::map<std::string, int> numbers;
  for (const catalogue::ImageEntry& entry : catalogue::LoadingImages())
    numbers[entry.name] = entry.file;
  for (const catalogue::ImageGroup& group : catalogue::ImageGroups())
    for (const catalogue::ImageEntry& entry : group.images)
      if (!entry.embedded) numbers[entry.name] = entry.file;
  return numbers;
}

struct GeneratorRun {
  int exitCode;
  std::string errors;
};

GeneratorRun Generate(const std::vector<std::string>& arguments) {
  WorkingFolder scratch;
  const fs::path errors = scratch.Path() / "errors.txt";
  const int exitCode = RunProgram(
      {.program = kGenerator.string(), .arguments = arguments, .errors = errors.string()});
  return {exitCode, ReadBytes(errors)};
}

// The generator runs where the game is built; a Windows build takes the folder it made.
#define SKIP_WITHOUT_GENERATOR()                                                            \
  if (!fs::exists(kGenerator))                                                              \
  GTEST_SKIP() << "no generator beside the game folder: this build takes the pictures and " \
                  "sounds of a desktop build"

TEST(AssetsGenerator, TwoRunsWriteTheSameBytes) {
  SKIP_WITHOUT_GENERATOR();
  // A sample of every kind of painter: a cut tile, a drawn key, a door frame, the hero, a
  // monster's two beats, a panel, small and large effects, a loading frame, and sounds.
  const std::vector<std::string> files = {
      "Image 27.png",   "Image 136.png", "Image 563.png",  "Image 263.png",   "Image 2087.png",
      "Image 2088.png", "Image 5.png",   "Image 1086.png", "Image 10005.png", "Image 1290.png",
      "Image 75.png",   "Sound 272.wav", "fire.wav",       "Sound 998.wav"};
  std::vector<std::string> only;
  for (const std::string& file : files) only.insert(only.end(), {"--only", file});
  WorkingFolder first, second;
  for (const WorkingFolder* folder : {&first, &second}) {
    std::vector<std::string> arguments{folder->Path().string()};
    arguments.insert(arguments.end(), only.begin(), only.end());
    ASSERT_EQ(Generate(arguments).exitCode, 0);
  }
  for (const std::string& file : files) {
    const std::string folder = file.ends_with(".wav") ? "wav" : "Images";
    const std::string a = ReadBytes(first.Path() / folder / file);
    SCOPED_TRACE(file);
    ASSERT_FALSE(a.empty());
    EXPECT_TRUE(a == ReadBytes(second.Path() / folder / file));
    EXPECT_TRUE(a == ReadBytes(kGameDir / folder / file)) << "differs from the built game folder";
  }
}

TEST(AssetsGenerator, RefusesWhatItCannotDo) {
  SKIP_WITHOUT_GENERATOR();
  WorkingFolder out;
  const GeneratorRun noSheet =
      Generate({out.Path().string(), "--sheet", (out.Path() / "none.png").string()});
  EXPECT_EQ(noSheet.exitCode, 1);
  EXPECT_NE(noSheet.errors.find("cannot read the tile sheet"), std::string::npos) << noSheet.errors;
  EXPECT_FALSE(fs::exists(out.Path() / "Images"));

  const GeneratorRun usage = Generate({"--nonsense"});
  EXPECT_EQ(usage.exitCode, 2);
  EXPECT_NE(usage.errors.find("usage:"), std::string::npos);

  const GeneratorRun unwritable =
      Generate({"/proc/quenlit-cannot-be-here", "--only", "Image 27.png"});
  EXPECT_EQ(unwritable.exitCode, 1);
  EXPECT_NE(unwritable.errors.find("cannot"), std::string::npos) << unwritable.errors;
}

TEST(AssetsPictures, EveryPictureIsAtLeastTheSizeTheGameShows) {
  // Pictures that the screens draw whole, at their source size; the rest are 32 x 32 tiles or
  // frames of a sequence.
  std::map<std::string, PngSize> least = {
      {"backbig", {981, 621}},  {"infoback", {161, 357}},   {"battleback", {381, 125}},
      {"talkback", {261, 132}}, {"caption", {400, 38}},     {"battleendback", {381, 32}},
      {"Dback", {800, 800}},    {"transition", {800, 800}}, {"pause", {800, 800}},
      {"loadback", {800, 800}}, {"leftarrow", {50, 50}},    {"rightarrow", {50, 50}},
      {"uparrow", {50, 50}},    {"downarrow", {50, 50}}};
  for (int n = 1; n <= 13; ++n) least["load" + std::to_string(n)] = {206, 60};
  for (const catalogue::SequenceEntry& sequence : catalogue::Sequences()) {
    for (const catalogue::FrameEntry& frame : sequence.frames) {
      PngSize& size = least[frame.image];
      size = {std::max(size.width, frame.width), std::max(size.height, frame.height)};
    }
  }
  for (const auto& [name, number] : FileNumbers()) {
    const PngSize want = least.count(name) ? least[name] : PngSize{32, 32};
    const PngSize have = SizeOf(Picture(number));
    EXPECT_GE(have.width, want.width) << name;
    EXPECT_GE(have.height, want.height) << name;
  }
  for (int number = 2001; number <= 2088; ++number) {
    const PngSize have = SizeOf(Picture(number));
    EXPECT_GE(have.width, 32) << number;
    EXPECT_GE(have.height, 32) << number;
  }
}

TEST(AssetsPictures, FortyFourDistinctMonstersWhoseSecondBeatMoves) {
  std::set<std::string> firstBeats;
  for (int kind = 1; kind <= 44; ++kind) {
    const std::string first = ReadBytes(Picture(2000 + 2 * kind - 1));
    const std::string second = ReadBytes(Picture(2000 + 2 * kind));
    ASSERT_FALSE(first.empty()) << kind;
    EXPECT_NE(first, second) << "kind " << kind << " does not move";
    firstBeats.insert(first);
  }
  EXPECT_EQ(firstBeats.size(), 44u);
}

TEST(AssetsPictures, TwoPhaseSpritesAndWalkingHeroChange) {
  const std::map<std::string, int> numbers = FileNumbers();
  const std::pair<const char*, const char*> pairs[] = {
      {"merchant_1", "merchant_2"}, {"oldman_1", "oldman_2"},   {"thief_1", "thief_2"},
      {"fairy_1", "fairy_2"},       {"bramble_1", "bramble_2"}, {"hero1wd1", "hero1wd2"},
      {"hero1wl1", "hero1wl2"},     {"hero1wr1", "hero1wr2"},   {"hero1wu1", "hero1wu2"},
      {"hero1d", "hero1wd1"},       {"hero1l", "hero1r"},       {"hero1u", "hero1d"}};
  for (const auto& [a, b] : pairs) {
    EXPECT_NE(ReadBytes(Picture(numbers.at(a))), ReadBytes(Picture(numbers.at(b))))
        << a << " and " << b;
  }
}

TEST(AssetsPictures, EffectsMoveFromFrameToFrame) {
  const std::map<std::string, int> numbers = FileNumbers();
  for (const catalogue::SequenceEntry& sequence : catalogue::Sequences()) {
    for (size_t i = 1; i < sequence.frames.size(); ++i) {
      const int before = numbers.at(sequence.frames[i - 1].image);
      const int now = numbers.at(sequence.frames[i].image);
      if (before == now) continue;  // "hit" waits on "blank"; "magicb" shows one file twice
      EXPECT_NE(ReadBytes(Picture(before)), ReadBytes(Picture(now)))
          << sequence.name << " frame " << i;
    }
  }
}

TEST(AssetsSounds, EverySoundIsShortCleanSixteenBitPcmAndItsOwn) {
  std::set<std::string> seen;
  std::set<std::vector<uint8_t>> distinct;
  for (const catalogue::SoundEntry& entry : catalogue::Sounds()) {
    if (!seen.insert(entry.file).second) continue;
    SCOPED_TRACE(entry.file);
    WaveData wave;
    ASSERT_TRUE(ReadWaveFile((kGameDir / "wav" / entry.file).string(), wave));
    EXPECT_EQ(wave.format.formatTag, 1);
    EXPECT_EQ(wave.format.bitsPerSample, 16);
    EXPECT_EQ(wave.format.channels, 1);
    const double seconds = double(wave.samples.size()) / wave.format.averageBytesPerSecond;
    EXPECT_GT(seconds, 0.05);
    EXPECT_LT(seconds, 2.0);
    // Clean: never clipped, and silent at the very end.
    int clipped = 0;
    for (size_t i = 0; i + 1 < wave.samples.size(); i += 2) {
      clipped += std::abs(int16_t(wave.samples[i] | wave.samples[i + 1] << 8)) >= 32767;
    }
    EXPECT_EQ(clipped, 0);
    const size_t n = wave.samples.size();
    EXPECT_LT(std::abs(int16_t(wave.samples[n - 2] | wave.samples[n - 1] << 8)), 200);
    distinct.insert(wave.samples);
  }
  EXPECT_EQ(seen.size(), 42u);  // the designed 41 and the locked door's knock
  EXPECT_EQ(distinct.size(), seen.size());
}

// The loudness of a sound file: the RMS of its samples in decibels of full scale.
double LoudnessOf(const std::string& file) {
  WaveData wave;
  if (!ReadWaveFile((kGameDir / "wav" / file).string(), wave) || wave.samples.size() < 2)
    return -200;
  double sum = 0;
  const size_t count = wave.samples.size() / 2;
  for (size_t i = 0; i < count; ++i) {
    const double s = int16_t(wave.samples[2 * i] | wave.samples[2 * i + 1] << 8) / 32768.0;
    sum += s * s;
  }
  return 10 * std::log10(sum / count + 1e-20);
}

TEST(AssetsSounds, AllPlayEvenlyLoudAndEveryCriticalStrikeHeavier) {
  std::map<std::string, std::string> fileOf;  // short name -> file
  double loudest = -200, quietest = 0;
  for (const catalogue::SoundEntry& entry : catalogue::Sounds()) {
    if (!entry.name.empty()) fileOf[entry.name] = entry.file;
    const double loudness = LoudnessOf(entry.file);
    loudest = std::max(loudest, loudness);
    quietest = std::min(quietest, loudness);
  }
  EXPECT_LE(loudest - quietest, 6.0) << "from " << quietest << " to " << loudest << " dB";
  EXPECT_GT(quietest, -22.0);
  int pairs = 0;
  for (const auto& [name, file] : fileOf) {
    const auto critical = fileOf.find(name + "b");
    if (critical == fileOf.end()) continue;
    ++pairs;
    EXPECT_GT(LoudnessOf(critical->second), LoudnessOf(file) + 0.5) << name;
    EXPECT_GT(fs::file_size(kGameDir / "wav" / critical->second),
              fs::file_size(kGameDir / "wav" / file))
        << name << "b is no longer than " << name;
  }
  EXPECT_EQ(pairs, 17);
}

TEST(AssetsFonts, EveryFamilyHasItsFileAndEverySourceItsCredit) {
  std::ifstream list(kGameDir / "Fonts" / "fonts.txt");
  std::string line;
  std::set<std::string> families;
  const std::string credits = ReadBytes(kGameDir / "CREDITS");
  while (std::getline(list, line)) {
    const size_t tab = line.find('\t');
    ASSERT_NE(tab, std::string::npos) << line;
    const std::string file = line.substr(tab + 1);
    families.insert(line.substr(0, tab));
    EXPECT_TRUE(fs::is_regular_file(kGameDir / "Fonts" / file)) << file;
    EXPECT_NE(credits.find(file), std::string::npos) << file << " has no credit";
  }
  // "" is the default font, which the message text takes.
  EXPECT_EQ(families, (std::set<std::string>{"微软雅黑", "宋体", "汉仪雁翎体简", "迷你简娃娃篆",
                                             "迷你简中特广告", "Scrivane", ""}));
  for (const char* credit : {"David Gervais", "CC-BY-3.0", "synthesised"}) {
    EXPECT_NE(credits.find(credit), std::string::npos) << credit;
  }
}

}  // namespace
}  // namespace quenlit::test
