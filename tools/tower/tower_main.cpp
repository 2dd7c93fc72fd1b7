// quenlit-tower: the tower's compiler and checker.
//
//   quenlit-tower build TOWER_DIR DATA_DIR
//       compiles the readable tower (monsters.txt, legend.txt, floors/01.txt to 20.txt) into
//       1.map to 20.map and monster.dat, sealed for the game's integrity check
//   quenlit-tower check [--root GAME_DIR] [--sim FILE] PLAN
//       reads the compiled data/ of the game folder (default: the current directory), follows
//       the route plan and reports floor by floor; --sim writes the route as a quenlit-sim
//       script. Exit 0 when the tower can be won, 1 when it cannot, 2 when the input is wrong.
//   quenlit-tower solve [--root GAME_DIR] [--width N] [--plan FILE] [--other-ways FOLDER]
//                       [--check-width N] [--traps WIDTH]
//       searches the compiled tower for its best line and reports how hard it is: the
//       searches, the line floor by floor, the shop, health and potions, and the other ways
//       to win, and the greedy players' games. --plan writes the best line as a route plan,
//       --other-ways the best line of each set of blue and red doors; --check-width sets the
//       width of the what-if searches, --traps adds the census of the line's irreversible
//       mistakes. Exit 0 when a line wins, 1 when none does.
#include <algorithm>
#include <fstream>
#include <iostream>
#include <string>
#include <utility>

#include "checker_world.h"
#include "floor_survey.h"
#include "route_plan.h"
#include "route_runner.h"
#include "solver_report.h"
#include "tower_compiler.h"
#include "tower_report.h"

namespace quenlit::tower {
namespace {

constexpr int kLost = 1;
constexpr int kWrongInput = 2;

int Usage() {
  std::cerr << "usage: quenlit-tower build TOWER_DIR DATA_DIR\n"
               "       quenlit-tower check [--root GAME_DIR] [--sim FILE] PLAN\n"
               "       quenlit-tower solve [--root GAME_DIR] [--width N] [--plan FILE]\n"
               "                           [--other-ways FOLDER] [--check-width N] [--traps WIDTH]"
            << std::endl;
  return kWrongInput;
}

int Fail(const std::string& error) {
  std::cerr << "quenlit-tower: " << error << std::endl;
  return kWrongInput;
}

int Build(const std::string& towerFolder, const std::string& dataFolder) {
  std::string error;
  const auto tower = ReadTower(towerFolder, error);
  if (!tower || !WriteTowerData(*tower, dataFolder, error)) return Fail(error);
  return 0;
}

bool WriteScript(const std::string& path, const RouteResult& route) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << ScriptText(route);
  return static_cast<bool>(out.flush());
}

int Check(const std::string& gameFolder, const std::string& simPath, const std::string& plan) {
  std::string error;
  const auto steps = ReadPlan(plan, error);
  if (!steps) return Fail(error);
  CheckerWorld world;
  if (!world.Load(gameFolder, error)) return Fail(error);
  const TowerSurvey survey = SurveyTower(world.game());
  const RouteResult route = RunRoute(world.game(), *steps);
  PrintReport(std::cout, survey, route);
  if (!simPath.empty() && !WriteScript(simPath, route))
    return Fail(simPath + ": cannot be written");
  return TowerWon(survey, route) ? 0 : kLost;
}

int SolveCommand(const std::vector<std::string>& args) {
  std::string root = ".";
  SolveOptions options;
  // The options that give a search's width.
  const std::pair<const char*, int*> widths[] = {{"--width", &options.width},
                                                 {"--check-width", &options.checkWidth},
                                                 {"--traps", &options.trapWidth}};
  for (size_t i = 1; i < args.size(); ++i) {
    const bool hasValue = i + 1 < args.size();
    const auto width = std::find_if(std::begin(widths), std::end(widths),
                                    [&](const auto& option) { return args[i] == option.first; });
    if (width != std::end(widths) && hasValue) {
      const auto value = ParseNumber(args[++i], 1, 100000);
      if (!value) return Usage();
      *width->second = *value;
    } else if (args[i] == "--root" && hasValue) {
      root = args[++i];
    } else if (args[i] == "--plan" && hasValue) {
      options.planPath = args[++i];
    } else if (args[i] == "--other-ways" && hasValue) {
      options.otherWaysFolder = args[++i];
    } else {
      return Usage();
    }
  }
  CheckerWorld world;
  std::string error;
  if (!world.Load(root, error)) return Fail(error);
  return Solve(world, options, std::cout) == 0 ? 0 : kLost;
}

int Main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  if (args.size() == 3 && args[0] == "build") return Build(args[1], args[2]);
  if (!args.empty() && args[0] == "solve") return SolveCommand(args);
  if (args.empty() || args[0] != "check") return Usage();
  std::string root = ".", sim, plan;
  for (size_t i = 1; i < args.size(); ++i) {
    const bool hasValue = i + 1 < args.size();
    if (args[i] == "--root" && hasValue) {
      root = args[++i];
    } else if (args[i] == "--sim" && hasValue) {
      sim = args[++i];
    } else if (args[i].rfind("--", 0) != 0 && plan.empty()) {
      plan = args[i];
    } else {
      return Usage();
    }
  }
  if (plan.empty()) return Usage();
  return Check(root, sim, plan);
}

}  // namespace
}  // namespace quenlit::tower

int main(int argc, char** argv) {
  return quenlit::tower::Main(argc, argv);
}
