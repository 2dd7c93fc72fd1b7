#include "app/session/state_dump.h"

#include "app/session/json_writer.h"
#include "game/game.h"

namespace quenlit {
namespace {

JsonWriter& Strings(JsonWriter& json, const std::vector<std::string>& texts) {
  json.BeginArray();
  for (const std::string& text : texts) json.Value(text);
  return json.EndArray();
}

}  // namespace

std::string DumpState(Game& game, const std::vector<std::string>& played,
                      const std::vector<std::string>& started) {
  const Hero& hero = game.hero;
  JsonWriter json;
  json.BeginObject();
  json.Key("screen").Value(ScreenName(game.screen));
  json.Key("clock").Value(game.clock);
  json.Key("hero").BeginObject();
  json.Key("floor").Value(hero.floor);
  json.Key("row").Value(hero.Row());
  json.Key("column").Value(hero.Column());
  json.Key("facing").Value(static_cast<int>(hero.facing));
  json.Key("level").Value(hero.level);
  json.Key("exp").Value(hero.exp);
  json.Key("hp").Value(hero.hp);
  json.Key("attack").Value(hero.attack);
  json.Key("defence").Value(hero.defence);
  json.Key("agility").Value(hero.agility);
  json.EndObject();
  json.Key("items").BeginObject();
  for (const auto& [code, count] : hero.items) json.Key(std::to_string(code)).Value(count);
  json.EndObject();
  json.Key("shopPrice").Value(static_cast<int>(game.shop.shopPrice));
  json.Key("messageText").Value(game.messageText);
  json.Key("talkSpeaker").Value(game.dialogue.talkSpeaker);
  Strings(json.Key("talkLines"), game.dialogue.talkLines);
  json.Key("talkRow").Value(game.dialogue.talkRow);
  json.Key("talkColumn").Value(game.dialogue.talkColumn);
  json.Key("giftPending").Value(game.dialogue.giftPending);
  json.Key("manualMonsters").BeginArray();
  for (int32_t id : game.manual.manualMonsters) json.Value(id);
  json.EndArray();
  json.Key("manualPage").Value(game.manual.manualPage);
  json.Key("manualPageCount").Value(game.manual.manualPageCount);
  json.Key("manualPageEntries").Value(game.manual.manualPageEntries);
  json.Key("monster").BeginObject();
  json.Key("id").Value(static_cast<int>(game.battle.opponentId));
  json.Key("name").Value(game.battle.opponent.name);
  json.Key("hp").Value(game.battle.opponent.hp);
  json.Key("attack").Value(game.battle.opponent.attack);
  json.Key("defend").Value(game.battle.opponent.defend);
  json.Key("swift").Value(game.battle.opponent.swift);
  json.Key("combo").Value(game.battle.opponent.combo);
  json.Key("hitCount").Value(game.battle.hitCount);
  json.Key("heroTurn").Value(game.battle.heroTurn);
  json.Key("row").Value(game.battle.row);
  json.Key("column").Value(game.battle.column);
  json.Key("rewardExp").Value(game.battle.opponent.exp);
  json.Key("rewardGold").Value(game.battle.opponent.gold);
  json.Key("weapon").Value(game.battle.opponent.weapon);
  json.Key("ability").Value(game.battle.opponent.ability);
  json.EndObject();
  json.Key("targetFloor").Value(game.curtain.targetFloor);
  json.Key("fadeLevel").Value(game.curtain.fadeLevel);
  json.Key("fadeRising").Value(game.curtain.fadeRising);
  json.Key("displayModeIndex").Value(game.settings.displayModeIndex);
  json.Key("loadProgress").Value(static_cast<int>(game.loading.loadProgress));
  json.Key("cells").BeginArray();
  if (const Floor* floor = game.world.FloorAt(hero.floor)) {
    for (uint8_t cell : floor->cells) json.Value(static_cast<int>(cell));
  }
  json.EndArray();
  Strings(json.Key("played"), played);
  Strings(json.Key("started"), started);
  json.Key("heroMissShown").Value(game.displays.heroMissShown);
  json.Key("monsterMissShown").Value(game.displays.monsterMissShown);
  json.Key("gameOverShown").Value(game.displays.gameOverShown);
  json.Key("victoryShown").Value(game.displays.victoryShown);
  json.EndObject();
  return json.Text();
}

}  // namespace quenlit
