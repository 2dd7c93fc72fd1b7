#include "platform/web/main_loop.h"

#include <emscripten.h>

#include <cstdlib>
#include <utility>

namespace quenlit::platform::web {
namespace {

void Turn(void* turn) {
  (*static_cast<std::function<void()>*>(turn))();
}

}  // namespace

void RunAnimationLoop(std::function<void()> turn) {
  // A frame rate of 0 asks for requestAnimationFrame; the last argument unwinds the stack
  // here, so the callback alone keeps the program alive.
  static std::function<void()> held;
  held = std::move(turn);
  emscripten_set_main_loop_arg(&Turn, &held, 0, 1);
  std::abort();  // not reached: the unwinding above leaves this function
}

}  // namespace quenlit::platform::web
