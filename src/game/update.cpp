// The per-frame update: everything a drawn frame moves on, in the order the frame meets it, so
// that painting the frame afterwards only reads the game.
#include "base/strike_effects.h"
#include "game/game.h"
#include "game/tiles.h"

namespace quenlit {
namespace {

constexpr float kFloorChangeFadeStep = 0.024f;  // 42 frames to close, 42 to open
constexpr float kPromptFadeStep = 0.0192f;      // the pulsing "-Enter-" prompts

// Moves a running sequence on. One that was never loaded is named where it is drawn: a run that
// only updates, such as the tower checker's, which loads no pictures, stays quiet.
void Advance(SequenceRegistry& sequences, const std::string& name, float now) {
  if (sequences.Contains(name)) sequences.at(name).Advance(now);
}

bool HasCurtain(GameScreen screen) {
  return screen == GameScreen::Dialogue || screen == GameScreen::Manual ||
         screen == GameScreen::BattleWon || screen == GameScreen::Message ||
         screen == GameScreen::FloorChange;
}

}  // namespace

bool Game::Update(float now) {
  if (!frameClock.Due(now)) return false;
  // The loading thread fills the registries whose sequences move on here.
  loading.renderLock.acquire();
  if (screen == GameScreen::Loading) {
    loadingBar.Step(loading.loadProgress);
    // The first frames come before the loading screen's own pictures are in: not yet there
    // is not missing.
    Advance(assets.sequences, kLoadingSequence, now);
  } else {
    UpdateGameScreen(now);
  }
  loading.renderLock.release();
  return true;
}

float Game::IdleTime(float now) const {
  if (screen == GameScreen::Battle) return 0.001f;
  return frameClock.UntilDue(now);
}

float Game::ShownAt(float now) const {
  return now != 0 ? now : clock;
}

// In the order the layers of a game screen show them: the map with its doors, the curtain,
// then what the overlays show.
void Game::UpdateGameScreen(float now) {
  frameClock.TickSprites(now, settings.fps, screen == GameScreen::Paused);
  for (const tile::Meaning& meaning : tile::kMeanings) {
    if (meaning.kind != tile::Kind::Door) continue;
    Advance(assets.sequences, meaning.opening, now);
  }
  AdvanceCurtain();

  const GameScreen current = screen;
  const float shownAt = ShownAt(now);
  if (current == GameScreen::Manual) manual.manualPageEntries = manual.EntriesOnPage();
  if (ShowsBattlePanel(current)) {
    for (const StrikeEffect& effect : kStrikeEffects) {
      if (!effect.HasSequence()) continue;
      Advance(assets.sequences, effect.name, now);
    }
    displays.EndMisses(shownAt);
  }
  if (current == GameScreen::GameOver) displays.EndGameOver(shownAt);
  comfortState.EndTimed(shownAt);
}

// Moves the curtain one step on the screens that use it. On the stairs the floor switches
// behind the closed curtain, and the screen returns to the map once it is open again.
void Game::AdvanceCurtain() {
  curtain.floorLeftBehind.reset();
  if (!HasCurtain(screen)) return;
  const bool floorChange = screen == GameScreen::FloorChange;
  curtain.fadeStep = floorChange ? kFloorChangeFadeStep : kPromptFadeStep;
  const Curtain::Turn turn = curtain.Step();
  if (!floorChange) return;
  if (turn == Curtain::Turn::Closed) {
    curtain.floorLeftBehind = hero.floor;
    hero.SetFloor(curtain.targetFloor);
  } else if (turn == Curtain::Turn::Opened) {
    screen = GameScreen::Map;
    WriteAutosave();
  }
}

}  // namespace quenlit
