#pragma once

#include "platform/shell.h"

namespace quenlit::platform::web {

// The program's shell in a browser page: the game's message boxes show on the page, where they
// stay readable, and on the console; the page, not the game, gives the scene its size; and the
// end of the program stops the game and leaves its last message on the page.
class PageShell : public Shell {
 public:
  void ShowMessage(const std::string& caption, const std::string& text) override;
  // Nothing: the scene takes the room the page gives it, whatever size the game asks for.
  void MoveWindow(int x, int y, int width, int height) override;
  [[noreturn]] void Exit(int code) override;
  // Tells the page the game has loaded and plays: the page then does what could wait
  // (keeping its files for playing offline) without slowing the loading down.
  void GameLoaded();
};

}  // namespace quenlit::platform::web
