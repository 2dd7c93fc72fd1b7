#include "game/game.h"

#include "game/characters/character_tables.h"

#include "game/tiles.h"

namespace quenlit {

Game::Game(Hero& hero, CD2DGraphics& graphics, DSound& sound, platform::WallClock& wallClock,
           platform::Shell& shell)
    : hero(hero), graphics(graphics), sound(sound), wallClock(wallClock), shell(shell) {}

void Game::StartNewGame() {
  hero.facing = Direction::Down;
  hero.SetPosition(12, 7);
  hero.SetFloor(1);
  hero.Items(tile::kYellowKey) = 1;
  hero.Items(tile::kBlueKey) = 1;
  hero.Items(tile::kRedKey) = 1;
}

void Game::BeginPlay() {
  // The tower as loading left it is what every later new game starts from.
  if (comfortState.startFloors.empty()) {
    comfortState.startFloors = world.floors;
    comfortState.startReserved = world.reservedBytes;
  }
  StartNewGame();
  shop.shopPrice = kShopTerms.openingPrice;
  // The loading thread begins the first game while the main thread keeps the clock: the
  // moments below are taken by the first frame of the map (ComfortState::EndTimed).
  comfortState.stats = PlayStats{};
  comfortState.stats.startedAt = ComfortState::kNotYet;
  comfortState.damageShown = comfort.damageNumbers == DamageNumbers::Shown;
  comfortState.hintShown = comfort.helpKeys;
  comfortState.hintSince = ComfortState::kNotYet;
  WriteAutosave();
  // Last: once the screen leaves Loading the main thread reads everything above.
  screen = GameScreen::Map;
}

float Game::UpdateClock() {
  // The whole part counts the changes of the wall-clock second seen, the fraction is the
  // current millisecond: a long stall moves the clock by one second, not by the stall.
  const platform::WallTime now = wallClock.Now();
  if (!lastSecondSeen_) lastSecondSeen_ = now.second;
  const float whole = static_cast<float>(static_cast<int32_t>(clock));
  clock = whole + static_cast<float>(now.millisecond) / 1000.0f;
  if (now.second != *lastSecondSeen_) {
    lastSecondSeen_ = now.second;
    clock += 1.0f;
  }
  return clock;
}

std::optional<uint8_t> Game::CellAt(int row, int column) const {
  return world.CellAt(hero.floor, row, column);
}

void Game::SetCell(int row, int column, uint8_t code) {
  world.SetCell(hero.floor, row, column, code);
}

void Game::StartSequence(const std::string& name) {
  if (CD2DGif* sequence = assets.sequences.Find(name)) sequence->Start();
  if (onSequenceStart) onSequenceStart(name);
}

}  // namespace quenlit
