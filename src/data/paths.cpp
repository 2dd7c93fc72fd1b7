#include "data/paths.h"

#include <algorithm>
#include <cctype>
#include <filesystem>
#include <system_error>

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

  if (!path.empty() && path[0] == '/') return path;
  std::error_code error;
  if (fs::exists(slashed, error)) return slashed;

  fs::path resolved;
  for (const fs::path& part : fs::path(slashed)) {
    const std::string name = part.string();
    if (name.empty() || name == "." || name == ".." || name == "/") {
      resolved /= part;
      continue;
    }
    fs::path candidate = resolved / part;
    if (!fs::exists(candidate, error)) {
      const fs::path folder = resolved.empty() ? fs::path(".") : resolved;
      for (const auto& entry : fs::directory_iterator(folder, error)) {
        if (SameIgnoringCase(entry.path().filename().string(), name)) {
          candidate = resolved / entry.path().filename();
          break;
        }
      }
    }
    resolved = candidate;
  }
  return resolved.string();
}

}  // namespace quenlit
