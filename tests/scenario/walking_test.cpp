#include <gtest/gtest.h>

#include "game_folder.h"

namespace quenlit::test {
namespace {

TEST(Walking, StartsOnTheMapAtTheStartCell) {
  GameFolder folder;
  folder.Write();
  const SimRun run = folder.Run("dump\n");
  ASSERT_EQ(run.exitCode, 0) << run.stderrText;
  ASSERT_EQ(run.dumps.size(), 1u);
  const Json& state = run.dumps[0];
  EXPECT_EQ(state["screen"].text, "Map");
  EXPECT_EQ(state["hero"]["floor"].Int(), 1);
  EXPECT_EQ(state["hero"]["row"].Int(), 12);
  EXPECT_EQ(state["hero"]["column"].Int(), 7);
  EXPECT_EQ(state["shopPrice"].Int(), 20);
}

}  // namespace
}  // namespace quenlit::test
