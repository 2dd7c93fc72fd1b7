// The game clock: its whole part counts the changes of the wall-clock second that were seen,
// its fraction is the current millisecond.
#include <gtest/gtest.h>

#include "app/frame.h"
#include "world.h"

namespace quenlit {
namespace {

struct ClockCase {
  const char* name;
  std::vector<int64_t> readingsMs;  // wall-clock time of each reading, from 12:00:00.000
  float expected;                   // the clock after the last reading
};
// Names the case in test listings.
void PrintTo(const ClockCase& c, std::ostream* out) {
  *out << c.name;
}

class ClockReadings : public testing::TestWithParam<ClockCase> {};

TEST_P(ClockReadings, GiveTheExpectedClock) {
  test::World world;
  int64_t now = 0;
  float clock = -1;
  for (const int64_t at : GetParam().readingsMs) {
    world.wallClock.AdvanceMs(at - now);
    now = at;
    clock = world.game.UpdateClock();
  }
  EXPECT_FLOAT_EQ(clock, GetParam().expected);
  EXPECT_FLOAT_EQ(world.game.clock, GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Clock, ClockReadings,
    testing::Values(
        // The first reading gives the millisecond fraction: 12:00:05.250 reads 0.25.
        ClockCase{"FirstReading", {5250}, 0.25f},
        ClockCase{"SameSecondOnlyTheFractionMoves", {5250, 5900}, 0.9f},
        ClockCase{"NewSecondAddsExactlyOne", {5900, 6100}, 1.1f},
        // 5.9 s without a reading: one whole second plus the change of the fraction.
        ClockCase{"LongGapCountsAsOneSecond", {5250, 11150}, 1.15f},
        ClockCase{"EverySecondSeenCounts", {0, 1000, 2000, 3500}, 3.5f},
        ClockCase{"MinuteWrapIsANewSecond", {59800, 60200}, 1.2f}),
    [](const testing::TestParamInfo<ClockCase>& info) { return info.param.name; });

TEST(Clock, FrameRunsTheBattleStepOnlyInBattleAndDrawsOnEveryScreen) {
  for (const GameScreen screen : {GameScreen::Map, GameScreen::Battle}) {
    test::World world;
    world.game.screen = screen;
    world.game.battle.starting = true;  // the first battle step clears it
    RunFrame(world.game, 5.0f);
    EXPECT_EQ(world.game.battle.starting, screen != GameScreen::Battle) << ScreenName(screen);
    EXPECT_EQ(world.game.loading.framesDrawn, 1u) << ScreenName(screen);
  }
}

}  // namespace
}  // namespace quenlit
