#include "game/hero/hero.h"

namespace quenlit {

void Hero::Move(Direction direction, int steps) {
  position = Step(position, direction, steps);
  if (direction != Direction::None) facing = direction;
}

}  // namespace quenlit
