#pragma once

// Where the battle panel shows each strike sequence. The art generator reads it too, so that
// every big effect is painted with its strong part on the portrait it strikes.
#include <span>

namespace quenlit::ui {

struct EffectPlace {
  const char* name;
  float centreX, centreY;  // the sequence is drawn centred here
  float width, height;
  bool nudged = false;  // the arrow keys on the battle screen move it about
};

// Every strike sequence, in drawing order.
std::span<const EffectPlace> StrikeEffectPlaces();

// The centres of the battle panel's two portraits: the monster's on the left, the hero's on
// the right.
inline constexpr float kMonsterPortraitX = 252, kHeroPortraitX = 551, kPortraitY = 179;

}  // namespace quenlit::ui
