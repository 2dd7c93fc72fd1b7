#include "platform/sdl/png_decoding.h"

#include "platform/png_header.h"
#include "platform/sdl/png_reader.h"

namespace quenlit::platform {
namespace {

SDL_RWops* Open(const PngSource& source) {
  if (!source.path.empty()) return SDL_RWFromFile(source.path.c_str(), "rb");
  if (!source.bytes || source.size == 0) return nullptr;
  return SDL_RWFromConstMem(source.bytes, static_cast<int>(source.size));
}

// A picture is what the size reader takes too: its header chunk first, as PNG requires, and a
// plausible size. A decoder alone may let another chunk come first, and a picture loaded
// without decoding would then have no size, or another. Leaves the stream where it was.
bool StartsWithPngHeader(SDL_RWops* stream) {
  uint8_t header[kPngHeaderBytes];
  int width = 0, height = 0;
  const bool read = SDL_RWread(stream, header, 1, sizeof header) == sizeof header;
  return read && ReadPngSize(header, sizeof header, width, height) &&
         SDL_RWseek(stream, -static_cast<Sint64>(sizeof header), RW_SEEK_CUR) >= 0;
}

}  // namespace

SDL_Surface* DecodePngSurface(const PngSource& source, bool* opaque) {
  SDL_RWops* stream = Open(source);
  if (!stream) return nullptr;
  bool allOpaque = false;
  SDL_Surface* argb = StartsWithPngHeader(stream) ? ReadPngArgb(stream, allOpaque) : nullptr;
  SDL_RWclose(stream);
  if (argb && opaque) *opaque = allOpaque;
  return argb;
}

bool ReadPngSize(const PngSource& source, int& width, int& height) {
  if (!source.path.empty()) return ReadPngFileSize(source.path, width, height);
  return ReadPngSize(source.bytes, source.size, width, height);
}

bool IsOpaque(const SDL_Surface* surface) {
  for (int y = 0; y < surface->h; ++y) {
    const auto* row = reinterpret_cast<const uint32_t*>(
        static_cast<const uint8_t*>(surface->pixels) + y * surface->pitch);
    for (int x = 0; x < surface->w; ++x)
      if ((row[x] >> 24) != 0xFF) return false;
  }
  return true;
}

}  // namespace quenlit::platform
