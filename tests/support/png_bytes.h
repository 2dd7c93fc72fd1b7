#pragma once

// Pictures for the canvas tests, made as PNG bytes in memory so that tests running side by
// side share no file.
#include <SDL.h>
#include <SDL_image.h>

#include <cstdint>
#include <stdexcept>
#include <string>

namespace quenlit::test {

// A width x height PNG whose pixel (x, y) is colour(x, y), 0xAARRGGBB with straight alpha.
template <typename Colour>
std::string PngOf(int width, int height, Colour colour) {
  SDL_Surface* surface =
      SDL_CreateRGBSurfaceWithFormat(0, width, height, 32, SDL_PIXELFORMAT_ARGB8888);
  for (int y = 0; y < height; ++y) {
    auto* row =
        reinterpret_cast<uint32_t*>(static_cast<uint8_t*>(surface->pixels) + y * surface->pitch);
    for (int x = 0; x < width; ++x) row[x] = colour(x, y);
  }
  // A PNG of so few pixels never outgrows its raw size plus the headers.
  std::string png(static_cast<size_t>(width) * height * 4 + height + 4096, '\0');
  SDL_RWops* out = SDL_RWFromMem(png.data(), static_cast<int>(png.size()));
  const bool saved = IMG_SavePNG_RW(surface, out, 0) == 0;
  png.resize(saved ? static_cast<size_t>(SDL_RWtell(out)) : 0);
  SDL_RWclose(out);
  SDL_FreeSurface(surface);
  if (!saved) throw std::runtime_error(std::string("cannot encode a PNG: ") + SDL_GetError());
  return png;
}

}  // namespace quenlit::test
