// The tower the game ships: built from its sources, true to the game's fixed points, and won
// by its route while careless choices lose.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <map>
#include <set>
#include <string>

#include "checker_world.h"
#include "floor_survey.h"
#include "game/tiles.h"
#include "route_plan.h"
#include "route_runner.h"
#include "tower_compiler.h"

namespace quenlit::tower {
namespace {

const std::string kSources = QUENLIT_TOWER_SOURCES;

class ShippedTower : public ::testing::Test {
 protected:
  void SetUp() override {
    std::string error;
    ASSERT_TRUE(world.Load(QUENLIT_GAME_DIR, error)) << error;
  }
  Floor& FloorOf(int n) { return world.game().world.floors[n]; }
  const Monster& KindAt(int floor, int row, int column) {
    return world.game().world.monsters.at(FloorOf(floor).At(row, column));
  }
  RouteResult Follow(const std::string& plan) {
    std::string error;
    const auto steps = ReadPlan(kSources + "/" + plan, error);
    EXPECT_TRUE(steps) << error;
    return RunRoute(world.game(), steps.value_or(std::vector<PlanStep>{}));
  }
  CheckerWorld world;
};

TEST_F(ShippedTower, IsWhatItsSourcesSay) {
  std::string error;
  const auto source = ReadTower(kSources, error);
  ASSERT_TRUE(source) << error;
  for (int n = 1; n <= 20; ++n) EXPECT_EQ(FloorOf(n).cells, source->floors[n - 1].cells) << n;
  for (int n = 1; n <= 44; ++n) {
    const Monster& built = world.game().world.monsters.at(n);
    const Monster& written = source->kinds[n - 1];
    EXPECT_EQ(
        std::tie(built.name, built.image1, built.image2, built.weapon, built.ability),
        std::tie(written.name, written.image1, written.image2, written.weapon, written.ability));
    EXPECT_EQ(
        std::vector<int>({built.hp, built.attack, built.defend, built.swift, built.combo,
                          built.critical, built.criticalRatio, built.exp, built.gold}),
        std::vector<int>({written.hp, written.attack, written.defend, written.swift, written.combo,
                          written.critical, written.criticalRatio, written.exp, written.gold}))
        << n;
  }
}

TEST_F(ShippedTower, KeepsTheGamesFixedPoints) {
  EXPECT_EQ(FloorOf(1).At(12, 7), tile::kFloor);
  EXPECT_EQ(KindAt(9, 5, 7).name, "魔王");
  int captains = 0;
  for (uint8_t code : FloorOf(8).cells)
    if (tile::IsMonster(code) && world.game().world.monsters.at(code).name == "骷髅队长")
      ++captains;
  EXPECT_EQ(captains, 1);
  const TowerSurvey survey = SurveyTower(world.game());
  EXPECT_EQ(survey.problems, std::vector<std::string>{});
}

TEST_F(ShippedTower, PutsACharacterOfTheRightKindWhereTheWordsAre) {
  struct Speaker {
    int floor, row, column;
    uint8_t kind;
  };
  // Merchants where a merchant speaks, old men for the old men and the senior student, the
  // thieves and the fairies where their words fit: the jailed thief with the keys, the fairy
  // with the gift, the joking fairy on floor 1.
  const Speaker speakers[] = {
      {1, 6, 1, tile::kOldMan},    {1, 12, 9, tile::kMerchant},  {1, 0, 7, tile::kFairy},
      {1, 9, 2, tile::kOldMan},    {1, 9, 5, tile::kMerchant},   {1, 9, 7, tile::kThief},
      {2, 12, 6, tile::kThief},    {2, 12, 12, tile::kMerchant}, {2, 3, 2, tile::kFairy},
      {3, 10, 2, tile::kMerchant}, {3, 12, 12, tile::kOldMan},   {3, 5, 12, tile::kMerchant},
      {3, 13, 0, tile::kThief},    {4, 12, 1, tile::kMerchant},  {4, 12, 12, tile::kOldMan},
      {5, 4, 1, tile::kMerchant},  {5, 4, 6, tile::kOldMan},     {6, 12, 5, tile::kOldMan},
      {6, 11, 9, tile::kMerchant}, {8, 1, 1, tile::kOldMan},
  };
  for (const Speaker& s : speakers)
    EXPECT_EQ(FloorOf(s.floor).At(s.row, s.column), s.kind)
        << "floor " << s.floor << " (" << s.row << ", " << s.column << ")";
  // The thief who thanks the hero for his freedom sits behind the jail gate.
  EXPECT_EQ(FloorOf(3).At(13, 1), tile::kJail);
  EXPECT_EQ(FloorOf(3).At(12, 0), tile::kWall);
}

TEST_F(ShippedTower, MeetsStrongerMonstersFloorByFloor) {
  double previous = 0;
  for (int n = 1; n <= 9; ++n) {
    std::set<uint8_t> kinds;
    for (uint8_t code : FloorOf(n).cells)
      if (tile::IsMonster(code)) kinds.insert(code);
    ASSERT_FALSE(kinds.empty()) << n;
    double strength = 0;
    for (uint8_t kind : kinds) strength += world.game().world.monsters.at(kind).attack;
    strength /= kinds.size();
    EXPECT_GT(strength, previous) << "floor " << n;
    previous = strength;
  }
}

TEST_F(ShippedTower, HasMagesDodgersCombosAndCriticalStrikes) {
  std::map<std::string, int> count;
  for (const auto& [id, m] : world.game().world.monsters) {
    if (m.ability == kMageAbility) ++count["mage"];
    if (m.swift > 0) ++count["dodge"];
    if (m.combo > 1) ++count["combo"];
    if (m.critical > 100 && m.criticalRatio > 0) ++count["critical"];
    EXPECT_FALSE(m.name.empty()) << id;
  }
  for (const char* trait : {"mage", "dodge", "combo", "critical"})
    EXPECT_GE(count[trait], 3) << trait;
  EXPECT_EQ(world.game().world.monsters.at(34).name, "美杜莎");  // the slow one
}

TEST_F(ShippedTower, IsWonByItsRoute) {
  const RouteResult route = Follow("route.txt");
  EXPECT_TRUE(route.won) << route.failure;
  ASSERT_TRUE(route.lastFight);
  EXPECT_EQ(route.lastFight->name, "魔王");
  // The route is the solver's best line: a margin that covers the dice of a real game, no more.
  EXPECT_GT(route.finalHp, 0);
  EXPECT_LT(route.finalHp, 500);
}

TEST_F(ShippedTower, IsAlsoWonAnotherWay) {
  const RouteResult route = Follow("other_ways/south_east_vampire.txt");
  EXPECT_TRUE(route.won) << route.failure;
  // The vampire in the south-east of floor 7 is a fight the route does without.
  bool vampireFought = false;
  for (const FloorVisit& visit : route.visits)
    for (const Fight& fight : visit.fights)
      vampireFought = vampireFought || (fight.floor == 7 && fight.cell == Cell{10, 4});
  EXPECT_TRUE(vampireFought);
}

TEST_F(ShippedTower, RouteScriptIsWhatThePlanSays) {
  const RouteResult route = Follow("route.txt");
  std::ifstream in(kSources + "/route.sim", std::ios::binary);
  const std::string written((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
  EXPECT_EQ(written, ScriptText(route))
      << "regenerate tower/route.sim with quenlit-tower check --sim";
}

TEST_F(ShippedTower, LosesToCarelessChoices) {
  struct Case {
    const char* plan;
    const char* failure;
  };
  const Case cases[] = {
      {"careless/wrong_key.txt", "floor 2: no yellow key for the door at (5, 9)"},
      {"careless/red_trap.txt", "floor 7: no red key for the door at (7, 9)"},
      {"careless/early_fight.txt", "floor 8: 黑暗骑士 at (9, 12) costs"},
  };
  for (const Case& c : cases) {
    CheckerWorld fresh;
    std::string error;
    ASSERT_TRUE(fresh.Load(QUENLIT_GAME_DIR, error)) << error;
    const auto steps = ReadPlan(kSources + "/" + c.plan, error);
    ASSERT_TRUE(steps) << error;
    const RouteResult route = RunRoute(fresh.game(), *steps);
    EXPECT_FALSE(route.won) << c.plan;
    EXPECT_NE(route.failure.find(c.failure), std::string::npos) << c.plan << ": " << route.failure;
  }
}

}  // namespace
}  // namespace quenlit::tower
