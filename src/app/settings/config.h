#pragma once

namespace quenlit {

class Game;
class IniFile;
struct ComfortSettings;

// Reads the configuration file ("./config.ini" unless the player keeps his own) into the game's
// video settings. A missing file ends the process with "找不到配置文件"; a missing section or
// key takes its default.
bool ReadConfig(Game& game);
// Takes the video settings from a configuration already read.
void ApplyConfig(const IniFile& ini, Game& game);
// Takes the "[Comfort]" options; an unknown value is said on stderr and leaves its option off.
void ApplyComfort(const IniFile& ini, ComfortSettings& comfort);

}  // namespace quenlit
