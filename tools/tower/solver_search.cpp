#include "solver_search.h"

#include <algorithm>
#include <functional>
#include <map>
#include <unordered_map>

#include "game/tiles.h"

namespace quenlit::tower {
namespace {

// Health counts this many times over what the standing monsters would cost: the hero will
// not fight them all.
constexpr int64_t kHealthWeight = 4;
constexpr std::array<int64_t, 3> kKeyWorth = {50, 100, 200};
// No set of keys in hand takes more than this share of the beam.
constexpr size_t kKeySetShare = 4;

struct StateKey {
  std::array<uint64_t, kMaxObjects / 64> cleared;
  int32_t attackBuys, defenceBuys;
  bool operator==(const StateKey&) const = default;
};

struct StateKeyHash {
  size_t operator()(const StateKey& key) const {
    uint64_t h = 0x9E3779B97F4A7C15ull * (key.attackBuys * 131 + key.defenceBuys + 1);
    for (uint64_t word : key.cleared) h = (h ^ word) * 0x100000001B3ull + (h >> 29);
    return static_cast<size_t>(h);
  }
};

StateKey KeyOf(const SolverState& state) {
  return {state.cleared, state.attackBuys, state.defenceBuys};
}

// The moves of a line, kept as a tree: each kept state points at the moves that led to it from
// its parent.
struct Trail {
  int parent = -1;
  std::vector<SolverAction> moves;
};

struct Entry {
  SolverState state;
  int trail = -1;
  int64_t promise = 0;
};

class Beam {
 public:
  Beam(const TowerModel& model, int width, int topFloor, std::vector<Trail>& trails,
       SearchResult& result)
      : model_(model), width_(width), topFloor_(topFloor), trails_(trails), result_(result) {}

  // Runs until no state can move; visit sees every kept state.
  void Run(std::vector<Entry> kept, const std::function<void(const Entry&)>& visit) {
    while (!kept.empty()) {
      std::unordered_map<StateKey, size_t, StateKeyHash> index;
      std::vector<Candidate> candidates;
      for (const Entry& entry : kept) Expand(entry, index, candidates);
      std::vector<size_t> order(candidates.size());
      for (size_t i = 0; i < order.size(); ++i) order[i] = i;
      // The most promising first, but no set of keys in hand fills more than its share of the
      // beam: states that spent their keys early must not crowd out those that kept them.
      std::sort(order.begin(), order.end(), [&](size_t a, size_t b) {
        return candidates[a].entry.promise > candidates[b].entry.promise;
      });
      const size_t perKeys = std::max<size_t>(1, width_ / kKeySetShare);
      std::map<std::array<int32_t, 3>, size_t> taken;
      std::vector<size_t> chosen;
      for (size_t i : order) {
        if (chosen.size() == width_) break;
        if (taken[candidates[i].entry.state.keys]++ < perKeys) chosen.push_back(i);
      }
      order = std::move(chosen);
      const size_t keep = order.size();
      kept.clear();
      // Only the kept states get a trail of their own.
      for (size_t i = 0; i < keep; ++i) {
        Candidate& c = candidates[order[i]];
        trails_.push_back({c.entry.trail, std::move(c.moves)});
        c.entry.trail = static_cast<int>(trails_.size()) - 1;
        visit(c.entry);
        kept.push_back(c.entry);
      }
    }
  }

 private:
  struct Candidate {
    Entry entry;
    std::vector<SolverAction> moves;  // from the parent's state
  };

  void Expand(const Entry& entry, std::unordered_map<StateKey, size_t, StateKeyHash>& index,
              std::vector<Candidate>& candidates) {
    std::vector<SolverAction> options;
    for (const FrontierEntry& f : model_.Frontier(entry.state, topFloor_))
      options.push_back({SolverAction::Kind::Take, static_cast<int16_t>(f.object), f.from});
    for (const SolverAction& option : options) {
      if (!model_.Allowed(entry.state, option)) continue;
      Candidate child{{entry.state, entry.trail, 0}, {option}};
      model_.Apply(child.entry.state, option);
      ++result_.states;
      if (child.entry.state.won) {
        Won(child.entry, child.moves);
        continue;
      }
      model_.TakeFreeObjects(child.entry.state, &child.moves, topFloor_);
      const StateKey key = KeyOf(child.entry.state);
      auto [found, added] = index.emplace(key, candidates.size());
      if (!added && candidates[found->second].entry.state.hp >= child.entry.state.hp) continue;
      child.entry.promise = Promise(model_, child.entry.state);
      if (added) {
        candidates.push_back(std::move(child));
      } else {
        candidates[found->second] = std::move(child);
      }
    }
  }

  void Won(const Entry& child, const std::vector<SolverAction>& made) {
    std::vector<int> doors;
    const auto& objects = model_.objects();
    for (size_t i = 0; i < objects.size(); ++i) {
      const uint8_t code = objects[i].code;
      if ((code == tile::kBlueDoor || code == tile::kRedDoor) &&
          child.state.Cleared(static_cast<int>(i)))
        doors.push_back(static_cast<int>(i));
    }
    const int32_t hp = child.state.hp;
    auto way = result_.waysByDoors.find(doors);
    const bool betterWay = way == result_.waysByDoors.end() || way->second.end.hp < hp;
    const bool betterBest = !result_.best || result_.best->end.hp < hp;
    if (!betterWay && !betterBest) return;
    SolverLine line{LineOf(child.trail), child.state};
    line.actions.insert(line.actions.end(), made.begin(), made.end());
    if (betterWay) result_.waysByDoors[doors] = line;
    if (betterBest) result_.best = line;
  }

  std::vector<SolverAction> LineOf(int trail) const {
    std::vector<const Trail*> chain;
    for (int t = trail; t >= 0; t = trails_[t].parent) chain.push_back(&trails_[t]);
    std::vector<SolverAction> actions;
    for (auto it = chain.rbegin(); it != chain.rend(); ++it)
      actions.insert(actions.end(), (*it)->moves.begin(), (*it)->moves.end());
    return actions;
  }

  const TowerModel& model_;
  size_t width_;
  int topFloor_;
  std::vector<Trail>& trails_;
  SearchResult& result_;
};

}  // namespace

int64_t Promise(const TowerModel& model, const SolverState& state) {
  const int64_t standing = model.StandingCost(state);
  int64_t promise = kHealthWeight * state.hp - standing;
  for (int k = 0; k < 3; ++k) promise += kHealthWeight * kKeyWorth[k] * state.keys[k];
  // Gold is worth what the better purchase would save against the standing monsters.
  const int32_t price = model.Price(state);
  if (state.gold > 0) {
    SolverState attack = state, defence = state;
    attack.attack += model.shop().attack;
    defence.defence += model.shop().defence;
    const int64_t saved =
        std::max(standing - model.StandingCost(attack), standing - model.StandingCost(defence));
    promise += saved * state.gold / price;
  }
  return promise;
}

SolverLine StartLine(const TowerModel& model) {
  SolverLine line{{}, model.Start()};
  model.TakeFreeObjects(line.end, &line.actions);
  return line;
}

std::optional<std::vector<SolverState>> Replay(const TowerModel& model,
                                               const std::vector<SolverAction>& actions) {
  std::vector<SolverState> states{model.Start()};
  for (const SolverAction& action : actions) {
    SolverState next = states.back();
    if (!model.Allowed(next, action)) return std::nullopt;
    model.Apply(next, action);
    states.push_back(next);
  }
  return states;
}

SearchResult BeamSearch(const TowerModel& model, const SolverLine& from, int width) {
  SearchResult result;
  std::vector<Trail> trails{{-1, from.actions}};
  Beam beam(model, width, TowerModel::kBossFloorNumber, trails, result);
  beam.Run({{from.end, 0, Promise(model, from.end)}}, [](const Entry&) {});
  return result;
}

SearchResult ClimbSearch(const TowerModel& model, int width) {
  return ClimbSearch(model, StartLine(model), width);
}

SearchResult ClimbSearch(const TowerModel& model, const SolverLine& from, int width) {
  SearchResult result;
  std::vector<Trail> trails{{-1, from.actions}};
  std::vector<Entry> climbers{{from.end, 0, Promise(model, from.end)}};
  for (int floor = 1; floor <= TowerModel::kBossFloorNumber && !climbers.empty(); ++floor) {
    // The states of this floor's beam that can walk up to the next floor.
    std::unordered_map<StateKey, Entry, StateKeyHash> arrived;
    auto consider = [&](const Entry& entry) {
      if (floor == TowerModel::kBossFloorNumber) return;
      const TowerModel::Reach reach = model.Reachable(entry.state, floor + 1);
      if (std::none_of(reach[floor + 1].begin(), reach[floor + 1].end(), [](bool b) { return b; }))
        return;
      auto [it, added] = arrived.emplace(KeyOf(entry.state), entry);
      if (!added && it->second.state.hp < entry.state.hp) it->second = entry;
    };
    for (const Entry& climber : climbers) consider(climber);
    Beam beam(model, width, floor, trails, result);
    beam.Run(climbers, consider);
    std::vector<Entry> next;
    for (auto& [key, entry] : arrived) {
      // On the next floor, whatever comes free there is taken first.
      Entry moved = entry;
      std::vector<SolverAction> made;
      model.TakeFreeObjects(moved.state, &made, floor + 1);
      trails.push_back({entry.trail, std::move(made)});
      moved.trail = static_cast<int>(trails.size()) - 1;
      moved.promise = Promise(model, moved.state);
      next.push_back(moved);
    }
    const size_t keep = std::min<size_t>(next.size(), width);
    std::partial_sort(next.begin(), next.begin() + keep, next.end(),
                      [](const Entry& a, const Entry& b) { return a.promise > b.promise; });
    next.resize(keep);
    climbers = std::move(next);
  }
  return result;
}

}  // namespace quenlit::tower
