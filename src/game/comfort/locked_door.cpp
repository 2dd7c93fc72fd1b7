// A door that stays shut says why: a short knock and a note of the key it wants.
#include "game/game.h"
#include "game/tiles.h"
#include "game_texts.h"

namespace quenlit {

void Game::NoteLockedDoor(uint8_t key) {
  if (!comfort.lockedDoorNote) return;
  const char* text = key == tile::kBlueKey  ? texts::kNeedBlueKey
                     : key == tile::kRedKey ? texts::kNeedRedKey
                                            : texts::kNeedYellowKey;
  sound.Play(kLockedDoorSound, clock);
  ShowNote(text);
}

}  // namespace quenlit
