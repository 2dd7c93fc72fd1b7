// Characters, what they say, their two gifts, and buying attack and defence.
#include <cstdio>
#include <string>

#include "game/bounded.h"
#include "game/game.h"
#include "game/tiles.h"

namespace quenlit {
namespace {

struct Line {
  int32_t floor, row, column;
  const char* speaker;  // "" takes the default name of the character's kind
  const char* text;
};

// What each character of the tower says, by floor and cell. A character elsewhere is silent.
constexpr Line kDialogue[] = {
    {1, 6, 1, "老人",
     "欢迎来到OstrelleCTF比赛！\n打败%d层的魔王获取flag\n按D可以查看怪物的能力~\n"},
    {8, 1, 1, "学长",
     "楼上就是BOSS了哦！\n打败它就能轻松拿到flag\n按S/A可以存档/读档\n打不过可以多打几次~(滑稽脸)"},
    {1, 12, 9, "商人", "给你这个\n按F8能更改分辨率"},
    {2, 12, 6, "小偷", "和商人对话可以交易物品\n和老人对话会给你一些\n有用的信息"},
    {2, 12, 12, "商人", "在3L的商人那里可以买到\n你需要的东西"},
    {3, 10, 2, "商人", "按g增加攻击力"},
    {3, 12, 12, "老人", "休息一下吧\n按P可以暂停游戏"},
    {3, 5, 12, "商人", "按f增加防御力"},
    {4, 12, 1, "商人", "卖flag了！\n只要5800金币\n嘿嘿 其实我也不知道flag.."},
    {4, 12, 12, "老人", "魔王其实是在第9层\n打败它可以获得flag"},
    {5, 4, 1, "商人", "有一些道具其实并没有\n什么作用\n因为设计的人想不出来了=_="},
    {5, 4, 6, "老人", "打败第8层的骷髅队长后\n和NPC对话\n他会给你一些有用的信息"},
    {6, 12, 5, "老人", "听出题人说\n设计这个游戏真的太难了"},
    {6, 11, 9, "商人", "我手上有大量的钥匙\n你需要什么钥匙?\n什么,绿钥匙吗？\n绿钥匙￥9999999999"},
    {1, 0, 7, "", "你知道吗\n预览版一共只有三层\n击败骷髅队长就赢了\n嘿嘿嘿"},
    {2, 3, 2, "",
     "既然你都找到我了\n那就给你20攻击10防御\n祝你早日打过骷髅队长~\n正式版是要收费的哦~"},
    {3, 13, 0, "", "谢谢你来解救我\n我这里有大量的钥匙\n全都给你了~\n正式版是要收费的哦~"},
    {1, 9, 2, "老大爷", "哎呦，小伙子\n我摔倒了\n快扶我一把"},
    {1, 9, 5, "", "我手上有大量的钥匙\n你需要什么钥匙?\n什么,蓝钥匙吗？\n蓝钥匙￥9999999999"},
    {1, 9, 7, "", "你好\n没有时间解释了\n快上车"},
};

// The two characters who give something when their speech box closes.
constexpr Cell kStrengthGiftCell{3, 2};  // floor 2: 20 attack and 10 defence
constexpr Cell kKeysGiftCell{13, 0};     // floor 3, behind the jail gate: keys

}  // namespace

bool Game::HasSpeechAt(int32_t floor, int row, int column) {
  for (const Line& line : kDialogue)
    if (line.floor == floor && line.row == row && line.column == column) return true;
  return false;
}

void Game::TalkAt(int row, int column) {
  for (const Line& line : kDialogue) {
    if (line.floor != hero.floor || line.row != row || line.column != column) continue;
    Talk(line.text, row, column, line.speaker);
    if (hero.floor == 2 && Cell{row, column} == kStrengthGiftCell) {
      dialogue.giftPending = true;
      dialogue.giftRow = kStrengthGiftCell.row;
      dialogue.giftColumn = kStrengthGiftCell.column;
    }
    if (hero.floor == 3 && Cell{row, column} == kKeysGiftCell) {
      dialogue.giftPending = true;
      dialogue.giftRow = kKeysGiftCell.row;
      dialogue.giftColumn = kKeysGiftCell.column;
    }
  }
}

void Game::Talk(const std::string& text, int row, int column, const std::string& speaker) {
  curtain.fadeLevel = 1.0f;
  curtain.fadeRising = false;
  if (!text.empty()) dialogue.talkLines = {text};
  std::string name = speaker;
  if (name.empty()) name = tile::MeaningOf(CellAt(row, column).value_or(tile::kFloor)).speaker;
  dialogue.talkSpeaker = name;
  dialogue.talkRow = row;
  dialogue.talkColumn = column;
  screen = GameScreen::Dialogue;
}

void Game::GiveGift() {
  if (dialogue.giftPending && hero.floor == 2 &&
      Cell{dialogue.giftRow, dialogue.giftColumn} == kStrengthGiftCell) {
    AddBounded(hero.attack, 20);
    AddBounded(hero.defence, 10);
    world.floors[2].At(kStrengthGiftCell.row, kStrengthGiftCell.column) = tile::kFloor;
    ShowMessage("20攻击力,10防御力");
    dialogue.giftPending = false;
  }
  if (dialogue.giftPending && hero.floor == 3 &&
      Cell{dialogue.giftRow, dialogue.giftColumn} == kKeysGiftCell) {
    AddBounded(hero.Items(tile::kYellowKey), 2);
    AddBounded(hero.Items(tile::kBlueKey), 3);
    AddBounded(hero.Items(tile::kRedKey), 1);
    world.floors[3].At(kKeysGiftCell.row, kKeysGiftCell.column) = tile::kFloor;
    ShowMessage("黄钥匙×2,蓝钥匙×3，红钥匙×1");
    dialogue.giftPending = false;
  }
}

namespace {

// One purchase at the shop price: the gold goes, the stat grows, the price rises by one.
void Buy(Game& game, int32_t& stat, int32_t amount, const char* boughtMessage) {
  const int32_t price = game.shop.shopPrice;
  char text[96];
  if (!game.shop.Sell(game.hero.Items(tile::kGold))) {
    std::snprintf(text, sizeof text, "什么都没有,需要%d金币", price);
    game.ShowMessage(text);
    return;
  }
  AddBounded(stat, amount);
  std::snprintf(text, sizeof text, boughtMessage, price);
  game.ShowMessage(text);
}

}  // namespace

void Game::BuyAttack() {
  Buy(*this, hero.attack, 3, "3点攻击力,花费%d金币");
}

void Game::BuyDefence() {
  Buy(*this, hero.defence, 4, "4点防御力,花费%d金币");
}

}  // namespace quenlit
