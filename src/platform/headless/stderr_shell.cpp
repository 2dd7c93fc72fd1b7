#include "platform/headless/stderr_shell.h"

#include <cstdio>
#include <cstdlib>
#include <iostream>

namespace quenlit::platform {

void StderrShell::ShowMessage(const std::string& caption, const std::string& text) {
  std::string line = text;
  for (char& c : line)
    if (c == '\n') c = ' ';  // one line per message
  std::cerr << caption << ": " << line << std::endl;
}

void StderrShell::MoveWindow(int x, int y, int width, int height) {
  windowX = x;
  windowY = y;
  windowWidth = width;
  windowHeight = height;
}

void StderrShell::Exit(int code) {
  std::cout.flush();
  std::cerr.flush();
  std::_Exit(code);
}

}  // namespace quenlit::platform
