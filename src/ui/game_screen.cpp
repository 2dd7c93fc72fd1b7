// The layers of every game screen: the map view and status panel, then the overlay of the
// current screen on top.
#include "game/game.h"
#include "ui/screens.h"

namespace quenlit::ui {

void DrawGameScreen(const Game& game, float shownAt) {
  game.graphics.Clear(RGB(128, 128, 128));
  DrawMapView(game);
  DrawStatusPanel(game);
  DrawDoorOpenings(game);
  if (game.comfortState.damageShown) DrawDamageNumbers(game);

  const GameScreen current = game.screen;
  if (current == GameScreen::Victory) DrawVictory(game, shownAt);
  if (current == GameScreen::FloorChange) DrawFloorCurtain(game);
  if (current == GameScreen::Message) DrawMessageBox(game);
  if (current == GameScreen::Manual) DrawManual(game);
  if (current == GameScreen::Paused) DrawPause(game);
  if (current == GameScreen::Dialogue) DrawDialogue(game);
  if (ShowsBattlePanel(current)) {
    DrawBattlePanel(game);
    DrawStrikeEffects(game);
    DrawMissIndicators(game, shownAt);
  }
  if (current == GameScreen::BattleWon) DrawBattleWon(game);
  if (current == GameScreen::GameOver) DrawGameOver(game, shownAt);

  if (game.ChoicesShownAfterDefeat()) DrawGameOverChoices(game);
  if (game.SummaryShownAfterVictory(shownAt)) DrawVictorySummary(game);
  if (game.comfortState.hintShown && current == GameScreen::Map) DrawHint(game);
  if (game.comfortState.note.shown) DrawNote(game);
  if (game.comfortState.helpShown) DrawHelp(game);
}

}  // namespace quenlit::ui
