#include "game/hero.h"

namespace quenlit {

void Hero::Move(Direction direction, int steps) {
  switch (direction) {
    case Direction::Up:
      position.a -= steps;
      break;
    case Direction::Down:
      position.a += steps;
      break;
    case Direction::Left:
      position.b -= steps;
      break;
    case Direction::Right:
      position.b += steps;
      break;
    case Direction::None:
      break;
  }
  if (direction != Direction::None) facing = direction;
}

}  // namespace quenlit
