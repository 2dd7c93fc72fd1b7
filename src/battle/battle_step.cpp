// A battle played out one strike at a time, each with its effect and sound.
#include <set>
#include <string>

#include "game/game.h"

namespace quenlit {
namespace {

constexpr float kWait = 0.25f;
constexpr float kLongWait = 0.35f;  // after a change of side, and always for the slow kind
constexpr int8_t kSlowMonster = 34;

}  // namespace

bool Game::BattleStep(float now) {
  if (battleStarting) {
    lastStepTime = now - 0.28f;
    battleStarting = false;
    return true;
  }
  if (monsterFalling) {
    lastStepTime = now - 0.105f;
    monsterFalling = false;
    return true;
  }
  const float wait = (sideChange || monsterId == kSlowMonster) ? kLongWait : kWait;
  if (now - lastStepTime < wait) return true;
  lastStepTime = now;

  if (monsterHp == 0) {
    sound.Play("Sound 1350.wav", now);
    screen = GameScreen::BattleWon;
    return true;
  }
  if (hero.hp == 0) {
    screen = GameScreen::GameOver;
    gameOverShown = true;
    gameOverTime = now;
  }

  if (heroTurn != 0) {
    if (monsterCombo != 0) heroTurn -= 1;
    if (heroTurn == 0) {
      monsterHitCount = 0;
      sideChange = true;
    } else {
      sideChange = false;
    }
    if (hero.attack > monsterDefend) {
      if (random.RollChance(static_cast<float>(monsterSwift) / 100.0f)) {
        sound.PlayByName("miss", now);
        heroMissTime = now;
        heroMissShown = true;
      } else {
        StartSequence("heroslash");
        sound.PlayByName("sword", now);
        HeroStrikeDamage();
      }
    }
    if (monsterHp <= 0) {
      monsterHp = 0;
      monsterCombo = 0;
      monsterFalling = true;
    }
    return true;
  }

  monsterHitCount += 1;
  if (monsterHitCount == monsterCombo) {
    heroTurn = 1;
    sideChange = true;
  } else {
    sideChange = false;
  }
  if (monsterAbility == kMageAbility || monsterAttack > hero.defence) {
    if (random.RollChance(static_cast<float>(hero.agility) / 100.0f)) {
      sound.PlayByName("miss", now);
      monsterMissTime = now;
      monsterMissShown = true;
    } else if (random.RollChance(monsterCriticalRatio)) {
      const std::string effect = monsterWeapon + "b";
      StartSequence(effect);
      sound.PlayByName(effect, now);
      MonsterStrikeDamage(true);
    } else {
      // The barrage and fire strikes open with the impact flash.
      if (monsterWeapon == "barrage" || monsterWeapon == "fire") StartSequence("hit");
      StartSequence(monsterWeapon);
      sound.PlayByName(monsterWeapon, now);
      MonsterStrikeDamage(false);
    }
  }
  if (hero.hp < 0) {
    hero.hp = 0;
    screen = GameScreen::GameOver;
    sound.Play("Sound 1375.wav", now);
    gameOverShown = true;
    gameOverTime = now;
  }
  return true;
}

void Game::HideStrikeEffects() {
  // Every sequence a battle can start: the hero's slash, the impact flash, and the weapon of
  // each kind in the table (and of the one just fought) with its critical form. Whatever
  // still runs would otherwise go on into the next battle.
  std::set<std::string> effects = {"heroslash", "hit", monsterWeapon, monsterWeapon + "b"};
  for (const auto& [id, kind] : monsters) {
    effects.insert(kind.weapon);
    effects.insert(kind.weapon + "b");
  }
  for (const std::string& name : effects) {
    // A kind's critical form may not exist ("fistb"): only those that do are stopped.
    if (sequences.Contains(name)) sequences.Find(name)->Stop();
  }
}

}  // namespace quenlit
