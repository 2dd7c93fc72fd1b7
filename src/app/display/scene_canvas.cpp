#include "app/display/scene_canvas.h"

#include "game/game.h"
#include "ui/scene.h"

namespace quenlit {

void ConfigureCanvas(const Game& game, platform::RendererCanvas& canvas) {
  if (game.settings.fitScene)
    canvas.FitScene(
        {ui::kSceneWidth, ui::kSceneHeight, ui::kSceneMarginRgb, game.comfort.crispPixels});
}

}  // namespace quenlit
