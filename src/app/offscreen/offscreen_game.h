#pragma once

#include <memory>
#include <optional>
#include <string>

#include "game/game_parts.h"
#include "game/size.h"
#include "platform/headless/stderr_shell.h"
#include "platform/headless/virtual_audio.h"
#include "platform/headless/virtual_clock.h"
#include "platform/sdl/font_locator.h"
#include "platform/sdl/software_canvas.h"

namespace quenlit {

// The game of the game folder in the working directory, set up as the program sets it up
// (its config.ini, its fonts, the embedded resources) but drawing into a picture in memory and
// playing on a silent device that keeps virtual time. The simulator, the benchmarks and the
// golden pictures run the game this way; nothing is loaded until Load.
class OffscreenGame {
 public:
  // The picture is as large as config.ini's window unless a size is given.
  explicit OffscreenGame(std::optional<Size> size = std::nullopt);

  // Loads the tower, the pictures and the sounds as the loading thread does, ending the
  // process with the game's message when that fails.
  void Load();

  Game& game() { return parts.game; }
  // Null when no picture of the configured size could be made; canvasError() says why. The
  // game runs on without pictures.
  platform::SoftwareCanvas* canvas() { return canvas_.get(); }
  const std::string& canvasError() const { return canvasError_; }

  platform::VirtualWallClock wallClock;
  platform::StderrShell shell;
  platform::VirtualAudioDevice audio{wallClock};
  GameParts parts{wallClock, shell};

 private:
  platform::FontLocator fonts_;
  std::unique_ptr<platform::SoftwareCanvas> canvas_;
  std::string canvasError_;
};

}  // namespace quenlit
