// F8 cycles the window through the listed sizes, each time moving it to the top left corner.
#include <gtest/gtest.h>

#include "base/key_codes.h"
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
