#pragma once

#include "platform/sdl/font_locator.h"

namespace quenlit {

// The game's fonts: those in "./Fonts/" first, then, for each family the screens draw with,
// the installed family that stands in for it.
platform::FontLocator MakeGameFontLocator();

// Makes the game folder's fonts known to this process; nothing is written to the system, and
// a missing folder changes nothing.
void InstallFonts(const platform::FontLocator& fonts);

}  // namespace quenlit
