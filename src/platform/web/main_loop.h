#pragma once

#include <functional>

namespace quenlit::platform::web {

// Hands the turn to the browser's animation callback: turn() runs once before every repaint
// of the page. Never returns; whatever turn() uses must outlive the page.
[[noreturn]] void RunAnimationLoop(std::function<void()> turn);

}  // namespace quenlit::platform::web
