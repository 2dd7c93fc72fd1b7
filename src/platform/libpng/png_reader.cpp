// libpng hands every kind of PNG (palette, grey, 16-bit, interlaced, with or without alpha)
// over as the canvas's own ARGB words, written straight into the surface: no second pass over
// the picture converts it afterwards.
#include "platform/sdl/png_reader.h"

#include <png.h>

#include <cstdint>
#include <cstdlib>

namespace quenlit::platform {
namespace {

void ReadFromStream(png_structp png, png_bytep into, size_t size) {
  auto* stream = static_cast<SDL_RWops*>(png_get_io_ptr(png));
  if (SDL_RWread(stream, into, 1, size) != size) png_error(png, "the picture ends early");
}

// A damaged picture is no picture: the decoding stops quietly, and the caller says so.
[[noreturn]] void Fail(png_structp png, png_const_charp) {
  png_longjmp(png, 1);
}

void IgnoreWarning(png_structp, png_const_charp) {}

// libpng turns every pixel into 8-bit blue, green, red and alpha bytes, in the order in which
// a 32-bit ARGB word lies in memory; a picture without alpha gets full alpha.
void AskForArgb(png_structp png) {
  png_set_expand(png);  // palette and grey below 8 bits to 8-bit colour, tRNS to alpha
  png_set_strip_16(png);
  png_set_gray_to_rgb(png);
  if constexpr (SDL_BYTEORDER == SDL_LIL_ENDIAN) {
    png_set_bgr(png);
    png_set_filler(png, 0xFF, PNG_FILLER_AFTER);
  } else {
    png_set_swap_alpha(png);
    png_set_filler(png, 0xFF, PNG_FILLER_BEFORE);
  }
}

// The most libpng may ask for at once. A damaged chunk length (a text chunk claiming a
// gigabyte, say) must not make it set gigabytes aside; the largest block it needs for a real
// picture is a row, half a megabyte for the widest the header check lets through. The pixels
// themselves are set aside by the reader, which checks them against the file's size.
constexpr png_alloc_size_t kLargestBlock = 64 << 20;

png_voidp Allocate(png_structp, png_alloc_size_t size) {
  return size <= kLargestBlock ? std::malloc(size) : nullptr;  // libpng then reports a failure
}

void Release(png_structp, png_voidp block) {
  std::free(block);
}

// Deflate, which compresses a PNG's pixels, shrinks data at most about 1032 to 1.
constexpr uint64_t kLargestCompression = 1040;

// Whether a stream of this many bytes could hold the pixels the picture's header claims: a
// damaged or hostile header must not make the game set aside gigabytes for a picture that a
// file of a few bytes can never fill. A stream of unknown size is believed.
bool CouldHoldPixels(png_structp png, png_infop info, Sint64 streamBytes) {
  if (streamBytes < 0) return true;
  const uint64_t pixelBytes =
      static_cast<uint64_t>(png_get_rowbytes(png, info)) * png_get_image_height(png, info);
  return pixelBytes / kLargestCompression <= static_cast<uint64_t>(streamBytes);
}

bool RowOpaque(const uint8_t* row, int width) {
  const auto* pixels = reinterpret_cast<const uint32_t*>(row);
  uint32_t all = 0xFF000000;
  for (int x = 0; x < width; ++x) all &= pixels[x];
  return (all >> 24) == 0xFF;
}

// Decodes into *surface, which it makes; false on a damaged picture, which libpng reports by a
// long jump back here. No object with a destructor lives in between, and what this function
// changes after setjmp is written through pointers, so the jump loses nothing.
bool Decode(png_structp png, png_infop info, Sint64 streamBytes, SDL_Surface** surface,
            bool* opaque) {
  if (setjmp(png_jmpbuf(png))) return false;
  png_read_info(png, info);
  if (!CouldHoldPixels(png, info, streamBytes)) return false;
  const png_byte colourType = png_get_color_type(png, info);
  const bool hasAlpha =
      (colourType & PNG_COLOR_MASK_ALPHA) != 0 || png_get_valid(png, info, PNG_INFO_tRNS) != 0;
  AskForArgb(png);
  const int passes = png_set_interlace_handling(png);
  png_read_update_info(png, info);
  const int width = static_cast<int>(png_get_image_width(png, info));
  const int height = static_cast<int>(png_get_image_height(png, info));
  if (png_get_rowbytes(png, info) != static_cast<size_t>(width) * 4) return false;
  *surface = SDL_CreateRGBSurfaceWithFormat(0, width, height, 32, SDL_PIXELFORMAT_ARGB8888);
  if (!*surface) return false;
  *opaque = true;
  for (int pass = 0; pass < passes; ++pass) {
    for (int y = 0; y < height; ++y) {
      auto* row = static_cast<uint8_t*>((*surface)->pixels) + y * (*surface)->pitch;
      png_read_row(png, row, nullptr);
      // A row is whole after the last pass; it is looked at while still in the cache.
      if (pass == passes - 1 && hasAlpha && *opaque) *opaque = RowOpaque(row, width);
    }
  }
  return true;
}

}  // namespace

SDL_Surface* ReadPngArgb(SDL_RWops* stream, bool& opaque) {
  png_structp png = png_create_read_struct_2(PNG_LIBPNG_VER_STRING, nullptr, Fail, IgnoreWarning,
                                             nullptr, Allocate, Release);
  if (!png) return nullptr;
  png_infop info = png_create_info_struct(png);
  SDL_Surface* surface = nullptr;
  bool wholeOpaque = false;
  bool decoded = false;
  if (info) {
    png_set_read_fn(png, stream, ReadFromStream);
    decoded = Decode(png, info, SDL_RWsize(stream), &surface, &wholeOpaque);
  }
  png_destroy_read_struct(&png, info ? &info : nullptr, nullptr);
  if (!decoded) {
    SDL_FreeSurface(surface);
    return nullptr;
  }
  opaque = wholeOpaque;
  return surface;
}

}  // namespace quenlit::platform
