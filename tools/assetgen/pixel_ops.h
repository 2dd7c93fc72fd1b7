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

// Replaces every colour by the point of the ramp from dark to light at its lightness, keeping
// alpha: a grey tile takes on the palette's colours with its shading intact.
void MapToRamp(Picture& picture, uint32_t dark, uint32_t light);

// The mean lightness (0 to 1) of the picture's opaque pixels; 0 when it has none.
double MeanLightness(Picture& picture);

// Paints a one-pixel ink border around every opaque shape, on the transparent pixels that
// touch it, the way the tile set outlines its figures.
void AddOutline(Picture& picture, uint32_t rgb);

// Fades the picture out towards its four edges: full strength from margin pixels inwards,
// transparent at the edge, with a smooth step between.
void FadeBorder(Picture& picture, double margin);

// Fades the picture out around the centre (cx, cy): full strength within the inner radius,
// transparent from the outer one on.
void FadeRadially(Picture& picture, double cx, double cy, double inner, double outer);

// Moves every pixel of the picture by (dx, dy), leaving transparency where nothing comes in.
void Shift(Picture& picture, int dx, int dy);

// The number of pixels in which two pictures differ (all of them when the sizes differ).
int CountDifferentPixels(Picture& a, Picture& b);

}  // namespace quenlit::assetgen
