#pragma once

namespace quenlit {

class Game;
class IniFile;

// Reads the configuration file ("./config.ini" unless the player keeps his own) into the game's
// video settings. A missing file ends the process with "找不到配置文件"; a missing section or
// key takes its default.
bool ReadConfig(Game& game);
// Takes the video settings from a configuration already read.
void ApplyConfig(const IniFile& ini, Game& game);

}  // namespace quenlit
