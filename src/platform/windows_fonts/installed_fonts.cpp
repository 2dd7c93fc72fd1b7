// On Windows the game's fonts come from the game folder's own "Fonts/", found by name or
// through its list; the system's font folder gives the fallback for glyphs they lack.
#include <windows.h>
// After windows.h, which it needs.
#include <shlobj.h>

#include <filesystem>
#include <system_error>

#include "platform/sdl/installed_fonts.h"
#include "platform/utf8_path.h"

namespace quenlit::platform {

// SDL_ttf opens font files by name: a folder needs no registering.
void RegisterFontFolder(const std::string&) {}

// Without a font service that knows family names, no family is found by name.
std::optional<FontFace> FindInstalledFamily(const std::string&) {
  return std::nullopt;
}

// The sans faces with Chinese characters that Windows ships, in order of preference:
// Microsoft YaHei, then SimHei.
std::optional<FontFace> FindInstalledChineseSans() {
  wchar_t* folder = nullptr;
  std::filesystem::path fonts;
  if (SHGetKnownFolderPath(FOLDERID_Fonts, 0, nullptr, &folder) == S_OK) fonts = folder;
  CoTaskMemFree(folder);
  if (fonts.empty()) return std::nullopt;
  for (const wchar_t* file : {L"msyh.ttc", L"msyh.ttf", L"simhei.ttf"}) {
    std::error_code error;
    if (std::filesystem::is_regular_file(fonts / file, error))
      return FontFace{Utf8Of(fonts / file), 0};
  }
  return std::nullopt;
}

}  // namespace quenlit::platform
