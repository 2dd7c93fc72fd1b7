#pragma once

#include "game/game.h"

namespace quenlit {

// The bytes built into the program: the reward picture.
EmbeddedResources EmbeddedGameResources();

}  // namespace quenlit
