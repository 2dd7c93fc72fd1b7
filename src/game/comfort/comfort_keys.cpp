// The keys that the comfort options add: the help overlay, the damage numbers, and the ways
// out of the end screens.
#include "base/key_codes.h"
#include "game/game.h"
#include "game_texts.h"

namespace quenlit {

bool Game::HandleComfortKey(GameScreen current, uint32_t key) {
  // The help lies over the map until the next key, which does nothing else.
  if (comfortState.helpShown) {
    comfortState.helpShown = false;
    return true;
  }
  switch (current) {
    case GameScreen::Map:
      if (comfort.helpKeys && (key == vk::kF1 || key == 'H')) {
        comfortState.helpShown = true;
        comfortState.hintShown = false;  // found: the hint has done its work
        return true;
      }
      if (comfort.damageNumbers != DamageNumbers::Off && key == 'M') {
        comfortState.damageShown = !comfortState.damageShown;
        return true;
      }
      return false;
    case GameScreen::GameOver:
      return comfort.endScreenChoices && ChooseAfterDefeat(key);
    case GameScreen::Victory:
      return comfort.endScreenChoices && ChooseAfterVictory(key);
    default:
      return false;
  }
}

bool Game::ChoicesShownAfterDefeat() const {
  return comfort.endScreenChoices && screen == GameScreen::GameOver && !displays.gameOverShown;
}

bool Game::SummaryShownAfterVictory(float shownAt) const {
  return comfort.endScreenChoices && screen == GameScreen::Victory && displays.victoryShown &&
         shownAt - displays.victoryTime > kSummaryAfter;
}

bool Game::ChooseAfterDefeat(uint32_t key) {
  // The choices wait until "Game Over~" has faded, so that a key still held from the fight
  // does not skip the end.
  if (!ChoicesShownAfterDefeat()) return false;
  switch (key) {
    case 'A':
    case 'L':
      if (!LoadGame(1)) {
        ShowNote(texts::kLoadFailedNotice);
        return true;
      }
      ResumeAfterDefeat();
      ShowMessage(texts::kLoadedNotice);
      return true;
    case 'R':
      if (!LoadAutosave(hero.floor)) {
        ShowNote(texts::kNoAutosave);
        return true;
      }
      ResumeAfterDefeat();
      ShowNote(texts::kAutosaveLoaded);
      return true;
    case 'N':
      StartOver();
      return true;
    default:
      return false;
  }
}

bool Game::ChooseAfterVictory(uint32_t key) {
  if (!SummaryShownAfterVictory(clock)) return false;
  if (key != 'N' && key != vk::kEnter) return false;
  StartOver();
  return true;
}

void Game::ResumeAfterDefeat() {
  HideStrikeEffects();
  displays = TimedDisplays{};
  screen = GameScreen::Map;
}

void Game::ShowNote(const std::string& text) {
  comfortState.note = {text, clock, true};
}

}  // namespace quenlit
