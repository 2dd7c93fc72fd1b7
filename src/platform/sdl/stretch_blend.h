#pragma once

#include <SDL.h>

namespace quenlit::platform {

// Lays a part of a picture (ARGB, straight alpha) over the frame stretched to the rectangle
// `to` (in the frame's pixels), within the clip, at the opacity; copied where the picture is
// opaque and drawn at full opacity. The stretch is linear, worked out a row at a time as it is
// laid, so that nothing of the stretched size is ever held: the canvas draws so when keeping a
// stretched copy of every picture would take more memory than the pictures themselves.
// Crisp, the stretch keeps pixel art sharp: whole-pixel enlargement first, then linear for the
// fraction (stretch_blend.cpp says how).
void BlendStretched(SDL_Surface* source, const SDL_Rect& part, SDL_Surface* frame,
                    const SDL_Rect& to, const SDL_Rect& clip, Uint8 opacity, bool opaque,
                    bool crisp = false);

// Writes the part stretched crisply to the whole of `into` (ARGB, the same format as the
// source), alpha and all.
void StretchCrisply(SDL_Surface* source, const SDL_Rect& part, SDL_Surface* into);

}  // namespace quenlit::platform
