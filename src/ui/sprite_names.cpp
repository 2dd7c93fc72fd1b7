#include "ui/sprite_names.h"

#include "game/game.h"
#include "game/tiles.h"

namespace quenlit::ui {

std::string PhasePicture(const std::string& stem, bool spritePhase) {
  return stem + (spritePhase ? "_1" : "_2");
}

std::string CharacterPicture(uint8_t code, bool spritePhase) {
  return tile::IsCharacter(code) ? CellPicture(code, spritePhase) : "";
}

std::string CellPicture(uint8_t code, bool spritePhase) {
  const tile::Meaning& meaning = tile::MeaningOf(code);
  switch (meaning.blink) {
    case tile::Blink::InStep:
      return PhasePicture(meaning.picture, spritePhase);
    case tile::Blink::AgainstStep:
      return PhasePicture(meaning.picture, !spritePhase);
    case tile::Blink::Still:
      break;
  }
  return meaning.picture;
}

std::string HeroPicture(Direction facing, bool arrowHeld, bool spritePhase) {
  const DirectionFacts* facts = FactsOf(facing);
  if (!facts) return "";
  if (!arrowHeld) return std::string("hero1") + facts->letter;
  return std::string("hero1w") + facts->letter + (spritePhase ? "1" : "2");
}

std::string MonsterPicture(const Game& game, int32_t id, bool spritePhase) {
  const Monster* kind = game.world.FindMonster(id);
  if (kind == nullptr) return "";
  return PhasePicture(kind->keyName, spritePhase);
}

}  // namespace quenlit::ui
