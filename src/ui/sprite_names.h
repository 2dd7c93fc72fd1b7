#pragma once

// Which picture stands for what: cells by their byte, the two-phase sprites by the sprite
// clock, the hero by facing and by the held arrow key. An empty name means no picture.
#include <cstdint>
#include <string>

#include "game/types.h"

namespace quenlit {
class Game;
}

namespace quenlit::ui {

// A two-phase sprite's picture: "_1" while the sprite clock's phase is set, "_2" otherwise.
std::string PhasePicture(const std::string& stem, bool spritePhase);

// The picture of a character (71 to 74). The merchant and the old man run on the opposite
// phase of everyone else, so a shop never blinks in step with the monsters around it.
std::string CharacterPicture(uint8_t code, bool spritePhase);

// The picture a cell's byte shows under whatever stands on it.
std::string CellPicture(uint8_t code, bool spritePhase);

// The hero by where he faces; holding that direction's arrow key makes him walk.
std::string HeroPicture(Direction facing, bool arrowHeld, bool spritePhase);

// The picture of a monster of the monster table; empty for an id the table lacks.
std::string MonsterPicture(const Game& game, int32_t id, bool spritePhase);

}  // namespace quenlit::ui
