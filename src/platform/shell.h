#pragma once

#include <string>

namespace quenlit::platform {

// What the game asks of the program around it: message boxes, the window's place and size,
// and ending the process.
class Shell {
 public:
  virtual ~Shell() = default;
  // A modal message box without owner; returns when the player has closed it.
  virtual void ShowMessage(const std::string& caption, const std::string& text) = 0;
  // Moves the main window to (x, y) with the given outer size.
  virtual void MoveWindow(int x, int y, int width, int height) = 0;
  // Ends the process with the exit code.
  [[noreturn]] virtual void Exit(int code) = 0;
};

}  // namespace quenlit::platform
