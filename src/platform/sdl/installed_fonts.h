#pragma once

#include <optional>
#include <string>

#include "platform/sdl/font_locator.h"

// The fonts of the machine the game runs on, as its font service knows them: fontconfig on
// the desktop, nothing in a browser, whose page carries every font it uses.
namespace quenlit::platform {

// Makes the fonts of the folder known to the font service, for this process only.
void RegisterFontFolder(const std::string& folder);

// The installed face whose family is exactly this name (any case); nothing when the service
// only has a substitute.
std::optional<FontFace> FindInstalledFamily(const std::string& family);

// The first installed sans face that holds Chinese characters.
std::optional<FontFace> FindInstalledChineseSans();

}  // namespace quenlit::platform
