#include "trap_census.h"

#include <span>
#include <string>

#include "game/tiles.h"

namespace quenlit::tower {
namespace {

// A fight the manual estimates at this share of the hero's health or more reads as a warning.
constexpr int32_t kWarningPercent = 40;

// How the game shows beforehand that the move may be a mistake, or "" when it does not.
std::string WarningOf(const TowerModel& model, const SolverState& state, int object) {
  const TowerObject& move = model.objects()[object];
  if (tile::IsMonster(move.code)) {
    const int32_t estimate = model.Estimate(state, move.code);
    if (estimate * 100 < state.hp * kWarningPercent) return "";
    return "the manual says " + std::to_string(estimate) + " of " + std::to_string(state.hp);
  }
  // A door: more doors of its colour on its floor than keys for them, in hand and lying there.
  const uint8_t key = tile::MeaningOf(move.code).key;
  int doors = 0;
  int keys = state.keys[key - tile::kYellowKey];
  for (size_t i = 0; i < model.objects().size(); ++i) {
    const TowerObject& other = model.objects()[i];
    if (other.floor != move.floor || state.Cleared(static_cast<int>(i))) continue;
    const tile::Meaning& meaning = tile::MeaningOf(other.code);
    if (meaning.kind == tile::Kind::Door && meaning.key == key) ++doors;
    if (other.code == key) ++keys;
  }
  if (doors <= keys) return "";
  static const char* const kColours[] = {"yellow", "blue", "red"};
  return std::to_string(doors) + " " + kColours[key - tile::kYellowKey] + " doors on floor " +
         std::to_string(move.floor) + " for " + std::to_string(keys) +
         (keys == 1 ? " key" : " keys");
}

// Whether the rest of the line still wins after the move: what it takes that the move took
// already is passed over, and a purchase the gold no longer pays for is left out.
bool LineStillWins(const TowerModel& model, SolverState state, std::span<const SolverAction> rest) {
  for (const SolverAction& action : rest) {
    if (action.kind == SolverAction::Kind::Take && state.Cleared(action.object)) continue;
    if (!model.Allowed(state, action)) {
      if (action.kind != SolverAction::Kind::Take) continue;
      return false;
    }
    model.Apply(state, action);
  }
  return state.won;
}

// Whether a line still wins after the move is made instead of the line's next: first the line
// itself, carried on past the move; failing that, the climbing search.
bool WinLeftAfter(const TowerModel& model, const SolverState& state, const SolverAction& move,
                  std::span<const SolverAction> rest, int width) {
  SolverLine after{{}, state};
  model.Apply(after.end, move);
  if (after.end.won || LineStillWins(model, after.end, rest)) return true;
  model.TakeFreeObjects(after.end, nullptr);
  return ClimbSearch(model, after, width).best.has_value();
}

}  // namespace

TrapCensus CountTraps(const TowerModel& model, const SolverLine& line, int width) {
  TrapCensus census;
  SolverState state = model.Start();
  const std::span<const SolverAction> actions(line.actions);
  for (size_t next = 0; next < actions.size(); ++next) {
    const SolverAction& action = actions[next];
    if (action.kind == SolverAction::Kind::Take && !model.IsFree(state, action.object)) {
      ++census.decisions;
      for (const FrontierEntry& entry : model.Frontier(state)) {
        if (entry.object == action.object || model.IsFree(state, entry.object)) continue;
        const SolverAction other{SolverAction::Kind::Take, static_cast<int16_t>(entry.object),
                                 entry.from};
        if (!model.Allowed(state, other)) continue;
        ++census.alternatives;
        if (!WinLeftAfter(model, state, other, actions.subspan(next), width))
          census.traps.push_back(
              {census.decisions, entry.object, WarningOf(model, state, entry.object)});
      }
    }
    model.Apply(state, action);
  }
  return census;
}

}  // namespace quenlit::tower
