#include "platform/sdl/pixel_blend.h"

#include <algorithm>
#include <cstring>
#include <map>
#include <mutex>
#include <vector>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace quenlit::platform {
namespace {

// One pixel: each colour channel becomes (s * a >> 8) + (d * (255 - a) >> 8) and the alpha
// channel (s * 255 >> 8) + (d * (255 - a) >> 8), each held at 255; a pixel with no alpha
// leaves the frame alone and a fully opaque one replaces it. This is SDL 2's blend on x86
// processors, which works on 16-bit lanes in the same way.
uint32_t BlendPixel(uint32_t source, uint32_t frame) {
  const uint32_t alpha = source >> 24;
  if (alpha == 0) return frame;
  if (alpha == 255) return source;
  uint32_t out = 0;
  for (int shift = 0; shift < 32; shift += 8) {
    const uint32_t weight = shift == 24 ? 255 : alpha;
    const uint32_t value = (((source >> shift) & 0xFF) * weight >> 8) +
                           (((frame >> shift) & 0xFF) * (255 - alpha) >> 8);
    out |= (value > 255 ? 255 : value) << shift;
  }
  return out;
}

// One pixel drawn at an opacity: the picture's alpha a becomes alpha * opacity / 255, each
// colour channel (s * a / 255) + (d * (255 - a) / 255) and the alpha channel
// a + (d * (255 - a) / 255). SDL divides by 255 exactly here, on every processor. A frame
// without alpha gets a cleared alpha byte.
uint32_t FadePixel(uint32_t source, uint32_t frame, uint32_t opacity, bool frameHasAlpha) {
  const uint32_t alpha = (source >> 24) * opacity / 255;
  uint32_t out = 0;
  for (int shift = 0; shift < 32; shift += 8) {
    const uint32_t channel = shift == 24 ? 255 : (source >> shift) & 0xFF;
    out |= (channel * alpha / 255 + ((frame >> shift) & 0xFF) * (255 - alpha) / 255) << shift;
  }
  return frameHasAlpha ? out : out & 0xFFFFFF;
}

// A picture drawn without blending is copied; into a frame without alpha with its alpha byte
// cleared, as SDL copies it.
void CopyRow(const uint32_t* source, uint32_t* frame, int count, bool frameHasAlpha) {
  if (frameHasAlpha) {
    std::memcpy(frame, source, static_cast<size_t>(count) * sizeof *frame);
    return;
  }
  for (int i = 0; i < count; ++i) frame[i] = source[i] & 0xFFFFFF;
}

#ifdef __SSE2__
// Four pixels at once, in the same 16-bit arithmetic as BlendPixel.
void BlendFours(const uint32_t* source, uint32_t* frame, int fours) {
  const __m128i zero = _mm_setzero_si128();
  // The source's alpha channel is weighed by 255, the frame's channels by 255 - alpha.
  const __m128i alphaLane = _mm_set_epi16(0xFF, 0, 0, 0, 0xFF, 0, 0, 0);
  const __m128i all255 = _mm_set1_epi16(0xFF);
  const auto half = [&](__m128i s, __m128i f, __m128i a) {
    const __m128i fromSource = _mm_srli_epi16(_mm_mullo_epi16(s, _mm_or_si128(a, alphaLane)), 8);
    const __m128i fromFrame = _mm_srli_epi16(_mm_mullo_epi16(f, _mm_xor_si128(a, all255)), 8);
    return _mm_add_epi16(fromSource, fromFrame);
  };
  for (int i = 0; i < fours * 4; i += 4) {
    const __m128i s = _mm_loadu_si128(reinterpret_cast<const __m128i*>(source + i));
    auto* at = reinterpret_cast<__m128i*>(frame + i);
    const __m128i f = _mm_loadu_si128(at);
    const __m128i alpha = _mm_srli_epi32(s, 24);
    // Each pixel's alpha in the four 16-bit lanes of its channels.
    const __m128i pairs = _mm_or_si128(alpha, _mm_slli_epi32(alpha, 16));
    const __m128i low = half(_mm_unpacklo_epi8(s, zero), _mm_unpacklo_epi8(f, zero),
                             _mm_unpacklo_epi32(pairs, pairs));
    const __m128i high = half(_mm_unpackhi_epi8(s, zero), _mm_unpackhi_epi8(f, zero),
                              _mm_unpackhi_epi32(pairs, pairs));
    const __m128i blended = _mm_packus_epi16(low, high);
    const __m128i clear = _mm_cmpeq_epi32(alpha, zero);
    const __m128i opaque = _mm_cmpeq_epi32(alpha, _mm_set1_epi32(0xFF));
    const __m128i kept = _mm_or_si128(_mm_and_si128(clear, f), _mm_and_si128(opaque, s));
    _mm_storeu_si128(at,
                     _mm_or_si128(_mm_andnot_si128(_mm_or_si128(clear, opaque), blended), kept));
  }
}

// Four pixels at an opacity at once, in the same arithmetic as FadePixel: for the 16-bit
// products here, x / 255 is exactly (x + 1 + (x >> 8)) >> 8.
void FadeFours(const uint32_t* source, uint32_t* frame, int fours, uint32_t opacity,
               bool frameHasAlpha) {
  const __m128i zero = _mm_setzero_si128();
  const __m128i one = _mm_set1_epi16(1);
  const __m128i all255 = _mm_set1_epi16(0xFF);
  const __m128i times = _mm_set1_epi32(static_cast<int>(opacity));
  const __m128i fullAlpha = _mm_set1_epi32(static_cast<int>(0xFF000000));
  const __m128i kept = _mm_set1_epi32(frameHasAlpha ? -1 : 0x00FFFFFF);
  const auto div255 = [&](__m128i x) {
    return _mm_srli_epi16(_mm_add_epi16(_mm_add_epi16(x, one), _mm_srli_epi16(x, 8)), 8);
  };
  const auto half = [&](__m128i s, __m128i f, __m128i a) {
    return _mm_add_epi16(div255(_mm_mullo_epi16(s, a)),
                         div255(_mm_mullo_epi16(f, _mm_xor_si128(a, all255))));
  };
  for (int i = 0; i < fours * 4; i += 4) {
    const __m128i s = _mm_loadu_si128(reinterpret_cast<const __m128i*>(source + i));
    auto* at = reinterpret_cast<__m128i*>(frame + i);
    const __m128i f = _mm_loadu_si128(at);
    // Each pixel's alpha times the opacity, in the low half of its 32 bits.
    const __m128i alpha = div255(_mm_mullo_epi16(_mm_srli_epi32(s, 24), times));
    const __m128i pairs = _mm_or_si128(alpha, _mm_slli_epi32(alpha, 16));
    // The picture's alpha channel weighs as 255, so that the frame's becomes a + ...
    const __m128i full = _mm_or_si128(s, fullAlpha);
    const __m128i low = half(_mm_unpacklo_epi8(full, zero), _mm_unpacklo_epi8(f, zero),
                             _mm_unpacklo_epi32(pairs, pairs));
    const __m128i high = half(_mm_unpackhi_epi8(full, zero), _mm_unpackhi_epi8(f, zero),
                              _mm_unpackhi_epi32(pairs, pairs));
    _mm_storeu_si128(at, _mm_and_si128(_mm_packus_epi16(low, high), kept));
  }
}

// Eight pixels at once on processors with AVX2: the same arithmetic again, written with the
// compiler's vector types.
using EightPixels = uint32_t __attribute__((vector_size(32)));
using EightPixelsBytes = uint8_t __attribute__((vector_size(32)));
using EightPixelsChannels = uint16_t __attribute__((vector_size(64)));

__attribute__((target("avx2"))) void BlendEights(const uint32_t* source, uint32_t* frame,
                                                 int eights) {
  EightPixelsBytes alphaLane;
  for (int i = 0; i < 32; ++i) alphaLane[i] = (i & 3) == 3 ? 0xFF : 0;
  for (int i = 0; i < eights * 8; i += 8) {
    EightPixels s, f;
    std::memcpy(&s, source + i, sizeof s);
    std::memcpy(&f, frame + i, sizeof f);
    const auto sourceBytes = reinterpret_cast<const EightPixelsBytes&>(s);
    const auto frameBytes = reinterpret_cast<const EightPixelsBytes&>(f);
    // Each pixel's alpha in all four of its bytes.
    const EightPixels alphaWords = (s >> 24) * 0x01010101u;
    const auto alpha = reinterpret_cast<const EightPixelsBytes&>(alphaWords);
    const auto weight = __builtin_convertvector(alpha | alphaLane, EightPixelsChannels);
    const auto rest = 255 - __builtin_convertvector(alpha, EightPixelsChannels);
    const auto fromSource = __builtin_convertvector(sourceBytes, EightPixelsChannels) * weight;
    const auto fromFrame = __builtin_convertvector(frameBytes, EightPixelsChannels) * rest;
    EightPixelsChannels value = (fromSource >> 8) + (fromFrame >> 8);
    value = value > 255 ? 255 : value;
    const EightPixelsBytes blended = __builtin_convertvector(value, EightPixelsBytes);
    EightPixels out = reinterpret_cast<const EightPixels&>(blended);
    out = (s >> 24) == 0 ? f : out;
    out = (s >> 24) == 255 ? s : out;
    std::memcpy(frame + i, &out, sizeof out);
  }
}
#endif

}  // namespace

BlendSteps WidestBlendSteps() {
#ifdef __SSE2__
  static const BlendSteps widest =
      __builtin_cpu_supports("avx2") ? BlendSteps::EightPixels : BlendSteps::FourPixels;
  return widest;
#else
  return BlendSteps::OnePixel;
#endif
}

void BlendRow(const uint32_t* source, uint32_t* frame, int count, const Blend& blend,
              [[maybe_unused]] BlendSteps steps) {
  if (blend.opaque && blend.opacity == 255)
    return CopyRow(source, frame, count, blend.frameHasAlpha);
  int done = 0;
#ifdef __SSE2__
  if (blend.opacity != 255) {
    // Wider steps for a draw at an opacity are left for later: the curtain is the only one.
    if (steps != BlendSteps::OnePixel) {
      FadeFours(source, frame, count / 4, blend.opacity, blend.frameHasAlpha);
      done = count / 4 * 4;
    }
  } else {
    if (steps == BlendSteps::EightPixels) {
      BlendEights(source, frame, count / 8);
      done = count / 8 * 8;
    }
    if (steps != BlendSteps::OnePixel) {
      BlendFours(source + done, frame + done, (count - done) / 4);
      done += (count - done) / 4 * 4;
    }
  }
#endif
  for (; done < count; ++done)
    frame[done] = blend.opacity == 255
                      ? BlendPixel(source[done], frame[done])
                      : FadePixel(source[done], frame[done], blend.opacity, blend.frameHasAlpha);
}

void BlendSurface(SDL_Surface* source, SDL_Surface* frame, int x, int y, const SDL_Rect& clip,
                  Uint8 opacity, bool opaque) {
  const Blend blend{opacity, opaque, frame->format->Amask != 0};
  const SDL_Rect placed{x, y, source->w, source->h};
  SDL_Rect area;
  if (!SDL_IntersectRect(&placed, &clip, &area)) return;
  const SDL_Rect whole{0, 0, frame->w, frame->h};
  if (!SDL_IntersectRect(&area, &whole, &area)) return;
  if (SDL_LockSurface(frame) != 0) return;
  for (int row = 0; row < area.h; ++row) {
    const auto* from = reinterpret_cast<const uint32_t*>(
        static_cast<const uint8_t*>(source->pixels) + (area.y - y + row) * source->pitch);
    auto* to = reinterpret_cast<uint32_t*>(static_cast<uint8_t*>(frame->pixels) +
                                           (area.y + row) * frame->pitch);
    BlendRow(from + (area.x - x), to + area.x, area.w, blend);
  }
  SDL_UnlockSurface(frame);
}

bool BlendsLikeSdl(Uint32 frameFormat) {
  static std::mutex mutex;
  static std::map<Uint32, bool> known;
  std::lock_guard lock(mutex);
  if (const auto found = known.find(frameFormat); found != known.end()) return found->second;
  // Every alpha, over frames of several alphas, with channel values spread over their range;
  // rows long enough for the wider steps and their tails. Each way the canvas draws: a copy,
  // a blend at the picture's own alpha, and blends at opacities high and low.
  constexpr int kWidth = 257, kHeight = 256;
  SDL_Surface* source =
      SDL_CreateRGBSurfaceWithFormat(0, kWidth, kHeight, 32, SDL_PIXELFORMAT_ARGB8888);
  SDL_Surface* frame = SDL_CreateRGBSurfaceWithFormat(0, kWidth, kHeight, 32, frameFormat);
  bool same = source && frame && frame->format->BytesPerPixel == 4;
  const auto rowOf = [](SDL_Surface* surface, int row) {
    return reinterpret_cast<uint32_t*>(static_cast<uint8_t*>(surface->pixels) +
                                       row * surface->pitch);
  };
  const bool frameHasAlpha = same && frame->format->Amask != 0;
  const Blend ways[] = {{255, true, frameHasAlpha},  {255, false, frameHasAlpha},
                        {254, false, frameHasAlpha}, {200, false, frameHasAlpha},
                        {128, false, frameHasAlpha}, {1, false, frameHasAlpha},
                        {0, false, frameHasAlpha}};
  for (const Blend& blend : ways) {
    if (!same) break;
    std::vector<uint32_t> expected;
    for (int row = 0; row < kHeight; ++row) {
      uint32_t* s = rowOf(source, row);
      uint32_t* f = rowOf(frame, row);
      for (int column = 0; column < kWidth; ++column) {
        const auto a = static_cast<uint32_t>(row), v = static_cast<uint32_t>(column & 0xFF);
        s[column] = a << 24 | v << 16 | (v * 7 + a) % 256 << 8 | (255 - v);
        f[column] = (v * 51 + a) % 256 << 24 | (255 - v) << 16 | (v * 13) % 256 << 8 | v;
      }
      expected.insert(expected.end(), f, f + kWidth);
      BlendRow(s, expected.data() + expected.size() - kWidth, kWidth, blend);
    }
    SDL_SetSurfaceBlendMode(source, blend.opaque ? SDL_BLENDMODE_NONE : SDL_BLENDMODE_BLEND);
    SDL_SetSurfaceAlphaMod(source, blend.opacity);
    same = SDL_BlitSurface(source, nullptr, frame, nullptr) == 0;
    for (int row = 0; same && row < kHeight; ++row)
      same = std::equal(rowOf(frame, row), rowOf(frame, row) + kWidth,
                        expected.begin() + static_cast<ptrdiff_t>(row) * kWidth);
  }
  SDL_FreeSurface(source);
  SDL_FreeSurface(frame);
  known[frameFormat] = same;
  return same;
}

}  // namespace quenlit::platform
