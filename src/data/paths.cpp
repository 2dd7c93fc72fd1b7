#include "data/paths.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <system_error>

#include "platform/utf8_path.h"

namespace quenlit {
namespace {

bool SameIgnoringCase(const std::string& a, const std::string& b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) ==
                  std::tolower(static_cast<unsigned char>(y));
         });
}

}  // namespace

std::string ResolveGamePath(const std::string& path) {
  namespace fs = std::filesystem;
  std::string slashed = path;
  std::replace(slashed.begin(), slashed.end(), '\\', '/');

  const fs::path asked = platform::PathFromUtf8(slashed);
  if ((!path.empty() && path[0] == '/') || asked.is_absolute()) return path;
  std::error_code error;
  if (fs::exists(asked, error)) return slashed;

  fs::path resolved;
  for (const fs::path& part : asked) {
    const std::string name = platform::Utf8Of(part);
    if (name.empty() || name == "." || name == ".." || name == "/") {
      resolved /= part;
      continue;
    }
    fs::path candidate = resolved / part;
    if (!fs::exists(candidate, error)) {
      const fs::path folder = resolved.empty() ? fs::path(".") : resolved;
      for (const auto& entry : fs::directory_iterator(folder, error)) {
        if (SameIgnoringCase(platform::Utf8Of(entry.path().filename()), name)) {
          candidate = resolved / entry.path().filename();
          break;
        }
      }
    }
    resolved = candidate;
  }
  return platform::Utf8Of(resolved);
}

}  // namespace quenlit
