// The solver of quenlit-tower: it plays by the game's rules, its best line is one the checker
// follows to the same victory, and it weighs the choices a player weighs. The shipped tower is
// searched at the report's own width: it is tight enough that narrower climbs lose its thin
// line.
#include <gtest/gtest.h>

#include <fstream>

#include "checker_world.h"
#include "game/tiles.h"
#include "game_folder.h"
#include "greedy_players.h"
#include "route_plan.h"
#include "route_runner.h"
#include "solver_figures.h"
#include "solver_plan.h"
#include "solver_search.h"
#include "temp_folder.h"
#include "trap_census.h"

namespace quenlit::tower {
namespace {

// The width of the report: narrower climbs lose the shipped tower's one thin line.
constexpr int kShipped = 250;
// Wide enough that both states after the first door keep a place: a set of keys in hand takes
// at most a quarter of a beam.
constexpr int kSmall = 8;

// The best line as a plan, followed by the checker on a fresh game.
RouteResult FollowAsPlan(const std::string& gameFolder, const TowerModel& model,
                         const SolverLine& line) {
  test::TempFolder scratch;
  const std::string path = scratch.Path().string() + "/line.txt";
  std::ofstream(path, std::ios::binary) << PlanText(model, line, "solver line");
  std::string error;
  const auto steps = ReadPlan(path, error);
  EXPECT_TRUE(steps) << error;
  CheckerWorld fresh;
  EXPECT_TRUE(fresh.Load(gameFolder, error)) << error;
  return RunRoute(fresh.game(), steps.value_or(std::vector<PlanStep>{}));
}

// The shipped game folder loaded as the checker loads it, and the solver's model of it.
class SolvedShippedTower : public testing::Test {
 protected:
  void SetUp() override {
    std::string error;
    ASSERT_TRUE(world.Load(QUENLIT_GAME_DIR, error)) << error;
    shipped.emplace(world.game());
  }
  CheckerWorld world;
  std::optional<TowerModel> shipped;
};

TEST_F(SolvedShippedTower, BestLineOfTheShippedTowerIsWonByTheCheckerWithTheSameMargin) {
  const TowerModel& model = *shipped;
  std::string error;
  const SearchResult climb = ClimbSearch(model, kShipped);
  ASSERT_TRUE(climb.best);
  // Every move is one the rules allow where the line makes it.
  ASSERT_TRUE(Replay(model, climb.best->actions));
  const RouteResult route = FollowAsPlan(QUENLIT_GAME_DIR, model, *climb.best);
  EXPECT_TRUE(route.won) << route.failure;
  EXPECT_EQ(route.finalHp, climb.best->end.hp);
  // The shipped route is one line among those the solver weighs: it finds no worse.
  std::string planError;
  const auto shipped = ReadPlan(QUENLIT_TOWER_SOURCES "/route.txt", planError);
  ASSERT_TRUE(shipped) << planError;
  CheckerWorld fresh;
  ASSERT_TRUE(fresh.Load(QUENLIT_GAME_DIR, error)) << error;
  EXPECT_GE(climb.best->end.hp, RunRoute(fresh.game(), *shipped).finalHp);
}

// The shipped tower is a puzzle, not a walk: no defence wall against the king, few free fights,
// and health that counts. The bands are those the tower was designed to.
TEST_F(SolvedShippedTower, ShippedTowerIsTightWhereItWasDesignedToBe) {
  const TowerModel& model = *shipped;
  const SearchResult climb = ClimbSearch(model, kShipped);
  ASSERT_TRUE(climb.best);
  const LineFigures figures = Figures(model, *climb.best);
  // All the gold on defence still leaves the king striking through by at least 50.
  const int32_t kingAttack = world.game().world.monsters.at(44).attack;
  EXPECT_LE(DefenceCeiling(model), kingAttack - 50);
  EXPECT_LE(figures.freeFights * 10, int(figures.fights.size()) * 3);  // at most 30 % free
  // The king is the costliest fight of the line.
  for (const LineFight& fight : figures.fights) EXPECT_LE(fight.cost, figures.bossCost);
  // Floor 9 holds at most a tenth of the potions' health, and every floor takes its share.
  const int32_t potions = figures.budget - model.Start().hp;
  EXPECT_LE(PotionHealth(model, 9) * 10, potions);
  for (const FloorFigures& floor : figures.floors)
    EXPECT_GE(floor.hpLost * 25, figures.totalDamage) << "floor " << floor.floor;
  // Without its potions the tower is not won.
  const TowerModel dry(world.game(), RuleVariant{std::nullopt, false, ShopRule::Both});
  EXPECT_FALSE(ClimbSearch(dry, kShipped).best);
  // Greedy play loses, from the start and from floor 4 as the line reaches it: at most one
  // game in twenty.
  for (const GreedyPlayer& player : GreedyPlayers())
    for (const SolverState& from : {model.Start(), figures.floors[3].arrival})
      EXPECT_LE(PlayGreedyGames(model, from, player.rule, 20).wins, 1) << player.name;
}

TEST_F(SolvedShippedTower, LearnsTheGiftsAndTheShopFromTheGame) {
  const TowerModel& model = *shipped;
  EXPECT_EQ(model.shop().opening, 20);
  EXPECT_EQ(model.shop().attack, 3);
  EXPECT_EQ(model.shop().defence, 4);
  // The fairy of floor 2 and the freed thief of floor 3 give; the others only speak.
  const int fairy = model.ObjectAt(2, {3, 2}), thief = model.ObjectAt(3, {13, 0});
  ASSERT_GE(fairy, 0);
  ASSERT_GE(thief, 0);
  EXPECT_LT(model.ObjectAt(1, {6, 1}), 0);
  SolverState state = model.Start();
  model.Apply(state, {SolverAction::Kind::Take, static_cast<int16_t>(fairy), {4, 2}});
  model.Apply(state, {SolverAction::Kind::Take, static_cast<int16_t>(thief), {13, 1}});
  EXPECT_EQ(state.attack, 30);
  EXPECT_EQ(state.defence, 20);
  EXPECT_EQ(state.keys, (std::array<int32_t, 3>{3, 4, 2}));
  // Asking leaves the game as it was.
  EXPECT_EQ(world.game().world.floors[2].At(3, 2), tile::kFairy);
  EXPECT_EQ(world.game().hero.attack, 10);
}

// A small tower: stairs straight up from floor 1 to the king on floor 9. On floor 1 the hero's
// one yellow key opens either a room with a red potion or a room with an iron sword; the king
// costs less than the potion gives once the sword is taken.
class SmallTower : public ::testing::Test {
 protected:
  void SetUp() override {
    for (int floor = 1; floor <= 20; ++floor)
      for (int cell = 0; cell < 196; ++cell) tower.SetCell(floor, cell / 14, cell % 14, 255);
    // Floor 1: a corridor on row 12 from (12, 3) to (12, 11), a door at each end.
    for (int column = 4; column <= 10; ++column) tower.SetCell(1, 12, column, 0);
    tower.SetCell(1, 12, 3, tile::kYellowDoor);
    tower.SetCell(1, 12, 2, 230);  // red potion
    tower.SetCell(1, 12, 11, tile::kYellowDoor);
    tower.SetCell(1, 12, 12, 209);  // iron sword
    // Floor f goes up from (11, 7) when odd, (10, 7) when even, and is reached on the cell the
    // floor below goes up from.
    const auto up = [](int floor) { return floor % 2 == 1 ? 11 : 10; };
    tower.SetCell(1, up(1), 7, tile::kStairsUp);
    for (int floor = 2; floor <= 9; ++floor) {
      tower.SetCell(floor, up(floor - 1), 7, tile::kStairsDown);
      if (floor < 9) tower.SetCell(floor, up(floor), 7, tile::kStairsUp);
    }
    for (int row = 6; row <= 9; ++row) tower.SetCell(9, row, 7, 0);
    tower.SetCell(9, 5, 7, 44);
    tower.SetMonster(44, "Name=魔王\nHP=100\nAttack=60\nDefend=5\nCombo=1");
    tower.Write();
    std::string error;
    ASSERT_TRUE(world.Load(tower.Path(), error)) << error;
  }
  test::GameFolder tower;
  CheckerWorld world;
};

TEST_F(SmallTower, OpensTheDoorThatSavesMoreThanThePotionGives) {
  const TowerModel model(world.game());
  for (const SearchResult& result :
       {BeamSearch(model, StartLine(model), kSmall), ClimbSearch(model, kSmall)}) {
    ASSERT_TRUE(result.best);
    // Attack 10 against defence 5: 20 strikes, 19 rounds of 50. With the sword: 7 strikes,
    // 6 rounds of 50. The sword saves 650, the potion gives 150.
    EXPECT_EQ(result.best->end.hp, 1000 - 300);
    const LineFigures figures = Figures(model, *result.best);
    EXPECT_EQ(figures.budget, 1150);
    EXPECT_EQ(figures.bossCost, 300);
    EXPECT_EQ(figures.fights.size(), 1u);
  }
  const RouteResult route = FollowAsPlan(tower.Path(), model, *ClimbSearch(model, kSmall).best);
  EXPECT_TRUE(route.won) << route.failure;
  EXPECT_EQ(route.finalHp, 700);
}

TEST_F(SmallTower, WithoutTheSwordOrTheHealthTheKingIsNotBeaten) {
  struct Case {
    RuleVariant variant;
    int32_t margin;  // -1: no line wins
  };
  const Case cases[] = {
      {{std::nullopt, false, ShopRule::Both}, 700},  // the sword line needs no potion
      {{300, true, ShopRule::Both}, -1},             // 300 health cannot pay the 300 the king costs
      {{301, true, ShopRule::Both}, 1},
  };
  for (const Case& c : cases) {
    const TowerModel model(world.game(), c.variant);
    const SearchResult result = ClimbSearch(model, kSmall);
    EXPECT_EQ(result.best ? result.best->end.hp : -1, c.margin) << c.variant.startHp.value_or(1000);
  }
}

// The line takes the sword and then the king. From 800 health the potion's door instead leaves
// the hero 950 before a king who costs 950: no win is left, and the floor shows why (two
// yellow doors, one key). From 1000 it leaves 200 after the king, and the king at once 50.
TEST_F(SmallTower, TheTrapCensusFindsTheDoorThatLeavesNoWin) {
  struct Case {
    int32_t startHp;
    int alternatives;
    size_t traps;
  };
  for (const Case c : {Case{800, 1, 1}, Case{1000, 2, 0}}) {
    const TowerModel model(world.game(), {c.startHp, true, ShopRule::Both});
    const SearchResult climb = ClimbSearch(model, kSmall);
    ASSERT_TRUE(climb.best);
    const TrapCensus census = CountTraps(model, *climb.best, kSmall);
    EXPECT_EQ(census.decisions, 2) << c.startHp;
    EXPECT_EQ(census.alternatives, c.alternatives) << c.startHp;
    ASSERT_EQ(census.traps.size(), c.traps) << c.startHp;
    if (c.traps == 0) continue;
    EXPECT_EQ(census.traps[0].decision, 1);
    EXPECT_EQ(model.objects()[census.traps[0].object].cell, (Cell{12, 3}));
    EXPECT_EQ(census.traps[0].warning, "2 yellow doors on floor 1 for 1 key");
  }
}

// From 800 health the king (950 without the sword) is no fight the manual allows: every greedy
// player opens a door first, and the two are as near. With the sword he wins with 500; with the
// potion he stands at 950 before a king who would cost it all, and his game ends there.
TEST_F(SmallTower, AGreedyPlayerFromLowHealthWinsWhenHisSeedPicksTheSword) {
  const TowerModel model(world.game(), {800, true, ShopRule::Both});
  constexpr int kGames = 20;
  for (const GreedyPlayer& player : GreedyPlayers()) {
    int wins = 0;
    for (uint32_t seed = 1; seed <= kGames; ++seed) {
      const GreedyGame game = PlayGreedily(model, model.Start(), player.rule, seed);
      EXPECT_EQ(game.end.hp, game.won ? 500 : 950) << player.name << ", seed " << seed;
      wins += game.won ? 1 : 0;
    }
    EXPECT_GT(wins, 0) << player.name;
    EXPECT_LT(wins, kGames) << player.name;
    const GreedyRecord record = PlayGreedyGames(model, model.Start(), player.rule, kGames);
    EXPECT_EQ(record.wins, wins) << player.name;
    EXPECT_EQ(record.highestFloor, 9) << player.name;
  }
}

// From 1000 health the king's 950 is allowed at once: who fights first beats him with 50 left;
// who opens the nearest door first takes the sword (700 left) or the potion (200 left).
TEST_F(SmallTower, GreedyRulesDifferInWhatTheyDoFirst) {
  const TowerModel model(world.game());
  for (uint32_t seed = 1; seed <= 10; ++seed) {
    const GreedyGame fighter = PlayGreedily(model, model.Start(), GreedyRule::CheapestFight, seed);
    EXPECT_TRUE(fighter.won);
    EXPECT_EQ(fighter.end.hp, 50);
    const GreedyGame opener = PlayGreedily(model, model.Start(), GreedyRule::NearestDoor, seed);
    EXPECT_TRUE(opener.won);
    EXPECT_TRUE(opener.end.hp == 700 || opener.end.hp == 200) << opener.end.hp;
  }
}

}  // namespace
}  // namespace quenlit::tower
