#include "app/settings/config.h"

#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

#include "app/settings/fatal.h"
#include "data/ini_file.h"
#include "data/paths.h"
#include "game/game.h"
#include "game_texts.h"
#include "platform/utf8_path.h"

namespace quenlit {

bool ReadConfig(Game& game) {
  const std::string& path = game.userFiles.configFile;
  const std::string shown = path.rfind("./", 0) == 0 ? path.substr(2) : path;
  const std::filesystem::path resolved = platform::PathFromUtf8(ResolveGamePath(path));
  std::error_code error;
  const std::filesystem::file_status status = std::filesystem::status(resolved, error);
  if (std::filesystem::exists(status) && !std::filesystem::is_regular_file(status)) {
    std::cerr << "quenlit: " << shown << ": not a regular file (a folder or a device); the "
              << "default settings apply" << std::endl;
    ApplyConfig(IniFile(), game);
    return true;
  }
  if (!std::ifstream(resolved)) {
    std::cerr << "quenlit: " << shown << ": missing or unreadable" << std::endl;
    FatalError(game.shell, texts::kConfigMissing, true);
  }
  ApplyConfig(IniFile::Load(path), game);
  return true;
}

void ApplyConfig(const IniFile& ini, Game& game) {
  const auto flag = [&](const char* section, const char* key, int fallback) {
    return ini.GetInt(section, key, fallback) != 0 ? 1 : 0;
  };
  // The size comes from "Resolution14"; the full-screen switch sits in "Resolution".
  const auto size = [&](const char* key, int32_t fallback) {
    const int32_t value = ini.GetInt("Resolution14", key, fallback);
    if (value > 0) return value;
    std::cerr << "config.ini: [Resolution14] " << key << "=" << value << " is not a size; using "
              << fallback << std::endl;
    return fallback;
  };
  game.settings.windowWidth = size("Width", 1366);
  game.settings.windowHeight = size("Height", 768);
  game.settings.fullScreen = flag("Resolution", "FullScreen", 0);
  game.settings.hardwareAcceleration = flag("Video", "HardWareAcceleration", 1);
  game.settings.verticalSync = flag("Video", "VerticalSync", 1);
  game.settings.performancePrior = flag("Video", "PerformancePrior", 1);
  game.settings.fps = ini.GetInt("Video", "Fps", 3);
  const std::string scale = ini.GetString("Display", "Scale", "1");
  game.settings.fitScene = scale == "fit";
  if (!game.settings.fitScene && scale != "1")
    std::cerr << "config.ini: [Display] Scale=" << scale << " is neither 1 nor fit; using 1"
              << std::endl;
  ApplyComfort(ini, game.comfort);
}

void ApplyComfort(const IniFile& ini, ComfortSettings& comfort) {
  // A value the game does not know leaves the help off, as an absent key does.
  const auto unknown = [](const char* key, const std::string& value, const char* known) {
    std::cerr << "config.ini: [Comfort] " << key << "=" << value << " is not " << known
              << "; it stays off" << std::endl;
  };
  const auto flag = [&](const char* key) {
    const std::string value = ini.GetString("Comfort", key, "0");
    if (value == "1") return true;
    if (value != "0") unknown(key, value, "0 or 1");
    return false;
  };
  comfort.quickMessages = flag("QuickMessages");
  comfort.helpKeys = flag("HelpKeys");
  comfort.lockedDoorNote = flag("LockedDoorNote");
  comfort.autosave = flag("Autosave");
  comfort.endScreenChoices = flag("EndScreens");
  comfort.fitWindow = flag("FitWindow");
  comfort.crispPixels = flag("CrispPixels");

  const std::string damage = ini.GetString("Comfort", "DamageNumbers", "0");
  comfort.damageNumbers = damage == "1"        ? DamageNumbers::Shown
                          : damage == "hidden" ? DamageNumbers::Hidden
                                               : DamageNumbers::Off;
  if (damage != "0" && damage != "1" && damage != "hidden")
    unknown("DamageNumbers", damage, "0, 1 or hidden");
}

}  // namespace quenlit
