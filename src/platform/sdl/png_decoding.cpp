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

}  // namespace

SDL_Surface* DecodePngSurface(const PngSource& source, bool* opaque) {
  SDL_RWops* stream = Open(source);
  if (!stream) return nullptr;
  bool allOpaque = false;
  SDL_Surface* argb = ReadPngArgb(stream, allOpaque);
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
