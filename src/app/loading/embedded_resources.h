#pragma once

#include "game/registries/asset_registries.h"

namespace quenlit {

// The bytes built into the program: the reward picture.
EmbeddedResources EmbeddedGameResources();

}  // namespace quenlit
