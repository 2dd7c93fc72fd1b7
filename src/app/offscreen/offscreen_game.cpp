#include "app/offscreen/offscreen_game.h"

#include <SDL.h>

#include "app/display/game_fonts.h"
#include "app/display/scene_canvas.h"
#include "app/loading/embedded_resources.h"
#include "app/loading/loader.h"
#include "app/settings/config.h"

namespace quenlit {

OffscreenGame::OffscreenGame(std::optional<Size> size) : fonts_(MakeGameFontLocator()) {
  Game& game = parts.game;
  game.assets.resources = EmbeddedGameResources();
  InstallFonts(fonts_);
  ReadConfig(game);  // ends the process itself when "./config.ini" is missing
  if (size) {
    game.settings.windowWidth = size->width;
    game.settings.windowHeight = size->height;
  }
  canvas_ = std::make_unique<platform::SoftwareCanvas>(game.settings.windowWidth,
                                                       game.settings.windowHeight, fonts_);
  if (canvas_->Valid()) {
    ConfigureCanvas(game, *canvas_);
  } else {
    canvasError_ = "no picture of " + std::to_string(game.settings.windowWidth) + " x " +
                   std::to_string(game.settings.windowHeight) + " can be made: " + SDL_GetError();
    canvas_.reset();
  }
  parts.DrawOn(canvas_.get());
  parts.PlayOn(&audio);
}

void OffscreenGame::Load() {
  RunLoader(parts.game);
}

}  // namespace quenlit
