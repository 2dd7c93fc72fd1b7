// The page's own keys, those of the touch controls, go into SDL's event queue as key events:
// the game then takes them exactly as it takes the keyboard's.
#include <SDL.h>
#include <emscripten.h>

extern "C" EMSCRIPTEN_KEEPALIVE void quenlit_page_key(const char* name, int down, int repeat) {
  const SDL_Keycode key = SDL_GetKeyFromName(name);
  if (key == SDLK_UNKNOWN) return;
  SDL_Event event{};
  event.type = down ? SDL_KEYDOWN : SDL_KEYUP;
  event.key.state = down ? SDL_PRESSED : SDL_RELEASED;
  event.key.repeat = repeat ? 1 : 0;
  event.key.keysym.sym = key;
  event.key.keysym.scancode = SDL_GetScancodeFromKey(key);
  SDL_PushEvent(&event);
}
