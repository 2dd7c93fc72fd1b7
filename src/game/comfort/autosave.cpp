// The autosave: each floor the hero reaches is written to a file of its own beside the save,
// so that a player who falls can go back to where he came in. It never touches the player's
// own save, and a write that fails is only said on stderr: play goes on.
#include <iostream>

#include "data/save_file.h"
#include "game/game.h"

namespace quenlit {

bool Game::WriteAutosave() {
  if (!comfort.autosave || userFiles.saveFolder.empty()) return false;
  if (world.floors.size() <= kFloorCount) return false;  // nothing loaded to save
  std::string error;
  // The previous autosave of the floor stays whole when the new one cannot be written.
  if (!WriteSaveFile(AutosavePath(userFiles.saveFolder, hero.floor), EncodeSave(), error)) {
    std::cerr << "quenlit: autosave of floor " << hero.floor << " failed: " << error << std::endl;
    return false;
  }
  return true;
}

bool Game::LoadAutosave(int32_t floor) {
  if (world.floors.size() <= kFloorCount || userFiles.saveFolder.empty()) return false;
  // DecodeSave refuses a damaged file whole, and leaves the game as it was.
  return DecodeSave(ReadSaveFile(AutosavePath(userFiles.saveFolder, floor)));
}

}  // namespace quenlit
