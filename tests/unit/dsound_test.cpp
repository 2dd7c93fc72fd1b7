// The sound player: the 50 ms guard per file, the ring of 40 slots and short names.
#include "sound/dsound.h"

#include <gtest/gtest.h>

#include "world.h"

namespace quenlit {
namespace {

struct GuardCase {
  const char* name;
  float first, second;
  bool secondPlays;
};
// Names the case in test listings.
void PrintTo(const GuardCase& c, std::ostream* out) {
  *out << c.name;
}

class FiftyMillisecondGuard : public testing::TestWithParam<GuardCase> {};

TEST_P(FiftyMillisecondGuard, KeepsOneFileFromStartingTwice) {
  test::World world;
  world.AddSound("Sound 564.wav");
  EXPECT_TRUE(world.sound.Play("Sound 564.wav", GetParam().first));
  EXPECT_EQ(world.sound.Play("Sound 564.wav", GetParam().second), GetParam().secondPlays);
}

INSTANTIATE_TEST_SUITE_P(DSound, FiftyMillisecondGuard,
                         testing::Values(GuardCase{"ThirtyMillisecondsApart", 1.0f, 1.03f, false},
                                         GuardCase{"SixtyMillisecondsApart", 1.0f, 1.06f, true},
                                         GuardCase{"SameInstant", 2.5f, 2.5f, false},
                                         GuardCase{"ASecondApart", 2.5f, 3.5f, true}),
                         [](const testing::TestParamInfo<GuardCase>& info) {
                           return info.param.name;
                         });

TEST(DSound, TheFirstPlayBelowFiftyMillisecondsIsRefused) {
  test::World world;
  world.AddSound("Sound 564.wav");
  EXPECT_FALSE(world.sound.Play("Sound 564.wav", 0.0f));
  EXPECT_FALSE(world.sound.Play("Sound 564.wav", 0.04f));
  EXPECT_TRUE(world.sound.Play("Sound 564.wav", 0.05f));
  EXPECT_EQ(world.played, std::vector<std::string>{"Sound 564.wav"});
}

TEST(DSound, OtherFilesAreNotHeldBackByTheGuard) {
  test::World world;
  world.AddSound("a.wav");
  world.AddSound("b.wav");
  EXPECT_TRUE(world.sound.Play("a.wav", 1.0f));
  EXPECT_TRUE(world.sound.Play("b.wav", 1.0f));
}

TEST(DSound, NamesSharingAFileShareItsGuardAndItsData) {
  test::World world;
  world.AddSound("Sound 557.wav", "explodeb");
  world.AddSound("Sound 557.wav", "magicb");
  EXPECT_EQ(world.sound.Buffers().size(), 1u);
  EXPECT_TRUE(world.sound.PlayByName("explodeb", 1.0f));
  EXPECT_FALSE(world.sound.PlayByName("magicb", 1.03f));
  EXPECT_TRUE(world.sound.PlayByName("magicb", 1.06f));
  EXPECT_EQ(world.played, (std::vector<std::string>{"Sound 557.wav", "Sound 557.wav"}));
}

TEST(DSound, UnknownNamesAndUnloadedFilesPlayNothing) {
  test::World world;
  EXPECT_FALSE(world.sound.PlayByName("nosuchsound", 1.0f));
  EXPECT_FALSE(world.sound.Play("never loaded.wav", 1.0f));
  EXPECT_TRUE(world.played.empty());
}

TEST(DSound, WithoutAnOpenDeviceNothingPlays) {
  class ClosedDevice : public platform::AudioDevice {
   public:
    bool IsOpen() const override { return false; }
    int StartVoice(const platform::WaveFormat&, const uint8_t*, uint32_t) override {
      ADD_FAILURE() << "a closed device was asked to play";
      return -1;
    }
    bool IsPlaying(int) const override { return false; }
    void ReleaseVoice(int) override {}
  } closed;
  test::World world;
  world.AddSound("Sound 564.wav");
  world.sound.SetDevice(&closed);
  EXPECT_FALSE(world.sound.HasDevice());
  EXPECT_FALSE(world.sound.Play("Sound 564.wav", 1.0f));
  world.sound.SetDevice(nullptr);
  EXPECT_FALSE(world.sound.Play("Sound 564.wav", 2.0f));
}

TEST(DSound, AFullRingRefusesUntilAVoiceHasFinished) {
  test::World world;
  constexpr uint32_t kLong = 88200 * 10;  // ten seconds of sound
  constexpr uint32_t kShort = 8820;       // a tenth of a second
  for (int i = 0; i <= DSound::kSlots; ++i) {
    world.AddSound("Sound " + std::to_string(i) + ".wav", "", i == 7 ? kShort : kLong);
  }
  // Forty voices fill the ring: the search never looks at the slot handed out last, and
  // every other slot is playing.
  for (int i = 0; i < DSound::kSlots; ++i) {
    ASSERT_TRUE(world.sound.Play("Sound " + std::to_string(i) + ".wav", 1.0f)) << i;
  }
  EXPECT_FALSE(world.sound.Play("Sound 40.wav", 1.0f));
  world.wallClock.AdvanceMs(200);  // only "Sound 7.wav" has finished
  EXPECT_TRUE(world.sound.Play("Sound 40.wav", 1.2f)) << "the finished voice's slot is reused";
  EXPECT_FALSE(world.sound.Play("Sound 0.wav", 1.2f)) << "and the ring is full again";
  EXPECT_EQ(world.played.size(), 41u);
}

}  // namespace
}  // namespace quenlit
