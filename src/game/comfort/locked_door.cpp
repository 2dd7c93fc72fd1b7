// A door that stays shut says why: a short knock and a note of the key it wants.
#include "game/comfort_texts.h"
#include "game/game.h"
#include "game/tiles.h"

namespace quenlit {

void Game::NoteLockedDoor(uint8_t key) {
  if (!comfort.lockedDoorNote) return;
  const char* text = key == tile::kBlueKey  ? comfort_text::kNeedBlueKey
                     : key == tile::kRedKey ? comfort_text::kNeedRedKey
                                            : comfort_text::kNeedYellowKey;
  sound.Play(kLockedDoorSound, clock);
  ShowNote(text);
}

}  // namespace quenlit
