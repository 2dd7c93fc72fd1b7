// On Windows the game's fonts come from the game folder's own "Fonts/", found by name or
// through its list; the system's font folder gives the fallback for glyphs they lack.
#include <windows.h>
// After windows.h, which it needs.
#include <shlobj.h>

#include <filesystem>
#include <system_error>
#include <utility>

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
// Microsoft YaHei, then SimHei; else Noto Sans CJK SC (the third face of its collection), the
// Linux desktop's, where a player (or the Wine that runs the tests) installed it.
std::optional<FontFace> FindInstalledChineseSans() {
  wchar_t* folder = nullptr;
  std::filesystem::path fonts;
  if (SHGetKnownFolderPath(FOLDERID_Fonts, 0, nullptr, &folder) == S_OK) fonts = folder;
  CoTaskMemFree(folder);
  if (fonts.empty()) return std::nullopt;
  const std::pair<const wchar_t*, int> faces[] = {
      {L"msyh.ttc", 0}, {L"msyh.ttf", 0}, {L"simhei.ttf", 0}, {L"NotoSansCJK-Regular.ttc", 2}};
  for (const auto& [file, index] : faces) {
    std::error_code error;
    if (std::filesystem::is_regular_file(fonts / file, error))
      return FontFace{Utf8Of(fonts / file), index};
  }
  return std::nullopt;
}

}  // namespace quenlit::platform
