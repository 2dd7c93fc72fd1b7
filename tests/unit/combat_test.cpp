// The arithmetic of a fight, the manual's estimate, the reward and the end of the game.
#include <gtest/gtest.h>

#include "base/key_codes.h"
#include "game/tiles.h"
#include "world.h"

namespace quenlit::test {
namespace {

Monster Kind(int32_t hp, int32_t attack, int32_t defend, int32_t combo) {
  Monster m;
  m.keyName = "Monster1";
  m.name = "史莱姆";
  m.hp = hp;
  m.attack = attack;
  m.defend = defend;
  m.combo = combo;
  m.exp = 7;
  m.gold = 11;
  return m;
}

TEST(Estimate, CountsTheRoundsTheMonsterGets) {
  struct Case {
    const char* what;
    Monster monster;
    std::string ability;
    int32_t expected;
  };
  // The hero has attack 20 and defence 10 throughout.
  const Case cases[] = {
      {"exact division: 10 strikes, 9 rounds", Kind(100, 15, 10, 1), "", 9 * 5},
      {"a remainder needs one more strike", Kind(101, 15, 10, 1), "", 10 * 5},
      {"two strikes a round", Kind(100, 15, 10, 2), "", 9 * 2 * 5},
      {"combo 0 never strikes", Kind(100, 50, 10, 0), "", 0},
      {"too weak to hurt the hero", Kind(100, 10, 10, 3), "", 0},
      {"a mage ignores defence", Kind(100, 8, 10, 1), "法师", 9 * 8},
      {"the hero cannot hurt it", Kind(100, 50, 20, 1), "", -1},
      {"one strike kills it", Kind(5, 99, 0, 3), "", 0},
  };
  for (const Case& c : cases) {
    World world;
    world.hero.attack = 20;
    world.hero.defence = 10;
    Monster m = c.monster;
    m.ability = c.ability;
    world.game.world.monsters[1] = m;
    EXPECT_EQ(world.game.EstimateDamage(1), c.expected) << c.what;
  }
}

TEST(RollChance, ProbabilitiesAtTheEdges) {
  Random random;
  random.Seed(7);
  int successes = 0;
  for (int i = 0; i < 1000; ++i) {
    EXPECT_FALSE(random.RollChance(0.0f));
    successes += random.RollChance(1.0f) ? 1 : 0;
  }
  EXPECT_GE(successes, 999);  // fails only when the draw is exactly 32767
  Random a, b;
  a.Seed(42);
  b.Seed(42);
  for (int i = 0; i < 100; ++i) EXPECT_EQ(a.Next(), b.Next());
}

class BattleTest : public ::testing::Test {
 protected:
  void SetUp() override {
    game.clock = 10.0f;
    hero.agility = 0;  // no dodges unless a test asks for them
    world.AddSound("Sound 1350.wav");
    world.AddSound("Sound 1375.wav");
    world.AddSound("Sound 1041.wav", "miss");
    world.AddSound("Sound 1088.wav", "sword");
    world.AddSound("Sound 1065.wav", "fist");
    world.AddSound("Sound 907.wav", "fistb");
  }
  // Puts the kind on the cell above the hero and walks into it.
  void Fight(const Monster& kind, int id = 1) {
    game.world.monsters[id] = kind;
    world.SetCell(hero.Row() - 1, hero.Column(), static_cast<uint8_t>(id));
    game.TryStep(Direction::Up);
    ASSERT_EQ(game.screen, GameScreen::Battle);
  }
  // Runs battle steps every millisecond until the screen changes or the time is up.
  void RunFor(float seconds) {
    for (int ms = 0; ms < static_cast<int>(seconds * 1000) && game.screen == GameScreen::Battle;
         ++ms) {
      now += 0.001f;
      game.BattleStep(now);
    }
  }
  World world;
  Game& game = world.game;
  Hero& hero = world.hero;
  float now = 20.0f;
};

TEST_F(BattleTest, BeginBattleCopiesTheKindIntoTheOpponentRecord) {
  Monster m = Kind(35, 20, 1, 2);
  m.swift = 10;
  m.critical = 150;
  m.criticalRatio = 25;
  m.hemophagia = 5;
  m.weapon = "water";
  m.ability = "法师";
  Fight(m, 3);
  EXPECT_EQ(game.battle.opponentId, 3);
  EXPECT_EQ(game.battle.opponent.name, "史莱姆");
  EXPECT_EQ(game.battle.opponent.hp, 35);
  EXPECT_EQ(game.battle.opponent.combo, 2);
  EXPECT_FLOAT_EQ(game.battle.critical, 1.5f);
  EXPECT_FLOAT_EQ(game.battle.criticalRatio, 0.25f);
  EXPECT_FLOAT_EQ(game.battle.hemophagia, 0.05f);
  EXPECT_EQ(game.battle.opponent.weapon, "water");
  EXPECT_EQ(game.battle.heroTurn, 1);
  EXPECT_EQ(game.battle.hitCount, 0);
  EXPECT_EQ(game.battle.row, 11);
  EXPECT_EQ(game.battle.column, 7);
  EXPECT_TRUE(game.battle.starting);
  EXPECT_EQ(hero.Position(), (Cell{12, 7}));
}

TEST_F(BattleTest, AKindMissingFromTheTableFightsWithTheFilesDefaultsAndIsNotAdded) {
  game.world.monsters[1] = Kind(35, 20, 1, 2);
  world.SetCell(hero.Row() - 1, hero.Column(), 9);
  game.TryStep(Direction::Up);
  ASSERT_EQ(game.screen, GameScreen::Battle);
  EXPECT_EQ(game.world.monsters.size(), 1u);
  EXPECT_EQ(game.world.monsters.count(9), 0u);
  EXPECT_EQ(game.battle.opponentId, 9);
  EXPECT_EQ(game.battle.opponent.hp, 0);
  EXPECT_EQ(game.battle.opponent.weapon, "fist");
  EXPECT_EQ(game.battle.opponent.image1, "Image 27.png");
}

TEST_F(BattleTest, AWonFightPaysItsRewardAndClearsTheCell) {
  Fight(Kind(30, 15, 0, 1));
  RunFor(10);
  EXPECT_EQ(game.screen, GameScreen::BattleWon);
  EXPECT_EQ(game.battle.opponent.hp, 0);
  EXPECT_EQ(game.battle.opponent.combo, 0);
  // Hero 10 attack: 3 strikes; the monster strikes twice for 5.
  EXPECT_EQ(hero.hp, 990);
  EXPECT_EQ(world.played.back(), "Sound 1350.wav");
  world.Press(vk::kEnter);
  EXPECT_EQ(game.screen, GameScreen::Map);
  EXPECT_EQ(world.Cell(11, 7), tile::kFloor);
  EXPECT_EQ(hero.exp, 7);
  EXPECT_EQ(hero.Items(tile::kGold), 11);
}

TEST_F(BattleTest, OnlyTheBossCellLeadsToVictory) {
  hero.SetFloor(9);
  hero.SetPosition(6, 6);
  Fight(Kind(1, 0, 0, 0));
  RunFor(2);
  world.Press(vk::kEnter);
  EXPECT_EQ(game.screen, GameScreen::Map);

  hero.SetPosition(6, 7);
  game.clock = 33.0f;
  Fight(Kind(1, 0, 0, 0));
  RunFor(2);
  world.Press(vk::kEnter);
  EXPECT_EQ(game.screen, GameScreen::Victory);
  EXPECT_TRUE(game.displays.victoryShown);
  EXPECT_EQ(game.displays.victoryTime, 33.0f);
}

TEST_F(BattleTest, TheHeroFallsBelowZeroWithTheDefeatSound) {
  hero.hp = 5;
  Fight(Kind(1000, 20, 0, 1));
  RunFor(10);
  EXPECT_EQ(game.screen, GameScreen::GameOver);
  EXPECT_EQ(hero.hp, 0);
  EXPECT_TRUE(game.displays.gameOverShown);
  EXPECT_EQ(world.played.back(), "Sound 1375.wav");
}

TEST_F(BattleTest, HealthOfExactlyZeroEndsTheFightAtTheNextExchangeWithoutSound) {
  hero.hp = 10;
  Fight(Kind(1000, 20, 0, 1));
  RunFor(0.5f);  // the hero's strike, then the monster's: hp 10 - 10 = 0
  EXPECT_EQ(hero.hp, 0);
  EXPECT_EQ(game.screen, GameScreen::Battle);
  world.played.clear();
  RunFor(1);
  EXPECT_EQ(game.screen, GameScreen::GameOver);
  EXPECT_TRUE(game.displays.gameOverShown);
  EXPECT_EQ(std::count(world.played.begin(), world.played.end(), "Sound 1375.wav"), 0);
}

// A hero brought to exactly 0 hp has fallen: he cannot retreat in the moment before the game
// ends, walk on at 0 hp and save a game that no load would take.
TEST_F(BattleTest, AHeroAtZeroHealthCannotRetreat) {
  hero.hp = 10;
  Fight(Kind(1000, 20, 0, 1));
  RunFor(0.5f);
  ASSERT_EQ(hero.hp, 0);
  ASSERT_EQ(game.screen, GameScreen::Battle);
  world.Press('Q');
  EXPECT_EQ(game.screen, GameScreen::Battle);
  RunFor(1);
  EXPECT_EQ(game.screen, GameScreen::GameOver);
}

TEST_F(BattleTest, CriticalStrikesAreTruncatedTowardZero) {
  Monster m = Kind(1000, 13, 0, 1);  // base 13 - 10 = 3
  m.critical = 150;
  m.criticalRatio = 100;
  Fight(m);
  RunFor(0.5f);
  EXPECT_EQ(hero.hp, 996);  // 3 x 1.5 = 4.5 takes 4
  EXPECT_EQ(world.started.back(), "fistb");
  EXPECT_EQ(world.played.back(), "Sound 907.wav");
}

TEST_F(BattleTest, AMageHitsThroughDefence) {
  Monster m = Kind(1000, 4, 0, 1);
  m.ability = "法师";
  Fight(m);
  RunFor(0.5f);
  EXPECT_EQ(hero.hp, 996);
}

TEST_F(BattleTest, CriticalMageStrikeUsesItsFullAttack) {
  Monster m = Kind(1000, 3, 0, 1);
  m.ability = "法师";
  m.critical = 150;
  m.criticalRatio = 100;
  Fight(m);
  RunFor(0.5f);
  EXPECT_EQ(hero.hp, 996);
}

TEST_F(BattleTest, ComboZeroNeverStrikesBack) {
  Fight(Kind(100, 500, 5, 0));
  RunFor(30);
  EXPECT_EQ(game.screen, GameScreen::BattleWon);
  EXPECT_EQ(hero.hp, 1000);
}

TEST_F(BattleTest, DodgesShowTheMissIndicatorOfTheSideThatDodged) {
  Monster m = Kind(1000, 20, 0, 1);
  m.swift = 100;
  hero.agility = 100;
  Fight(m);
  RunFor(1.2f);
  EXPECT_TRUE(game.displays.heroMissShown);
  EXPECT_TRUE(game.displays.monsterMissShown);
  EXPECT_EQ(game.battle.opponent.hp, 1000);
  EXPECT_EQ(hero.hp, 1000);
  EXPECT_EQ(world.played.back(), "Sound 1041.wav");
}

TEST_F(BattleTest, RetreatKeepsTheHerosHealthAndRestoresTheMonster) {
  Fight(Kind(1000, 20, 0, 1));
  world.AddSequence("fist");
  game.StartSequence("fist");
  RunFor(1.0f);
  const int32_t hpAfter = hero.hp;
  EXPECT_LT(hpAfter, 1000);
  EXPECT_LT(game.battle.opponent.hp, 1000);
  world.Press('Q');
  EXPECT_EQ(game.screen, GameScreen::Map);
  EXPECT_FALSE(game.assets.sequences.at("fist").IsRunning());
  EXPECT_EQ(world.Cell(11, 7), 1);
  EXPECT_EQ(hero.hp, hpAfter);
  game.TryStep(Direction::Up);
  EXPECT_EQ(game.battle.opponent.hp, 1000);
}

// Whatever a battle started, the hero's slash, the impact flash and each kind's weapon in
// both forms, stops on retreat and when the reward is collected: nothing of one battle shows
// in the next.
TEST_F(BattleTest, EveryStrikeEffectStopsWhenTheBattleEnds) {
  Monster fog = Kind(1000, 20, 0, 1);
  fog.weapon = "fog";
  game.world.monsters[2] = fog;
  Monster water = Kind(1000, 20, 0, 1);
  water.weapon = "water";
  const char* const effects[] = {"heroslash", "hit", "fog", "fogb", "water", "waterb"};
  for (const bool retreat : {true, false}) {
    SCOPED_TRACE(retreat ? "retreat" : "reward");
    game.screen = GameScreen::Map;
    Fight(water, 3);
    for (const char* name : effects) {
      world.AddSequence(name);
      game.StartSequence(name);
    }
    if (retreat) {
      world.Press('Q');
    } else {
      game.screen = GameScreen::BattleWon;
      world.Press(vk::kEnter);
    }
    EXPECT_EQ(game.screen, GameScreen::Map);
    for (const char* name : effects)
      EXPECT_FALSE(game.assets.sequences.at(name).IsRunning()) << name;
  }
}

TEST_F(BattleTest, AFightNeitherSideCanWinGoesOnUntilRetreat) {
  Fight(Kind(100, 5, 50, 1));
  RunFor(20);
  EXPECT_EQ(game.screen, GameScreen::Battle);
  EXPECT_EQ(hero.hp, 1000);
  EXPECT_EQ(game.battle.opponent.hp, 100);
  EXPECT_TRUE(world.started.empty());
}

// The exchanges' times: which side struck and when, from the sequences each strike starts.
class RhythmTest : public BattleTest {
 protected:
  std::vector<std::pair<float, std::string>> Strikes(float seconds) {
    std::vector<std::pair<float, std::string>> strikes;
    game.onSequenceStart = [&](const std::string& name) { strikes.emplace_back(now, name); };
    RunFor(seconds);
    return strikes;
  }
};

TEST_F(RhythmTest, HeroThenComboStrikesWithLongWaitsAtEachChangeOfSide) {
  Fight(Kind(1000, 20, 0, 2));
  game.BattleStep(now);  // consumes the start: the first exchange follows at once
  const auto strikes = Strikes(1.3f);
  ASSERT_GE(strikes.size(), 4u);
  EXPECT_EQ(strikes[0].second, "heroslash");
  EXPECT_NEAR(strikes[0].first - now + 1.3f, 0.001f, 0.0015f);
  EXPECT_EQ(strikes[1].second, "fist");
  EXPECT_NEAR(strikes[1].first - strikes[0].first, 0.35f, 0.0015f);
  EXPECT_EQ(strikes[2].second, "fist");
  EXPECT_NEAR(strikes[2].first - strikes[1].first, 0.25f, 0.0015f);
  EXPECT_EQ(strikes[3].second, "heroslash");
  EXPECT_NEAR(strikes[3].first - strikes[2].first, 0.35f, 0.0015f);
}

TEST_F(RhythmTest, KindThirtyFourAlwaysWaitsLong) {
  Fight(Kind(1000, 20, 0, 2), 34);
  const float start = now;
  game.BattleStep(now);
  const auto strikes = Strikes(1.2f);
  ASSERT_GE(strikes.size(), 3u);
  EXPECT_NEAR(strikes[0].first - start, 0.07f, 0.0015f);  // 0.35 after a 0.28 head start
  EXPECT_NEAR(strikes[1].first - strikes[0].first, 0.35f, 0.0015f);
  EXPECT_NEAR(strikes[2].first - strikes[1].first, 0.35f, 0.0015f);
}

TEST_F(RhythmTest, ASideChangeLeftByTheLastBattleDelaysTheFirstExchange) {
  game.battle.sideChange = true;
  Fight(Kind(1000, 20, 0, 1));
  const float start = now;
  game.BattleStep(now);
  const auto strikes = Strikes(0.2f);
  ASSERT_FALSE(strikes.empty());
  EXPECT_NEAR(strikes[0].first - start, 0.07f, 0.0015f);
}

TEST_F(RhythmTest, TheFallHasItsOwnHeadStart) {
  Fight(Kind(10, 20, 0, 1));
  game.BattleStep(now);
  now += 0.001f;
  game.BattleStep(now);  // the killing strike
  EXPECT_EQ(game.battle.opponent.hp, 0);
  EXPECT_TRUE(game.battle.falling);
  now += 0.001f;
  const float fall = now;
  game.BattleStep(now);  // consumes the fall
  EXPECT_FALSE(game.battle.falling);
  RunFor(1);
  EXPECT_EQ(game.screen, GameScreen::BattleWon);
  EXPECT_NEAR(now - fall, 0.245f, 0.0015f);  // 0.35 after a 0.105 head start
}

}  // namespace
}  // namespace quenlit::test
