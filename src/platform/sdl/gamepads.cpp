#include "platform/sdl/gamepads.h"
#include "base/key_codes.h"

#include <cstdlib>
#include <iterator>

#include "platform/gamepad_layout.h"

namespace quenlit::platform {
namespace {

// The stick counts as pushed past half way, and as let go once back under a third: a stick
// resting near the threshold does not flicker between pushed and let go.
constexpr int kPushed = 16384;
constexpr int kLetGo = 10923;

uint32_t KeyOfButton(uint8_t button) {
  for (const PadBinding& binding : kPadBindings)
    if (SDL_GameControllerGetButtonFromString(binding.button) == button) return binding.key;
  return 0;
}

bool IsArrow(uint32_t key) {
  return key >= vk::kLeft && key <= vk::kDown;
}

}  // namespace

Gamepads::~Gamepads() {
  for (const auto& [pad, controller] : controllers_) SDL_GameControllerClose(controller);
}

bool Gamepads::Handle(const SDL_Event& event, uint32_t nowMs) {
  switch (event.type) {
    case SDL_CONTROLLERDEVICEADDED:
      Connect(event.cdevice.which);
      return true;
    case SDL_CONTROLLERDEVICEREMOVED:
      Disconnect(event.cdevice.which);
      return true;
    case SDL_CONTROLLERBUTTONDOWN:
      if (const uint32_t key = KeyOfButton(event.cbutton.button))
        Hold({event.cbutton.which, event.cbutton.button}, key, nowMs);
      return true;
    case SDL_CONTROLLERBUTTONUP:
      Release({event.cbutton.which, event.cbutton.button});
      return true;
    case SDL_CONTROLLERAXISMOTION:
      if (event.caxis.axis == SDL_CONTROLLER_AXIS_LEFTX ||
          event.caxis.axis == SDL_CONTROLLER_AXIS_LEFTY)
        MoveStick(event.caxis.which, nowMs);
      return true;
    default:
      return false;
  }
}

void Gamepads::Tick(uint32_t nowMs) {
  if (repeating_ == 0 || static_cast<int32_t>(nowMs - nextRepeatMs_) < 0) return;
  // One repeat a turn: a loop that stalled does not fire a burst of steps afterwards.
  press_(vk::kKeyDown, repeating_);
  nextRepeatMs_ = nowMs + kRepeatIntervalMs;
}

bool Gamepads::HeldElsewhere(uint32_t key, Source except) const {
  for (const auto& [source, held] : held_)
    if (held == key && source != except) return true;
  return false;
}

void Gamepads::Hold(Source source, uint32_t key, uint32_t nowMs) {
  if (held_.count(source)) return;
  held_[source] = key;
  // As on the keyboard, pressing a key again repeats its action; the key-up waits for the
  // last source to let go.
  press_(vk::kKeyDown, key);
  if (IsArrow(key)) {
    repeating_ = key;
    nextRepeatMs_ = nowMs + kRepeatDelayMs;
  }
}

void Gamepads::Release(Source source) {
  const auto found = held_.find(source);
  if (found == held_.end()) return;
  const uint32_t key = found->second;
  held_.erase(found);
  if (HeldElsewhere(key, source)) return;
  if (key == repeating_) repeating_ = 0;
  press_(vk::kKeyUp, key);
}

void Gamepads::MoveStick(SDL_JoystickID pad, uint32_t nowMs) {
  const auto controller = controllers_.find(pad);
  if (controller == controllers_.end()) return;
  const int x = SDL_GameControllerGetAxis(controller->second, SDL_CONTROLLER_AXIS_LEFTX);
  const int y = SDL_GameControllerGetAxis(controller->second, SDL_CONTROLLER_AXIS_LEFTY);
  const Source stick{pad, kStick};
  const auto held = held_.find(stick);
  const uint32_t was = held == held_.end() ? 0 : held->second;
  // A held direction stays until the stick is let go along its axis; a new one is the axis
  // pushed furthest.
  const int along = was == vk::kLeft ? -x : was == vk::kRight ? x : was == vk::kUp ? -y : y;
  if (was != 0 && along >= kLetGo) return;
  uint32_t now = 0;
  if (std::abs(x) >= std::abs(y) && std::abs(x) >= kPushed) now = x < 0 ? vk::kLeft : vk::kRight;
  if (std::abs(y) > std::abs(x) && std::abs(y) >= kPushed) now = y < 0 ? vk::kUp : vk::kDown;
  if (now == was) return;
  if (was != 0) Release(stick);
  if (now != 0) Hold(stick, now, nowMs);
}

void Gamepads::Connect(int deviceIndex) {
  SDL_GameController* controller = SDL_GameControllerOpen(deviceIndex);
  if (!controller) return;
  const SDL_JoystickID pad = SDL_JoystickInstanceID(SDL_GameControllerGetJoystick(controller));
  // SDL announces a controller again when it was already there at start-up.
  if (!controllers_.emplace(pad, controller).second) SDL_GameControllerClose(controller);
}

void Gamepads::Disconnect(SDL_JoystickID pad) {
  const auto controller = controllers_.find(pad);
  if (controller == controllers_.end()) return;
  for (auto source = held_.begin(); source != held_.end();) {
    const auto next = std::next(source);
    if (source->first.first == pad) Release(source->first);
    source = next;
  }
  SDL_GameControllerClose(controller->second);
  controllers_.erase(controller);
}

}  // namespace quenlit::platform
