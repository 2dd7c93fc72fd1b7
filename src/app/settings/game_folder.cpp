#include "app/settings/game_folder.h"

#include <cstdlib>
#include <system_error>

#include "app/settings/fatal.h"
#include "game_texts.h"
#include "platform/user_folders.h"
#include "platform/utf8_path.h"

namespace quenlit {
namespace {

namespace fs = std::filesystem;

bool HoldsGame(const fs::path& folder) {
  std::error_code error;
  return fs::is_directory(folder / "data", error);
}

// An XDG base folder: the variable when it holds an absolute path (a relative one is to be
// ignored), else the default under the home folder.
std::optional<fs::path> BaseFolder(const Environment& environment, const char* variable,
                                   const std::optional<fs::path>& home, const char* underHome) {
  if (const char* value = environment(variable); value && value[0] == '/') return fs::path(value);
  if (home) return *home / underHome;
  return std::nullopt;
}

std::optional<fs::path> Home(const Environment& environment,
                             const std::optional<fs::path>& accountHome) {
  if (const char* value = environment("HOME"); value && value[0] == '/') return fs::path(value);
  return accountHome;
}

}  // namespace

GameFolder FindGameFolder(const std::optional<fs::path>& asked, const fs::path& executable) {
  if (asked) return {*asked, false};
  const fs::path beside = executable.parent_path();
  std::error_code error;
  if (!executable.empty() && HoldsGame(beside))
    return {beside, fs::exists(beside / "Uninstall.exe", error)};
  const fs::path shared = (beside / ".." / "share" / "quenlit").lexically_normal();
  if (!executable.empty() && HoldsGame(shared)) return {shared, true};
  return {".", false};
}

bool KeepsPlayerFiles(const GameFolder& folder) {
  if (folder.installed) return false;
  std::error_code error;
  const fs::path saves = folder.path / "sav";
  const fs::path written = fs::exists(saves, error) ? saves : folder.path;
  return platform::CanWriteInto(written);
}

std::string ChooseLogFile(const Environment& environment,
                          const std::optional<fs::path>& accountHome) {
  const auto state =
      BaseFolder(environment, "XDG_STATE_HOME", Home(environment, accountHome), ".local/state");
  return state ? platform::Utf8Of(*state / "quenlit" / "quenlit.log") : "";
}

std::string PlayersLogFile() {
  if (const auto roaming = platform::RoamingAppData())
    return platform::Utf8Of(*roaming / "Quenlit" / "quenlit.log");
  return ChooseLogFile([](const char* name) { return std::getenv(name); }, platform::AccountHome());
}

UserFiles ChooseAppDataFiles(bool inGameFolder, const fs::path& roaming) {
  UserFiles files;
  if (inGameFolder) return files;
  const fs::path own = roaming / "Quenlit";
  files.saveFolder = platform::Utf8Of(own / "sav");
  std::error_code error;
  if (fs::is_regular_file(own / "config.ini", error))
    files.configFile = platform::Utf8Of(own / "config.ini");
  return files;
}

UserFiles ChooseUserFiles(bool inGameFolder, const Environment& environment,
                          const std::optional<fs::path>& accountHome) {
  UserFiles files;
  if (inGameFolder) return files;
  const std::optional<fs::path> home = Home(environment, accountHome);
  const auto data = BaseFolder(environment, "XDG_DATA_HOME", home, ".local/share");
  files.saveFolder = data ? platform::Utf8Of(*data / "quenlit" / "sav") : "";
  if (const auto config = BaseFolder(environment, "XDG_CONFIG_HOME", home, ".config")) {
    const fs::path own = *config / "quenlit" / "config.ini";
    std::error_code error;
    if (fs::is_regular_file(own, error)) files.configFile = platform::Utf8Of(own);
  }
  return files;
}

UserFiles EnterGameFolder(const std::optional<fs::path>& asked, platform::Shell& shell) {
  std::error_code error;
  const GameFolder folder = FindGameFolder(asked, platform::ExecutablePath());
  const bool inGameFolder = KeepsPlayerFiles(folder);
  fs::current_path(folder.path, error);
  if (error) FatalError(shell, texts::kGameFolderMissing(platform::Utf8Of(folder.path)), true);
  if (const auto roaming = platform::RoamingAppData())
    return ChooseAppDataFiles(inGameFolder, *roaming);
  return ChooseUserFiles(
      inGameFolder, [](const char* name) { return std::getenv(name); }, platform::AccountHome());
}

}  // namespace quenlit
