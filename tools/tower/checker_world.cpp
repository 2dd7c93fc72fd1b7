#include "checker_world.h"

#include <filesystem>

#include "data/floor_loader.h"
#include "data/integrity.h"
#include "data/monster_loader.h"

namespace quenlit::tower {
namespace {

// The game reads its files relative to the working directory; the checker visits the game
// folder for the reading and comes back.
class WorkingDirectory {
 public:
  explicit WorkingDirectory(const std::string& folder)
      : previous_(std::filesystem::current_path()) {
    std::filesystem::current_path(folder, entered_);
  }
  ~WorkingDirectory() {
    std::error_code ignored;
    std::filesystem::current_path(previous_, ignored);
  }
  bool Entered() const { return !entered_; }

 private:
  std::filesystem::path previous_;
  std::error_code entered_;
};

}  // namespace

CheckerWorld::CheckerWorld() : game_(hero_, graphics_, sound_, wallClock_, shell_) {
  graphics_.Initialize(&canvas_);
}

bool CheckerWorld::Load(const std::string& gameFolder, std::string& error) {
  WorkingDirectory inside(gameFolder);
  if (!inside.Entered()) {
    error = gameFolder + ": cannot be entered";
    return false;
  }
  for (const CheckedFile& file : CheckedDataFiles()) {
    const FileCheck check = CheckFile(file);
    if (check == FileCheck::Missing) error = file.path + " is missing";
    if (check == FileCheck::Altered) error = file.path + " fails the integrity check";
    if (check != FileCheck::Intact) return false;
  }
  std::string floorError;
  if (!ReadFloors(game_.world.floors, floorError)) {
    error = gameFolder + "/" + floorError;
    return false;
  }
  game_.world.monsters = ReadMonsterTable(IniFile::Load("./data/monster.dat"));
  game_.BeginPlay();
  return true;
}

}  // namespace quenlit::tower
