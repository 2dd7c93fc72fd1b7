#pragma once

#include <array>
#include <string>
#include <vector>

#include "game/game.h"
#include "game/tiles.h"

namespace quenlit::tower {

// Fixed points of the game that the tower must fit: where a new game starts, and the floor
// and cell of the boss whose defeat ends the game (nothing above that floor is reached).
constexpr Cell kStartCell{12, 7};
constexpr int kBossFloor = tile::kBossFloor;
constexpr Cell kBossCell{tile::kBossRow, tile::kBossColumn};

// What one floor holds and what of it can be reached, read without playing.
struct FloorSurvey {
  int floor = 0;
  std::vector<Cell> entries;    // where the hero comes in: the start, or stairs from nearby floors
  int openCells = 0;            // cells that are not walls or other fixed scenery
  std::vector<Cell> unreached;  // open cells no path from an entry reaches
  std::array<int, 3> keys{};    // yellow, blue, red keys lying on the floor
  std::array<int, 3> doors{};   // yellow, blue, red doors
  int jailGates = 0;
  std::vector<Cell> upStairs, downStairs;
};

// The survey of the whole tower, floors 1 to 20.
struct TowerSurvey {
  std::vector<FloorSurvey> floors;    // entry i is floor i + 1
  std::vector<std::string> problems;  // rules of the game the tower breaks
};

// Surveys the loaded tower; the game is left as it was.
TowerSurvey SurveyTower(const Game& game);

}  // namespace quenlit::tower
