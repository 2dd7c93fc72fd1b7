#pragma once

#include <SDL.h>

#include <cstdint>
#include <functional>
#include <map>
#include <utility>

#include "base/key_codes.h"

namespace quenlit::platform {

// Game controllers played as the keyboard. Every button and direction is one of the game's
// keys (platform/gamepad_layout.h), pressed and released through the same callback as the
// keyboard's keys; the D-pad and the left stick are the arrows, repeating while held like a
// held key. Controllers may come and go while the game runs; one pulled out while a direction is
// held releases it.
class Gamepads {
 public:
  // message is vk::kKeyDown or vk::kKeyUp, key the virtual-key code.
  using Press = std::function<void(uint32_t message, uint32_t key)>;

  explicit Gamepads(Press press) : press_(std::move(press)) {}
  ~Gamepads();
  Gamepads(const Gamepads&) = delete;
  Gamepads& operator=(const Gamepads&) = delete;

  // Takes the controller events (devices added and removed, buttons, stick); false for every
  // other event. nowMs is SDL's millisecond tick.
  bool Handle(const SDL_Event& event, uint32_t nowMs);
  // Repeats the direction held last, as the keyboard repeats a held key; called every turn of
  // the main loop.
  void Tick(uint32_t nowMs);

  size_t Connected() const { return controllers_.size(); }

  // A held direction repeats after this long, then this often: the keyboard's usual pace.
  static constexpr uint32_t kRepeatDelayMs = 500;
  static constexpr uint32_t kRepeatIntervalMs = 40;

 private:
  // Where a key comes from: a controller and one of its buttons, or its left stick.
  using Source = std::pair<SDL_JoystickID, int>;
  static constexpr int kStick = -1;

  void Hold(Source source, uint32_t key, uint32_t nowMs);
  void Release(Source source);
  void MoveStick(SDL_JoystickID pad, uint32_t nowMs);
  void Connect(int deviceIndex);
  void Disconnect(SDL_JoystickID pad);
  bool HeldElsewhere(uint32_t key, Source except) const;

  Press press_;
  std::map<SDL_JoystickID, SDL_GameController*> controllers_;
  std::map<Source, uint32_t> held_;
  uint32_t repeating_ = 0;  // the direction that repeats, 0 for none
  uint32_t nextRepeatMs_ = 0;
};

}  // namespace quenlit::platform
