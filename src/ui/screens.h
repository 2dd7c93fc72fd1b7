#pragma once

// The layers of a game screen. Each draws one part of the picture from the game's state;
// DrawGameScreen calls them in the order the screens stack up.
//
// They only read the game: Game::Update has moved the frame sequences, the curtain and the
// timed displays on before. `shownAt` is the moment the timed texts (misses, game over,
// victory) show: the frame's clock, or for a still the moment the game clock stands at.

#include <cstdint>
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

// Every layer of the current game screen, in the order they stack up.
void DrawGameScreen(const Game& game, float shownAt);

// The floor the map shows: the hero's, except on the frame the curtain closed over a floor
// change, which still shows the floor left behind.
int32_t FloorOnShow(const Game& game);

// The world under every overlay.
void DrawMapView(const Game& game);
void DrawStatusPanel(const Game& game);
void DrawDoorOpenings(const Game& game);

// The overlays, each for its own screen.
void DrawVictory(const Game& game, float shownAt);
void DrawFloorCurtain(const Game& game);
void DrawMessageBox(const Game& game);
void DrawManual(const Game& game);
void DrawPause(const Game& game);
void DrawDialogue(const Game& game);
void DrawBattlePanel(const Game& game);
void DrawStrikeEffects(const Game& game);
void DrawMissIndicators(const Game& game, float shownAt);
void DrawBattleWon(const Game& game);
void DrawGameOver(const Game& game, float shownAt);

// What the comfort options add: the fights' costs on the map, the way out of the end screens,
// the new game's hint, the note and the help overlay.
void DrawDamageNumbers(const Game& game);
void DrawGameOverChoices(const Game& game);
void DrawVictorySummary(const Game& game);
void DrawHint(const Game& game);
void DrawNote(const Game& game);
void DrawHelp(const Game& game);

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
