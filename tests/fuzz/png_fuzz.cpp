// The desktop's PNG decoder on any file: a picture it accepts has the size its header gives,
// and its opacity flag tells the truth; anything else is no picture. A header that claims
// more pixels than the file could hold must not make the decoder set them aside (libFuzzer's
// memory limit stops such a run).
#include <cstddef>
#include <cstdint>

#include "platform/sdl/png_decoding.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  using namespace quenlit::platform;
  const PngSource source{"", data, size};
  bool opaque = false;
  SDL_Surface* picture = DecodePngSurface(source, &opaque);
  if (!picture) return 0;
  int width = 0, height = 0;
  if (!ReadPngSize(source, width, height) || width != picture->w || height != picture->h ||
      picture->format->format != SDL_PIXELFORMAT_ARGB8888 || opaque != IsOpaque(picture))
    __builtin_trap();
  SDL_FreeSurface(picture);
  return 0;
}
