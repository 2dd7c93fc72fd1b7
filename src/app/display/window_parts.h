#pragma once

#include <SDL.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <utility>

#include "base/key_codes.h"
#include "platform/sdl/renderer_canvas.h"
#include "platform/shell.h"

// What the desktop program and the browser's share once a window exists: its canvas and
// the keys it delivers.
namespace quenlit {

class Game;

// Tells the player once that text cannot be drawn: the box would come back with every frame.
struct TextFailureNotice {
  platform::Shell& shell;
  bool shown = false;
};

// Makes the window's canvas with the configuration's renderer choice and binds the game's
// drawing object to it. Without a canvas the player gets the game's notice and nothing is
// drawn. The notice must outlive the game's drawing object.
std::unique_ptr<platform::RendererCanvas> OpenGameCanvas(SDL_Window* window, Game& game,
                                                         platform::FontLocator& fonts,
                                                         TextFailureNotice& notice);

// A key event as the game's key message (vk::kKeyDown or vk::kKeyUp) and key; a held key's
// repeats count as presses. Nothing for other events and for keys the game does not know.
std::optional<std::pair<uint32_t, uint32_t>> KeyMessageOf(const SDL_Event& event);

// Passes a key event to the game as its key message.
void DeliverKey(Game& game, const SDL_Event& event);

}  // namespace quenlit
