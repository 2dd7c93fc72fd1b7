// Asset registries: looking a name up never adds it, and a missing name is reported once.
#include <gtest/gtest.h>

#include "app/frame.h"
#include "base/registry.h"
#include "world.h"

namespace quenlit::test {
namespace {

TEST(Registry, AMissingNameIsReportedOnceAndNeverAdded) {
  Registry<int> numbers("number");
  numbers.Put("one", 1);
  ::testing::internal::CaptureStderr();
  EXPECT_EQ(numbers.Find("two"), nullptr);
  EXPECT_EQ(numbers.Find("two"), nullptr);
  EXPECT_EQ(std::as_const(numbers).Find("three"), nullptr);
  const std::string report = ::testing::internal::GetCapturedStderr();
  EXPECT_EQ(report, "quenlit: no number named \"two\"\nquenlit: no number named \"three\"\n");
  EXPECT_EQ(numbers.size(), 1u);
  ASSERT_NE(numbers.Find("one"), nullptr);
  EXPECT_EQ(*numbers.Find("one"), 1);
}

TEST(Registry, AdoptingReplacesEntriesOfTheSameName) {
  Registry<int> numbers("number");
  numbers.Put("one", 1);
  numbers.Put("two", 2);
  Registry<int> loaded("number");
  loaded.Put("two", 20);
  loaded.Put("three", 30);
  numbers.Adopt(std::move(loaded));
  EXPECT_EQ(numbers.at("one"), 1);
  EXPECT_EQ(numbers.at("two"), 20);
  EXPECT_EQ(numbers.at("three"), 30);
}

// A rule that starts, anchors or draws a sequence the game lacks changes nothing and adds
// nothing; the missing names are reported once each.
TEST(Registry, RulesAndDrawingLeaveMissingAssetsMissing) {
  World world;
  world.SetCell(11, 7, 241);  // a yellow door, whose opening sequence was never loaded
  ::testing::internal::CaptureStderr();
  world.game.TryStep(Direction::Up);
  RenderFrame(world.game, 0);
  RenderFrame(world.game, 0);
  const std::string report = ::testing::internal::GetCapturedStderr();
  EXPECT_EQ(world.Cell(11, 7), 0);  // the door opened all the same
  EXPECT_TRUE(world.game.assets.sequences.empty());
  EXPECT_TRUE(world.game.assets.images.empty());
  EXPECT_NE(report.find("quenlit: no sequence named \"opendoor1\"\n"), std::string::npos);
  EXPECT_EQ(report.find("quenlit: no sequence named \"opendoor1\""),
            report.rfind("quenlit: no sequence named \"opendoor1\""));
  EXPECT_NE(report.find("quenlit: no picture named \"backbig\"\n"), std::string::npos);
  EXPECT_EQ(report.find("no picture named \"backbig\""),
            report.rfind("no picture named \"backbig\""));
}

}  // namespace
}  // namespace quenlit::test
