#pragma once

#include <SDL.h>

#include <cstdint>

namespace quenlit::platform {

// The software renderer's drawing of a picture's kept copy over the frame, done by the game:
// SDL blends one pixel at a time, which makes a large veil over the whole scene (the pause
// picture) most of a frame's cost, and the curtain at its changing opacity much of another's.
// The arithmetic is SDL's own, to the bit, so that a frame looks the same whichever of the two
// draws it.

// How a picture is laid over the frame: blended by its own alpha at an opacity (255: as it
// is), or copied when it has no alpha and is drawn at full opacity; into a frame with or
// without an alpha channel of its own (a window's has none).
struct Blend {
  Uint8 opacity = 255;
  bool opaque = false;
  bool frameHasAlpha = true;
};

// The ways of working through a row, all giving the same pixels: a pixel at a time, and
// wider steps where the processor has them.
enum class BlendSteps { OnePixel, FourPixels, EightPixels };
// The widest steps this processor takes; OnePixel elsewhere.
BlendSteps WidestBlendSteps();

// Lays count ARGB pixels (straight alpha) over the frame's pixels in place, with the given
// steps (which the processor must take) or the widest.
void BlendRow(const uint32_t* source, uint32_t* frame, int count, const Blend& blend,
              BlendSteps steps = WidestBlendSteps());

// Whether BlendRow gives exactly the pixels SDL's blit gives, every way, for ARGB pixels over
// a surface of this format. SDL picks its arithmetic by processor and build; where it picks
// another, the game leaves drawing to SDL. Worked out once per format.
bool BlendsLikeSdl(Uint32 frameFormat);

// Lays the whole source surface (ARGB) over the frame with its top-left corner at (x, y),
// within the clip rectangle, as SDL_BlitSurface would with the same opacity, and with no
// blending when opaque.
void BlendSurface(SDL_Surface* source, SDL_Surface* frame, int x, int y, const SDL_Rect& clip,
                  Uint8 opacity, bool opaque);

}  // namespace quenlit::platform
