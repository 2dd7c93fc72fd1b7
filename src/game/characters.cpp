// Characters, what they say, their gifts, and buying attack and defence. What each character
// says and gives, and the merchants' terms, come from tower/characters.txt.
#include <cstdio>
#include <string>

#include "game/bounded.h"
#include "game/characters/character_tables.h"
#include "game/game.h"
#include "game/tiles.h"

namespace quenlit {
namespace {

// The speech of the cell; a character elsewhere is silent.
const Speech* SpeechAt(int32_t floor, int row, int column) {
  for (const Speech& speech : kSpeeches)
    if (speech.floor == floor && speech.row == row && speech.column == column) return &speech;
  return nullptr;
}

}  // namespace

bool Game::HasSpeechAt(int32_t floor, int row, int column) {
  return SpeechAt(floor, row, column) != nullptr;
}

void Game::TalkAt(int row, int column) {
  const Speech* speech = SpeechAt(hero.floor, row, column);
  if (!speech) return;
  Talk(speech->text, row, column, speech->speaker);
  if (speech->gives) {
    dialogue.giftPending = true;
    dialogue.giftRow = row;
    dialogue.giftColumn = column;
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

// The giver leaves its cell, which becomes floor.
void Game::GiveGift() {
  const Speech* speech = SpeechAt(hero.floor, dialogue.giftRow, dialogue.giftColumn);
  if (!dialogue.giftPending || !speech || !speech->gives) return;
  const Gift& gift = speech->gift;
  AddBounded(hero.attack, gift.attack);
  AddBounded(hero.defence, gift.defence);
  AddBounded(hero.Items(tile::kYellowKey), gift.yellowKeys);
  AddBounded(hero.Items(tile::kBlueKey), gift.blueKeys);
  AddBounded(hero.Items(tile::kRedKey), gift.redKeys);
  world.floors[hero.floor].At(speech->row, speech->column) = tile::kFloor;
  ShowMessage(gift.message);
  dialogue.giftPending = false;
}

namespace {

// One purchase at the shop price: the gold goes, the stat grows, the price rises.
void Buy(Game& game, int32_t& stat, int32_t amount, const char* boughtMessage) {
  const int32_t price = game.shop.shopPrice;
  char text[96];
  if (!game.shop.Sell(game.hero.Items(tile::kGold))) {
    std::snprintf(text, sizeof text, kShopTerms.tooPoor, price);
    game.ShowMessage(text);
    return;
  }
  AddBounded(stat, amount);
  std::snprintf(text, sizeof text, boughtMessage, price);
  game.ShowMessage(text);
}

}  // namespace

void Game::BuyAttack() {
  Buy(*this, hero.attack, kShopTerms.attack, kShopTerms.attackBought);
}

void Game::BuyDefence() {
  Buy(*this, hero.defence, kShopTerms.defence, kShopTerms.defenceBought);
}

}  // namespace quenlit
