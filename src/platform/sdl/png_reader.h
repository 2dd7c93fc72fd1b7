#pragma once

#include <SDL.h>

namespace quenlit::platform {

// Decodes the PNG read from the stream into a new 32-bit ARGB surface with straight alpha, the
// format the canvas draws from; nullptr when it is no picture. opaque tells whether every pixel
// has full alpha. The desktop decodes with libpng (libpng/), a browser with SDL_image (web/).
SDL_Surface* ReadPngArgb(SDL_RWops* stream, bool& opaque);

}  // namespace quenlit::platform
