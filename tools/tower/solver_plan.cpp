#include "solver_plan.h"

#include <map>
#include <queue>
#include <set>
#include <sstream>

#include "game/tiles.h"
#include "pathing.h"

namespace quenlit::tower {
namespace {

struct Place {
  int floor = 0;
  Cell cell;
  bool operator<(const Place& o) const {
    return std::tie(floor, cell.row, cell.column) < std::tie(o.floor, o.cell.row, o.cell.column);
  }
};

// A plain floor cell next to the stairs the hero stands on: he steps off and back on to take
// them again.
std::optional<Cell> StepOff(const Floor& floor, Cell stairs) {
  for (const DirectionFacts& facts : kDirections) {
    const Cell next = Neighbour(stairs, facts.direction);
    if (InsideFloor(next.row, next.column) && floor.At(next.row, next.column) == tile::kFloor)
      return next;
  }
  return std::nullopt;
}

// The stairs cells to step into, in order, to get from where the hero stands to a floor where
// the target can be walked to; breadth first over floors and stairs.
std::vector<Place> StairsTo(const TowerModel& model, const SolverState& state, Place from,
                            Place target) {
  std::map<Place, std::pair<Place, Place>> cameFrom;  // landing -> (previous landing, stairs)
  std::queue<Place> open;
  open.push(from);
  std::set<Place> seen{from};
  while (!open.empty()) {
    const Place here = open.front();
    open.pop();
    const Floor floor = FloorAt(model, state, here.floor);
    if (here.floor == target.floor && PathTo(floor, here.cell, target.cell)) {
      std::vector<Place> stairs;
      for (Place p = here; !(p.floor == from.floor && p.cell == from.cell);) {
        const auto& [previous, step] = cameFrom.at(p);
        stairs.insert(stairs.begin(), step);
        p = previous;
      }
      return stairs;
    }
    for (int row = 0; row < kFloorSize; ++row) {
      for (int column = 0; column < kFloorSize; ++column) {
        const int delta = tile::MeaningOf(floor.At(row, column)).floorChange;
        const int other = here.floor + delta;
        if (delta == 0 || other < 1 || other > TowerModel::kBossFloorNumber) continue;
        const Cell stairs{row, column};
        if (stairs == here.cell ? !StepOff(floor, stairs) : !PathTo(floor, here.cell, stairs))
          continue;
        const Place landing{other, {row, column}};
        if (!seen.insert(landing).second) continue;
        cameFrom[landing] = {here, {here.floor, {row, column}}};
        open.push(landing);
      }
    }
  }
  return {};
}

// Where the hero stands after walking to a cell and stepping into it.
Cell StandingAfter(const Floor& floor, Cell from, Cell target) {
  const auto presses = PathTo(floor, from, target);
  Cell cell = from;
  for (size_t i = 0; presses && i + 1 < presses->size(); ++i) cell = Neighbour(cell, (*presses)[i]);
  return cell;
}

}  // namespace

Floor FloorAt(const TowerModel& model, const SolverState& state, int floor) {
  Floor cells = model.OriginalFloor(floor);
  for (int index = 0; index < kFloorCells; ++index) {
    const int object = model.ObjectAt(floor, {index / kFloorSize, index % kFloorSize});
    if (object >= 0 && state.Cleared(object)) cells.cells[index] = tile::kFloor;
  }
  return cells;
}

std::string PlanText(const TowerModel& model, const SolverLine& line, const std::string& comment) {
  std::ostringstream out;
  std::istringstream lines(comment);
  for (std::string text; std::getline(lines, text);) out << "; " << text << "\n";
  SolverState state = model.Start();
  Place hero{state.floor, state.position};
  std::set<int> arrived{hero.floor}, left;
  out << "floor " << hero.floor << "\nmark floor" << hero.floor << "\n";
  const auto flushBuys = [&](SolverAction::Kind kind, int& count) {
    if (count == 0) return;
    out << (kind == SolverAction::Kind::BuyAttack ? "buy attack " : "buy defence ") << count
        << "\n";
    count = 0;
  };
  int attacks = 0, defences = 0;
  for (const SolverAction& action : line.actions) {
    if (action.kind == SolverAction::Kind::BuyAttack) {
      flushBuys(SolverAction::Kind::BuyDefence, defences);
      ++attacks;
    } else if (action.kind == SolverAction::Kind::BuyDefence) {
      flushBuys(SolverAction::Kind::BuyAttack, attacks);
      ++defences;
    } else {
      flushBuys(SolverAction::Kind::BuyAttack, attacks);
      flushBuys(SolverAction::Kind::BuyDefence, defences);
      const TowerObject& object = model.objects()[action.object];
      for (const Place& stairs : StairsTo(model, state, hero, {object.floor, object.cell})) {
        const int to =
            stairs.floor +
            tile::MeaningOf(
                model.OriginalFloor(stairs.floor).At(stairs.cell.row, stairs.cell.column))
                .floorChange;
        if (to > stairs.floor && left.insert(stairs.floor).second)
          out << "mark leave" << stairs.floor << "\n";
        if (stairs.cell == hero.cell) {
          const Cell off = *StepOff(FloorAt(model, state, hero.floor), hero.cell);
          out << "to " << off.row << " " << off.column << "\n";
        }
        out << "to " << stairs.cell.row << " " << stairs.cell.column << "\nfloor " << to << "\n";
        if (arrived.insert(to).second) out << "mark floor" << to << "\n";
        hero = {to, stairs.cell};
      }
      const Floor floor = FloorAt(model, state, hero.floor);
      hero.cell = StandingAfter(floor, hero.cell, object.cell);
      out << "to " << object.cell.row << " " << object.cell.column << "\n";
    }
    model.Apply(state, action);
  }
  flushBuys(SolverAction::Kind::BuyAttack, attacks);
  flushBuys(SolverAction::Kind::BuyDefence, defences);
  return out.str();
}

}  // namespace quenlit::tower
