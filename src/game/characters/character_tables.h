#pragma once

#include <cstdint>
#include <span>

namespace quenlit {

// What a character gives when its speech box closes, and the notice that says so.
struct Gift {
  int32_t attack = 0, defence = 0;
  int32_t yellowKeys = 0, blueKeys = 0, redKeys = 0;
  const char* message = "";
};

// A character's speech: the cell it stands on, the name in the speech box ("" takes the
// default name of the character's kind), the text, and its gift when it has one.
struct Speech {
  int32_t floor, row, column;
  const char* speaker;
  const char* text;
  bool gives;
  Gift gift;
};

// The merchants' terms: the first purchase's price, how much each purchase raises it, what a
// purchase of attack or defence buys, and the notices ("%d" is the price).
struct ShopTerms {
  int32_t openingPrice, rise, attack, defence;
  const char* attackBought;
  const char* defenceBought;
  const char* tooPoor;
};

// The tables of tower/characters.txt, compiled into the game by the build.
extern const ShopTerms kShopTerms;
extern const std::span<const Speech> kSpeeches;

}  // namespace quenlit
