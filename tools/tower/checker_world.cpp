#include "checker_world.h"

#include "base/folder_visit.h"
#include "data/floor_loader.h"
#include "data/integrity.h"
#include "data/monster_loader.h"

namespace quenlit::tower {

CheckerWorld::CheckerWorld() {
  parts_.DrawOn(&canvas_);
}

bool CheckerWorld::Load(const std::string& gameFolder, std::string& error) {
  const FolderVisit inside(gameFolder);
  if (!inside.Entered()) {
    error = gameFolder + ": cannot be entered: " + inside.Reason();
    return false;
  }
  for (const CheckedFile& file : CheckedDataFiles()) {
    const FileCheck check = CheckFile(file);
    if (check == FileCheck::Missing) error = file.path + " is missing";
    if (check == FileCheck::Altered) error = file.path + " fails the integrity check";
    if (check != FileCheck::Intact) return false;
  }
  std::string floorError;
  if (!ReadFloors(parts_.game.world.floors, floorError)) {
    error = gameFolder + "/" + floorError;
    return false;
  }
  parts_.game.world.monsters = ReadMonsterTable(IniFile::Load("./data/monster.dat"));
  parts_.game.BeginPlay();
  return true;
}

}  // namespace quenlit::tower
