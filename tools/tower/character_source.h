#pragma once

#include <optional>
#include <string>
#include <vector>

namespace quenlit::tower {

// What a character gives when its speech box closes.
struct GiftSource {
  int attack = 0, defence = 0;
  int yellowKeys = 0, blueKeys = 0, redKeys = 0;
  std::string message;  // the notice that shows what was given
};

// One character's speech: the cell it stands on, the name in the speech box ("" for the
// default name of its kind), the text with its line breaks, and its gift, if any.
struct SpeechSource {
  int floor = 0, row = 0, column = 0;
  std::string speaker;
  std::string text;
  std::optional<GiftSource> gift;
};

// The merchants' terms: the price of the first purchase, how much each one raises it, what
// attack and defence a purchase buys, and the notices ("%d" is the price).
struct ShopSource {
  int openingPrice = 0, rise = 0, attack = 0, defence = 0;
  std::string attackBought, defenceBought, tooPoor;
};

struct CharactersSource {
  ShopSource shop;
  std::vector<SpeechSource> speeches;
};

// Reads tower/characters.txt. On a problem, nothing, and error says which line and what.
std::optional<CharactersSource> ReadCharacters(const std::string& path, std::string& error);

// The C++ source of the game's tables (character_tables.h) for what the file says.
std::string CharacterTablesSource(const CharactersSource& characters);

}  // namespace quenlit::tower
