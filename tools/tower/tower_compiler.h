#pragma once

#include <optional>
#include <string>
#include <vector>

#include "character_source.h"
#include "data/floor.h"
#include "data/monster.h"

namespace quenlit::tower {

// The whole tower as its readable sources describe it.
struct TowerSource {
  std::vector<Monster> kinds;  // entry i is kind i + 1
  std::vector<Floor> floors;   // entry i is floor i + 1
};

// The source file of a floor in a tower folder: "floors/01.txt" to "floors/20.txt".
std::string FloorSourcePath(const std::string& towerFolder, int floor);

// Reads monsters.txt, legend.txt, the twenty floor drawings and characters.txt of a tower
// folder, and checks that the speeches and the characters on the floors agree. On a
// problem, nothing, and error says which file, which line and what is wrong.
std::optional<TowerSource> ReadTower(const std::string& towerFolder, std::string& error);

// Whether every speech of characters.txt stands on a character of its floor (entry i is floor
// i + 1) and every character has a speech; the first disagreement when not.
std::optional<std::string> SpeechesAgreeWithFloors(const CharactersSource& characters,
                                                   const std::vector<Floor>& floors);

// Writes "1.map" to "20.map" and "monster.dat" into the data folder (made when missing) and
// seals the checked files so that the game's integrity check accepts them.
bool WriteTowerData(const TowerSource& tower, const std::string& dataFolder, std::string& error);

}  // namespace quenlit::tower
