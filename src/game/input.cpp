// The keyboard on every screen.
#include "base/key_codes.h"
#include "game/bounded.h"
#include "game/game.h"
#include "game/settings/window_sizes.h"
#include "game/tiles.h"
#include "game_texts.h"

namespace quenlit {
namespace {

constexpr uint32_t kA = 'A', kD = 'D', kE = 'E', kF = 'F', kG = 'G', kL = 'L', kP = 'P', kQ = 'Q',
                   kS = 'S';

}  // namespace

bool Game::HandleInput(uint32_t message, uint32_t key) {
  if (key > 255) return false;
  if (message == vk::kKeyDown) {
    keys.keyDown[key] = 1;
    if (key == vk::kF8) CycleWindowSize();
    keys.keyDown[key] = 0;
  } else if (message == vk::kKeyUp) {
    keys.keyDown[key] = 0;
  }

  const GameScreen current = screen;
  if (current == GameScreen::Map) {
    // On the map a held key stays marked, so that the hero is drawn walking.
    if (message == vk::kKeyDown) keys.keyDown[key] = 1;
    if (message == vk::kKeyUp) keys.keyDown[key] = 0;
  }
  if (message != vk::kKeyDown) return true;
  if (HandleComfortKey(current, key)) return true;

  switch (current) {
    case GameScreen::Map:
      if (const Direction walk = DirectionOfArrow(key); walk != Direction::None) {
        TryStep(walk);
        break;
      }
      switch (key) {
        case kA:
        case kL:
          ShowMessage(LoadGame(1) ? texts::kLoadedNotice : texts::kLoadFailedNotice);
          break;
        case kD:
          OpenManual();
          break;
        case kE:
        case kS:
          ShowMessage(SaveGame(1) ? texts::kSavedNotice : texts::kSaveFailedNotice);
          break;
        case kF:
          BuyDefence();
          break;
        case kG:
          BuyAttack();
          break;
        case kP:
          screen = GameScreen::Paused;
          break;
        default:
          break;
      }
      break;
    case GameScreen::Battle:
      // The arrows shift the battle effects' drawing position a unit the way they point.
      if (const DirectionFacts* nudge = FactsOf(DirectionOfArrow(key))) {
        keys.battleNudgeX += nudge->columnStep;
        keys.battleNudgeY += nudge->rowStep;
        break;
      }
      // A hero at 0 hp has fallen and only waits for the next exchange to end the game.
      if (key == kQ && hero.hp > 0) {
        screen = GameScreen::Map;
        HideStrikeEffects();
      }
      break;
    case GameScreen::BattleWon:
      if (key == vk::kEnter) CollectReward();
      break;
    case GameScreen::Paused:
      if (key == kP) screen = GameScreen::Map;
      break;
    case GameScreen::Manual:
      if (ClosesLikeEnter(key)) screen = GameScreen::Map;
      if (key == vk::kLeft && manual.manualPage > 1) {
        manual.manualPage -= 1;
        sound.Play("Sound 1618.wav", clock);
      }
      if (key == vk::kRight && manual.manualPage < manual.manualPageCount) {
        manual.manualPage += 1;
        sound.Play("Sound 1618.wav", clock);
      }
      break;
    case GameScreen::Dialogue:
      if (ClosesLikeEnter(key)) {
        screen = GameScreen::Map;
        if (dialogue.giftPending) GiveGift();
      }
      break;
    case GameScreen::Message:
      if (ClosesLikeEnter(key)) {
        screen = GameScreen::Map;
      } else if (const Direction walk = DirectionOfArrow(key);
                 comfort.quickMessages && walk != Direction::None) {
        // The notice is read at a glance: the arrow that walks on closes it in the same press,
        // and is held on the map as any walking arrow is.
        screen = GameScreen::Map;
        keys.keyDown[key] = 1;
        TryStep(walk);
      }
      break;
    default:
      break;
  }
  return true;
}

bool Game::ClosesLikeEnter(uint32_t key) const {
  return key == vk::kEnter || (comfort.quickMessages && key == vk::kEscape);
}

void Game::CycleWindowSize() {
  // The loader publishes the sizes with everything else it loads and only then leaves
  // Loading; until that moment the list belongs to it.
  if (screen == GameScreen::Loading || settings.displayModes.empty()) return;
  if (comfort.fitWindow) {
    CycleFittingWindowSize();
    return;
  }
  settings.displayModeIndex += 1;
  if (settings.displayModeIndex >= static_cast<int32_t>(settings.displayModes.size()))
    settings.displayModeIndex = 0;
  const Size size = settings.displayModes[settings.displayModeIndex];
  shell.MoveWindow(0, 0, size.width, size.height);
}

void Game::CycleFittingWindowSize() {
  const Size configured{settings.windowWidth, settings.windowHeight};
  const std::optional<platform::Shell::Area> usable = shell.UsableArea();
  const Size next = NextSize(FittingSizes(settings.displayModes, configured, usable),
                             settings.windowSize.width > 0 ? settings.windowSize : configured);
  settings.windowSize = next;
  const platform::Shell::Area place =
      usable ? CentredIn(*usable, next) : platform::Shell::Area{0, 0, next.width, next.height};
  shell.MoveWindow(place.x, place.y, next.width, next.height);
}

void Game::ShowMessage(const std::string& text) {
  messageText = text;
  screen = GameScreen::Message;
  sound.Play("Sound 1615.wav", clock);
}

void Game::OpenManual() {
  screen = GameScreen::Manual;
  manual.manualMonsters.clear();
  for (int row = 0; row < kFloorSize; ++row) {
    for (int column = 0; column < kFloorSize; ++column) {
      const uint8_t code = CellAt(row, column).value_or(tile::kFloor);
      if (tile::IsMonster(code)) manual.manualMonsters.insert(code);
    }
  }
  const int32_t count = static_cast<int32_t>(manual.manualMonsters.size());
  manual.manualPageCount = count == 0 ? 0 : (count - 1) / ManualRecord::kEntriesPerPage + 1;
  manual.manualPage = 1;
  manual.manualPageEntries = manual.EntriesOnPage();
}

void Game::CollectReward() {
  SetCell(battle.row, battle.column, tile::kFloor);
  AddBounded(hero.exp, battle.opponent.exp);
  AddBounded(hero.Items(tile::kGold), battle.opponent.gold);
  comfortState.stats.fights += 1;
  screen = GameScreen::Map;
  HideStrikeEffects();
  if (hero.floor == tile::kBossFloor && battle.row == tile::kBossRow &&
      battle.column == tile::kBossColumn) {
    screen = GameScreen::Victory;
    displays.victoryShown = true;
    displays.victoryTime = clock;
    comfortState.stats.endedAt = clock;
  }
}

}  // namespace quenlit
