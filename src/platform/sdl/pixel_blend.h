#pragma once

#include <SDL.h>

#include <cstdint>

namespace quenlit::platform {

// The software renderer's blend of a picture with its own alpha over the frame, done by the
// game: SDL blends one pixel at a time, which makes a large veil over the whole scene (the
// pause picture) most of a frame's cost. The arithmetic is SDL's own, to the bit, so that a
// frame looks the same whichever of the two blends it.

// The ways of working through a row, all giving the same pixels: a pixel at a time, and
// wider steps where the processor has them.
enum class BlendSteps { OnePixel, FourPixels, EightPixels };
// The widest steps this processor takes; OnePixel elsewhere.
BlendSteps WidestBlendSteps();

// Blends count ARGB pixels (straight alpha) over the frame's pixels in place, with the given
// steps (which the processor must take) or the widest.
void BlendRow(const uint32_t* source, uint32_t* frame, int count,
              BlendSteps steps = WidestBlendSteps());

// Whether BlendRow gives exactly the pixels SDL's blit gives for ARGB pixels over a surface of
// this format. SDL picks its blend by processor and build; where it picks another, the game
// leaves blending to SDL. Worked out once per format.
bool BlendsLikeSdl(Uint32 frameFormat);

// Blends the whole source surface (ARGB) over the frame with its top-left corner at (x, y),
// within the clip rectangle, as SDL_BlitSurface would.
void BlendSurface(SDL_Surface* source, SDL_Surface* frame, int x, int y, const SDL_Rect& clip);

}  // namespace quenlit::platform
