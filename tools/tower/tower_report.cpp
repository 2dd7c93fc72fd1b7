#include "tower_report.h"

#include <string>

#include "pathing.h"

namespace quenlit::tower {
namespace {

std::string Cells(const std::vector<Cell>& cells) {
  std::string text;
  for (Cell cell : cells) text += (text.empty() ? "" : " ") + CellText(cell);
  return text.empty() ? "none" : text;
}

std::string Numbers(const HeroNumbers& n) {
  return "hp " + std::to_string(n.hp) + ", attack " + std::to_string(n.attack) + ", defence " +
         std::to_string(n.defence) + ", agility " + std::to_string(n.agility) + ", gold " +
         std::to_string(n.gold) + ", keys yellow " + std::to_string(n.yellowKeys) + " blue " +
         std::to_string(n.blueKeys) + " red " + std::to_string(n.redKeys);
}

std::string Estimate(int32_t estimate) {
  return estimate < 0 ? "cannot be hurt" : std::to_string(estimate);
}

void PrintSurvey(std::ostream& out, const FloorSurvey& floor) {
  out << "Floor " << floor.floor << ": entered at " << Cells(floor.entries) << "; stairs up "
      << Cells(floor.upStairs) << ", down " << Cells(floor.downStairs) << "\n";
  out << "  reach: " << floor.openCells - floor.unreached.size() << " of " << floor.openCells
      << " open cells from the entries";
  if (!floor.unreached.empty()) out << "; out of reach: " << Cells(floor.unreached);
  out << "\n  keys lying here: yellow " << floor.keys[0] << ", blue " << floor.keys[1] << ", red "
      << floor.keys[2] << "; doors: yellow " << floor.doors[0] << ", blue " << floor.doors[1]
      << ", red " << floor.doors[2] << "; jail gates " << floor.jailGates << "\n";
}

void PrintVisit(std::ostream& out, const FloorVisit& visit) {
  out << "  route arrives: " << Numbers(visit.arrival) << "\n";
  if (!visit.monstersOnArrival.empty()) {
    out << "    monsters here, estimate at these numbers:";
    for (const MonsterEstimate& m : visit.monstersOnArrival)
      out << " " << m.name << " x" << m.count << " " << Estimate(m.estimate) << ";";
    out << "\n";
  }
  for (const Fight& fight : visit.fights)
    out << "    fights " << fight.name << " at " << CellText(fight.cell) << ": estimate "
        << fight.estimate << ", health " << fight.hpBefore << " -> "
        << fight.hpBefore - fight.estimate << "\n";
  out << "  route leaves: " << Numbers(visit.departure) << "\n";
}

}  // namespace

bool TowerWon(const TowerSurvey& survey, const RouteResult& route) {
  return survey.problems.empty() && route.won;
}

void PrintReport(std::ostream& out, const TowerSurvey& survey, const RouteResult& route) {
  for (const FloorSurvey& floor : survey.floors) {
    if (floor.floor > kBossFloor) break;
    PrintSurvey(out, floor);
    for (const FloorVisit& visit : route.visits)
      if (visit.floor == floor.floor) PrintVisit(out, visit);
  }
  int upperOpenCells = 0;
  for (const FloorSurvey& floor : survey.floors)
    if (floor.floor > kBossFloor) upperOpenCells += floor.openCells;
  out << "Floors " << kBossFloor + 1 << " to " << survey.floors.size()
      << ": the upper tower, no stairs lead there from floor " << kBossFloor << " ("
      << upperOpenCells << " open cells)\n";
  for (const std::string& problem : survey.problems) out << "Problem: " << problem << "\n";
  if (route.won && route.lastFight) {
    const Fight& boss = *route.lastFight;
    out << "Boss " << boss.name << " at floor " << boss.floor << " " << CellText(boss.cell)
        << ": costs " << boss.estimate << " of " << boss.hpBefore << " health; margin "
        << route.finalHp << "\n";
  } else {
    out << "The route fails: " << route.failure << "\n";
  }
  out << (TowerWon(survey, route) ? "The tower can be won.\n" : "The tower cannot be won.\n");
}

}  // namespace quenlit::tower
