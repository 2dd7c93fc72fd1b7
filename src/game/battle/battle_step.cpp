// A battle played out one strike at a time, each with its effect and sound.
#include <string>

#include "base/strike_effects.h"
#include "game/game.h"

namespace quenlit {
namespace {

constexpr float kWait = 0.25f;
constexpr float kLongWait = 0.35f;  // after a change of side, and always for the slow kind
constexpr int8_t kSlowMonster = 34;

}  // namespace

void Game::BattleStep(float now) {
  if (battle.starting) {
    battle.lastStepTime = now - 0.28f;
    battle.starting = false;
    return;
  }
  if (battle.falling) {
    battle.lastStepTime = now - 0.105f;
    battle.falling = false;
    return;
  }
  const float wait = (battle.sideChange || battle.opponentId == kSlowMonster) ? kLongWait : kWait;
  if (now - battle.lastStepTime < wait) return;
  battle.lastStepTime = now;

  if (battle.opponent.hp == 0) {
    sound.Play("Sound 1350.wav", now);
    screen = GameScreen::BattleWon;
    return;
  }
  if (hero.hp == 0) {
    screen = GameScreen::GameOver;
    displays.gameOverShown = true;
    displays.gameOverTime = now;
  }

  if (battle.heroTurn != 0) {
    if (battle.opponent.combo != 0) battle.heroTurn -= 1;
    if (battle.heroTurn == 0) {
      battle.hitCount = 0;
      battle.sideChange = true;
    } else {
      battle.sideChange = false;
    }
    if (hero.attack > battle.opponent.defend) {
      if (random.RollChance(static_cast<float>(battle.opponent.swift) / 100.0f)) {
        sound.PlayByName(kMissSound, now);
        displays.heroMissTime = now;
        displays.heroMissShown = true;
      } else {
        StartSequence(kHeroSlash);
        sound.PlayByName(kHeroSlashSound, now);
        HeroStrikeDamage();
      }
    }
    if (battle.opponent.hp <= 0) {
      battle.opponent.hp = 0;
      battle.opponent.combo = 0;
      battle.falling = true;
    }
    return;
  }

  battle.hitCount += 1;
  if (battle.hitCount == battle.opponent.combo) {
    battle.heroTurn = 1;
    battle.sideChange = true;
  } else {
    battle.sideChange = false;
  }
  if (battle.opponent.ability == kMageAbility || battle.opponent.attack > hero.defence) {
    if (random.RollChance(static_cast<float>(hero.agility) / 100.0f)) {
      sound.PlayByName(kMissSound, now);
      displays.monsterMissTime = now;
      displays.monsterMissShown = true;
    } else if (random.RollChance(battle.criticalRatio)) {
      const std::string effect = CriticalStrike(battle.opponent.weapon);
      StartSequence(effect);
      sound.PlayByName(effect, now);
      MonsterStrikeDamage(true);
    } else {
      const StrikeEffect* strike = FindStrikeEffect(battle.opponent.weapon);
      if (strike && strike->flashFirst) StartSequence(kImpactFlash);
      StartSequence(battle.opponent.weapon);
      sound.PlayByName(battle.opponent.weapon, now);
      MonsterStrikeDamage(false);
    }
  }
  if (hero.hp < 0) {
    hero.hp = 0;
    screen = GameScreen::GameOver;
    sound.Play("Sound 1375.wav", now);
    displays.gameOverShown = true;
    displays.gameOverTime = now;
  }
}

void Game::HideStrikeEffects() {
  // Whatever still runs would otherwise go on into the next battle. A strike that only
  // sounds has no sequence to stop.
  for (const StrikeEffect& strike : kStrikeEffects)
    if (strike.HasSequence() && assets.sequences.Contains(strike.name))
      assets.sequences.Find(strike.name)->Stop();
}

}  // namespace quenlit
