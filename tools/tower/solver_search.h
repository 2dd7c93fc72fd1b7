#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <vector>

#include "solver_model.h"

namespace quenlit::tower {

// A line of play: every move from the start, the free ones included, and where it ends.
struct SolverLine {
  std::vector<SolverAction> actions;
  SolverState end;
};

struct SearchResult {
  std::optional<SolverLine> best;  // the winning line that keeps the most health
  // The best win for each set of blue and red doors opened: ways that differ in their choices.
  std::map<std::vector<int>, SolverLine> waysByDoors;
  int64_t states = 0;  // states weighed
};

// How promising a state looks: its health, less a share of what the monsters still standing
// would cost at its numbers, plus what its keys and gold may buy.
int64_t Promise(const TowerModel& model, const SolverState& state);

// Beam search over the whole tower: from the state, each round makes every allowed move of
// every kept state (a door, a fight), takes what comes free and spends the gold, merges states
// that cleared the same objects with the same purchases (keeping the healthier) and keeps the
// width most promising, no set of keys in hand taking more than a quarter of them.
SearchResult BeamSearch(const TowerModel& model, const SolverLine& from, int width);

// The climbing search: floor by floor, a beam that may act only up to the floor being climbed,
// and of all the states it meets that reach the next floor's stairs the width most promising
// carry on to the next floor.
SearchResult ClimbSearch(const TowerModel& model, int width);
// The same from a line already made: the floors it has left behind still hold what it did not
// take there.
SearchResult ClimbSearch(const TowerModel& model, const SolverLine& from, int width);

// The line that starts the game and takes what comes free.
SolverLine StartLine(const TowerModel& model);

// The line's moves replayed from the start, with the state after each; nothing when a move is
// not allowed where the line makes it.
std::optional<std::vector<SolverState>> Replay(const TowerModel& model,
                                               const std::vector<SolverAction>& actions);

}  // namespace quenlit::tower
