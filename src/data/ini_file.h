#pragma once

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>

namespace quenlit {

// An initialisation file: "[Section]" headers and "Key=Value" lines. Section and key names
// match without regard to case, as the platform's reader does; the first occurrence of a
// section or key wins; lines starting with ';' are comments.
class IniFile {
 public:
  // Reads the file's first kLargestFile bytes; a missing file, or one that is not a regular
  // file, reads as empty (every lookup gives its default).
  static IniFile Load(const std::string& path);
  static constexpr size_t kLargestFile = 1 << 20;
  static IniFile Parse(const std::string& text);

  // Whether the file has the section, whatever its case.
  bool HasSection(const std::string& section) const;
  // The value's leading decimal integer (an optional sign, then digits; no digits read 0);
  // the default when the section or key is absent.
  int32_t GetInt(const std::string& section, const std::string& key, int32_t fallback) const;
  // The value with surrounding spaces and one pair of enclosing quotes removed, cut to
  // maxLength bytes; the default when absent.
  std::string GetString(const std::string& section, const std::string& key,
                        const std::string& fallback, size_t maxLength = 259) const;

 private:
  const std::string* Find(const std::string& section, const std::string& key) const;
  std::map<std::string, std::map<std::string, std::string>> sections_;  // lower-case names
};

}  // namespace quenlit
