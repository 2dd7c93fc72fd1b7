#pragma once

#include <array>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "json.h"
#include "temp_folder.h"

namespace quenlit::test {

// The hero as a save file sets him up.
struct SavedHero {
  int floor = 1, row = 12, column = 7;
  int hp = 1000, attack = 10, defence = 10, agility = 2;
  int level = 1, exp = 0;
  std::map<int, int> items{{225, 1}, {226, 1}, {227, 1}};  // tile code -> count
};

struct SimRun {
  int exitCode = -1;
  std::vector<Json> dumps;  // one per "dump" line
  std::string stdoutText;
  std::string stderrText;
};

// A small game folder in a temporary directory: config.ini, twenty floors of plain floor, a
// monster table, sealed so that the game accepts them, and optionally a save in slot 1.
class GameFolder {
 public:
  GameFolder() = default;

  const std::string& Path() const { return path_; }
  void SetCell(int floor, int row, int column, int code) {
    floors_[floor][row * 14 + column] = static_cast<uint8_t>(code);
  }
  // Adds "[MonsterN]" with the given "Key=Value" lines to the monster table.
  void SetMonster(int id, const std::string& lines);
  // The whole text of the monster table, instead of the sections set with SetMonster.
  void SetMonsterTable(const std::string& text) { monsterTable_ = text; }
  void SetConfig(const std::string& text) { config_ = text; }
  // Writes everything and seals the checked files.
  void Write();
  // Writes slot 1 with the floors as they stand and the hero.
  void WriteSave(const SavedHero& hero);
  // Runs quenlit-sim in the folder on the script.
  SimRun Run(const std::string& script, int seed = 1) const;

  std::string ReadFile(const std::string& relative) const;
  void WriteFile(const std::string& relative, const std::string& bytes) const {
    folder_.Write(relative, bytes);
  }

 private:
  TempFolder folder_;
  std::string path_ = folder_.Path().string();
  std::array<std::array<uint8_t, 196>, 21> floors_{};
  std::map<int, std::string> monsters_;
  std::optional<std::string> monsterTable_;
  std::string config_ = "[Video]\nFps=3\n";
};

}  // namespace quenlit::test
