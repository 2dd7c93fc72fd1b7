// SDL keys become the game's virtual-key codes.
#include "platform/sdl/key_translation.h"

#include <gtest/gtest.h>

namespace quenlit::platform {
namespace {

TEST(Keys, TheGamesKeysGetTheirVirtualCodes) {
  const std::pair<SDL_Keycode, uint32_t> known[] = {
      {SDLK_RETURN, 13},
      {SDLK_KP_ENTER, 13},
      {SDLK_LEFT, 37},
      {SDLK_UP, 38},
      {SDLK_RIGHT, 39},
      {SDLK_DOWN, 40},
      {SDLK_a, 65},
      {SDLK_g, 71},
      {SDLK_z, 90},
      {SDLK_F8, 119},
      // Esc and F1 reach the game too; only the comfort options give them work.
      {SDLK_ESCAPE, 27},
      {SDLK_F1, 112}};
  for (const auto& [key, code] : known) {
    ASSERT_TRUE(VirtualKeyOf(key).has_value()) << SDL_GetKeyName(key);
    EXPECT_EQ(*VirtualKeyOf(key), code) << SDL_GetKeyName(key);
  }
}

TEST(Keys, OtherKeysAreNotTheGames) {
  for (const SDL_Keycode key : {SDLK_SPACE, SDLK_1, SDLK_F2, SDLK_F7, SDLK_LSHIFT}) {
    EXPECT_FALSE(VirtualKeyOf(key).has_value()) << SDL_GetKeyName(key);
  }
}

TEST(Keys, AltWithQuestionMarkOrSlashOpensTheAboutBox) {
  const auto press = [](SDL_Keycode key, Uint16 mod) {
    SDL_Keysym keysym{};
    keysym.sym = key;
    keysym.mod = mod;
    return IsAboutShortcut(keysym);
  };
  EXPECT_TRUE(press(SDLK_SLASH, KMOD_LALT));
  EXPECT_TRUE(press(SDLK_SLASH, KMOD_RALT | KMOD_SHIFT));
  EXPECT_TRUE(press(SDLK_QUESTION, KMOD_LALT));
  EXPECT_FALSE(press(SDLK_SLASH, KMOD_NONE));
  EXPECT_FALSE(press(SDLK_SLASH, KMOD_CTRL));
  EXPECT_FALSE(press(SDLK_a, KMOD_ALT));
}

}  // namespace
}  // namespace quenlit::platform
