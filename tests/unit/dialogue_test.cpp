// Characters, their words, the two gifts and buying attack and defence.
#include <gtest/gtest.h>

#include "base/key_codes.h"
#include "game/tiles.h"
#include "world.h"

namespace quenlit::test {
namespace {

class DialogueTest : public ::testing::Test {
 protected:
  void SetUp() override {
    world.game.clock = 10.0f;
    world.AddSound("Sound 1615.wav");
  }
  // Stands the hero below the cell on the floor and walks into it.
  void WalkInto(int floor, int row, int column, uint8_t code) {
    hero.SetFloor(floor);
    game.world.floors[floor].At(row, column) = code;
    hero.SetPosition(row + 1, column);
    game.TryStep(Direction::Up);
  }
  World world;
  Game& game = world.game;
  Hero& hero = world.hero;
};

TEST_F(DialogueTest, TableEntriesSpeakWithTheirOwnOrDefaultSpeaker) {
  struct Case {
    int floor, row, column;
    uint8_t code;
    const char* speaker;
    const char* start;  // the text begins with this
  };
  const Case cases[] = {
      {1, 6, 1, tile::kOldMan, "老人", "欢迎来到OstrelleCTF比赛！\n打败9层的魔王获取flag\n"},
      {8, 1, 1, tile::kOldMan, "学长", "楼上就是BOSS了哦！"},
      {2, 12, 6, tile::kThief, "小偷", "和商人对话可以交易物品"},
      {6, 11, 9, tile::kMerchant, "商人", "我手上有大量的钥匙\n你需要什么钥匙?\n什么,绿钥匙吗？"},
      {1, 0, 7, tile::kMerchant, "商人", "你知道吗\n预览版一共只有三层"},  // default name
      {1, 0, 7, tile::kFairy, "精灵", "你知道吗"},
      {1, 9, 5, tile::kThief, "盗贼", "我手上有大量的钥匙"},
      {1, 9, 7, tile::kOldMan, "老人", "你好\n没有时间解释了\n快上车"},
      {1, 9, 2, tile::kOldMan, "老大爷", "哎呦，小伙子"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.speaker);
    World fresh;
    fresh.hero.SetFloor(c.floor);
    fresh.game.world.floors[c.floor].At(c.row, c.column) = c.code;
    fresh.hero.SetPosition(c.row + 1, c.column);
    fresh.game.TryStep(Direction::Up);
    EXPECT_EQ(fresh.game.screen, GameScreen::Dialogue);
    EXPECT_EQ(fresh.game.dialogue.talkSpeaker, c.speaker);
    ASSERT_EQ(fresh.game.dialogue.talkLines.size(), 1u);
    EXPECT_EQ(fresh.game.dialogue.talkLines[0].rfind(c.start, 0), 0u)
        << fresh.game.dialogue.talkLines[0];
    EXPECT_EQ(fresh.game.dialogue.talkRow, c.row);
    EXPECT_EQ(fresh.game.dialogue.talkColumn, c.column);
    EXPECT_EQ(fresh.game.curtain.fadeLevel, 1.0f);
    EXPECT_FALSE(fresh.game.curtain.fadeRising);
    EXPECT_FALSE(fresh.game.dialogue.giftPending);
    EXPECT_EQ(fresh.hero.facing, Direction::Up);
  }
}

TEST_F(DialogueTest, ACharacterNotInTheTableSaysNothing) {
  WalkInto(2, 4, 5, tile::kMerchant);
  EXPECT_EQ(game.screen, GameScreen::Map);
  EXPECT_EQ(hero.facing, Direction::Up);
  EXPECT_EQ(hero.Position(), (Cell{5, 5}));
}

TEST_F(DialogueTest, TheFairyOfFloorTwoGivesStrengthOnce) {
  WalkInto(2, 3, 2, tile::kFairy);
  EXPECT_TRUE(game.dialogue.giftPending);
  world.Press(vk::kEnter);
  EXPECT_EQ(hero.attack, 30);
  EXPECT_EQ(hero.defence, 20);
  EXPECT_EQ(game.world.floors[2].At(3, 2), tile::kFloor);
  EXPECT_EQ(game.screen, GameScreen::Message);
  EXPECT_EQ(game.messageText, "20攻击力,10防御力");
  EXPECT_FALSE(game.dialogue.giftPending);
  world.Press(vk::kEnter);
  EXPECT_EQ(game.screen, GameScreen::Map);
}

TEST(Dialogue, ThePrisonerOfFloorThreeGivesKeys) {
  // The prisoner stands at (13, 0), the bottom row: the hero walks into it from the right.
  World fresh;
  fresh.game.clock = 10.0f;
  fresh.AddSound("Sound 1615.wav");
  fresh.hero.SetFloor(3);
  fresh.game.world.floors[3].At(13, 0) = tile::kThief;
  fresh.hero.SetPosition(13, 1);
  fresh.game.TryStep(Direction::Left);
  EXPECT_EQ(fresh.game.screen, GameScreen::Dialogue);
  EXPECT_EQ(fresh.game.dialogue.talkSpeaker, "盗贼");
  fresh.Press(vk::kEnter);
  EXPECT_EQ(fresh.hero.Items(tile::kYellowKey), 3);
  EXPECT_EQ(fresh.hero.Items(tile::kBlueKey), 4);
  EXPECT_EQ(fresh.hero.Items(tile::kRedKey), 2);
  EXPECT_EQ(fresh.game.world.floors[3].At(13, 0), tile::kFloor);
  EXPECT_EQ(fresh.game.messageText, "黄钥匙×2,蓝钥匙×3，红钥匙×1");
}

TEST_F(DialogueTest, BuyingRaisesThePriceByOneAndRefusesWithoutGold) {
  hero.Items(tile::kGold) = 100;
  world.Press('G');
  EXPECT_EQ(hero.attack, 13);
  EXPECT_EQ(game.messageText, "3点攻击力,花费20金币");
  world.Press(vk::kEnter);
  game.clock += 1.0f;
  world.Press('F');
  EXPECT_EQ(hero.defence, 14);
  EXPECT_EQ(game.messageText, "4点防御力,花费21金币");
  EXPECT_EQ(hero.Items(tile::kGold), 59);
  EXPECT_EQ(game.shop.shopPrice, 22);

  world.Press(vk::kEnter);
  hero.Items(tile::kGold) = 21;
  world.Press('G');
  EXPECT_EQ(game.messageText, "什么都没有,需要22金币");
  EXPECT_EQ(hero.attack, 13);
  EXPECT_EQ(hero.Items(tile::kGold), 21);
  EXPECT_EQ(game.shop.shopPrice, 22);
}

TEST_F(DialogueTest, ExactlyThePriceBuys) {
  hero.Items(tile::kGold) = 20;
  world.Press('G');
  EXPECT_EQ(hero.Items(tile::kGold), 0);
  EXPECT_EQ(hero.attack, 13);
  EXPECT_EQ(game.shop.shopPrice, 21);
}

}  // namespace
}  // namespace quenlit::test
