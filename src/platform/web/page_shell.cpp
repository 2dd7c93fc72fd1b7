#include "platform/web/page_shell.h"

#include <emscripten.h>

#include <cstdlib>
#include <iostream>

// The page's side, in page_bridge.js.
extern "C" {
void quenlit_page_message(const char* caption, const char* text);
void quenlit_page_stopped(int code);
void quenlit_page_loaded();
}

namespace quenlit::platform::web {

void PageShell::ShowMessage(const std::string& caption, const std::string& text) {
  std::cerr << caption << ": " << text << std::endl;
  quenlit_page_message(caption.c_str(), text.c_str());
}

void PageShell::MoveWindow(int, int, int, int) {}

void PageShell::GameLoaded() {
  quenlit_page_loaded();
}

void PageShell::Exit(int code) {
  quenlit_page_stopped(code);
  emscripten_cancel_main_loop();
  emscripten_force_exit(code);
  std::abort();  // not reached: the exit unwinds out of the program
}

}  // namespace quenlit::platform::web
