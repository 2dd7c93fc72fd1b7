#pragma once

namespace quenlit::ui {

// The centres of the battle panel's two portraits: the monster's on the left, the hero's on
// the right. The art generator reads them too, so that every big strike effect is painted
// with its strong part on the portrait it strikes.
inline constexpr float kMonsterPortraitX = 252, kHeroPortraitX = 551, kPortraitY = 179;

}  // namespace quenlit::ui
