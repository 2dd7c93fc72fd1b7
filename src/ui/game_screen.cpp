// The layers of every game screen: the map view and status panel, the curtain's step, then
// the overlay of the current screen on top.
#include "game/game.h"
#include "ui/screens.h"

namespace quenlit {

void Game::DrawGameScreen(float now) {
  // A frame drawn with the clock 0 is a still: the sequences hold their frame, while the
  // timed texts show the moment the game clock stands at.
  const float shownAt = now != 0 ? now : clock;

  ui::DrawMapView(*this);
  ui::DrawStatusPanel(*this);
  ui::DrawDoorOpenings(*this, now);
  AdvanceCurtain();

  const GameScreen current = screen;
  const bool battlePanel = current == GameScreen::Battle || current == GameScreen::BattleWon ||
                           current == GameScreen::GameOver;
  if (current == GameScreen::Victory) ui::DrawVictory(*this, shownAt);
  if (current == GameScreen::FloorChange) ui::DrawFloorCurtain(*this);
  if (current == GameScreen::Message) ui::DrawMessageBox(*this);
  if (current == GameScreen::Manual) ui::DrawManual(*this);
  if (current == GameScreen::Paused) ui::DrawPause(*this);
  if (current == GameScreen::Dialogue) ui::DrawDialogue(*this);
  if (battlePanel) {
    ui::DrawBattlePanel(*this);
    ui::DrawStrikeEffects(*this, now);
    ui::DrawMissIndicators(*this, shownAt);
  }
  if (current == GameScreen::BattleWon) ui::DrawBattleWon(*this);
  if (current == GameScreen::GameOver) ui::DrawGameOver(*this, shownAt);
}

}  // namespace quenlit
