#pragma once

#include <cstdint>

#include "picture.h"

namespace quenlit::assetgen {

// Colour changes applied to every pixel of a picture, keeping its alpha.
struct Recolour {
  double hueShift = 0;    // degrees
  double saturation = 1;  // multiplier
  double brightness = 1;  // multiplier of the lightness
};

void ApplyRecolour(Picture& picture, const Recolour& recolour);

// Paints a one-pixel ink border around every opaque shape, on the transparent pixels that
// touch it, the way the tile set outlines its figures.
void AddOutline(Picture& picture, uint32_t rgb);

// Moves every pixel of the picture by (dx, dy), leaving transparency where nothing comes in.
void Shift(Picture& picture, int dx, int dy);

// The number of pixels in which two pictures differ (all of them when the sizes differ).
int CountDifferentPixels(Picture& a, Picture& b);

}  // namespace quenlit::assetgen
