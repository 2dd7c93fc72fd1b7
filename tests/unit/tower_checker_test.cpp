// The checker: following a route plan through the game's rules, and surveying the floors.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "floor_survey.h"
#include "game/tiles.h"
#include "route_runner.h"
#include "world.h"

namespace quenlit::tower {
namespace {

using Kind = PlanStep::Kind;

PlanStep Step(Kind kind, int a = 0, int b = 0) {
  PlanStep step;
  step.kind = kind;
  step.a = a;
  step.b = b;
  step.where = {"", "plan.txt", 7};
  return step;
}

Monster Kind1(int hp, int attack, int defend, int combo = 1) {
  Monster m;
  m.name = "史莱姆";
  m.hp = hp;
  m.attack = attack;
  m.defend = defend;
  m.combo = combo;
  m.gold = 5;
  return m;
}

bool Contains(const std::vector<std::string>& lines, const std::string& line) {
  return std::find(lines.begin(), lines.end(), line) != lines.end();
}

// The hero starts at (12, 7) of floor 1 in an empty tower.
class RouteTest : public ::testing::Test {
 protected:
  RouteResult Run(const std::vector<PlanStep>& plan) { return RunRoute(world.game, plan); }
  test::World world;
};

TEST_F(RouteTest, OpensADoorWithItsKeyAndNamesTheMissingKey) {
  world.SetCell(11, 7, tile::kBlueDoor);
  world.hero.Items(tile::kBlueKey) = 0;
  RouteResult route = Run({Step(Kind::To, 11, 7)});
  EXPECT_FALSE(route.won);
  EXPECT_EQ(route.failure, "plan.txt:7: floor 1: no blue key for the door at (11, 7)");

  world.hero.Items(tile::kBlueKey) = 1;
  route = Run({Step(Kind::To, 11, 7), Step(Kind::To, 10, 7)});
  EXPECT_EQ(route.failure, "the plan ends before the boss is beaten");
  EXPECT_EQ(world.Cell(11, 7), tile::kFloor);
  EXPECT_EQ(world.hero.Position(), (Cell{10, 7}));
  EXPECT_EQ(route.script, (std::vector<std::string>{"key Up", "key Up", "key Up"}));
}

TEST_F(RouteTest, SettlesBattlesAtTheEstimateAndPaysTheReward) {
  world.game.world.monsters[1] = Kind1(100, 30, 0);  // 10 strikes, 9 rounds of 20
  world.SetCell(12, 5, 1);
  const RouteResult route = Run({Step(Kind::To, 12, 5)});
  ASSERT_EQ(route.visits.size(), 1u);
  ASSERT_EQ(route.visits[0].fights.size(), 1u);
  const Fight& fight = route.visits[0].fights[0];
  EXPECT_EQ(fight.estimate, 180);
  EXPECT_EQ(fight.hpBefore, 1000);
  EXPECT_EQ(fight.cell, (Cell{12, 5}));
  EXPECT_EQ(world.hero.hp, 820);
  EXPECT_EQ(world.hero.Items(tile::kGold), 5);
  EXPECT_EQ(world.Cell(12, 5), tile::kFloor);
  EXPECT_EQ(route.visits[0].monstersOnArrival[0].estimate, 180);
  // Ten strikes with a round of 0.7 s at most, twice over, and ten seconds to spare.
  EXPECT_EQ(route.script,
            (std::vector<std::string>{"key Left", "key Left", "until BattleWon 24", "key Enter"}));
}

TEST_F(RouteTest, StopsAtAFightTheHeroCannotWin) {
  struct Case {
    Monster monster;
    int hp;
    const char* failure;
  };
  const std::string where = "plan.txt:7: floor 1: 史莱姆 at (11, 7) ";
  const Case cases[] = {
      {Kind1(100, 1010, 0), 1000, "costs 9000 health, the hero has 1000"},
      {Kind1(100, 30, 10), 1000, "cannot be hurt: attack 10 against defence 10"},
      // Nine rounds of 111 take all his 999: a hero left at 0 has lost too.
      {Kind1(100, 121, 0), 999, "costs 999 health, the hero has 999"},
  };
  for (const Case& c : cases) {
    test::World fresh;
    fresh.game.world.monsters[1] = c.monster;
    fresh.SetCell(11, 7, 1);
    fresh.hero.hp = c.hp;
    const RouteResult route = RunRoute(fresh.game, {Step(Kind::To, 11, 7)});
    EXPECT_EQ(route.failure, where + c.failure);
    EXPECT_FALSE(route.won);
    EXPECT_EQ(fresh.hero.hp, c.hp);
  }
}

TEST_F(RouteTest, ClimbsStairsAndHoldsThePlanToItsFloors) {
  world.SetCell(12, 9, tile::kStairsUp);
  RouteResult route = Run({Step(Kind::Up), Step(Kind::Floor, 2), Step(Kind::To, 12, 8)});
  EXPECT_EQ(world.hero.floor, 2);
  EXPECT_EQ(world.hero.Position(), (Cell{12, 8}));
  EXPECT_TRUE(Contains(route.script, "until Map"));
  EXPECT_TRUE(Contains(route.script, "# floor 2"));
  ASSERT_EQ(route.visits.size(), 2u);
  EXPECT_EQ(route.visits[1].floor, 2);

  route = Run({Step(Kind::Floor, 3)});
  EXPECT_EQ(route.failure, "plan.txt:7: the plan expects floor 3 here, the hero is on 2");
  route = Run({Step(Kind::Up)});
  EXPECT_EQ(route.failure, "plan.txt:7: floor 2: no stairs up within reach");
}

TEST_F(RouteTest, BuysAtTheRisingPriceWhileTheGoldLasts) {
  world.hero.Items(tile::kGold) = 45;
  const RouteResult route = Run({Step(Kind::BuyAttack, 2), Step(Kind::BuyDefence, 1)});
  EXPECT_EQ(world.hero.attack, 16);
  EXPECT_EQ(world.hero.defence, 10);
  EXPECT_EQ(world.hero.Items(tile::kGold), 4);
  EXPECT_EQ(route.failure, "plan.txt:7: purchase 1 of 1 costs 22 gold, the hero has 4");
  EXPECT_EQ(route.script, (std::vector<std::string>{"key G", "key Enter", "key G", "key Enter",
                                                    "key F", "key Enter"}));
}

TEST_F(RouteTest, TalksAndTakesTheGift) {
  world.hero.SetFloor(2);
  world.hero.SetPosition(4, 2);
  world.SetCell(3, 2, tile::kFairy);
  const RouteResult route = Run({Step(Kind::To, 3, 2)});
  EXPECT_EQ(world.hero.attack, 30);
  EXPECT_EQ(world.hero.defence, 20);
  EXPECT_EQ(route.script, (std::vector<std::string>{"key Up", "key Enter", "key Enter"}));
  // A character with nothing to say is a step that does nothing.
  world.SetCell(5, 2, tile::kMerchant);
  world.game.screen = GameScreen::Map;
  EXPECT_EQ(Run({Step(Kind::To, 5, 2)}).failure,
            "plan.txt:7: floor 2: nothing happens at (5, 2) (tile 71)");
}

TEST_F(RouteTest, WinsWhenTheBossFalls) {
  world.game.world.monsters[1] = Kind1(50, 40, 0);
  world.hero.SetFloor(9);
  world.hero.SetPosition(7, 7);
  world.SetCell(5, 7, 1);
  world.SetCell(4, 7, 1);
  const RouteResult route = Run({Step(Kind::To, 5, 7), Step(Kind::To, 4, 7)});
  EXPECT_TRUE(route.won);
  EXPECT_EQ(route.failure, "");
  EXPECT_EQ(route.finalHp, 1000 - 4 * 30);
  ASSERT_TRUE(route.lastFight);
  EXPECT_EQ(route.lastFight->cell, (Cell{5, 7}));
  EXPECT_EQ(route.script.back(), "until Victory 1");
  EXPECT_EQ(world.Cell(4, 7), 1);  // the steps after the victory are not taken
}

TEST_F(RouteTest, CannotReachAWalledCell) {
  for (Cell wall : {Cell{4, 4}, Cell{4, 6}, Cell{3, 5}, Cell{5, 5}})
    world.SetCell(wall.row, wall.column, tile::kWall);
  EXPECT_EQ(Run({Step(Kind::To, 4, 5)}).failure, "plan.txt:7: floor 1: cannot reach (4, 5)");
}

bool HasProblem(const TowerSurvey& survey, const std::string& text) {
  return std::any_of(survey.problems.begin(), survey.problems.end(),
                     [&](const std::string& p) { return p.find(text) != std::string::npos; });
}

TEST(FloorSurvey, FindsTheRulesATowerBreaks) {
  test::World world;
  auto& floors = world.game.world.floors;
  floors[1].At(12, 7) = tile::kWall;
  floors[1].At(3, 3) = tile::kStairsDown;
  floors[3].At(4, 6) = tile::kStairsUp;
  floors[4].At(4, 6) = tile::kWall;
  floors[9].At(0, 0) = tile::kStairsUp;
  floors[5].At(2, 2) = tile::kMerchant;
  const TowerSurvey survey = SurveyTower(world.game);
  const char* expected[] = {
      "the hero starts on floor 1 (12, 7), which is not plain floor",
      "no boss stands at floor 9 (5, 7)",
      "the upper tower must stay sealed off, yet stairs up stand at floor 9 (0, 0)",
      "stairs at floor 1 (3, 3) lead out of the tower",
      "stairs at floor 3 (4, 6) arrive on floor 4 (4, 6), which holds tile 255",
      "the character at floor 5 (2, 2) says nothing",
      "no character stands at floor 1 (6, 1) to say its words",
      "no character stands at floor 3 (13, 0) to say its words",
  };
  for (const char* problem : expected) EXPECT_TRUE(HasProblem(survey, problem)) << problem;
  EXPECT_FALSE(HasProblem(survey, "floor 4 (1, 1)"));
  // The survey asks who speaks without changing the tower or moving the hero.
  EXPECT_EQ(world.game.world.floors[5].At(2, 2), tile::kMerchant);
  EXPECT_EQ(world.game.world.floors[1].At(6, 1), tile::kFloor);
  EXPECT_EQ(world.hero.floor, 1);
  EXPECT_EQ(world.game.screen, GameScreen::Map);
}

TEST(FloorSurvey, CountsKeysAndDoorsAndWhatTheEntriesReach) {
  test::World world;
  Floor& floor = world.game.world.floors[2];
  floor.cells.fill(tile::kWall);
  // From the stairs down at (1, 1): a key, a door, a monster, then a sealed room.
  const uint8_t row[] = {tile::kStairsDown, tile::kYellowKey, tile::kYellowDoor, 1, tile::kFloor};
  for (int c = 0; c < 5; ++c) floor.At(1, 1 + c) = row[c];
  floor.At(5, 5) = tile::kRedDoor;
  floor.At(5, 6) = tile::kBlueKey;
  world.game.world.floors[1].At(1, 1) = tile::kStairsUp;
  const TowerSurvey survey = SurveyTower(world.game);
  const FloorSurvey& second = survey.floors[1];
  EXPECT_EQ(second.entries, std::vector<Cell>{(Cell{1, 1})});
  EXPECT_EQ(second.keys, (std::array<int, 3>{1, 1, 0}));
  EXPECT_EQ(second.doors, (std::array<int, 3>{1, 0, 1}));
  EXPECT_EQ(second.openCells, 7);
  EXPECT_EQ(second.unreached, (std::vector<Cell>{{5, 5}, {5, 6}}));
  EXPECT_EQ(second.downStairs, std::vector<Cell>{(Cell{1, 1})});
}

}  // namespace
}  // namespace quenlit::tower
