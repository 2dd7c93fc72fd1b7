// F8 cycles the window through the listed sizes, each time moving it to the top left corner.
#include <gtest/gtest.h>

#include "base/key_codes.h"
#include "game/settings/window_sizes.h"
#include "world.h"

namespace quenlit {
namespace {

const std::vector<Size> kSizes = {{735, 580}, {973, 768}, {1242, 980}, {1366, 1078}, {1700, 1331}};

TEST(WindowSize, F8CyclesThroughTheSizesAndWrapsAround) {
  test::World world;
  world.game.settings.displayModes = kSizes;
  world.game.settings.displayModeIndex = 0;
  for (int press = 0; press < 5; ++press) world.Press(vk::kF8);
  const std::vector<std::vector<int>> expected = {{0, 0, 973, 768},
                                                  {0, 0, 1242, 980},
                                                  {0, 0, 1366, 1078},
                                                  {0, 0, 1700, 1331},
                                                  {0, 0, 735, 580}};
  EXPECT_EQ(world.shell.moves, expected);
  EXPECT_EQ(world.game.settings.displayModeIndex, 0);
}

TEST(WindowSize, F8WorksOnEveryScreen) {
  for (const GameScreen screen : {GameScreen::Paused, GameScreen::Manual, GameScreen::Victory}) {
    test::World world;
    world.game.settings.displayModes = kSizes;
    world.game.screen = screen;
    world.Press(vk::kF8);
    ASSERT_EQ(world.shell.moves.size(), 1u) << ScreenName(screen);
    EXPECT_EQ(world.shell.moves[0], (std::vector<int>{0, 0, 973, 768}));
  }
}

// Until loading ends the list of sizes belongs to the loader, which publishes it with
// everything else it loads: F8 leaves the window alone, whether the list is there or not.
TEST(WindowSize, F8WhileLoadingOrWithoutSizesLeavesTheWindowAlone) {
  const struct {
    GameScreen screen;
    std::vector<Size> sizes;
  } cases[] = {{GameScreen::Loading, {}}, {GameScreen::Loading, kSizes}, {GameScreen::Map, {}}};
  for (const auto& [screen, sizes] : cases) {
    test::World world;
    world.game.settings.displayModes = sizes;
    world.game.screen = screen;
    world.Press(vk::kF8);
    EXPECT_TRUE(world.shell.moves.empty()) << ScreenName(screen) << " " << sizes.size();
    EXPECT_EQ(world.game.settings.displayModeIndex, 0);
  }
}

}  // namespace
}  // namespace quenlit

namespace quenlit {
namespace {

// With FitWindow the cycle holds the configured size too and leaves out what the display
// cannot show; the window is centred on the usable area.
struct FittingWorld : test::World {
  FittingWorld(platform::Shell::Area usable, Size configured) {
    game.comfort.fitWindow = true;
    game.settings.displayModes = kSizes;
    game.settings.windowWidth = configured.width;
    game.settings.windowHeight = configured.height;
    shell.usable = usable;
  }
};

TEST(FitWindow, F8SkipsSizesLargerThanTheUsableAreaAndCentresTheWindow) {
  // A 1366 x 768 display with a 28-pixel panel, less a window frame of 1 and 24 pixels.
  FittingWorld world({1, 52, 1364, 715}, {1366, 768});
  for (int press = 0; press < 3; ++press) world.Press(vk::kF8);
  // 1366 x 768 itself does not fit: the cycle wraps from the start to the two that do.
  // 973 x 768 and larger are taller than 715: only 735 x 580 is left, so every press gives
  // it, centred on the usable area.
  const std::vector<int> centred = {1 + (1364 - 735) / 2, 52 + (715 - 580) / 2, 735, 580};
  ASSERT_EQ(world.shell.moves.size(), 3u);
  for (const std::vector<int>& move : world.shell.moves) EXPECT_EQ(move, centred);
}

TEST(FitWindow, TheConfiguredSizeJoinsTheCycleInItsPlace) {
  // 1920 x 1080 with a 40-pixel task bar: 1366 x 1078 no longer fits.
  FittingWorld world({0, 0, 1920, 1040}, {1100, 700});
  for (int press = 0; press < 4; ++press) world.Press(vk::kF8);
  std::vector<std::vector<int>> sizes;
  for (const std::vector<int>& move : world.shell.moves) sizes.push_back({move[2], move[3]});
  const std::vector<std::vector<int>> expected = {{1242, 980}, {735, 580}, {973, 768}, {1100, 700}};
  EXPECT_EQ(sizes, expected);
  for (const std::vector<int>& move : world.shell.moves) {
    EXPECT_LE(move[0] + move[2], 1920);
    EXPECT_LE(move[1] + move[3], 1040);
    EXPECT_EQ(move[0], (1920 - move[2]) / 2);
  }
}

TEST(FitWindow, FittingSizesAndTheirOrder) {
  const Size configured{1366, 768};
  EXPECT_EQ(FittingSizes(kSizes, configured, std::nullopt).size(), 6u);
  // A configured size already listed is not listed twice.
  EXPECT_EQ(FittingSizes(kSizes, {973, 768}, std::nullopt).size(), 5u);
  // A display smaller than every size gets one window of its usable area.
  EXPECT_EQ(FittingSizes(kSizes, configured, platform::Shell::Area{0, 0, 640, 480}),
            (std::vector<Size>{{640, 480}}));
  const std::vector<Size> fit =
      FittingSizes(kSizes, configured, platform::Shell::Area{0, 0, 1366, 768});
  EXPECT_EQ(fit, (std::vector<Size>{{735, 580}, {973, 768}, {1366, 768}}));
  EXPECT_EQ(NextSize(fit, {1366, 768}), (Size{735, 580}));
  EXPECT_EQ(NextSize(fit, {800, 600}), (Size{973, 768}));
}

TEST(FitWindow, WithoutTheOptionF8KeepsItsFiveSizesAtTheCorner) {
  test::World world;
  world.game.settings.displayModes = kSizes;
  world.shell.usable = platform::Shell::Area{0, 0, 1366, 768};
  world.Press(vk::kF8);
  EXPECT_EQ(world.shell.moves.back(), (std::vector<int>{0, 0, 973, 768}));
}

}  // namespace
}  // namespace quenlit
