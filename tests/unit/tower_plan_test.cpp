// Route plans and the paths the checker walks.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "game/tiles.h"
#include "game_folder.h"
#include "pathing.h"
#include "route_plan.h"

namespace quenlit::tower {
namespace {

using Kind = PlanStep::Kind;

std::vector<Kind> Kinds(const std::vector<PlanStep>& steps) {
  std::vector<Kind> kinds;
  for (const PlanStep& step : steps) kinds.push_back(step.kind);
  return kinds;
}

TEST(RoutePlan, ReadsEveryStep) {
  test::GameFolder folder;
  folder.WriteFile("plan.txt",
                   "; a comment\nfloor 3\n\nto 12 0   ; a key\nup\ndown\nbuy attack\n"
                   "buy defence 4\nmark here\n");
  std::string error;
  const auto plan = ReadPlan(folder.Path() + "/plan.txt", error);
  ASSERT_TRUE(plan) << error;
  EXPECT_EQ(Kinds(*plan), (std::vector<Kind>{Kind::Floor, Kind::To, Kind::Up, Kind::Down,
                                             Kind::BuyAttack, Kind::BuyDefence, Kind::Mark}));
  EXPECT_EQ((*plan)[0].a, 3);
  EXPECT_EQ((*plan)[1].a, 12);
  EXPECT_EQ((*plan)[1].b, 0);
  EXPECT_EQ((*plan)[1].where.number, 4);
  EXPECT_EQ((*plan)[4].a, 1);
  EXPECT_EQ((*plan)[5].a, 4);
  EXPECT_EQ((*plan)[6].mark, "here");
}

TEST(RoutePlan, FollowsAnotherPlanBetweenItsMarks) {
  test::GameFolder folder;
  folder.WriteFile("base.txt", "to 1 1\nmark a\nto 2 2\nto 3 3\nmark b\nto 4 4\n");
  folder.WriteFile("sub/variant.txt",
                   "follow ../base.txt to a\nup\nfollow ../base.txt from a to b\n"
                   "follow ../base.txt from b\n");
  std::string error;
  const auto plan = ReadPlan(folder.Path() + "/sub/variant.txt", error);
  ASSERT_TRUE(plan) << error;
  std::vector<int> rows;
  for (const PlanStep& step : *plan)
    rows.push_back(step.kind == Kind::To ? step.a : step.kind == Kind::Up ? -1 : -2);
  EXPECT_EQ(rows, (std::vector<int>{1, -1, 2, 3, 4}));  // marks themselves are left out
  // Each step remembers the file it was written in.
  EXPECT_NE((*plan)[0].where.file.find("base.txt"), std::string::npos);
}

TEST(RoutePlan, RefusesWhatItCannotFollow) {
  struct Case {
    const char* text;
    const char* message;
  };
  const Case cases[] = {
      {"walk 1 2\n", "plan.txt:1: cannot understand \"walk 1 2\""},
      {"to 14 0\n", "plan.txt:1: to ROW COLUMN, each from 0 to 13"},
      {"to 1\n", "plan.txt:1: cannot understand \"to 1\""},
      {"floor 21\n", "plan.txt:1: floor N, with N from 1 to 20"},
      {"buy gold 3\n", "plan.txt:1: cannot understand"},
      {"buy attack 0\n", "plan.txt:1: buy attack|defence [N], with N from 1 to 999"},
      {"up\nfollow missing.txt\n", "missing.txt: cannot be read"},
      {"follow base.txt to b from a\n", "plan.txt:1: follow FILE [from MARK] [to MARK]"},
      {"follow base.txt from b to a\n", "plan.txt:1: the mark a comes before b"},
      {"follow plan.txt\n", "plans follow each other in a circle"},
  };
  for (const Case& c : cases) {
    test::GameFolder folder;
    folder.WriteFile("base.txt", "mark a\nto 2 2\nmark b\n");
    folder.WriteFile("plan.txt", c.text);
    std::string error;
    EXPECT_FALSE(ReadPlan(folder.Path() + "/plan.txt", error)) << c.text;
    EXPECT_NE(error.find(c.message), std::string::npos) << c.text << " -> " << error;
  }
}

TEST(RoutePlan, NamesAMissingMark) {
  test::GameFolder folder;
  folder.WriteFile("base.txt", "mark a\n");
  folder.WriteFile("plan.txt", "to 1 1\nfollow base.txt from nowhere\n");
  std::string error;
  EXPECT_FALSE(ReadPlan(folder.Path() + "/plan.txt", error));
  EXPECT_NE(error.find("plan.txt:2: "), std::string::npos) << error;
  EXPECT_NE(error.find("has no mark nowhere"), std::string::npos) << error;
}

// A floor drawn in rows of symbols: '.' floor, '#' wall, '>' stairs, 'k' a key.
Floor Drawn(const std::vector<std::string>& rows) {
  Floor floor;
  floor.cells.fill(tile::kWall);
  for (size_t r = 0; r < rows.size(); ++r)
    for (size_t c = 0; c < rows[r].size(); ++c)
      floor.At(r, c) = rows[r][c] == '.'   ? tile::kFloor
                       : rows[r][c] == '>' ? tile::kStairsUp
                       : rows[r][c] == 'k' ? tile::kYellowKey
                                           : tile::kWall;
  return floor;
}

TEST(Pathing, WalksTheShortestWayOverPlainFloorAndStepsIntoTheTarget) {
  const Floor floor = Drawn({"....#", ".##.#", "...k#"});
  const auto path = PathTo(floor, {0, 0}, {2, 3});
  ASSERT_TRUE(path);
  EXPECT_EQ(*path, (std::vector<Direction>{Direction::Down, Direction::Down, Direction::Right,
                                           Direction::Right, Direction::Right}));
  EXPECT_EQ(PathTo(floor, {0, 0}, {0, 0}), std::vector<Direction>{});
}

TEST(Pathing, NeverCrossesStairsOrItemsOnTheWay) {
  // The only ways round go through the stairs or the key: neither may be crossed.
  const Floor floor = Drawn({".>.", "#k#", "..."});
  EXPECT_FALSE(PathTo(floor, {0, 0}, {0, 2}));
  EXPECT_FALSE(PathTo(floor, {0, 0}, {2, 1}));
  const auto toStairs = PathTo(floor, {0, 0}, {0, 1});
  ASSERT_TRUE(toStairs);
  EXPECT_EQ(*toStairs, std::vector<Direction>{Direction::Right});
}

TEST(Pathing, StaysInsideTheFloor) {
  Floor open;
  EXPECT_EQ(PathTo(open, {0, 0}, {13, 13})->size(), 26u);
  EXPECT_EQ(Neighbour({0, 0}, Direction::Up), (Cell{-1, 0}));
  EXPECT_EQ(Neighbour({5, 5}, Direction::Right), (Cell{5, 6}));
}

}  // namespace
}  // namespace quenlit::tower
