#include "app/display/window_parts.h"
#include "base/key_codes.h"

#include <iostream>

#include "app/settings/fatal.h"
#include "game/game.h"
#include "game_texts.h"
#include "platform/sdl/key_translation.h"
#include "platform/sdl/window_canvas.h"

namespace quenlit {

std::unique_ptr<platform::RendererCanvas> OpenGameCanvas(SDL_Window* window, Game& game,
                                                         platform::FontLocator& fonts,
                                                         TextFailureNotice& notice) {
  game.graphics.SetInfoBox(
      [](void* context, const std::string& text) {
        auto* once = static_cast<TextFailureNotice*>(context);
        if (once->shown) return;
        once->shown = true;
        ShowInfo(once->shell, text);
      },
      &notice);
  auto canvas = platform::CreateWindowCanvas(
      window, {game.settings.hardwareAcceleration != 0, game.settings.verticalSync != 0}, fonts);
  if (!canvas) {
    std::cerr << "quenlit: " << SDL_GetError() << std::endl;
    ShowInfo(game.shell, texts::kCanvasFailed);
  }
  game.graphics.Initialize(canvas.get());
  return canvas;
}

std::optional<std::pair<uint32_t, uint32_t>> KeyMessageOf(const SDL_Event& event) {
  if (event.type != SDL_KEYDOWN && event.type != SDL_KEYUP) return std::nullopt;
  const auto key = platform::VirtualKeyOf(event.key.keysym.sym);
  if (!key) return std::nullopt;
  return std::make_pair(event.type == SDL_KEYDOWN ? vk::kKeyDown : vk::kKeyUp, *key);
}

void DeliverKey(Game& game, const SDL_Event& event) {
  if (const auto message = KeyMessageOf(event)) game.HandleInput(message->first, message->second);
}

}  // namespace quenlit
