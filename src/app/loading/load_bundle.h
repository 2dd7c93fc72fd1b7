#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "data/floor.h"
#include "data/monster.h"
#include "game/size.h"
#include "gfx/d2d_gif.h"
#include "gfx/d2d_image.h"
#include "sound/dsound.h"

namespace quenlit {

// Everything the loader builds, kept apart from the running game until it is complete.
struct LoadBundle {
  ImageRegistry images;
  SequenceRegistry sequences;
  DSound::Bank sounds;
  std::map<int32_t, Monster> monsters;
  std::vector<Floor> floors;
  std::vector<Size> displayModes;
};

}  // namespace quenlit
