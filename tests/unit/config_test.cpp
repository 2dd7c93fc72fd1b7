// The video settings from "./config.ini": every key, its default and its section.
#include "app/settings/config.h"
#include "app/frame.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "temp_folder.h"
#include "world.h"

namespace quenlit {
namespace {

struct Settings {
  int width, height, fullScreen, hardwareAcceleration, verticalSync, performancePrior, fps;
  bool operator==(const Settings&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Settings& s) {
  return out << s.width << "x" << s.height << " full " << s.fullScreen << " hw "
             << s.hardwareAcceleration << " vsync " << s.verticalSync << " prior "
             << s.performancePrior << " fps " << s.fps;
}

constexpr Settings kDefaults{1366, 768, 0, 1, 1, 1, 3};

struct ConfigCase {
  const char* name;
  const char* file;
  Settings expected;
};
// Names the case in test listings.
void PrintTo(const ConfigCase& c, std::ostream* out) {
  *out << c.name;
}

class ConfigFiles : public testing::TestWithParam<ConfigCase> {};

TEST_P(ConfigFiles, ReadAsTheGameReadsThem) {
  test::WorkingFolder folder;
  folder.Write("config.ini", GetParam().file);
  test::World world;
  ASSERT_TRUE(ReadConfig(world.game));
  const Game& g = world.game;
  EXPECT_EQ((Settings{g.settings.windowWidth, g.settings.windowHeight, g.settings.fullScreen,
                      g.settings.hardwareAcceleration, g.settings.verticalSync,
                      g.settings.performancePrior, g.settings.fps}),
            GetParam().expected);
  EXPECT_TRUE(world.shell.messages.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Config, ConfigFiles,
    testing::Values(
        ConfigCase{"EmptyFileTakesEveryDefault", "", kDefaults},
        ConfigCase{"EveryKeySet",
                   "[Resolution14]\nWidth=973\nHeight=768\n[Resolution]\nFullScreen=1\n"
                   "[Video]\nHardWareAcceleration=0\nVerticalSync=0\nPerformancePrior=0\nFps=7\n",
                   {973, 768, 1, 0, 0, 0, 7}},
        ConfigCase{
            "FullScreenFiveCountsAsOn", "[Resolution]\nFullScreen=5\n", {1366, 768, 1, 1, 1, 1, 3}},
        ConfigCase{"FullScreenZeroIsOff", "[Resolution]\nFullScreen=0\n", kDefaults},
        ConfigCase{"FlagsAreOneWhateverTheirValue",
                   "[Video]\nHardWareAcceleration=9\nVerticalSync=-2\nPerformancePrior=3\n",
                   kDefaults},
        ConfigCase{"FpsZeroIsKept", "[Video]\nFps=0\n", {1366, 768, 0, 1, 1, 1, 0}},
        // The size lives in "Resolution14"; under "Resolution" it is not the window's size.
        ConfigCase{"SizeInTheWrongSectionIsIgnored", "[Resolution]\nWidth=800\nHeight=600\n",
                   kDefaults},
        ConfigCase{"FlagInTheWrongSectionIsIgnored", "[Video]\nFullScreen=1\n", kDefaults},
        // A window of no size cannot be played in.
        ConfigCase{"SizesOfZeroOrLessTakeTheDefaults", "[Resolution14]\nWidth=0\nHeight=-5\n",
                   kDefaults},
        ConfigCase{"OneSizeOfZeroKeepsTheOther",
                   "[Resolution14]\nWidth=800\nHeight=0\n",
                   {800, 768, 0, 1, 1, 1, 3}}),
    [](const testing::TestParamInfo<ConfigCase>& info) { return info.param.name; });

TEST(Config, SceneScaleIsOneUnlessFitIsAskedFor) {
  struct Case {
    const char* file;
    bool fit;
    const char* warning;  // on stderr, or "" for none
  };
  const Case cases[] = {
      {"", false, ""},
      {"[Display]\nScale=1\n", false, ""},
      {"[Display]\nScale=fit\n", true, ""},
      {"[Video]\nScale=fit\n", false, ""},  // another section's key
      {"[Display]\nScale=2\n", false, "[Display] Scale=2 is neither 1 nor fit; using 1"},
  };
  for (const Case& c : cases) {
    test::WorkingFolder folder;
    folder.Write("config.ini", c.file);
    test::World world;
    testing::internal::CaptureStderr();
    ReadConfig(world.game);
    const std::string warned = testing::internal::GetCapturedStderr();
    EXPECT_EQ(world.game.settings.fitScene, c.fit) << c.file;
    if (*c.warning == '\0') {
      EXPECT_EQ(warned, "") << c.file;
    } else {
      EXPECT_NE(warned.find(c.warning), std::string::npos) << warned;
    }
  }
}

TEST(Config, MissingFileEndsTheGameWithItsMessage) {
  test::WorkingFolder folder;
  test::World world;
  try {
    ReadConfig(world.game);
    FAIL() << "the game went on without its configuration";
  } catch (const test::RecordingShell::ExitCalled& exit) {
    EXPECT_EQ(exit.code, 1);
  }
  ASSERT_EQ(world.shell.messages.size(), 1u);
  EXPECT_EQ(world.shell.messages[0].first, "ERROR");
  EXPECT_EQ(world.shell.messages[0].second, "找不到配置文件");
}

TEST(Config, ANonPositiveSizeIsNamedOnStderr) {
  test::WorkingFolder folder;
  folder.Write("config.ini", "[Resolution14]\nWidth=-3\n");
  test::World world;
  testing::internal::CaptureStderr();
  ReadConfig(world.game);
  EXPECT_EQ(testing::internal::GetCapturedStderr(),
            "config.ini: [Resolution14] Width=-3 is not a size; using 1366\n");
}

// A folder, or a link to a device that never ends, in the configuration's place: the game
// starts with the defaults and says why, rather than reading for ever.
TEST(Config, AConfigurationThatIsNotARegularFileGivesTheDefaults) {
  for (const bool device : {false, true}) {
    test::WorkingFolder folder;
    if (device) {
#ifdef _WIN32
      continue;  // Windows has no device that can be named in a folder, as /dev/zero is
#endif
      std::filesystem::create_symlink("/dev/zero", "config.ini");
    } else {
      std::filesystem::create_directory("config.ini");
    }
    test::World world;
    world.game.settings.windowWidth = 5;
    testing::internal::CaptureStderr();
    ASSERT_TRUE(ReadConfig(world.game));
    EXPECT_EQ(testing::internal::GetCapturedStderr(),
              "quenlit: config.ini: not a regular file (a folder or a device); the default "
              "settings apply\n");
    EXPECT_EQ(world.game.settings.windowWidth, 1366) << device;
    EXPECT_TRUE(world.shell.messages.empty());
  }
}

TEST(Config, FpsZeroStopsTheSpriteAnimation) {
  test::World world;
  world.game.settings.fps = 0;
  const bool phase = world.game.frameClock.spritePhase;
  for (float now = 1.0f; now < 30.0f; now += 0.5f) RenderFrame(world.game, now);
  EXPECT_EQ(world.game.frameClock.spritePhase, phase);
  EXPECT_GT(world.game.loading.framesDrawn, 50u) << "frames were drawn all along";
}

}  // namespace
}  // namespace quenlit
