#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "solver_model.h"

namespace quenlit::tower {

// Players who never look ahead, as a newcomer to this kind of game may play. Every one of them
// takes whatever is free the moment it is in reach (items, gifts, jail gates), never starts a
// fight the manual says would kill him, and makes one choice at a time by a simple rule:
enum class GreedyRule {
  CheapestFight,  // the cheapest fight the manual allows; a door only when no fight is
                  // allowed; buys attack and defence in turn whenever the gold suffices
  NearestDoor,    // the nearest door he holds the key for; the cheapest fight only when no
                  // door opens; buys attack and defence in turn
  AttackBuyer,    // as the cheapest fight first, but spends all his gold on attack
  DefenceBuyer,   // as the cheapest fight first, but spends all his gold on defence
  Random,         // any door or fight allowed, at random; each purchase attack or defence at
                  // random
};
// "Nearest" is as the crow flies from where the hero stands: on his floor first, then on the
// floors closest to his. Choices the rule cannot tell apart (two fights of one cost, two doors
// as near) are decided by the game's seed.

struct GreedyPlayer {
  GreedyRule rule;
  const char* name;
};
const std::vector<GreedyPlayer>& GreedyPlayers();

// How one game of a greedy player ended.
struct GreedyGame {
  bool won = false;
  SolverState end;  // where no choice was left, or the victory
};

// Plays one game from the state (the start, or a line's arrival on a floor) with the seed.
GreedyGame PlayGreedily(const TowerModel& model, const SolverState& from, GreedyRule rule,
                        uint32_t seed);

// The games with seeds 1 to games: how many the player wins, and the highest floor on which
// one of them ends.
struct GreedyRecord {
  int wins = 0;
  int highestFloor = 0;
};
GreedyRecord PlayGreedyGames(const TowerModel& model, const SolverState& from, GreedyRule rule,
                             int games);

}  // namespace quenlit::tower
