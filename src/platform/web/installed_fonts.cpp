// In a browser the page knows no fonts of the machine: every face comes from the game
// folder's own "Fonts/", found by name or through its list.
#include "platform/sdl/installed_fonts.h"

namespace quenlit::platform {

void RegisterFontFolder(const std::string&) {}

std::optional<FontFace> FindInstalledFamily(const std::string&) {
  return std::nullopt;
}

std::optional<FontFace> FindInstalledChineseSans() {
  return std::nullopt;
}

}  // namespace quenlit::platform
