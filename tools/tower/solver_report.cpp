#include "solver_report.h"

#include <algorithm>
#include <chrono>
#include <fstream>
#include <iomanip>
#include <set>

#include "game/tiles.h"
#include "greedy_players.h"
#include "pathing.h"
#include "solver_figures.h"
#include "solver_plan.h"
#include "solver_search.h"
#include "trap_census.h"

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

// The better of the two searches under other rules, at the narrower width.
SearchResult WhatIf(Game& game, RuleVariant variant, int width) {
  const TowerModel model(game, variant);
  SearchResult climb = ClimbSearch(model, width);
  SearchResult beam = BeamSearch(model, StartLine(model), width);
  return HpOf(beam) > HpOf(climb) ? beam : climb;
}

// The lowest starting health with which a search still wins, by bisection.
int32_t LowestStart(Game& game, int32_t known, int width) {
  int32_t low = 0, high = known;  // low loses, high wins
  while (high - low > 10) {
    const int32_t middle = (low + high) / 2;
    if (WhatIf(game, {middle, true, ShopRule::Both}, width).best) {
      high = middle;
    } else {
      low = middle;
    }
  }
  return high;
}

// The best win of each set of blue and red doors within a quarter of the best margin, as plans.
void WriteOtherWays(const TowerModel& model, const SearchResult& result, int32_t best,
                    const std::string& folder, std::ostream& out) {
  std::vector<const SolverLine*> ways;
  for (const auto& [doors, line] : result.waysByDoors)
    if (4 * line.end.hp >= 3 * best) ways.push_back(&line);
  out << "\nWinning lines within 25 % of the best margin that open other blue and red doors: "
      << ways.size() << "\n";
  // The best few are shown and written; the count says how many there are.
  constexpr size_t kShown = 5;
  std::sort(ways.begin(), ways.end(),
            [](const SolverLine* a, const SolverLine* b) { return a->end.hp > b->end.hp; });
  ways.resize(std::min(ways.size(), kShown));
  for (size_t i = 0; i < ways.size(); ++i) {
    std::string doors;
    const auto& objects = model.objects();
    for (size_t o = 0; o < objects.size(); ++o)
      if ((objects[o].code == tile::kBlueDoor || objects[o].code == tile::kRedDoor) &&
          ways[i]->end.Cleared(static_cast<int>(o)))
        doors += " " + ObjectText(model, static_cast<int>(o));
    out << "  margin " << ways[i]->end.hp << ":" << doors << "\n";
    if (folder.empty()) continue;
    std::ofstream plan(folder + "/way_" + std::to_string(i + 1) + ".txt",
                       std::ios::binary | std::ios::trunc);
    plan << PlanText(model, *ways[i],
                     "A winning line of the solver that opens these blue and red doors:\n" + doors +
                         "\nMargin " + std::to_string(ways[i]->end.hp) + ".");
  }
}

// The line's irreversible mistakes, decision by decision, and how the game shows each.
void ReportTraps(const TowerModel& model, const SolverLine& line, int width, std::ostream& out) {
  const TrapCensus census = CountTraps(model, line, width);
  std::set<int> floors, decisions;
  size_t warned = 0;
  for (const Trap& trap : census.traps) {
    floors.insert(model.objects()[trap.object].floor);
    decisions.insert(trap.decision);
    warned += trap.warning.empty() ? 0 : 1;
  }
  out << "\nTraps (a search of width " << width << " after each move): of " << census.alternatives
      << " other doors and fights at the line's " << census.decisions << " decisions, "
      << census.traps.size() << " leave no win, at " << decisions.size() << " decisions, on floors";
  for (const int floor : floors) out << " " << floor;
  out << "; the game warns of " << warned
      << " (keys short on the door's floor, or the manual's estimate at 40 % of the health or "
         "more)\n";
  int shown = 0;
  for (const Trap& trap : census.traps) {
    if (trap.decision != shown) out << (shown ? "\n" : "") << "  decision " << trap.decision << ":";
    out << (trap.decision == shown ? ";" : "") << " " << ObjectText(model, trap.object)
        << (trap.warning.empty() ? "" : " [" + trap.warning + "]");
    shown = trap.decision;
  }
  if (shown) out << "\n";
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
  const int32_t floor9 = PotionHealth(model, kTop);
  out << "Potions on floor " << kTop << ": " << floor9 << " of " << f.budget - model.Start().hp
      << " (" << Percent(floor9, f.budget - model.Start().hp) << ")\n";

  out << "\nWhat if (searches of width " << options.checkWidth << "):\n";
  const std::pair<const char*, RuleVariant> variants[] = {
      {"without the potions", {std::nullopt, false, ShopRule::Both}},
      {"from 800 health", {800, true, ShopRule::Both}},
      {"with a shop selling only attack", {std::nullopt, true, ShopRule::AttackOnly}},
      {"with a shop selling only defence", {std::nullopt, true, ShopRule::DefenceOnly}},
  };
  for (const auto& [name, variant] : variants)
    out << "  " << name << ": margin " << Margin(WhatIf(world.game(), variant, options.checkWidth))
        << "\n";
  out << "  lowest starting health that still wins: "
      << LowestStart(world.game(), model.Start().hp, options.checkWidth) << "\n";

  // The greedy players, from the start and from where the best line first reaches floor 4.
  constexpr int kGreedyGames = 100;
  constexpr int kLaterFloor = 4;
  const SolverState later = f.floors[kLaterFloor - 1].arrival;
  out << "\nGreedy players, games won of " << kGreedyGames << " seeds (and the highest floor a "
      << "game ends on), from the start and from floor " << kLaterFloor
      << " as the best line reaches it (hp " << later.hp << "):\n";
  for (const GreedyPlayer& player : GreedyPlayers()) {
    const GreedyRecord start = PlayGreedyGames(model, model.Start(), player.rule, kGreedyGames);
    const GreedyRecord fromLater = PlayGreedyGames(model, later, player.rule, kGreedyGames);
    out << "  " << player.name << ": " << Percent(start.wins, kGreedyGames) << " (floor "
        << start.highestFloor << "), " << Percent(fromLater.wins, kGreedyGames) << " (floor "
        << fromLater.highestFloor << ")\n";
  }

  if (options.trapWidth > 0) ReportTraps(model, line, options.trapWidth, out);

  WriteOtherWays(model, *best, f.finalHp, options.otherWaysFolder, out);
  return 0;
}

}  // namespace quenlit::tower
