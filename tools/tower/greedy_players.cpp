#include "greedy_players.h"

#include <algorithm>
#include <cstdlib>
#include <optional>
#include <random>
#include <utility>

#include "game/tiles.h"

namespace quenlit::tower {
namespace {

// A door that wants a key; a jail gate opens for nothing and is taken as freely as an item.
bool IsLockedDoor(const TowerObject& object) {
  const tile::Meaning& meaning = tile::MeaningOf(object.code);
  return meaning.kind == tile::Kind::Door && meaning.key != tile::kFloor;
}

SolverAction TakeOf(const FrontierEntry& entry) {
  return {SolverAction::Kind::Take, static_cast<int16_t>(entry.object), entry.from};
}

// Takes every item, gift and jail gate in reach, and what they bring into reach.
void TakeWhatIsFree(const TowerModel& model, SolverState& state) {
  for (bool took = true; took;) {
    took = false;
    for (const FrontierEntry& entry : model.Frontier(state)) {
      const TowerObject& object = model.objects()[entry.object];
      if (tile::IsMonster(object.code) || IsLockedDoor(object)) continue;
      if (!model.Allowed(state, TakeOf(entry))) continue;
      model.Apply(state, TakeOf(entry));
      took = true;
    }
  }
}

// Spends the gold the way the rule buys, as long as it pays for a purchase.
void SpendGold(const TowerModel& model, SolverState& state, GreedyRule rule, bool& attackNext,
               std::mt19937& seed) {
  for (;;) {
    bool attack = attackNext;
    if (rule == GreedyRule::AttackBuyer) attack = true;
    if (rule == GreedyRule::DefenceBuyer) attack = false;
    if (rule == GreedyRule::Random) attack = seed() % 2 == 0;
    const SolverAction buy{
        attack ? SolverAction::Kind::BuyAttack : SolverAction::Kind::BuyDefence, -1, {}};
    if (!model.Allowed(state, buy)) return;
    model.Apply(state, buy);
    attackNext = !attack;
  }
}

// The candidate the rule ranks lowest; among equals, the seed decides.
template <typename Rank>
std::optional<FrontierEntry> Lowest(const std::vector<FrontierEntry>& candidates, Rank rank,
                                    std::mt19937& seed) {
  std::vector<FrontierEntry> ties;
  std::pair<int64_t, int64_t> lowest{};
  for (const FrontierEntry& candidate : candidates) {
    const std::pair<int64_t, int64_t> ranked = rank(candidate);
    if (!ties.empty() && ranked > lowest) continue;
    if (ties.empty() || ranked < lowest) ties.clear();
    lowest = ranked;
    ties.push_back(candidate);
  }
  if (ties.empty()) return std::nullopt;
  return ties[seed() % ties.size()];
}

}  // namespace

const std::vector<GreedyPlayer>& GreedyPlayers() {
  static const std::vector<GreedyPlayer> players = {
      {GreedyRule::CheapestFight, "the cheapest fight first"},
      {GreedyRule::NearestDoor, "the nearest door first"},
      {GreedyRule::AttackBuyer, "the cheapest fight, all gold on attack"},
      {GreedyRule::DefenceBuyer, "the cheapest fight, all gold on defence"},
      {GreedyRule::Random, "any door or fight at random"},
  };
  return players;
}

GreedyGame PlayGreedily(const TowerModel& model, const SolverState& from, GreedyRule rule,
                        uint32_t seed) {
  std::mt19937 dice(seed);
  SolverState state = from;
  bool attackNext = true;
  for (;;) {
    TakeWhatIsFree(model, state);
    SpendGold(model, state, rule, attackNext, dice);
    if (state.won) break;
    std::vector<FrontierEntry> fights, doors;
    for (const FrontierEntry& entry : model.Frontier(state)) {
      if (!model.Allowed(state, TakeOf(entry))) continue;
      const TowerObject& object = model.objects()[entry.object];
      if (tile::IsMonster(object.code)) fights.push_back(entry);
      if (IsLockedDoor(object)) doors.push_back(entry);
    }
    const auto cheapestFight = [&] {
      return Lowest(
          fights,
          [&](const FrontierEntry& entry) {
            return std::pair<int64_t, int64_t>{
                model.Estimate(state, model.objects()[entry.object].code), 0};
          },
          dice);
    };
    const auto nearestDoor = [&] {
      return Lowest(
          doors,
          [&](const FrontierEntry& entry) {
            const TowerObject& door = model.objects()[entry.object];
            return std::pair<int64_t, int64_t>{
                std::abs(door.floor - state.floor),
                std::abs(door.cell.row - state.position.row) +
                    std::abs(door.cell.column - state.position.column)};
          },
          dice);
    };
    std::optional<FrontierEntry> choice;
    if (rule == GreedyRule::Random) {
      std::vector<FrontierEntry> moves = fights;
      moves.insert(moves.end(), doors.begin(), doors.end());
      if (!moves.empty()) choice = moves[dice() % moves.size()];
    } else if (rule == GreedyRule::NearestDoor) {
      choice = nearestDoor();
      if (!choice) choice = cheapestFight();
    } else {
      choice = cheapestFight();
      if (!choice) choice = nearestDoor();
    }
    if (!choice) break;
    model.Apply(state, TakeOf(*choice));
  }
  return {state.won, state};
}

GreedyRecord PlayGreedyGames(const TowerModel& model, const SolverState& from, GreedyRule rule,
                             int games) {
  GreedyRecord record;
  for (int seed = 1; seed <= games; ++seed) {
    const GreedyGame game = PlayGreedily(model, from, rule, static_cast<uint32_t>(seed));
    record.wins += game.won ? 1 : 0;
    record.highestFloor = std::max(record.highestFloor, game.end.floor);
  }
  return record;
}

}  // namespace quenlit::tower
