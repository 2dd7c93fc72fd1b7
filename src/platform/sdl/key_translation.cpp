#include "platform/sdl/key_translation.h"
#include "base/key_codes.h"

namespace quenlit::platform {

std::optional<uint32_t> VirtualKeyOf(SDL_Keycode key) {
  switch (key) {
    case SDLK_RETURN:
    case SDLK_KP_ENTER:
      return vk::kEnter;
    case SDLK_LEFT:
      return vk::kLeft;
    case SDLK_UP:
      return vk::kUp;
    case SDLK_RIGHT:
      return vk::kRight;
    case SDLK_DOWN:
      return vk::kDown;
    case SDLK_ESCAPE:
      return vk::kEscape;
    case SDLK_F1:
      return vk::kF1;
    case SDLK_F8:
      return vk::kF8;
    default:
      break;
  }
  if (key >= SDLK_a && key <= SDLK_z) return static_cast<uint32_t>('A' + (key - SDLK_a));
  return std::nullopt;
}

bool IsAboutShortcut(const SDL_Keysym& key) {
  return (key.mod & KMOD_ALT) != 0 && (key.sym == SDLK_SLASH || key.sym == SDLK_QUESTION);
}

}  // namespace quenlit::platform
