// The layers of every game screen: the map view and status panel, then the overlay of the
// current screen on top.
#include "game/game.h"
#include "ui/screens.h"

namespace quenlit {

void Game::DrawGameScreen(float shownAt) const {
  graphics.Clear(RGB(128, 128, 128));
  ui::DrawMapView(*this);
  ui::DrawStatusPanel(*this);
  ui::DrawDoorOpenings(*this);

  const GameScreen current = screen;
  if (current == GameScreen::Victory) ui::DrawVictory(*this, shownAt);
  if (current == GameScreen::FloorChange) ui::DrawFloorCurtain(*this);
  if (current == GameScreen::Message) ui::DrawMessageBox(*this);
  if (current == GameScreen::Manual) ui::DrawManual(*this);
  if (current == GameScreen::Paused) ui::DrawPause(*this);
  if (current == GameScreen::Dialogue) ui::DrawDialogue(*this);
  if (ShowsBattlePanel(current)) {
    ui::DrawBattlePanel(*this);
    ui::DrawStrikeEffects(*this);
    ui::DrawMissIndicators(*this, shownAt);
  }
  if (current == GameScreen::BattleWon) ui::DrawBattleWon(*this);
  if (current == GameScreen::GameOver) ui::DrawGameOver(*this, shownAt);
}

}  // namespace quenlit
