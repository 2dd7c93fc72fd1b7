#pragma once

// The layers of a game screen. Each draws one part of the picture from the game's state;
// Game::DrawGameScreen calls them in the order the screens stack up.
//
// Two clocks reach the layers: `now` is the frame's clock as Game::Render received it and
// drives the frame sequences; `shownAt` is the moment the timed texts (misses, game over,
// victory) show. They differ only for a still picture drawn with now 0, which shows the
// moment the game clock stands at.

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

}  // namespace quenlit::ui
