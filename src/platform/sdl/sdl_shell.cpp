#include "platform/sdl/sdl_shell.h"

#include <cstdio>
#include <cstdlib>
#include <iostream>

namespace quenlit::platform {

void SdlShell::ShowMessage(const std::string& caption, const std::string& text) {
  const Uint32 kind = caption == "Info" ? SDL_MESSAGEBOX_INFORMATION : SDL_MESSAGEBOX_ERROR;
  if (SDL_ShowSimpleMessageBox(kind, caption.c_str(), text.c_str(), nullptr) == 0) return;
  std::string line = text;
  for (char& c : line)
    if (c == '\n') c = ' ';
  std::cerr << caption << ": " << line << std::endl;
}

void SdlShell::MoveWindow(int x, int y, int width, int height) {
  if (!window_) return;
  SDL_SetWindowPosition(window_, x, y);
  SDL_SetWindowSize(window_, width, height);
}

std::optional<Shell::Area> SdlShell::UsableArea() const {
  if (!window_) return std::nullopt;
  const int display = SDL_GetWindowDisplayIndex(window_);
  SDL_Rect bounds{};
  if (display < 0 || SDL_GetDisplayUsableBounds(display, &bounds) != 0) return std::nullopt;
  // A window manager that tells no frame (or none at all) leaves the whole usable area.
  int top = 0, left = 0, bottom = 0, right = 0;
  if (SDL_GetWindowBordersSize(window_, &top, &left, &bottom, &right) != 0)
    top = left = bottom = right = 0;
  return Area{bounds.x + left, bounds.y + top, bounds.w - left - right, bounds.h - top - bottom};
}

void SdlShell::Exit(int code) {
  std::cout.flush();
  std::cerr.flush();
  std::fflush(nullptr);
  std::_Exit(code);
}

}  // namespace quenlit::platform
