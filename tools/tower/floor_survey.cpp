#include "floor_survey.h"

#include <queue>

#include "data/floor.h"
#include "game/tiles.h"
#include "pathing.h"

namespace quenlit::tower {
namespace {

std::string At(int floor, Cell cell) {
  return "floor " + std::to_string(floor) + " " + CellText(cell);
}

// A cell a path can go through once it is dealt with: floor, stairs, monsters, items, doors.
bool Passable(uint8_t code) {
  const tile::Kind kind = tile::MeaningOf(code).kind;
  return tile::IsWalkable(code) || kind == tile::Kind::Monster || kind == tile::Kind::Item ||
         kind == tile::Kind::Door;
}

// A cell that is there to be dealt with or reached; walls and scenery are not.
bool Open(uint8_t code) {
  return Passable(code) || tile::IsCharacter(code);
}

void Reach(const Floor& floor, FloorSurvey& survey) {
  std::array<bool, kFloorCells> reached{};
  std::queue<Cell> open;
  for (Cell entry : survey.entries) {
    reached[entry.row * kFloorSize + entry.column] = true;
    open.push(entry);
  }
  while (!open.empty()) {
    const Cell cell = open.front();
    open.pop();
    if (!Passable(floor.At(cell.row, cell.column))) continue;  // a character is reached, not passed
    for (Cell next : {Cell{cell.row - 1, cell.column}, Cell{cell.row + 1, cell.column},
                      Cell{cell.row, cell.column - 1}, Cell{cell.row, cell.column + 1}}) {
      if (!InsideFloor(next.row, next.column) || reached[next.row * kFloorSize + next.column])
        continue;
      if (!Open(floor.At(next.row, next.column))) continue;
      reached[next.row * kFloorSize + next.column] = true;
      open.push(next);
    }
  }
  for (int row = 0; row < kFloorSize; ++row) {
    for (int column = 0; column < kFloorSize; ++column) {
      if (!Open(floor.At(row, column))) continue;
      ++survey.openCells;
      if (!reached[row * kFloorSize + column]) survey.unreached.push_back({row, column});
    }
  }
}

FloorSurvey Count(const Floor& floor, int number) {
  FloorSurvey survey;
  survey.floor = number;
  for (int row = 0; row < kFloorSize; ++row) {
    for (int column = 0; column < kFloorSize; ++column) {
      const uint8_t code = floor.At(row, column);
      if (code >= tile::kYellowKey && code <= tile::kRedKey) ++survey.keys[code - tile::kYellowKey];
      if (code >= tile::kYellowDoor && code <= tile::kRedDoor)
        ++survey.doors[code - tile::kYellowDoor];
      if (code == tile::kJail) ++survey.jailGates;
      if (code == tile::kStairsUp) survey.upStairs.push_back({row, column});
      if (code == tile::kStairsDown) survey.downStairs.push_back({row, column});
    }
  }
  return survey;
}

// Stairs keep the hero's row and column: the other floor needs a cell to arrive on there.
void CheckStairs(const TowerSurvey& survey, const std::vector<Floor>& floors,
                 std::vector<std::string>& problems) {
  for (const FloorSurvey& floor : survey.floors) {
    for (const auto& [cells, delta] : {std::pair{&floor.upStairs, 1}, {&floor.downStairs, -1}}) {
      for (Cell cell : *cells) {
        const int other = floor.floor + delta;
        if (other < 1 || other > kFloorCount) {
          problems.push_back("stairs at " + At(floor.floor, cell) + " lead out of the tower");
        } else if (!tile::IsWalkable(floors[other].At(cell.row, cell.column))) {
          problems.push_back("stairs at " + At(floor.floor, cell) + " arrive on " +
                             At(other, cell) + ", which holds tile " +
                             std::to_string(floors[other].At(cell.row, cell.column)));
        }
      }
    }
  }
}

// Every character has something to say, asked of the game itself, and every speech has its
// character.
void CheckCharacters(const std::vector<Floor>& floors, std::vector<std::string>& problems) {
  for (int floor = 1; floor <= kFloorCount; ++floor) {
    for (int row = 0; row < kFloorSize; ++row) {
      for (int column = 0; column < kFloorSize; ++column) {
        const bool character = tile::IsCharacter(floors[floor].At(row, column));
        const bool speaks = Game::HasSpeechAt(floor, row, column);
        if (character && !speaks)
          problems.push_back("the character at " + At(floor, {row, column}) + " says nothing");
        if (speaks && !character)
          problems.push_back("no character stands at " + At(floor, {row, column}) +
                             " to say its words");
      }
    }
  }
}

}  // namespace

TowerSurvey SurveyTower(const Game& game) {
  TowerSurvey survey;
  const std::vector<Floor>& floors = game.world.floors;
  for (int n = 1; n <= kFloorCount; ++n) survey.floors.push_back(Count(floors[n], n));
  for (FloorSurvey& floor : survey.floors) {
    if (floor.floor == 1) floor.entries.push_back(kStartCell);
    if (floor.floor > 1)
      for (Cell cell : survey.floors[floor.floor - 2].upStairs) floor.entries.push_back(cell);
    if (floor.floor < kFloorCount)
      for (Cell cell : survey.floors[floor.floor].downStairs) floor.entries.push_back(cell);
    Reach(floors[floor.floor], floor);
  }

  std::vector<std::string>& problems = survey.problems;
  if (floors[1].At(kStartCell.row, kStartCell.column) != tile::kFloor)
    problems.push_back("the hero starts on " + At(1, kStartCell) + ", which is not plain floor");
  if (!tile::IsMonster(floors[kBossFloor].At(kBossCell.row, kBossCell.column)))
    problems.push_back("no boss stands at " + At(kBossFloor, kBossCell));
  for (Cell cell : survey.floors[kBossFloor - 1].upStairs)
    problems.push_back("the upper tower must stay sealed off, yet stairs up stand at " +
                       At(kBossFloor, cell));
  CheckStairs(survey, floors, problems);
  CheckCharacters(floors, problems);
  return survey;
}

}  // namespace quenlit::tower
