#pragma once

#include <SDL.h>

#include <cstdint>
#include <optional>

namespace quenlit::platform {

// The game's virtual-key code of an SDL key: Enter 13, the arrows 37-40, the letters 65-90 and
// F8 119. Nothing for keys the game does not know.
std::optional<uint32_t> VirtualKeyOf(SDL_Keycode key);

// Alt with "?" or "/" opens the About box.
bool IsAboutShortcut(const SDL_Keysym& key);

}  // namespace quenlit::platform
