#include "game/types.h"

#include <array>
#include <utility>

namespace quenlit {
namespace {
constexpr std::array<std::pair<GameScreen, const char*>, 11> kScreenNames{{
    {GameScreen::Loading, "Loading"},
    {GameScreen::Map, "Map"},
    {GameScreen::Battle, "Battle"},
    {GameScreen::BattleWon, "BattleWon"},
    {GameScreen::Paused, "Paused"},
    {GameScreen::Manual, "Manual"},
    {GameScreen::Dialogue, "Dialogue"},
    {GameScreen::Message, "Message"},
    {GameScreen::FloorChange, "FloorChange"},
    {GameScreen::Victory, "Victory"},
    {GameScreen::GameOver, "GameOver"},
}};
}  // namespace

bool ShowsBattlePanel(GameScreen screen) {
  return screen == GameScreen::Battle || screen == GameScreen::BattleWon ||
         screen == GameScreen::GameOver;
}

const char* ScreenName(GameScreen screen) {
  for (const auto& [value, name] : kScreenNames)
    if (value == screen) return name;
  return "";
}

bool ScreenFromName(const std::string& name, GameScreen& screen) {
  for (const auto& [value, text] : kScreenNames) {
    if (name == text) {
      screen = value;
      return true;
    }
  }
  return false;
}

}  // namespace quenlit
