#pragma once

#include <cstddef>
#include <cstdint>

#include "gfx/d2d_gif.h"
#include "gfx/d2d_image.h"

namespace quenlit {

// Bytes the program carries inside itself.
struct EmbeddedResources {
  const uint8_t* rewardPng = nullptr;  // the reward picture shown on victory
  size_t rewardPngSize = 0;
};

// Every asset the game reaches by name: the pictures and frame sequences the loader filled in,
// and the bytes of the picture that comes with the program rather than from a file.
struct AssetRegistries {
  ImageRegistry images;
  SequenceRegistry sequences;
  EmbeddedResources resources;
};

}  // namespace quenlit
