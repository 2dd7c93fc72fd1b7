#pragma once

#include <SDL.h>

#include <cstddef>
#include <cstdint>
#include <string>

namespace quenlit::platform {

// Where a picture's pixels come from: a PNG file, or PNG bytes that live as long as the
// program. The pixels can be decoded from it again at any time, so a picture need not keep them.
struct PngSource {
  std::string path;
  const uint8_t* bytes = nullptr;
  size_t size = 0;
};

// Decodes a PNG into a 32-bit ARGB surface with straight alpha, the format the canvas draws
// from; nullptr when it is no picture. opaque, when given, tells whether every pixel has full
// alpha.
SDL_Surface* DecodePngSurface(const PngSource& source, bool* opaque = nullptr);
// The size a PNG says it has, from its header alone; false when it is no PNG.
bool ReadPngSize(const PngSource& source, int& width, int& height);
// True when every pixel of an ARGB surface has full alpha.
bool IsOpaque(const SDL_Surface* surface);

}  // namespace quenlit::platform
