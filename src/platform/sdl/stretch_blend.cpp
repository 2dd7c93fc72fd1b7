#include "platform/sdl/stretch_blend.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <utility>
#include <vector>

#include "platform/sdl/pixel_blend.h"

namespace quenlit::platform {
namespace {

// Where a pixel of the stretched size takes its colour: between two pixels of the part, the
// first at `at` and the next one `weight` 256ths of the way further.
struct Tap {
  int at = 0;
  uint32_t weight = 0;
};

// The taps of the pixels [first, first + count) of a stretch from partSize to size, pixel
// centres matched, in 16.16 fixed point; the edges repeat the part's edge pixels.
//
// A crisp stretch is the part first enlarged k times by repeating pixels, k the stretch rounded
// up, then stretched linearly to the size: between two pixels of the part only the last of
// their k copies blend, so an edge stays within one pixel of the size, and the pixels still
// all take the same room to the pixel. The weight says it without the enlarged copy: the mix
// happens within 1/k of the midpoint between the two pixels.
std::vector<Tap> Taps(int first, int count, int size, int partSize, bool crisp) {
  std::vector<Tap> taps(static_cast<size_t>(count));
  const int64_t step = (int64_t{partSize} << 16) / size;
  const int64_t k = crisp ? std::max<int64_t>(1, (size + partSize - 1) / partSize) : 1;
  for (int i = 0; i < count; ++i) {
    const int64_t centre = (int64_t{first + i} * step) + step / 2 - (1 << 15);
    const int64_t clamped = std::clamp<int64_t>(centre, 0, int64_t{partSize - 1} << 16);
    const int64_t weight = (clamped & 0xFFFF) >> 8;
    taps[static_cast<size_t>(i)] = {
        static_cast<int>(clamped >> 16),
        static_cast<uint32_t>(std::clamp<int64_t>((weight - 128) * k + 128, 0, k > 1 ? 256 : 255))};
  }
  return taps;
}

// Each channel of a and b mixed, b weighing weight/256.
inline uint32_t Mix(uint32_t a, uint32_t b, uint32_t weight) {
  const uint32_t keep = 256 - weight;
  const uint32_t redBlue =
      (((a & 0x00FF00FF) * keep + (b & 0x00FF00FF) * weight) >> 8) & 0x00FF00FF;
  const uint32_t alphaGreen =
      ((((a >> 8) & 0x00FF00FF) * keep + ((b >> 8) & 0x00FF00FF) * weight)) & 0xFF00FF00;
  return redBlue | alphaGreen;
}

const uint32_t* RowOf(const SDL_Surface* surface, int y) {
  return reinterpret_cast<const uint32_t*>(static_cast<const uint8_t*>(surface->pixels) +
                                           static_cast<ptrdiff_t>(y) * surface->pitch);
}

// Stretches the part to `to` and hands each row of `area` (within `to`) to `lay`, with the row's
// place in the area: each row of the part is stretched across once, and kept while the rows
// below use it, for a row of the part serves several rows of the size.
template <typename Lay>
void StretchRows(SDL_Surface* source, const SDL_Rect& part, const SDL_Rect& to,
                 const SDL_Rect& area, bool crisp, Lay lay) {
  const std::vector<Tap> columns = Taps(area.x - to.x, area.w, to.w, part.w, crisp);
  const std::vector<Tap> rows = Taps(area.y - to.y, area.h, to.h, part.h, crisp);
  const auto stretchAcross = [&](int partRow, std::vector<uint32_t>& into) {
    const uint32_t* from = RowOf(source, part.y + partRow) + part.x;
    for (int x = 0; x < area.w; ++x) {
      const Tap& column = columns[static_cast<size_t>(x)];
      into[static_cast<size_t>(x)] =
          Mix(from[column.at], from[std::min(column.at + 1, part.w - 1)], column.weight);
    }
  };
  std::vector<uint32_t> upper(static_cast<size_t>(area.w)), lower(upper.size()),
      stretched(upper.size());
  int upperRow = -1, lowerRow = -1;
  for (int y = 0; y < area.h; ++y) {
    const Tap& row = rows[static_cast<size_t>(y)];
    const int below = std::min(row.at + 1, part.h - 1);
    if (upperRow != row.at) {
      if (lowerRow == row.at) {
        std::swap(upper, lower);
        std::swap(upperRow, lowerRow);
      } else {
        stretchAcross(row.at, upper);
        upperRow = row.at;
      }
    }
    const uint32_t* made = upper.data();
    if (row.weight != 0) {
      if (lowerRow != below) {
        stretchAcross(below, lower);
        lowerRow = below;
      }
      for (int x = 0; x < area.w; ++x)
        stretched[static_cast<size_t>(x)] =
            Mix(upper[static_cast<size_t>(x)], lower[static_cast<size_t>(x)], row.weight);
      made = stretched.data();
    }
    lay(y, made);
  }
}

}  // namespace

void BlendStretched(SDL_Surface* source, const SDL_Rect& part, SDL_Surface* frame,
                    const SDL_Rect& to, const SDL_Rect& clip, Uint8 opacity, bool opaque,
                    bool crisp) {
  if (part.w <= 0 || part.h <= 0 || to.w <= 0 || to.h <= 0) return;
  SDL_Rect area;
  if (!SDL_IntersectRect(&to, &clip, &area)) return;
  const SDL_Rect whole{0, 0, frame->w, frame->h};
  if (!SDL_IntersectRect(&area, &whole, &area)) return;
  const Blend blend{opacity, opaque, frame->format->Amask != 0};
  if (SDL_LockSurface(frame) != 0) return;
  StretchRows(source, part, to, area, crisp, [&](int y, const uint32_t* made) {
    auto* into = reinterpret_cast<uint32_t*>(static_cast<uint8_t*>(frame->pixels) +
                                             static_cast<ptrdiff_t>(area.y + y) * frame->pitch);
    BlendRow(made, into + area.x, area.w, blend);
  });
  SDL_UnlockSurface(frame);
}

void StretchCrisply(SDL_Surface* source, const SDL_Rect& part, SDL_Surface* into) {
  if (part.w <= 0 || part.h <= 0 || into->w <= 0 || into->h <= 0) return;
  const SDL_Rect whole{0, 0, into->w, into->h};
  StretchRows(source, part, whole, whole, true, [&](int y, const uint32_t* made) {
    std::memcpy(static_cast<uint8_t*>(into->pixels) + static_cast<ptrdiff_t>(y) * into->pitch, made,
                static_cast<size_t>(into->w) * 4);
  });
}

}  // namespace quenlit::platform
