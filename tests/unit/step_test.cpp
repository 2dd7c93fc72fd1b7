// The step rule: walls, bounds, facing, pickups, doors, the jail gate and the stairs.
#include <gtest/gtest.h>

#include "app/frame.h"
#include "game/tiles.h"
#include "world.h"

namespace quenlit::test {
namespace {

class StepTest : public ::testing::Test {
 protected:
  void SetUp() override {
    world.game.clock = 10.0f;
    world.AddSound("Sound 272.wav");
    world.AddSound("Sound 564.wav");
    world.AddSound("Sound 1615.wav");
    world.AddSound("Sound 1617.wav");
    world.played.clear();
  }
  // Each step a little later, past the step sound's 50 ms guard.
  void Step(Direction direction) {
    world.game.clock += 0.1f;
    world.game.TryStep(direction);
  }
  World world;
  Game& game = world.game;
  Hero& hero = world.hero;
};

TEST_F(StepTest, WalksOntoFloorAndFacesTheWay) {
  Step(Direction::Left);
  EXPECT_EQ(hero.Position(), (Cell{12, 6}));
  EXPECT_EQ(hero.facing, Direction::Left);
  EXPECT_EQ(world.played, std::vector<std::string>{"Sound 272.wav"});
}

TEST_F(StepTest, WallAndGridEdgeOnlyTurnTheHero) {
  world.SetCell(12, 8, tile::kWall);
  Step(Direction::Right);
  EXPECT_EQ(hero.Position(), (Cell{12, 7}));
  EXPECT_EQ(hero.facing, Direction::Right);

  hero.SetPosition(0, 3);
  Step(Direction::Up);
  EXPECT_EQ(hero.Position(), (Cell{0, 3}));
  EXPECT_EQ(hero.facing, Direction::Up);
  hero.SetPosition(13, 13);
  Step(Direction::Down);
  Step(Direction::Right);
  EXPECT_EQ(hero.Position(), (Cell{13, 13}));
  EXPECT_EQ(hero.facing, Direction::Right);
  // The step sound plays on every attempt, blocked or not.
  EXPECT_EQ(world.played.size(), 4u);
  EXPECT_EQ(game.screen, GameScreen::Map);
}

TEST_F(StepTest, EveryPickupChangesItsNumberAndShowsItsNotice) {
  struct Case {
    uint8_t code;
    const char* message;  // "" when taken silently
    int32_t Hero::*stat;  // nullptr for an item counter
    uint8_t counter;
    int32_t amount;
  };
  const Case cases[] = {
      {209, "铁剑,攻击力+10", &Hero::attack, 0, 10},
      {210, "银剑,攻击力+25", &Hero::attack, 0, 25},
      {211, "骑士剑,攻击力+45", &Hero::attack, 0, 45},
      {212, "钻石剑,攻击力+70", &Hero::attack, 0, 70},
      {213, "神圣剑,攻击力+100", &Hero::attack, 0, 100},
      {214, "骑士盾,防御力+45", &Hero::defence, 0, 45},
      {215, "铁盾,防御力+10", &Hero::defence, 0, 10},
      {216, "银盾,防御力+25", &Hero::defence, 0, 25},
      {217, "钻石盾,防御力+70", &Hero::defence, 0, 70},
      {218, "神圣盾,防御力+100", &Hero::defence, 0, 100},
      {225, "黄钥匙", nullptr, 225, 1},
      {226, "蓝钥匙", nullptr, 226, 1},
      {227, "红钥匙", nullptr, 227, 1},
      {228, "金币，金钱+200", nullptr, 228, 200},
      {230, "红药瓶，体力+150", &Hero::hp, 0, 150},
      {231, "蓝药瓶，体力+400", &Hero::hp, 0, 400},
      {232, "红宝石，攻击力+2", &Hero::attack, 0, 2},
      {233, "蓝宝石，防御力+2", &Hero::defence, 0, 2},
      {240, "绿宝石，敏捷+1", &Hero::agility, 0, 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.code));
    World fresh;
    fresh.game.clock = 5.0f;
    fresh.AddSound("Sound 1615.wav");
    fresh.SetCell(11, 7, c.code);
    const int32_t before = c.stat ? fresh.hero.*c.stat : fresh.hero.Items(c.counter);
    fresh.game.TryStep(Direction::Up);
    const int32_t after = c.stat ? fresh.hero.*c.stat : fresh.hero.Items(c.counter);
    EXPECT_EQ(after - before, c.amount);
    EXPECT_EQ(fresh.game.messageText, c.message);
    EXPECT_EQ(fresh.game.screen, GameScreen::Message);
    EXPECT_EQ(fresh.Cell(11, 7), tile::kFloor);
    EXPECT_EQ(fresh.hero.Position(), (Cell{12, 7}));  // the hero stays where he was
    EXPECT_EQ(fresh.played, std::vector<std::string>{"Sound 1615.wav"});
  }
}

TEST_F(StepTest, MasterKeyAddsOneOfEachKey) {
  world.SetCell(11, 7, 229);
  Step(Direction::Up);
  EXPECT_EQ(hero.Items(tile::kYellowKey), 2);
  EXPECT_EQ(hero.Items(tile::kBlueKey), 2);
  EXPECT_EQ(hero.Items(tile::kRedKey), 2);
  EXPECT_EQ(game.messageText, "万能钥匙，所有钥匙+1");
}

TEST_F(StepTest, UselessItemsVanishWithoutANoticeAndDecorationsStay) {
  for (uint8_t code = 234; code <= 239; ++code) {
    world.SetCell(11, 7, code);
    Step(Direction::Up);
    EXPECT_EQ(world.Cell(11, 7), tile::kFloor) << int{code};
    EXPECT_EQ(game.screen, GameScreen::Map);
  }
  for (uint8_t code : {206, 219, 220, 221, 222, 223, 224, 244, 251, 252, 253, 254, 45, 100}) {
    world.SetCell(11, 7, code);
    Step(Direction::Up);
    EXPECT_EQ(world.Cell(11, 7), code) << int{code};
    EXPECT_EQ(game.screen, GameScreen::Map);
    EXPECT_EQ(hero.Position(), (Cell{12, 7}));
  }
}

TEST_F(StepTest, ColouredDoorsNeedTheirKey) {
  struct Case {
    uint8_t door;
    uint8_t key;
    const char* sequence;
  };
  for (const Case c :
       {Case{241, 225, "opendoor1"}, Case{242, 226, "opendoor2"}, Case{243, 227, "opendoor3"}}) {
    SCOPED_TRACE(c.sequence);
    World fresh;
    fresh.game.clock = 5.0f;
    fresh.AddSound("Sound 564.wav");
    fresh.AddSequence(c.sequence);
    fresh.SetCell(11, 7, c.door);
    fresh.hero.Items(c.key) = 0;
    fresh.game.TryStep(Direction::Up);
    EXPECT_EQ(fresh.Cell(11, 7), c.door);  // no key: nothing opens
    EXPECT_TRUE(fresh.started.empty());

    fresh.hero.Items(c.key) = 2;
    fresh.game.clock = 6.0f;
    fresh.game.TryStep(Direction::Up);
    EXPECT_EQ(fresh.Cell(11, 7), tile::kFloor);
    EXPECT_EQ(fresh.hero.Items(c.key), 1);
    EXPECT_EQ(fresh.hero.Position(), (Cell{12, 7}));
    EXPECT_EQ(fresh.started, std::vector<std::string>{c.sequence});
    EXPECT_EQ(fresh.game.assets.sequences.at(c.sequence).GetAnchor(),
              (std::pair<int32_t, int32_t>{11, 7}));
    EXPECT_EQ(fresh.played, std::vector<std::string>{"Sound 564.wav"});
  }
}

TEST_F(StepTest, JailGateOpensWithoutAKeyAndTheSealedDoorNever) {
  world.SetCell(11, 7, tile::kJail);
  Step(Direction::Up);
  EXPECT_EQ(world.Cell(11, 7), tile::kFloor);
  EXPECT_EQ(world.started, std::vector<std::string>{"openjail"});
  EXPECT_EQ(hero.Items(tile::kYellowKey), 1);

  world.SetCell(11, 7, 244);
  Step(Direction::Up);
  EXPECT_EQ(world.Cell(11, 7), 244);
}

TEST_F(StepTest, StairsChangeTheFloorBehindTheCurtain) {
  game.world.floors[3].At(4, 6) = tile::kStairsUp;
  hero.SetFloor(3);
  hero.SetPosition(5, 6);
  Step(Direction::Up);
  EXPECT_EQ(hero.Position(), (Cell{4, 6}));
  EXPECT_EQ(game.screen, GameScreen::FloorChange);
  EXPECT_EQ(game.curtain.targetFloor, 4);
  EXPECT_EQ(world.played.back(), "Sound 1617.wav");

  // The curtain closes in 42 drawn frames; the floor changes when it is full.
  float now = 20.0f;
  int frames = 0;
  while (hero.floor == 3 && frames < 100) {
    now += 0.02f;
    RenderFrame(game, now);
    ++frames;
  }
  EXPECT_EQ(frames, 42);
  EXPECT_EQ(game.curtain.fadeLevel, 1.0f);
  EXPECT_EQ(game.screen, GameScreen::FloorChange);
  frames = 0;
  while (game.screen == GameScreen::FloorChange && frames < 100) {
    now += 0.02f;
    RenderFrame(game, now);
    ++frames;
  }
  EXPECT_EQ(frames, 42);
  EXPECT_EQ(game.screen, GameScreen::Map);
  EXPECT_EQ(hero.floor, 4);
  EXPECT_EQ(hero.Position(), (Cell{4, 6}));
}

TEST_F(StepTest, StairsOutOfTheTowerOnlyTurnTheHero) {
  world.SetCell(11, 7, tile::kStairsDown);  // floor 1: below it there is no floor
  Step(Direction::Up);
  EXPECT_EQ(hero.Position(), (Cell{12, 7}));
  EXPECT_EQ(hero.facing, Direction::Up);
  EXPECT_EQ(game.screen, GameScreen::Map);

  hero.SetFloor(20);
  world.SetCell(12, 6, tile::kStairsUp);
  Step(Direction::Left);
  EXPECT_EQ(hero.Position(), (Cell{12, 7}));
  EXPECT_EQ(game.screen, GameScreen::Map);
}

}  // namespace
}  // namespace quenlit::test
