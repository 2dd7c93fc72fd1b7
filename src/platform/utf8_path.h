#pragma once

#include <filesystem>
#include <string>
#include <string_view>

namespace quenlit::platform {

// The game keeps every path as UTF-8 text. A path made from char text would be read in the
// system's own code page on Windows, where Chinese folder names would be lost; made from
// char8_t text it is UTF-8 everywhere.
inline std::filesystem::path PathFromUtf8(std::string_view utf8) {
  return std::filesystem::path(std::u8string(utf8.begin(), utf8.end()));
}

inline std::string Utf8Of(const std::filesystem::path& path) {
  const std::u8string text = path.u8string();
  return std::string(text.begin(), text.end());
}

}  // namespace quenlit::platform
