#pragma once

// The layers of a game screen. Each draws one part of the picture from the game's state;
// Game::DrawGameScreen calls them in the order the screens stack up.
//
// Two clocks reach the layers: `now` is the frame's clock as Game::Render received it and
// drives the frame sequences; `shownAt` is the moment the timed texts (misses, game over,
// victory) show. They differ only for a still picture drawn with now 0, which shows the
// moment the game clock stands at.

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "gfx/d2d_gif.h"
#include "gfx/d2d_image.h"

namespace quenlit {
class Game;
}

namespace quenlit::ui {

// The world under every overlay.
void DrawMapView(Game& game);
void DrawStatusPanel(Game& game);
void DrawDoorOpenings(Game& game, float now);

// The overlays, each for its own screen.
void DrawVictory(Game& game, float shownAt);
void DrawFloorCurtain(Game& game);
void DrawMessageBox(Game& game);
void DrawManual(Game& game);
void DrawPause(Game& game);
void DrawDialogue(Game& game);
void DrawBattlePanel(Game& game);
void DrawStrikeEffects(Game& game, float now);
void DrawMissIndicators(Game& game, float shownAt);
void DrawBattleWon(Game& game);
void DrawGameOver(Game& game, float shownAt);

// A picture that is always drawn from one part at one size and opacity.
struct FixedDraw {
  std::shared_ptr<platform::Bitmap> bitmap;
  platform::Canvas::Drawing drawing;
};
// The fixed draws of the big strike effects and the pause picture among these pictures and
// sequences: a canvas that keeps stretched or faded copies can make them before the first
// frame that shows them.
std::vector<FixedDraw> FixedDraws(const ImageRegistry& images, const SequenceRegistry& sequences);
void AddStrikeEffectDraws(const SequenceRegistry& sequences, std::vector<FixedDraw>& draws);
void AddPauseDraw(const std::map<std::string, CD2DImage>& images, std::vector<FixedDraw>& draws);

}  // namespace quenlit::ui
