#pragma once

namespace quenlit {

class Game;

// Reads "./config.ini" into the game's video settings. A missing file ends the process with
// "找不到配置文件"; a missing section or key takes its default.
bool ReadConfig(Game& game);

}  // namespace quenlit
