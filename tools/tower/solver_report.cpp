#include "solver_report.h"

#include <chrono>
#include <fstream>
#include <iomanip>

#include "game/tiles.h"
#include "pathing.h"
#include "solver_figures.h"
#include "solver_plan.h"
#include "solver_search.h"

namespace quenlit::tower {
namespace {

constexpr int kTop = TowerModel::kBossFloorNumber;

std::string Percent(int64_t part, int64_t whole) {
  std::ostringstream text;
  text << std::fixed << std::setprecision(1) << (whole ? 100.0 * part / whole : 0.0) << " %";
  return text.str();
}

std::string Margin(const SearchResult& result) {
  return result.best ? std::to_string(result.best->end.hp) : "no win";
}

int32_t HpOf(const SearchResult& result) {
  return result.best ? result.best->end.hp : -1;
}

std::string ObjectText(const TowerModel& model, int object) {
  const TowerObject& o = model.objects()[object];
  const std::string what =
      tile::IsMonster(o.code) ? model.Kind(o.code).name : tile::MeaningOf(o.code).name;
  return what + " at " + std::to_string(o.floor) + " " + CellText(o.cell);
}

class Timer {
 public:
  double Seconds() const {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
  }

 private:
  std::chrono::steady_clock::time_point start_ = std::chrono::steady_clock::now();
};

}  // namespace

int Solve(CheckerWorld& world, const SolveOptions& options, std::ostream& out) {
  const TowerModel model(world.game());
  out << "Solving floors 1 to " << kTop << ": " << model.objects().size()
      << " objects to take, open or fight\n";

  // The searches and the sweep of the beam's width.
  Timer beamTime;
  const SearchResult beam = BeamSearch(model, StartLine(model), options.width);
  const double beamSeconds = beamTime.Seconds();
  Timer wideTime;
  const SearchResult wide = BeamSearch(model, StartLine(model), 4 * options.width);
  const double wideSeconds = wideTime.Seconds();
  Timer climbTime;
  const SearchResult climb = ClimbSearch(model, options.width);
  const double climbSeconds = climbTime.Seconds();
  out << "Beam search, width " << options.width << ": margin " << Margin(beam) << " ("
      << beam.states << " states, " << std::setprecision(3) << beamSeconds << " s)\n";
  out << "Beam search, width " << 4 * options.width << ": margin " << Margin(wide) << " ("
      << wide.states << " states, " << wideSeconds << " s)\n";
  out << "Climbing search floor by floor, width " << options.width << ": margin " << Margin(climb)
      << " (" << climb.states << " states, " << climbSeconds << " s)\n";

  const SearchResult* best = &wide;
  for (const SearchResult* r : {&beam, &climb})
    if (HpOf(*r) > HpOf(*best)) best = r;
  if (!best->best) {
    out << "No search wins the tower.\n";
    return 1;
  }
  const SolverLine& line = *best->best;
  const LineFigures f = Figures(model, line);
  out << "Budget B = " << f.budget << " (starting health and every potion)\n";
  out << "Best line: margin " << f.finalHp << " = " << Percent(f.finalHp, f.budget)
      << " of B; searches agree within " << Percent(std::abs(HpOf(wide) - HpOf(climb)), f.budget)
      << " (wide beam against climb); quadrupling the beam moves it "
      << Percent(std::abs(HpOf(wide) - HpOf(beam)), f.budget) << "\n";

  if (!options.planPath.empty()) {
    std::ofstream plan(options.planPath, std::ios::binary | std::ios::trunc);
    plan << PlanText(model, line,
                     "The best line the solver finds (quenlit-tower solve), as a plan for\n"
                     "\"quenlit-tower check\". The checker turns it into tower/route.sim.");
  }

  out << "\nFloor by floor (arrival numbers; health lost; fights and free fights; potions taken "
         "and left; keys on leaving):\n";
  for (const FloorFigures& floor : f.floors) {
    const SolverState& a = floor.arrival;
    out << "  " << floor.floor << ": hp " << a.hp << " atk " << a.attack << " def " << a.defence
        << " gold " << a.gold << " keys " << a.keys[0] << "/" << a.keys[1] << "/" << a.keys[2]
        << "; lost " << floor.hpLost << " (" << Percent(floor.hpLost, f.totalDamage) << "); fights "
        << floor.fights << ", free " << floor.freeFights << "; potions " << floor.potionsTaken
        << " taken, " << floor.potionsLeft << " left; keys " << floor.keysOnLeaving[0] << "/"
        << floor.keysOnLeaving[1] << "/" << floor.keysOnLeaving[2] << "\n";
  }
  out << "Fights " << f.fights.size() << ", free " << f.freeFights << " ("
      << Percent(f.freeFights, f.fights.size()) << "); shop: attack " << f.attackBuys
      << ", defence " << f.defenceBuys << "\n";
  out << "Demon king: costs " << f.bossCost << " of " << f.hpBeforeBoss << " ("
      << Percent(f.bossCost, f.hpBeforeBoss) << "), leaves " << f.finalHp << "\n";
  int32_t costliest = 0;
  for (const LineFight& fight : f.fights) costliest = std::max(costliest, fight.cost);
  out << "Costliest fight: " << costliest << (costliest == f.bossCost ? " (the king)" : "") << "\n";
  out << "Fights of the line:\n";
  for (const LineFight& fight : f.fights)
    out << "  " << ObjectText(model, fight.object) << ": " << fight.cost << " of " << fight.hpBefore
        << "\n";

  const int32_t ceiling = DefenceCeiling(model);
  const Monster& king = model.Kind(model.OriginalFloor(kTop).At(tile::kBossRow, tile::kBossColumn));
  out << "Highest reachable defence: " << ceiling << "; the king's attack " << king.attack << " ("
      << king.attack - ceiling << " above)\n";
  return 0;
}

}  // namespace quenlit::tower
