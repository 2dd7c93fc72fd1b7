#pragma once

#include <string>

#include "platform/shell.h"

namespace quenlit::platform {

// A shell without a window: message boxes become "CAPTION: TEXT" lines on stderr and the
// window's moves are only remembered.
class StderrShell : public Shell {
 public:
  void ShowMessage(const std::string& caption, const std::string& text) override;
  void MoveWindow(int x, int y, int width, int height) override;
  [[noreturn]] void Exit(int code) override;

  int windowX = 0, windowY = 0, windowWidth = 0, windowHeight = 0;
};

}  // namespace quenlit::platform
