#include <pwd.h>
#include <unistd.h>

#include <system_error>

#include "platform/user_folders.h"

namespace quenlit::platform {

std::filesystem::path ExecutablePath() {
  std::error_code error;
  const std::filesystem::path executable = std::filesystem::read_symlink("/proc/self/exe", error);
  return error ? std::filesystem::path() : executable;
}

bool CanWriteInto(const std::filesystem::path& folder) {
  return access(folder.c_str(), W_OK | X_OK) == 0;
}

std::optional<std::filesystem::path> AccountHome() {
  const passwd* account = getpwuid(getuid());
  if (account == nullptr || account->pw_dir == nullptr || account->pw_dir[0] != '/')
    return std::nullopt;
  return std::filesystem::path(account->pw_dir);
}

std::optional<std::filesystem::path> RoamingAppData() {
  return std::nullopt;
}

}  // namespace quenlit::platform
