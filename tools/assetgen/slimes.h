#pragma once

#include <cstdint>

#include "picture.h"
#include "tile_sheet.h"

namespace quenlit::assetgen {

struct SlimeColours {
  uint32_t body;
  uint32_t light;
  uint32_t dark;
};

// A slime on the 32 x 32 grid; a large one fills most of the tile.
Picture DrawSlime(const SlimeColours& colours, bool large);

}  // namespace quenlit::assetgen
