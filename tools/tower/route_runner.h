#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "game/game.h"
#include "route_plan.h"

namespace quenlit::tower {

// What the hero has at one moment of the route.
struct HeroNumbers {
  int32_t hp = 0, attack = 0, defence = 0, agility = 0, gold = 0;
  int32_t yellowKeys = 0, blueKeys = 0, redKeys = 0;
};

// A monster as the manual would show it at that moment: its estimate at the hero's numbers.
struct MonsterEstimate {
  int kind = 0;
  std::string name;
  int count = 0;         // how many stand on the floor
  int32_t estimate = 0;  // health lost, 0 when it cannot hurt, -1 when it cannot be hurt
};

// A battle of the route, settled at its estimate (no dodges, no critical strikes).
struct Fight {
  int floor = 0;
  Cell cell;
  int kind = 0;
  std::string name;
  int32_t estimate = 0;
  int32_t hpBefore = 0;
};

// One stay of the route on a floor, from arriving to leaving.
struct FloorVisit {
  int floor = 0;
  HeroNumbers arrival, departure;
  std::vector<MonsterEstimate> monstersOnArrival;
  std::vector<Fight> fights;
};

struct RouteResult {
  bool won = false;
  std::string failure;  // where and why the route could not go on, when it did not win
  std::vector<FloorVisit> visits;
  std::optional<Fight> lastFight;  // the boss fight, when the route won
  int32_t finalHp = 0;
  std::vector<std::string> script;  // the route as quenlit-sim commands
};

// The hero's numbers as they stand.
HeroNumbers NumbersOf(Hero& hero);

// Follows the plan on a new game through the game's own input: arrow keys, Enter, G and F.
// Battles are settled at the manual's estimate and floor changes completed at once; every
// press and wait is written to the script so that quenlit-sim can play the same route in
// game time.
RouteResult RunRoute(Game& game, const std::vector<PlanStep>& plan);

// The route's script as quenlit-sim reads it, with a header that says where it comes from.
std::string ScriptText(const RouteResult& route);

}  // namespace quenlit::tower
