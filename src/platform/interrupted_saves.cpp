#include "platform/interrupted_saves.h"

#include <string>
#include <system_error>

#include "platform/utf8_path.h"

namespace quenlit::platform {
namespace {

namespace fs = std::filesystem;

bool IsTemporaryOf(const std::string& name, const std::string& target) {
  const std::string prefix = target + ".", suffix = ".tmp";
  return name.size() >= prefix.size() + suffix.size() - 1 && name.starts_with(prefix) &&
         name.ends_with(suffix);
}

}  // namespace

void RemoveInterruptedSaves(const fs::path& target) {
  std::error_code error;
  const fs::path folder = target.has_parent_path() ? target.parent_path() : fs::path(".");
  const std::string name = Utf8Of(target.filename());
  for (const auto& entry : fs::directory_iterator(folder, error)) {
    if (IsTemporaryOf(Utf8Of(entry.path().filename()), name)) fs::remove(entry.path(), error);
  }
}

}  // namespace quenlit::platform
