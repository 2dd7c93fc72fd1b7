#pragma once

#include <optional>
#include <string>

namespace quenlit::platform {

// What the game asks of the program around it: message boxes, the window's place and size,
// and ending the process.
class Shell {
 public:
  // A part of the screen, in pixels.
  struct Area {
    int x = 0, y = 0, width = 0, height = 0;
    bool operator==(const Area&) const = default;
  };

  virtual ~Shell() = default;
  // A modal message box without owner; returns when the player has closed it.
  virtual void ShowMessage(const std::string& caption, const std::string& text) = 0;
  // Moves the main window to (x, y) with the given outer size.
  virtual void MoveWindow(int x, int y, int width, int height) = 0;
  // Where on its display the main window's inside may lie: the display without its panels
  // and docks, and without the window's own frame. Nothing when that is not known.
  virtual std::optional<Area> UsableArea() const { return std::nullopt; }
  // Ends the process with the exit code.
  [[noreturn]] virtual void Exit(int code) = 0;
};

}  // namespace quenlit::platform
