#pragma once

#include <SDL.h>

#include "platform/shell.h"

namespace quenlit::platform {

// The program's shell over SDL: message boxes without owner (on stderr as "CAPTION: TEXT"
// where no display can show them), the main window's place and size, and the process's end.
class SdlShell : public Shell {
 public:
  void ShowMessage(const std::string& caption, const std::string& text) override;
  void MoveWindow(int x, int y, int width, int height) override;
  // The usable bounds of the window's display, less the window's frame.
  std::optional<Area> UsableArea() const override;
  // Ends the process at once from any thread, without tearing down what another thread may
  // still be using.
  [[noreturn]] void Exit(int code) override;

  void SetWindow(SDL_Window* window) { window_ = window; }

 private:
  SDL_Window* window_ = nullptr;
};

}  // namespace quenlit::platform
