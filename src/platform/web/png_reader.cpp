// In a browser SDL_image decodes (with its own stb_image, no libpng), into whatever format the
// picture has; one conversion pass then makes it ARGB.
#include "platform/sdl/png_reader.h"

#include <SDL_image.h>

#include "platform/sdl/png_decoding.h"

namespace quenlit::platform {

SDL_Surface* ReadPngArgb(SDL_RWops* stream, bool& opaque) {
  SDL_Surface* decoded = IMG_LoadTyped_RW(stream, 0, "PNG");
  if (!decoded) return nullptr;
  const bool hasAlpha =
      SDL_ISPIXELFORMAT_ALPHA(decoded->format->format) || decoded->format->palette;
  SDL_Surface* argb = SDL_ConvertSurfaceFormat(decoded, SDL_PIXELFORMAT_ARGB8888, 0);
  SDL_FreeSurface(decoded);
  // A picture without an alpha channel is opaque without looking.
  if (argb) opaque = !hasAlpha || IsOpaque(argb);
  return argb;
}

}  // namespace quenlit::platform
